#include "settings/PrivateProfile.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace pomelo {
namespace {

using namespace std::string_literals;

constexpr std::int32_t Missing = 99; // default that no row expects from the file itself
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

// Each row of a table is named, and printed, by its name.
template <typename Row> std::string RowName(const testing::TestParamInfo<Row> &info) {
    return info.param.name;
}
template <typename Row>
requires requires(const Row &row) {
    row.name;
}
std::ostream &operator<<(std::ostream &out, const Row &row) {
    return out << row.name;
}

// --- Reading a value as a whole number ---------------------------------------

struct IntRow {
    const char *name;
    std::string value; // text after "K=" on the key's line
    std::int32_t expected;
};

class ReadsValueAsInt : public testing::TestWithParam<IntRow> {};

TEST_P(ReadsValueAsInt, LikeThePlatformReader) {
    const IntRow &row = GetParam();
    const PrivateProfile profile("[S]\nK=" + row.value + "\nNEXT=5\n");
    EXPECT_EQ(profile.getInt("S", "K", Missing), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadsValueAsInt,
    testing::Values(IntRow{"Plain", "2", 2}, IntRow{"LeadingBlank", " 2", 2},
                    IntRow{"ExplicitPlus", "+7", 7}, IntRow{"BlankThenMinus", " -3", -3},
                    IntRow{"TabThenMinus", "\t-3", -3}, IntRow{"TrailingJunk", "12abc", 12},
                    IntRow{"LetterOnly", "abc", 0}, IntRow{"SignOnly", "-", 0},
                    IntRow{"BlankAfterSign", "- 3", 0}, IntRow{"TwoSigns", "+-3", 0},
                    IntRow{"HexIsNotRead", "0x1F", 0}, IntRow{"Fraction", "1500.5", 1500},
                    IntRow{"NegativeFraction", "-1500.5", -1500}, IntRow{"LeadingZeros", "007", 7},
                    IntRow{"StopsAtInnerBlank", "4 2", 4},
                    IntRow{"TrailingBlanksAndCr", "42 \t\r", 42},
                    IntRow{"Int32Max", "2147483647", Int32Max},
                    IntRow{"JustAboveInt32Max", "2147483648", Int32Max},
                    IntRow{"Int32Min", "-2147483648", Int32Min},
                    IntRow{"JustBelowInt32Min", "-2147483649", Int32Min},
                    IntRow{"HugeSaturates", "99999999999999999999999999999", Int32Max},
                    IntRow{"HugeNegativeSaturates", "-99999999999999999999999999999", Int32Min},
                    IntRow{"HighBytes", "\x80\xff", 0}, IntRow{"NulByte", "\0"s + "5", 0},
                    // No value at all reads as a missing key, as the platform does.
                    IntRow{"EmptyValue", "", Missing}, IntRow{"BlankValue", "  \t ", Missing}),
    RowName<IntRow>);

// --- Finding the section and key ------------------------------------------------

struct LookupRow {
    const char *name;
    std::string text;
    std::int32_t expected; // getInt("FORM1", "MODE", Missing)
};

class FindsKey : public testing::TestWithParam<LookupRow> {};

TEST_P(FindsKey, InItsSection) {
    const PrivateProfile profile(GetParam().text);
    EXPECT_EQ(profile.getInt("FORM1", "MODE", Missing), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FindsKey,
    testing::Values(LookupRow{"CaseOfNamesIgnored", "[form1]\nmode=2\n", 2},
                    LookupRow{"BlanksAroundNamesIgnored", " [ FORM1 ]\t\n\t MODE \t= 2\n", 2},
                    LookupRow{"HeaderWithTrailingComment", "[FORM1] ; window\nMODE=2\n", 2},
                    LookupRow{"AmongOtherKeysAndComments",
                              "; x\n[FORM1]\nA=1\n\n; y\nMODE=2\nB=3\n", 2},
                    LookupRow{"EqualsInValue", "[FORM1]\nMODE=2=3\n", 2},
                    LookupRow{"CrlfFile", "[FORM1]\r\nMODE=2\r\n", 2},
                    LookupRow{"CrlfWithoutFinalLineEnding", "[FORM1]\r\nMODE=2", 2},
                    LookupRow{"ByteOrderMark", "\xEF\xBB\xBF[FORM1]\nMODE=2\n", 2},
                    LookupRow{"FirstKeyWins", "[FORM1]\nMODE=1\nMODE=2\n", 1},
                    LookupRow{"FirstSectionWins", "[FORM1]\nA=1\n[FORM1]\nMODE=2\n", Missing},
                    LookupRow{"MissingSection", "[OTHER]\nMODE=2\n", Missing},
                    LookupRow{"MissingKey", "[FORM1]\nMODES=2\nMOD=2\n", Missing},
                    LookupRow{"LongerSectionName", "[FORM12]\nMODE=2\n", Missing},
                    LookupRow{"KeyOnlyInLaterSection", "[FORM1]\nA=1\n[OTHER]\nMODE=2\n", Missing},
                    LookupRow{"KeyBeforeAnySection", "MODE=2\n[FORM1]\n", Missing},
                    LookupRow{"CommentedOutKey", "[FORM1]\n;MODE=2\n# MODE=3\n", Missing},
                    LookupRow{"KeyWithoutEquals", "[FORM1]\nMODE\n", Missing},
                    LookupRow{"UnclosedHeaderIsNoSection", "[FORM1\nMODE=2\n", Missing},
                    LookupRow{"EmptyFile", "", Missing}),
    RowName<LookupRow>);

// --- Writing --------------------------------------------------------------------

struct WriteRow {
    const char *name;
    std::string before;
    const char *section;
    const char *key;
    const char *value;
    std::string after;
};

class WritesString : public testing::TestWithParam<WriteRow> {};

TEST_P(WritesString, ChangingOnlyItsLine) {
    const WriteRow &row = GetParam();
    PrivateProfile profile(row.before);
    EXPECT_TRUE(profile.writeString(row.section, row.key, row.value));
    EXPECT_EQ(profile.text(), row.after);
    // Writing the same again finds the line just written and changes nothing.
    EXPECT_TRUE(profile.writeString(row.section, row.key, row.value));
    EXPECT_EQ(profile.text(), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WritesString,
    testing::Values(
        WriteRow{"NewFile", "", "FORM1", "MODE", " 2", "[FORM1]\nMODE= 2\n"},
        WriteRow{"NamesAreTrimmed", "", " FORM1\t", " MODE ", " 2", "[FORM1]\nMODE= 2\n"},
        WriteRow{"ReplacesInPlace", "; pomelo\n[FORM1]\nMODE= 1\nPOJIX= 15\n\n[OTHER]\nMODE=9\n",
                 "FORM1", "MODE", " 2",
                 "; pomelo\n[FORM1]\nMODE= 2\nPOJIX= 15\n\n[OTHER]\nMODE=9\n"},
        WriteRow{"KeepsKeySpellingOfFile", "[form1]\n  Mode  =  7 ; old\nX=1\n", "FORM1", "MODE",
                 " 2", "[form1]\nMode= 2\nX=1\n"},
        WriteRow{"KeepsHeaderAsItStands", "  [ Form1 ]  \nmode=1\n", "FORM1", "MODE", " 2",
                 "  [ Form1 ]  \nmode= 2\n"},
        WriteRow{"ReplacesBareKeyLine", "[FORM1]\nMODE\nX=1\n", "FORM1", "MODE", " 2",
                 "[FORM1]\nMODE= 2\nX=1\n"},
        WriteRow{"ReplacesOnlyFirstOfDuplicateKeys", "[FORM1]\nMODE=1\nMODE=2\n", "FORM1", "MODE",
                 " 0", "[FORM1]\nMODE= 0\nMODE=2\n"},
        WriteRow{"ReplacesEmptyValue", "[FORM1]\nMODE=\nX=1\n", "FORM1", "MODE", " 2",
                 "[FORM1]\nMODE= 2\nX=1\n"},
        WriteRow{"NewKeyBeforeBlankLineAndCommentOfNextSection",
                 "[FORM1]\nMODE= 0\n\n; window\n[OTHER]\nA=1\n", "FORM1", "POJIX", " 1500",
                 "[FORM1]\nMODE= 0\nPOJIX= 1500\n\n; window\n[OTHER]\nA=1\n"},
        WriteRow{"NewKeyAfterCommentBetweenKeys", "[FORM1]\nA=1\n; note\nB=2\n\n[X]\n", "FORM1",
                 "C", "3", "[FORM1]\nA=1\n; note\nB=2\nC=3\n\n[X]\n"},
        WriteRow{"NewKeyInSectionWithoutKeys", "[FORM1]\n\n[OTHER]\nA=1\n", "FORM1", "MODE", " 0",
                 "[FORM1]\nMODE= 0\n\n[OTHER]\nA=1\n"},
        WriteRow{"NewKeyGoesAboveTrailingComment", "[FORM1]\n;MODE=5\n", "FORM1", "MODE", " 2",
                 "[FORM1]\nMODE= 2\n;MODE=5\n"},
        WriteRow{"NewKeyWhenLastLineHasNoLineEnding", "[FORM1]\nMODE= 0", "FORM1", "POJIX", " 1",
                 "[FORM1]\nMODE= 0\nPOJIX= 1\n"},
        WriteRow{"NewKeyAfterHeaderEndingFile", "[FORM1]", "FORM1", "MODE", " 0",
                 "[FORM1]\nMODE= 0\n"},
        WriteRow{"NewKeyInRightSectionWhenOtherHasIt", "[OTHER]\nMODE=5\n[FORM1]\nX=1\n", "FORM1",
                 "MODE", " 2", "[OTHER]\nMODE=5\n[FORM1]\nX=1\nMODE= 2\n"},
        WriteRow{"NewKeyInFirstOfDuplicateSections", "[FORM1]\nA=1\n[X]\n[FORM1]\nB=2\n", "FORM1",
                 "B", " 7", "[FORM1]\nA=1\nB= 7\n[X]\n[FORM1]\nB=2\n"},
        WriteRow{"NewSectionAtEnd", "[OTHER]\nA=1\n", "FORM1", "MODE", " 0",
                 "[OTHER]\nA=1\n[FORM1]\nMODE= 0\n"},
        WriteRow{"NewSectionAfterLastLineWithoutEnding", "[OTHER]\nA=1", "FORM1", "MODE", " 0",
                 "[OTHER]\nA=1\n[FORM1]\nMODE= 0\n"},
        WriteRow{"NewSectionAfterTrailingBlankLines", "[OTHER]\nA=1\n\n\n", "FORM1", "MODE", " 0",
                 "[OTHER]\nA=1\n\n\n[FORM1]\nMODE= 0\n"},
        WriteRow{"NewSectionWhenOnlyUnclosedHeader", "[FORM1\nMODE=1\n", "FORM1", "MODE", " 2",
                 "[FORM1\nMODE=1\n[FORM1]\nMODE= 2\n"},
        WriteRow{"CrlfReplaceKeepsEveryEnding", "[FORM1]\r\nMODE= 1\r\nPOJIX= 3\r\n", "FORM1",
                 "MODE", " 2", "[FORM1]\r\nMODE= 2\r\nPOJIX= 3\r\n"},
        WriteRow{"CrlfReplaceOnLastLineWithoutEnding", "[FORM1]\r\nMODE= 1", "FORM1", "MODE", " 2",
                 "[FORM1]\r\nMODE= 2"},
        WriteRow{"CrlfNewKey", "[FORM1]\r\nMODE= 1\r\n\r\n[X]\r\n", "FORM1", "POJIX", " 5",
                 "[FORM1]\r\nMODE= 1\r\nPOJIX= 5\r\n\r\n[X]\r\n"},
        WriteRow{"CrlfNewSection", "[X]\r\nA=1\r\n", "FORM1", "MODE", " 0",
                 "[X]\r\nA=1\r\n[FORM1]\r\nMODE= 0\r\n"},
        WriteRow{"CrlfNewSectionAfterLastLineWithoutEnding", "[X]\r\nA=1", "FORM1", "MODE", " 0",
                 "[X]\r\nA=1\r\n[FORM1]\r\nMODE= 0\r\n"},
        WriteRow{"MixedEndingsMostlyCrlf", "[X]\r\nA=1\r\nB=2\nC=3\r\n", "FORM1", "MODE", " 0",
                 "[X]\r\nA=1\r\nB=2\nC=3\r\n[FORM1]\r\nMODE= 0\r\n"},
        WriteRow{"MixedEndingsMostlyLf", "[FORM1]\r\nA=1\nB=2\n", "FORM1", "C", "3",
                 "[FORM1]\r\nA=1\nB=2\nC=3\n"},
        WriteRow{"ByteOrderMarkKept", "\xEF\xBB\xBF[FORM1]\nMODE=1\n", "FORM1", "MODE", " 2",
                 "\xEF\xBB\xBF[FORM1]\nMODE= 2\n"},
        WriteRow{"OnlyByteOrderMark", "\xEF\xBB\xBF", "FORM1", "MODE", " 0",
                 "\xEF\xBB\xBF[FORM1]\nMODE= 0\n"},
        WriteRow{"BinaryLinesAroundSurvive", "[A]\n\0\xff\x01=\x80\r\n[FORM1]\nMODE=1\n\xfe\0tail"s,
                 "FORM1", "MODE", " 2", "[A]\n\0\xff\x01=\x80\r\n[FORM1]\nMODE= 2\n\xfe\0tail"s}),
    RowName<WriteRow>);

struct RefusedRow {
    const char *name;
    std::string section;
    std::string key;
    std::string value;
};

class RefusesWrite : public testing::TestWithParam<RefusedRow> {};

// Each of these would add a line that reads back as something else, or split
// one line into two.
TEST_P(RefusesWrite, ThatCouldNotBeReadBack) {
    const RefusedRow &row = GetParam();
    const std::string before = "[FORM1]\nMODE= 1\n";
    PrivateProfile profile(before);
    EXPECT_FALSE(profile.writeString(row.section, row.key, row.value));
    EXPECT_EQ(profile.text(), before);
}

INSTANTIATE_TEST_SUITE_P(Names, RefusesWrite,
                         testing::Values(RefusedRow{"EmptySection", "", "MODE", " 2"},
                                         RefusedRow{"BlankSection", "  ", "MODE", " 2"},
                                         RefusedRow{"EmptyKey", "FORM1", "", " 2"},
                                         RefusedRow{"LineBreakInSection", "FORM1\nX", "MODE", " 2"},
                                         RefusedRow{"LineBreakInKey", "FORM1", "MO\nDE", " 2"},
                                         RefusedRow{"CrInKey", "FORM1", "MO\rDE", " 2"},
                                         RefusedRow{"LineBreakInValue", "FORM1", "MODE", "2\n[X]"},
                                         RefusedRow{"EqualsInKey", "FORM1", "MO=DE", " 2"},
                                         RefusedRow{"KeyLooksLikeHeader", "FORM1", "[X]", " 2"},
                                         RefusedRow{"KeyLooksLikeComment", "FORM1", ";MODE", " 2"},
                                         RefusedRow{"KeyLooksLikeHashComment", "FORM1", "#M",
                                                    " 2"}),
                         RowName<RefusedRow>);

// --- Number text ------------------------------------------------------------------

TEST(FormatProfileNumber, BlankOrMinusBeforeTheDigits) {
    const struct {
        double value;
        const char *text;
    } rows[] = {
        {0, " 0"},
        {-0.0, " 0"},
        {2, " 2"},
        {-45, "-45"},
        {1500, " 1500"},
        {1500.5, " 1500.5"},
        {-1500.25, "-1500.25"},
        {0.5, " 0.5"},
        {2147483647, " 2147483647"},
        {-2147483648.0, "-2147483648"},
        {1e20, " 100000000000000000000"},
        {std::nan(""), " 0"},
        {std::numeric_limits<double>::infinity(), " 0"},
        {-std::numeric_limits<double>::infinity(), " 0"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(FormatProfileNumber(row.value), row.text);
    }
    // The extremes of a double still come out in full, without an exponent.
    const std::string largest = FormatProfileNumber(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 1 + 309u);
    EXPECT_EQ(largest.find('e'), std::string::npos);
    const std::string smallest = FormatProfileNumber(-std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(smallest.starts_with("-0.000"));
    EXPECT_TRUE(smallest.ends_with("5"));
}

TEST(PrivateProfileRoundTrip, WrittenNumbersReadBack) {
    const std::int32_t values[] = {0, 1, 2, -1, -45, 1500, 3000, Int32Max, Int32Min};
    PrivateProfile profile;
    for (const std::int32_t value : values) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(profile.writeString("FORM1", "VALUE", FormatProfileNumber(value)));
        EXPECT_EQ(profile.getInt("FORM1", "VALUE", Missing), value);
    }
    // One key, rewritten in place each time.
    EXPECT_EQ(profile.text(), "[FORM1]\nVALUE=-2147483648\n");
}

// --- Bad and big input ---------------------------------------------------------------

// Random text made mostly of the characters that steer parsing, with arbitrary
// bytes (NUL included) in between.
std::string RandomProfileText(std::mt19937 &random, std::size_t length) {
    static const std::string pieces[] = {"[",  "]", "=", "\n",    "\r",          "\r\n", " ",
                                         "\t", ";", "#", "FORM1", "form1",       "MODE", "mode",
                                         "-",  "+", "7", "\0"s,   "\xEF\xBB\xBF"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) + 3);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    while (text.size() < length) {
        const auto choice = static_cast<std::size_t>(pick(random));
        if (choice < std::size(pieces))
            text += pieces[choice];
        else
            text += static_cast<char>(byte(random));
    }
    return text;
}

TEST(PrivateProfileJunk, WriteThenReadGivesTheValueAndKeepsEveryOtherLine) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<int> number(-100000, 100000);
    for (int round = 0; round < 3000; ++round) {
        const std::string junk =
            RandomProfileText(random, static_cast<std::size_t>(length(random)));
        SCOPED_TRACE(testing::PrintToString(junk));
        PrivateProfile profile(junk);
        profile.getInt("FORM1", "MODE", 0); // must simply not crash
        const int value = number(random);
        ASSERT_TRUE(profile.writeString("FORM1", "MODE", FormatProfileNumber(value)));
        EXPECT_EQ(profile.getInt("FORM1", "MODE", Missing), value);

        // The change is one stretch of the text, and no line break of the old
        // text is inside it: no other line was removed or joined.
        const std::string &now = profile.text();
        std::size_t prefix = 0;
        while (prefix < junk.size() && prefix < now.size() && junk[prefix] == now[prefix])
            ++prefix;
        std::size_t suffix = 0;
        while (suffix < junk.size() - prefix && suffix < now.size() - prefix &&
               junk[junk.size() - 1 - suffix] == now[now.size() - 1 - suffix])
            ++suffix;
        const std::string removed = junk.substr(prefix, junk.size() - prefix - suffix);
        EXPECT_EQ(removed.find('\n'), std::string::npos);

        const std::string once = now;
        ASSERT_TRUE(profile.writeString("FORM1", "MODE", FormatProfileNumber(value)));
        EXPECT_EQ(profile.text(), once);
    }
}

TEST(PrivateProfileJunk, BinaryFileGetsNewSectionAppended) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string binary(64 * 1024, '\0');
    for (char &c : binary)
        c = static_cast<char>(byte(random));
    binary.back() = 'x'; // so the appended section needs a line ending first
    ASSERT_EQ(binary.find("FORM1"), std::string::npos);

    PrivateProfile profile(binary);
    EXPECT_EQ(profile.getInt("FORM1", "MODE", Missing), Missing);
    ASSERT_TRUE(profile.writeString("FORM1", "MODE", " 1"));
    EXPECT_EQ(profile.getInt("FORM1", "MODE", Missing), 1);
    EXPECT_TRUE(profile.text().starts_with(binary));
    // Whatever mix of line endings the junk holds, the tail is one of these.
    const std::string tail = profile.text().substr(binary.size());
    EXPECT_TRUE(tail == "\n[FORM1]\nMODE= 1\n" || tail == "\r\n[FORM1]\r\nMODE= 1\r\n") << tail;
}

TEST(PrivateProfileBigInput, HundredKilobyteLines) {
    const std::string longComment = "; " + std::string(100 * 1024, 'c');
    const std::string longDigits(100 * 1024, '9');
    const std::string longKey(100 * 1024, 'K');
    const std::string text = "[FORM1]\n" + longComment + "\n" + longKey + "=1\nBIG=" + longDigits +
                             "\nNEG=-" + longDigits + "\nMODE= 2\n" + longComment;
    PrivateProfile profile(text);
    EXPECT_EQ(profile.getInt("FORM1", "MODE", Missing), 2);
    EXPECT_EQ(profile.getInt("FORM1", "BIG", Missing), Int32Max);
    EXPECT_EQ(profile.getInt("FORM1", "NEG", Missing), Int32Min);
    EXPECT_EQ(profile.getInt("FORM1", longKey, Missing), 1);

    ASSERT_TRUE(profile.writeString("FORM1", "BIG", " 5"));
    ASSERT_TRUE(profile.writeString("FORM1", "POJIX", " 1500"));
    const std::string expected = "[FORM1]\n" + longComment + "\n" + longKey + "=1\nBIG= 5\nNEG=-" +
                                 longDigits + "\nMODE= 2\nPOJIX= 1500\n" + longComment;
    EXPECT_EQ(profile.text(), expected);
}

TEST(PrivateProfileBigInput, MultiMegabyteFiles) {
    std::string many;
    for (int i = 0; many.size() < 5 * 1024 * 1024; ++i)
        many += "[SECTION" + std::to_string(i) + "]\nMODE=" + std::to_string(i) +
                "\nNAME=some text to fill the line\n\n";
    const std::string sizes[] = {
        many + "[FORM1]\nMODE= 2\n",
        std::string(5 * 1024 * 1024, 'x') + "\n[FORM1]\nMODE= 2\n", // one long line
        std::string(5 * 1024 * 1024, '\n') + "[FORM1]\nMODE= 2\n",  // only line endings
        std::string(5 * 1024 * 1024, '\0') + "\n[FORM1]\nMODE= 2\n",
    };
    for (const std::string &text : sizes) {
        SCOPED_TRACE(text.substr(0, 20));
        PrivateProfile profile(text);
        EXPECT_EQ(profile.getInt("FORM1", "MODE", Missing), 2);
        EXPECT_EQ(profile.getInt("FORM1", "POJIX", Missing), Missing);
        ASSERT_TRUE(profile.writeString("FORM1", "MODE", " 1"));
        ASSERT_TRUE(profile.writeString("FORM1", "POJIX", " 1500"));
        ASSERT_TRUE(profile.writeString("LAST", "A", "1"));
        EXPECT_EQ(profile.getInt("FORM1", "MODE", Missing), 1);
        EXPECT_EQ(profile.getInt("FORM1", "POJIX", Missing), 1500);
        EXPECT_EQ(profile.text(),
                  text.substr(0, text.size() - 8) + "MODE= 1\nPOJIX= 1500\n[LAST]\nA=1\n");
    }
    // The many sections before it are still there to be read.
    const PrivateProfile profile(many);
    EXPECT_EQ(profile.getInt("section1000", "MODE", Missing), 1000);
}

} // namespace
} // namespace pomelo
