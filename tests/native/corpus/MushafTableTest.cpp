// The juz, pages and verses of prostration as the generated table gives them, held against
// the facts every printed mushaf shows, and against the Arabic text the program carries.
#include "corpus/MushafTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QuranText.h"

using namespace mushaf;
using surah::corpusIndex;
using surah::verseAt;
using surah::VerseRef;

TEST(MushafTable, JuzStartWhereTheMushafStartsThem) {
    EXPECT_EQ(verseAt(juzStart(1)), (VerseRef{1, 1}));
    EXPECT_EQ(verseAt(juzStart(2)), (VerseRef{2, 142}));
    EXPECT_EQ(verseAt(juzStart(3)), (VerseRef{2, 253}));
    EXPECT_EQ(verseAt(juzStart(15)), (VerseRef{17, 1}));
    EXPECT_EQ(verseAt(juzStart(30)), (VerseRef{78, 1}));
    EXPECT_EQ(juzStart(JuzCount + 1), surah::TotalVerses);
    // Juz 2 is 2:142 to 2:252; juz 30 is 564 verses, up to the last one, 114:6.
    EXPECT_EQ(verseAt(juzStart(3) - 1), (VerseRef{2, 252}));
    EXPECT_EQ(juzStart(3) - juzStart(2), 111);
    EXPECT_EQ(juzStart(31) - juzStart(30), 564);
    EXPECT_EQ(verseAt(juzStart(31) - 1), (VerseRef{114, 6}));
    for (int j = 1; j <= JuzCount; ++j)
        EXPECT_LT(juzStart(j), juzStart(j + 1)) << "juz " << j;
}

TEST(MushafTable, PagesOfTheMadinahMushaf) {
    // Page 1 is Al-Fatihah, 1:1 to 1:7; page 2 starts Al-Baqarah; page 604 starts at 112:1.
    EXPECT_EQ(pageStart(1), corpusIndex(1, 1));
    EXPECT_EQ(pageStart(2), corpusIndex(2, 1));
    EXPECT_EQ(verseAt(pageStart(604)), (VerseRef{112, 1}));
    EXPECT_EQ(verseAt(pageStart(582)), (VerseRef{78, 1}));
    EXPECT_EQ(pageStart(PageCount + 1), surah::TotalVerses);
    for (int p = 1; p <= PageCount; ++p)
        EXPECT_LT(pageStart(p), pageStart(p + 1)) << "page " << p;
    // Twenty pages to a juz after the first: juz j begins on page 20j - 18, or on the page
    // before when it begins below the top of a page.
    EXPECT_EQ(pageOf(juzStart(1)), 1);
    for (int j = 2; j <= JuzCount; ++j) {
        const int page = pageOf(juzStart(j));
        EXPECT_TRUE(page == 20 * j - 18 || page == 20 * j - 19) << "juz " << j << " on " << page;
    }
}

TEST(MushafTable, EveryVerseLiesInTheJuzAndPageWhoseStartsEncloseIt) {
    for (int j = 1; j <= JuzCount; ++j) {
        EXPECT_EQ(juzOf(juzStart(j)), j);
        EXPECT_EQ(juzOf(juzStart(j + 1) - 1), j);
    }
    for (int p = 1; p <= PageCount; ++p) {
        EXPECT_EQ(pageOf(pageStart(p)), p);
        EXPECT_EQ(pageOf(pageStart(p + 1) - 1), p);
    }
    EXPECT_EQ(juzOf(0), 1);
    EXPECT_EQ(pageOf(surah::TotalVerses - 1), PageCount);
    EXPECT_EQ(juzOf(corpusIndex(2, 255)), 3);
    EXPECT_EQ(pageOf(corpusIndex(2, 255)), 42);
    EXPECT_EQ(pageOf(corpusIndex(36, 1)), 440);
}

TEST(MushafTable, TheFifteenVersesOfProstration) {
    const std::vector<VerseRef> expected = {{7, 206}, {13, 15}, {16, 50}, {17, 109}, {19, 58},
                                            {22, 18}, {22, 77}, {25, 60}, {27, 26},  {32, 15},
                                            {38, 24}, {41, 38}, {53, 62}, {84, 21},  {96, 19}};
    ASSERT_EQ(SajdaCount, 15);
    std::vector<VerseRef> table;
    for (int k = 0; k < SajdaCount; ++k)
        table.push_back(verseAt(sajdaVerse(k)));
    EXPECT_EQ(table, expected);
}

TEST(MushafTable, TheArabicTextMarksProstrationInExactlyThoseVerses) {
    // U+06E9 ARABIC PLACE OF SAJDAH, in UTF-8.
    const std::string mark = "\xDB\xA9";
    const std::string arabic = readArabicText();
    ASSERT_FALSE(arabic.empty());
    std::vector<int> marked;
    int index = 0;
    for (std::size_t from = 0; from < arabic.size(); ++index) {
        std::size_t end = arabic.find("\r\n", from);
        if (end == std::string::npos)
            end = arabic.size();
        if (arabic.substr(from, end - from).find(mark) != std::string::npos)
            marked.push_back(index);
        from = end + 2;
    }
    ASSERT_EQ(index, surah::TotalVerses);
    std::vector<int> table;
    for (int k = 0; k < SajdaCount; ++k)
        table.push_back(sajdaVerse(k));
    EXPECT_EQ(marked, table);
}
