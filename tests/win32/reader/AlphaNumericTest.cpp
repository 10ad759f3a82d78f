#include "reader/AlphaNumeric.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "reader/MatchWholeWord.h"

// The native builds judge word boundaries with a table; it must give the answers of the
// real IsCharAlphaNumericA for every byte.
TEST(AlphaNumeric, TableAgreesWithTheSystemOnAllBytes) {
    ASSERT_EQ(GetACP(), 1252u) << "the table describes the ANSI code page 1252";
    int differences = 0;
    for (int c = 0; c < 256; ++c) {
        const bool system = IsCharAlphaNumericA(static_cast<CHAR>(c)) != FALSE;
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_EQ(rules::alphaNumericInCodePage1252(byte), system) << "byte " << c;
        EXPECT_EQ(rules::isAlphaNumeric(byte), system) << "byte " << c;
        differences += rules::alphaNumericInCodePage1252(byte) != system;
    }
    EXPECT_EQ(differences, 0);
}

TEST(AlphaNumeric, WholeWordMatchUsesTheSystemJudgement) {
    // 0xE9 is a letter in code page 1252, 0xD7 is the multiplication sign.
    EXPECT_EQ(rules::MatchWholeWord("caf", "caf\xE9", false, 1), 0);
    EXPECT_EQ(rules::MatchWholeWord("caf", "caf\xD7", false, 1), 1);
}
