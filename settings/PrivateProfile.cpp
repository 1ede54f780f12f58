#include "settings/PrivateProfile.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

namespace pomelo {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNames(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool HasLineBreak(std::string_view s) {
    return s.find('\n') != std::string_view::npos || s.find('\r') != std::string_view::npos;
}

// One line of the file: [begin, end) is its text without the line ending, the
// next line starts at next (end == next for a last line without an ending).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

Line LineAt(std::string_view text, std::size_t begin) {
    const void *found = std::memchr(text.data() + begin, '\n', text.size() - begin);
    if (found == nullptr)
        return {begin, text.size(), text.size()};
    const auto newline = static_cast<std::size_t>(static_cast<const char *>(found) - text.data());
    const std::size_t end = newline > begin && text[newline - 1] == '\r' ? newline - 1 : newline;
    return {begin, end, newline + 1};
}

enum class LineKind { Blank, Comment, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;                 // section or key name, trimmed
    std::optional<std::string_view> value; // after the '=', trimmed; none without '='
};

ParsedLine ParseLine(std::string_view content) {
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty())
        return {};
    if (trimmed.front() == ';' || trimmed.front() == '#')
        return {LineKind::Comment, {}, {}};
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos && close > 0)
            return {LineKind::Section, Trim(trimmed.substr(1, close - 1)), {}};
        // An unclosed bracket is no section header; like any other text it
        // falls through to a key line.
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return {LineKind::Key, trimmed, {}};
    return {LineKind::Key, Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

struct Lookup {
    bool sectionFound = false;
    // The section header or the section's last key line: a new key goes after it.
    Line lastOfSection;
    bool keyFound = false;
    Line keyLine;
    ParsedLine key;
};

// One pass over the file, stopping at the first matching key or at the end of
// the first matching section, so every operation is linear in the file's size.
Lookup Find(std::string_view text, std::string_view section, std::string_view key) {
    Lookup result;
    std::size_t pos = text.starts_with(Utf8Bom) ? Utf8Bom.size() : 0;
    bool inSection = false;
    while (pos < text.size()) {
        const Line line = LineAt(text, pos);
        pos = line.next;
        const ParsedLine parsed = ParseLine(text.substr(line.begin, line.end - line.begin));
        if (parsed.kind == LineKind::Section) {
            if (inSection)
                break;
            if (EqualNames(parsed.name, section)) {
                inSection = true;
                result.sectionFound = true;
                result.lastOfSection = line;
            }
        } else if (inSection && parsed.kind == LineKind::Key) {
            if (EqualNames(parsed.name, key)) {
                result.keyFound = true;
                result.keyLine = line;
                result.key = parsed;
                break;
            }
            result.lastOfSection = line;
        }
    }
    return result;
}

std::string_view DominantLineEnding(std::string_view text) {
    std::size_t crlf = 0;
    std::size_t lf = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const void *found = std::memchr(text.data() + pos, '\n', text.size() - pos);
        if (found == nullptr)
            break;
        const auto newline =
            static_cast<std::size_t>(static_cast<const char *>(found) - text.data());
        if (newline > 0 && text[newline - 1] == '\r')
            ++crlf;
        else
            ++lf;
        pos = newline + 1;
    }
    return crlf > lf ? "\r\n" : "\n";
}

// Blanks, an optional sign, digits up to the first other character; no digits
// read 0 and the result saturates rather than wraps.
std::int32_t ParseProfileInt(std::string_view value) {
    std::size_t pos = 0;
    while (pos < value.size() && (value[pos] == ' ' || value[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) {
        negative = value[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t Limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos) {
        if (magnitude < Limit)
            magnitude = magnitude * 10 + (value[pos] - '0');
    }
    if (negative)
        return magnitude >= Limit ? std::numeric_limits<std::int32_t>::min()
                                  : static_cast<std::int32_t>(-magnitude);
    return magnitude >= Limit ? std::numeric_limits<std::int32_t>::max()
                              : static_cast<std::int32_t>(magnitude);
}

bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
    if (Trim(section).empty() || Trim(key).empty())
        return false;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    const char first = Trim(key).front();
    return key.find('=') == std::string_view::npos && first != '[' && first != ';' && first != '#';
}

} // namespace

PrivateProfile::PrivateProfile(std::string text)
    : text_(std::move(text)) {}

std::int32_t PrivateProfile::getInt(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
    const Lookup found = Find(text_, Trim(section), Trim(key));
    if (!found.keyFound || !found.key.value || found.key.value->empty())
        return defaultValue;
    return ParseProfileInt(*found.key.value);
}

bool PrivateProfile::writeString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (!IsWritable(section, key, value))
        return false;
    section = Trim(section);
    key = Trim(key);
    const Lookup found = Find(text_, section, key);
    std::string updated;
    if (found.keyFound) {
        const Line &line = found.keyLine;
        updated.reserve(text_.size() + value.size() + 1);
        updated.append(text_, 0, line.begin);
        updated.append(found.key.name).append("=").append(value);
        updated.append(text_, line.end);
    } else {
        const std::string_view eol = DominantLineEnding(text_);
        std::string added;
        std::size_t at = text_.size();
        if (found.sectionFound) {
            at = found.lastOfSection.next;
            if (found.lastOfSection.end == found.lastOfSection.next)
                added.append(eol); // that line ends the file without a line ending
        } else {
            const bool onlyBom = text_ == Utf8Bom;
            if (!text_.empty() && text_.back() != '\n' && !onlyBom)
                added.append(eol);
            added.append("[").append(section).append("]").append(eol);
        }
        added.append(key).append("=").append(value).append(eol);
        updated.reserve(text_.size() + added.size());
        updated.append(text_, 0, at).append(added).append(text_, at);
    }
    text_.swap(updated);
    return true;
}

std::string FormatProfileNumber(double value) {
    if (!std::isfinite(value) || value == 0)
        return " 0";
    // Shortest fixed-point text that reads back as the same double: 1500 gives
    // "1500", 1500.5 gives "1500.5", and nothing switches to an exponent.
    char digits[400];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed);
    if (error != std::errc{})
        return " 0";
    std::string text(1, value < 0 ? '-' : ' ');
    text.append(digits, end);
    return text;
}

} // namespace pomelo
