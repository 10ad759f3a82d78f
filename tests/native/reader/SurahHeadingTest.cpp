#include "reader/SurahHeading.h"

#include <gtest/gtest.h>

#include "corpus/SurahTable.h"

using rules::SurahHeading;

TEST(SurahHeading, SpacesOutTheUpperCasedName) {
    EXPECT_EQ(SurahHeading("1. Al-Fatihah"), "S U R A T   A L - F A T I H A H ");
    EXPECT_EQ(SurahHeading("4. An-Nisa'"), "S U R A T   A N - N I S A ' ");
}

TEST(SurahHeading, ABlankInsideTheNameBecomesThreeBlanksBetweenTheWords) {
    EXPECT_EQ(SurahHeading("66. At Tahrim"), "S U R A T   A T   T A H R I M ");
}

TEST(SurahHeading, KeepsOnlyWhatFollowsTheFirstDot) {
    EXPECT_EQ(SurahHeading("9. a.b"), "S U R A T   A . B ");
    EXPECT_EQ(SurahHeading("12."), "S U R A T   ");
    EXPECT_EQ(SurahHeading("Yusuf"), "S U R A T   Y U S U F ");
    EXPECT_EQ(SurahHeading(""), "S U R A T   ");
}

TEST(SurahHeading, RemovesLeadingControlsAndBlanksButKeepsTrailingOnes) {
    EXPECT_EQ(SurahHeading("3.\t \x01x "), "S U R A T   X   ");
    // Code 0 is not one of the removed codes; 0x21 ("!") is the first kept one.
    EXPECT_EQ(SurahHeading(std::string_view("1.\0a", 4)), std::string("S U R A T   \0 A ", 16));
    EXPECT_EQ(SurahHeading("1.!a"), "S U R A T   ! A ");
}

TEST(SurahHeading, UpperCasesOnlyAToZ) {
    EXPECT_EQ(SurahHeading("1. z\xE9"), "S U R A T   Z \xE9 ");
}

TEST(SurahHeading, EveryDisplayNameGivesTwiceItsNameLengthAfterThePrefix) {
    for (int s = 1; s <= surah::SurahCount; ++s) {
        const std::string_view name = surah::displayName(s);
        const std::string_view spaced = name.substr(name.find(". ") + 2);
        const std::string heading = SurahHeading(name);
        ASSERT_EQ(heading.size(), 12 + 2 * spaced.size()) << name;
        for (std::size_t i = 0; i < spaced.size(); ++i) {
            const char c = spaced[i];
            EXPECT_EQ(heading[12 + 2 * i], (c >= 'a' && c <= 'z') ? c - 32 : c) << name;
            EXPECT_EQ(heading[12 + 2 * i + 1], ' ') << name;
        }
    }
}
