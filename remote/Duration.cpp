#include "remote/Duration.h"

#include <charconv>

namespace pomelo {
namespace {

// Takes a run of decimal digits off the front of text; nothing when there
// is none or it is too large to matter.
std::optional<long> TakeNumber(std::string_view &text, std::size_t maxDigits) {
    std::size_t length = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9')
        ++length;
    if (length == 0 || length > maxDigits)
        return std::nullopt;
    long value = 0;
    std::from_chars(text.data(), text.data() + length, value);
    text.remove_prefix(length);
    return value;
}

// Any run longer than this is far beyond the longest countdown anyway.
constexpr std::size_t MaxDigits = 6;

std::optional<long> ColonSeconds(std::string_view text) {
    const auto minutes = TakeNumber(text, MaxDigits);
    if (!minutes || text.empty() || text.front() != ':')
        return std::nullopt;
    text.remove_prefix(1);
    // Exactly two digits of seconds, and nothing after them.
    if (text.size() != 2)
        return std::nullopt;
    const auto seconds = TakeNumber(text, 2);
    if (!seconds || !text.empty() || *seconds > 59)
        return std::nullopt;
    return *minutes * 60 + *seconds;
}

std::optional<long> UnitSeconds(std::string_view text) {
    struct Unit {
        char letter;
        long seconds;
    };
    static constexpr Unit units[] = {{'h', 3600}, {'m', 60}, {'s', 1}};
    long total = 0;
    bool any = false;
    for (const Unit &unit : units) {
        std::string_view rest = text;
        const auto count = TakeNumber(rest, MaxDigits);
        if (!count || rest.empty() || rest.front() != unit.letter)
            continue;
        total += *count * unit.seconds;
        text = rest.substr(1);
        any = true;
    }
    if (!any || !text.empty())
        return std::nullopt;
    return total;
}

} // namespace

std::optional<Duration> ParseDuration(std::string_view text) {
    auto total = ColonSeconds(text);
    if (!total)
        total = UnitSeconds(text);
    if (!total || *total <= 0 || *total > LongestDurationSeconds)
        return std::nullopt;
    return Duration{static_cast<int>(*total / 60), static_cast<int>(*total % 60)};
}

} // namespace pomelo
