#include "remote/Escape.h"

namespace pomelo {
namespace {

// One character or byte of the argument as the message shows it.
struct Piece {
    std::string shown;
    std::size_t bytes = 1; // taken from the argument
    std::size_t width = 1; // characters shown
};

Piece Escaped(std::string shown, std::size_t bytes) {
    const std::size_t width = shown.size();
    return {std::move(shown), bytes, width};
}

std::string Hex(const char *prefix, unsigned value, int digits) {
    static constexpr char HexDigits[] = "0123456789abcdef";
    std::string hex = prefix;
    for (int digit = digits - 1; digit >= 0; --digit)
        hex += HexDigits[(value >> (4 * digit)) & 0xf];
    return hex;
}

// The length of the well-formed UTF-8 sequence that text starts with, 0 for
// none: no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [text](std::size_t index) { return static_cast<unsigned char>(text[index]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80; // the bounds of the second byte
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : low;
        high = lead == 0xed ? 0x9f : high;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : low;
        high = lead == 0xf4 ? 0x8f : high;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t index = 2; index < length; ++index) {
        if (byte(index) < 0x80 || byte(index) > 0xbf)
            return 0;
    }
    return length;
}

Piece NextPiece(std::string_view text) {
    static constexpr struct {
        char character;
        const char *escape;
    } Named[] = {{'\a', "\\a"}, {'\b', "\\b"}, {'\t', "\\t"}, {'\n', "\\n"},
                 {'\v', "\\v"}, {'\f', "\\f"}, {'\r', "\\r"}, {'\\', "\\\\"}};
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = SequenceLength(text);
    if (length == 0)
        return Escaped(Hex("\\x", lead, 2), 1);
    if (length == 1) {
        for (const auto &named : Named) {
            if (text[0] == named.character)
                return Escaped(named.escape, 1);
        }
        if (lead < 0x20 || lead == 0x7f)
            return Escaped(Hex("\\x", lead, 2), 1);
        return {std::string(1, text[0])};
    }
    const auto second = static_cast<unsigned char>(text[1]);
    // U+0080 to U+009F, which terminals may take for commands.
    if (lead == 0xc2 && second < 0xa0)
        return Escaped(Hex("\\u", second, 4), 2);
    return {std::string(text.substr(0, length)), length};
}

} // namespace

std::string EscapeArgument(std::string_view text) {
    std::string shown;
    std::size_t width = 0;
    while (!text.empty()) {
        const Piece piece = NextPiece(text);
        if (width + piece.width > LongestShownArgument)
            return shown + "...";
        shown += piece.shown;
        width += piece.width;
        text.remove_prefix(piece.bytes);
    }
    return shown;
}

} // namespace pomelo
