#include "reader/MatchWholeWord.h"

#include <gtest/gtest.h>

using rules::MatchWholeWord;

TEST(MatchWholeWord, EmptyTextGivesNothingEvenForAnEmptyPattern) {
    EXPECT_EQ(MatchWholeWord("", "", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("a", "", true, 1), 0);
}

TEST(MatchWholeWord, EmptyPatternMatchesAtOne) {
    EXPECT_EQ(MatchWholeWord("", "abc", false, 1), 1);
    EXPECT_EQ(MatchWholeWord("", " ", true, 1), 1);
}

TEST(MatchWholeWord, FindsWordsBoundedByTextEdgesAndPunctuation) {
    EXPECT_EQ(MatchWholeWord("nabi", "nabi", false, 1), 1);
    EXPECT_EQ(MatchWholeWord("nabi", "para nabi.", false, 1), 6);
    EXPECT_EQ(MatchWholeWord("nabi", "(nabi)", false, 1), 2);
    EXPECT_EQ(MatchWholeWord("nabi", "kata-nabi-nya", false, 1), 6);
    EXPECT_EQ(MatchWholeWord("nabi", "\"nabi\"", false, 1), 2);
}

TEST(MatchWholeWord, RejectsOccurrencesInsideLongerWords) {
    EXPECT_EQ(MatchWholeWord("nabi", "nabinya", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("nabi", "kenabian", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("nabi", "annabi", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("1", "2:10. x", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("1", "2:1. x", false, 1), 3);
    EXPECT_EQ(MatchWholeWord("1", "1:7. x", false, 1), 1);
}

TEST(MatchWholeWord, SkipsAnEmbeddedOccurrenceAndFindsALaterWholeOne) {
    EXPECT_EQ(MatchWholeWord("nabi", "nabinya dan nabi", false, 1), 13);
    EXPECT_EQ(MatchWholeWord("aa", "aaa aa", false, 1), 5);
}

TEST(MatchWholeWord, OverlappingCandidatesAreEachTried) {
    // "aba" at 1 is followed by "b"; the one starting at 3 ends the text.
    EXPECT_EQ(MatchWholeWord("aba", "ababa", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("aba", "ab aba", false, 1), 4);
    EXPECT_EQ(MatchWholeWord("a-a", "a-a-a", false, 1), 1);
    EXPECT_EQ(MatchWholeWord("a-a", "xa-a-a", false, 1), 4);
    EXPECT_EQ(MatchWholeWord("-a-", "a-a-a", false, 1), 0);
}

TEST(MatchWholeWord, PatternEdgesThemselvesAreNotTested) {
    // A pattern that begins or ends with punctuation or a blank still needs free
    // neighbours, whatever its own first and last bytes are.
    EXPECT_EQ(MatchWholeWord(" musa", "kaum musa.", false, 1), 0);
    EXPECT_EQ(MatchWholeWord(" musa", "kaum. musa.", false, 1), 6);
    EXPECT_EQ(MatchWholeWord("musa ", "musa a", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("musa ", "musa .", false, 1), 1);
    EXPECT_EQ(MatchWholeWord(":", "1:1.", false, 1), 0);
    EXPECT_EQ(MatchWholeWord(":", "1 : 1", false, 1), 3);
    EXPECT_EQ(MatchWholeWord(". ", "1:1. Dengan", false, 1), 0);
    EXPECT_EQ(MatchWholeWord(". ", "1:1. . .", false, 1), 6);
}

TEST(MatchWholeWord, FoldsOnlyAToZWhenNotCaseSensitive) {
    EXPECT_EQ(MatchWholeWord("ALLAH", "Dengan nama Allah", false, 1), 13);
    EXPECT_EQ(MatchWholeWord("allah", "ALLAH", false, 1), 1);
    EXPECT_EQ(MatchWholeWord("ALLAH", "Dengan nama Allah", true, 1), 0);
    EXPECT_EQ(MatchWholeWord("Allah", "allah Allah", true, 1), 7);
    // Bytes above 127 are never folded: 0xC0 and 0xE0 are different letters.
    EXPECT_EQ(MatchWholeWord("\xC0", "x \xE0 y", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("\xC0", "x \xC0 y", false, 1), 3);
}

TEST(MatchWholeWord, NeighboursAboveAsciiFollowTheCodePageLetters) {
    // 0xE9 is a letter in code page 1252, 0xD7 (multiplication sign) is not.
    EXPECT_EQ(MatchWholeWord("caf", "caf\xE9", false, 1), 0);
    EXPECT_EQ(MatchWholeWord("caf", "caf\xD7", false, 1), 1);
}

TEST(MatchWholeWord, StartsAtTheGivenPosition) {
    EXPECT_EQ(MatchWholeWord("ab", "ab ab", false, 1), 1);
    EXPECT_EQ(MatchWholeWord("ab", "ab ab", false, 2), 4);
    EXPECT_EQ(MatchWholeWord("ab", "ab ab", false, 4), 4);
    EXPECT_EQ(MatchWholeWord("ab", "ab ab", false, 5), 0);
    EXPECT_EQ(MatchWholeWord("ab", "ab ab", false, 6), 0);
    EXPECT_EQ(MatchWholeWord("ab", "ab ab", false, 1000), 0);
    // Starting inside a word: the byte before the start still counts as a neighbour.
    EXPECT_EQ(MatchWholeWord("b", "ab b", false, 2), 4);
}

TEST(MatchWholeWord, StartBelowOneIsTakenAsOne) {
    EXPECT_EQ(MatchWholeWord("ab", "ab", false, 0), 1);
    EXPECT_EQ(MatchWholeWord("ab", "x ab", false, -5), 3);
}

TEST(MatchWholeWord, PatternLongerThanTextNeverMatches) {
    EXPECT_EQ(MatchWholeWord("abcd", "abc", false, 1), 0);
}
