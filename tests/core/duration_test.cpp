#include "remote/Duration.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

TEST(ParseDuration, ReadsEachFormNormalised) {
    struct Row {
        const char *text;
        Duration read;
    };
    const Row rows[] = {
        {"5:00", {5, 0}},       {"0:03", {0, 3}},    {"05:07", {5, 7}},    {"99:59", {99, 59}},
        {"5m", {5, 0}},         {"90s", {1, 30}},    {"1m30s", {1, 30}},   {"1m90s", {2, 30}},
        {"0m1s", {0, 1}},       {"5999s", {99, 59}}, {"99m59s", {99, 59}}, {"1h", {60, 0}},
        {"1h39m59s", {99, 59}}, {"1h5s", {60, 5}},   {"007s", {0, 7}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const auto read = ParseDuration(row.text);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, row.read);
    }
}

TEST(ParseDuration, RefusesZeroTooLongNegativeAndUnreadable) {
    const char *const refused[] = {
        // zero
        "0:00", "0s", "0m0s", "00:00",
        // longer than 99:59
        "100:00", "6000s", "100m", "1h40m", "99m60s", "999999999999999999999s",
        // negative or signed
        "-5m", "-0:30", "+5m",
        // unreadable
        "", "5", "300", "m", "5x", "5M", "5 m", " 5m", "5m ", "1:5", "1:60", "1:090", ":30",
        "5:", "5:00s", "30s1m", "1m1m", "1s1s", "1.5m", "5min", "1m30", "0x10s", "٥m",
        // one digit of seconds and something after it
        "5:5x", "5:5 ", "1:3s", "5:0=", "5:0:", "65:0h", "5:5\n"};
    for (const char *text : refused) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseDuration(text).has_value());
    }
}

} // namespace
} // namespace pomelo
