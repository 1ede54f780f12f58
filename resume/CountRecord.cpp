#include "resume/CountRecord.h"

#include "state/FunctionNames.h"

#include <charconv>
#include <map>

namespace pomelo {
namespace {

template <typename Number> std::optional<Number> ReadNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "MM:SS", each part one or two digits.
bool ReadKeyed(std::string_view text, CountRecord &record) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    const auto minutes = ReadNumber<int>(text.substr(0, colon));
    const auto seconds = ReadNumber<int>(text.substr(colon + 1));
    if (!minutes || !seconds)
        return false;
    record.keyedMinutes = *minutes;
    record.keyedSeconds = *seconds;
    return true;
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 2)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

std::string FormatCountRecord(const CountRecord &record) {
    std::string text = "# pomelo's count, rewritten whenever its course changes\n";
    const auto line = [&text](std::string_view key, std::string_view value) {
        text.append(key).append("=").append(value).append("\n");
    };
    line("FUNCTION", FunctionName(record.mode));
    line("RUNNING", record.running ? "1" : "0");
    line("MINUTES", std::to_string(record.minutes));
    line("SECONDS", std::to_string(record.seconds));
    line("HOURS", std::to_string(record.hours));
    line("KEYED",
         TwoDigits(record.keyedMinutes).append(":").append(TwoDigits(record.keyedSeconds)));
    line("WALLCLOCK", std::to_string(record.anchor.wallMs));
    line("BOOTCLOCK", std::to_string(record.anchor.bootMs));
    line("BOOTID", record.anchor.bootId);
    return text;
}

std::optional<CountRecord> ParseCountRecord(std::string_view text) {
    std::map<std::string_view, std::string_view> values;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        if (!values.emplace(line.substr(0, equals), line.substr(equals + 1)).second)
            return std::nullopt;
    }
    const auto value = [&values](std::string_view key) {
        const auto found = values.find(key);
        return found == values.end() ? std::optional<std::string_view>() : found->second;
    };
    const auto mode = FunctionNamed(value("FUNCTION").value_or(""));
    const auto running = ReadNumber<int>(value("RUNNING").value_or(""));
    const auto minutes = ReadNumber<int>(value("MINUTES").value_or(""));
    const auto seconds = ReadNumber<int>(value("SECONDS").value_or(""));
    const auto hours = ReadNumber<int>(value("HOURS").value_or(""));
    const auto wallMs = ReadNumber<std::int64_t>(value("WALLCLOCK").value_or(""));
    const auto bootMs = ReadNumber<std::int64_t>(value("BOOTCLOCK").value_or(""));
    const auto bootId = value("BOOTID");
    CountRecord record;
    if (!mode || !running || (*running != 0 && *running != 1) || !minutes || !seconds || !hours ||
        !wallMs || !bootMs || !bootId || !ReadKeyed(value("KEYED").value_or(""), record))
        return std::nullopt;
    record.mode = *mode;
    record.running = *running == 1;
    record.minutes = *minutes;
    record.seconds = *seconds;
    record.hours = *hours;
    record.anchor = {*wallMs, *bootMs, std::string(*bootId)};
    return record;
}

} // namespace pomelo
