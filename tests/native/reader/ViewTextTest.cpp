#include "reader/ViewText.h"

#include <gtest/gtest.h>

#include <string>

#include "corpus/SurahTable.h"
#include "reader/SearchScan.h"
#include "reader/SurahHeading.h"
#include "tests/native/reader/RealCorpus.h"

using namespace rules;

namespace {

// The lines of the translation file whose reference begins with the given surah number.
std::string rawSurahViewText(int s) {
    const std::string prefix = std::to_string(s) + ":";
    std::string text;
    const std::string& all = realCorpusText();
    for (std::size_t from = 0; from < all.size();) {
        const std::size_t end = all.find("\r\n", from);
        if (all.compare(from, prefix.size(), prefix) == 0) {
            text += all.substr(from, end - from) + "\r\n\r\n";
        }
        from = end + 2;
    }
    return text;
}

std::string line(int index) {
    return realCorpus().item(index);
}

}  // namespace

TEST(ViewText, NormalModeHoldsEveryVerseOfTheSurahWithAnEmptyLineAfterEach) {
    for (int s : {1, 2, 66, 103, 114}) {
        const ViewText view = SurahText(realCorpus(), s);
        EXPECT_EQ(view.text, rawSurahViewText(s)) << s;
        EXPECT_EQ(view.verseLines, surah::verseCount(s)) << s;
    }
    const ViewText baqarah = SurahText(realCorpus(), 2);
    EXPECT_EQ(baqarah.verseLines, 286);
    EXPECT_EQ(baqarah.text.substr(0, 5), "2:1. ");
    EXPECT_EQ(baqarah.text.substr(baqarah.text.size() - 4), "\r\n\r\n");
    EXPECT_NE(baqarah.text.find("\r\n\r\n2:286. "), std::string::npos);
}

TEST(ViewText, NormalModeOutsideTheTableIsEmpty) {
    EXPECT_EQ(SurahText(realCorpus(), 0).verseLines, 0);
    EXPECT_TRUE(SurahText(realCorpus(), 115).text.empty());
}

TEST(ViewText, SearchModeTakesOnlyTheHitsOfTheChosenSurahWithoutHeading) {
    const int s2 = surah::start(2), s5 = surah::start(5);
    const ResultItemList items = {10002, s2, s2 + 99, 10005, s5 + 3, s5 + 4};

    const ViewText fifth = SurahHitsText(realCorpus(), items, 5);
    EXPECT_EQ(fifth.text, line(s5 + 3) + "\r\n\r\n" + line(s5 + 4) + "\r\n\r\n");
    EXPECT_EQ(fifth.verseLines, 2);

    const ViewText second = SurahHitsText(realCorpus(), items, 2);
    EXPECT_EQ(second.text, line(s2) + "\r\n\r\n" + line(s2 + 99) + "\r\n\r\n");
    EXPECT_EQ(second.verseLines, 2);

    const ViewText third = SurahHitsText(realCorpus(), items, 3);
    EXPECT_TRUE(third.text.empty());
    EXPECT_EQ(third.verseLines, 0);
}

TEST(ViewText, SearchModeKeepsTheOrderOfTheList) {
    const ResultItemList items = {10001, 4, 2};
    EXPECT_EQ(SurahHitsText(realCorpus(), items, 1).text,
              line(4) + "\r\n\r\n" + line(2) + "\r\n\r\n");
}

TEST(ViewText, ResultTextPutsTheSpacedHeadingBeforeEachSurahsHits) {
    const int s112 = surah::start(112);
    const ResultItemList items = {10001, 0, 10112, s112 + 2};
    const std::string expected = "S U R A T   A L - F A T I H A H \r\n\r\n" + line(0) + "\r\n\r\n" +
                                 "S U R A T   A L - I K H L A S \r\n\r\n" + line(s112 + 2) +
                                 "\r\n\r\n";
    EXPECT_EQ(ResultText(realCorpus(), items), expected);
    EXPECT_EQ(ResultText(realCorpus(), {}), "");
}

TEST(ViewText, MarkerOfExactlyTenThousandIsACorpusIndex) {
    FastStrList list;
    for (int i = 0; i <= 10000; ++i)
        list.add(i == 10000 ? "last" : "x");
    EXPECT_EQ(ResultText(list, {10000}), "last\r\n\r\n");
}

TEST(ViewText, ResultTextOfAScanHittingEveryVerseHoldsTheWholeCorpus) {
    const SearchScan scan = ScanCorpus(realCorpus(), ":", false);
    ASSERT_EQ(scan.hitCount, surah::TotalVerses);
    const std::string text = ResultText(realCorpus(), scan.resultItems);

    std::size_t expectedSize = 0;
    for (int s = 1; s <= surah::SurahCount; ++s) {
        expectedSize += SurahHeading(surah::displayName(s)).size() + 4;
        expectedSize += rawSurahViewText(s).size();
    }
    EXPECT_EQ(text.size(), expectedSize);
    EXPECT_GT(text.size(), 1'000'000u);
    EXPECT_EQ(text.substr(0, 14), "S U R A T   A ");
    const std::string lastHeading = "S U R A T   A N - N A A S \r\n\r\n";
    EXPECT_NE(text.find(lastHeading + rawSurahViewText(114)), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST(ViewText, AJuzHoldsItsVersesWithAHeadingBeforeEachSurahInIt) {
    // Juz 2 lies inside Al-Baqarah: its one heading, then 2:142 to 2:252.
    const ViewText second = JuzText(realCorpus(), 2);
    EXPECT_EQ(second.verseLines, 111);
    std::string expected = SurahHeading(surah::displayName(2)) + "\r\n\r\n";
    for (int a = 142; a <= 252; ++a)
        expected += line(surah::corpusIndex(2, a)) + "\r\n\r\n";
    EXPECT_EQ(second.text, expected);

    // Juz 30: 564 verses of the 37 surahs 78 to 114, each under its heading, the text as a
    // result that found every one of them would show it.
    const ViewText amma = JuzText(realCorpus(), 30);
    EXPECT_EQ(amma.verseLines, 564);
    ResultItemList items;
    for (int s = 78; s <= 114; ++s) {
        items.push_back(headingMarker(s));
        for (int v = surah::start(s); v < surah::start(s + 1); ++v)
            items.push_back(v);
    }
    EXPECT_EQ(amma.text, ResultText(realCorpus(), items));
    std::size_t headings = 0;
    for (std::size_t at = amma.text.find("S U R A T"); at != std::string::npos;
         at = amma.text.find("S U R A T", at + 1))
        ++headings;
    EXPECT_EQ(headings, 37u);
    EXPECT_EQ(amma.text.rfind(line(surah::TotalVerses - 1)),
              amma.text.size() - line(surah::TotalVerses - 1).size() - 4);

    // Juz 1 begins with Al-Fatihah and goes on into Al-Baqarah up to 2:141: two headings.
    const ViewText first = JuzText(realCorpus(), 1);
    EXPECT_EQ(first.verseLines, 148);
    EXPECT_EQ(first.text.rfind("S U R A T", 0), 0u);
    EXPECT_NE(first.text.find("\r\n\r\n" + SurahHeading(surah::displayName(2)) + "\r\n\r\n2:1. "),
              std::string::npos);
    EXPECT_EQ(first.text.substr(first.text.size() - line(147).size() - 4, 6), "2:141.");
}

TEST(ViewText, TheThirtyJuzHoldEveryVerseOnceAndNothingOutsideThem) {
    int verses = 0;
    for (int j = 1; j <= 30; ++j)
        verses += JuzText(realCorpus(), j).verseLines;
    EXPECT_EQ(verses, surah::TotalVerses);
    EXPECT_TRUE(JuzText(realCorpus(), 0).text.empty());
    EXPECT_EQ(JuzText(realCorpus(), 31).verseLines, 0);
}
