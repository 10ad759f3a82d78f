#include "reader/StatusText.h"

#include <gtest/gtest.h>

#include <climits>

using namespace rules;

TEST(FormatCount, GroupsThreeDigitsFromOneThousandOn) {
    EXPECT_EQ(FormatCount(0), "0");
    EXPECT_EQ(FormatCount(7), "7");
    EXPECT_EQ(FormatCount(286), "286");
    EXPECT_EQ(FormatCount(999), "999");
    EXPECT_EQ(FormatCount(1000), "1,000");
    EXPECT_EQ(FormatCount(6236), "6,236");
    EXPECT_EQ(FormatCount(12345), "12,345");
    EXPECT_EQ(FormatCount(100000), "100,000");
    EXPECT_EQ(FormatCount(1234567), "1,234,567");
    EXPECT_EQ(FormatCount(INT_MAX), "2,147,483,647");
}

TEST(FormatCount, NegativeValuesKeepTheSignOutsideTheGroups) {
    EXPECT_EQ(FormatCount(-1), "-1");
    EXPECT_EQ(FormatCount(-123456), "-123,456");
    EXPECT_EQ(FormatCount(LLONG_MIN), "-9,223,372,036,854,775,808");
}

TEST(ProgressSuffix, CutsBeforeTheFirstParenthesisKeepingTheBlank) {
    EXPECT_EQ(ProgressSuffix("12 Ayat ( 15 Kata )"), "12 Ayat  ( Dalam proses... )");
    EXPECT_EQ(ProgressSuffix("12 Ayat (a) (b)"), "12 Ayat  ( Dalam proses... )");
    EXPECT_EQ(ProgressSuffix("(x"), " ( Dalam proses... )");
}

TEST(ProgressSuffix, KeepsAWholeTextWithoutParenthesis) {
    EXPECT_EQ(ProgressSuffix("6,236 Ayat"), "6,236 Ayat ( Dalam proses... )");
    EXPECT_EQ(ProgressSuffix(""), " ( Dalam proses... )");
}

TEST(CountSuffix, ReplacesTheProgressWithTheOccurrenceCount) {
    // A label that went through the progress suffix ends with two blanks before "(".
    EXPECT_EQ(CountSuffix(ProgressSuffix("12 Ayat"), 15), "12 Ayat  ( 15 Kata )");
    EXPECT_EQ(CountSuffix("1,200 Ayat ( Dalam proses... )", 2190), "1,200 Ayat  ( 2,190 Kata )");
    EXPECT_EQ(CountSuffix("5 Ayat", 0), "5 Ayat ( 0 Kata )");
}
