#include "remote/Escape.h"

#include <gtest/gtest.h>
#include <string>

namespace pomelo {
namespace {

TEST(EscapeArgument, ShowsOneSafeLineOfSaneLength) {
    struct Row {
        std::string given;
        std::string shown;
    };
    const std::string sixty(LongestShownArgument, 'a');
    std::string newlines; // as many as fit
    while (newlines.size() < LongestShownArgument)
        newlines += "\\n";
    const Row rows[] = {
        // printed as given
        {"5:00", "5:00"},
        {"", ""},
        {"٥m ünï 🍅", "٥m ünï 🍅"},
        {sixty, sixty},
        // control characters and the backslash
        {"5\n00", "5\\n00"},
        {"\x1b]2;pwned\a", "\\x1b]2;pwned\\a"},
        {"\t\r\b\f\v\x01\x7f", "\\t\\r\\b\\f\\v\\x01\\x7f"},
        {"a\\n", "a\\\\n"},
        {"\xc2\x9b[31m", "\\u009b[31m"},
        // bytes that are not UTF-8: stray, cut short, overlong, a surrogate,
        // beyond U+10FFFF
        {"\xff-5m", "\\xff-5m"},
        {"\xc3(", "\\xc3("},
        {"\xe2\x82", "\\xe2\\x82"},
        {"\xc0\xaf", "\\xc0\\xaf"},
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
        // cut short
        {sixty + "b", sixty + "..."},
        {sixty.substr(1) + "\n", sixty.substr(1) + "..."},
        {std::string(10'000'000, '\n'), newlines + "..."},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.shown);
        EXPECT_EQ(EscapeArgument(row.given), row.shown);
    }
}

} // namespace
} // namespace pomelo
