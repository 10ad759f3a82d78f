// The juz list's entries, the place the status line names, and the verse at a place in a
// view text.
#include "reader/MushafPlace.h"

#include <gtest/gtest.h>

#include <string>

#include "corpus/SurahTable.h"

using namespace rules;
using surah::corpusIndex;
using surah::VerseRef;

TEST(MushafPlace, JuzEntriesNameTheVerseEachBeginsWith) {
    EXPECT_EQ(JuzListEntry(1), "Juz 1 (1:1)");
    EXPECT_EQ(JuzListEntry(2), "Juz 2 (2:142)");
    EXPECT_EQ(JuzListEntry(23), "Juz 23 (36:28)");
    EXPECT_EQ(JuzListEntry(30), "Juz 30 (78:1)");
}

TEST(MushafPlace, ThePlaceIsTheJuzAndPageOfTheVerse) {
    EXPECT_EQ(PlaceText(0), "Juz 1, hal. 1");
    EXPECT_EQ(PlaceText(corpusIndex(1, 7)), "Juz 1, hal. 1");
    EXPECT_EQ(PlaceText(corpusIndex(2, 1)), "Juz 1, hal. 2");
    EXPECT_EQ(PlaceText(corpusIndex(2, 141)), "Juz 1, hal. 21");
    EXPECT_EQ(PlaceText(corpusIndex(2, 142)), "Juz 2, hal. 22");
    EXPECT_EQ(PlaceText(corpusIndex(2, 255)), "Juz 3, hal. 42");
    EXPECT_EQ(PlaceText(corpusIndex(78, 1)), "Juz 30, hal. 582");
    EXPECT_EQ(PlaceText(surah::TotalVerses - 1), "Juz 30, hal. 604");
}

TEST(MushafPlace, TheVerseAtAPlaceIsItsLineOrTheNextVerseLine) {
    const std::string text =
        "S U R A T   A L - F A T I H A H \r\n\r\n1:1. Dengan nama Allah\r\n\r\n"
        "1:2. Segala puji\r\n\r\n";
    const std::size_t first = text.find("1:1.");
    const std::size_t second = text.find("1:2.");
    EXPECT_EQ(VerseFrom(text, 0), (VerseRef{1, 1})) << "a heading: the verse after it";
    EXPECT_EQ(VerseFrom(text, 5), (VerseRef{1, 1}));
    EXPECT_EQ(VerseFrom(text, first), (VerseRef{1, 1}));
    EXPECT_EQ(VerseFrom(text, first + 8), (VerseRef{1, 1}));
    EXPECT_EQ(VerseFrom(text, second - 2), (VerseRef{1, 2})) << "the empty line between";
    EXPECT_EQ(VerseFrom(text, second + 3), (VerseRef{1, 2}));
    EXPECT_EQ(VerseFrom(text, text.size() - 2), std::nullopt) << "nothing follows";
    EXPECT_EQ(VerseFrom(text, text.size() + 10), std::nullopt);
    EXPECT_EQ(VerseFrom("", 0), std::nullopt);
    EXPECT_EQ(VerseFrom("S U R A T   Y A S I N \r\n\r\n", 0), std::nullopt);
    // Lines ended by a lone CR, as the Unicode view ends its paragraphs.
    EXPECT_EQ(VerseFrom("heading\r\r2:5. text\r\r", 0), (VerseRef{2, 5}));
}
