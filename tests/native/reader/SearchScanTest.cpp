#include "reader/SearchScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "corpus/SurahTable.h"
#include "tests/native/reader/RealCorpus.h"

using rules::ScanCorpus;
using rules::SearchScan;

namespace {

// A deliberately plain second reading of the translation file and of the matching
// rules: lines split at CR LF, the surah taken from the number before the colon, case
// folded with the C library, neighbours judged with isalnum (the text is 7-bit ASCII).
struct RawLine {
    int surah;
    std::string text;
};

const std::vector<RawLine>& rawLines() {
    static const std::vector<RawLine> lines = [] {
        std::vector<RawLine> out;
        const std::string& all = realCorpusText();
        std::size_t from = 0;
        while (from < all.size()) {
            const std::size_t end = all.find("\r\n", from);
            const std::string text = all.substr(from, end - from);
            out.push_back({std::stoi(text), text});
            from = end + 2;
        }
        return out;
    }();
    return lines;
}

bool sameIgnoringCase(const std::string& line, std::size_t at, const std::string& pattern) {
    for (std::size_t j = 0; j < pattern.size(); ++j) {
        if (std::tolower(static_cast<unsigned char>(line[at + j])) !=
            std::tolower(static_cast<unsigned char>(pattern[j]))) {
            return false;
        }
    }
    return true;
}

bool naiveMatch(const std::string& line, const std::string& pattern, bool wholeWord) {
    if (pattern.size() > line.size())
        return false;
    for (std::size_t at = 0; at + pattern.size() <= line.size(); ++at) {
        if (!sameIgnoringCase(line, at, pattern))
            continue;
        if (!wholeWord)
            return true;
        const std::size_t after = at + pattern.size();
        const bool freeBefore = at == 0 || !std::isalnum(static_cast<unsigned char>(line[at - 1]));
        const bool freeAfter =
            after == line.size() || !std::isalnum(static_cast<unsigned char>(line[after]));
        if (freeBefore && freeAfter)
            return true;
    }
    return false;
}

SearchScan naiveScan(const std::string& pattern, bool wholeWord) {
    SearchScan expected;
    for (std::size_t v = 0; v < rawLines().size(); ++v) {
        const RawLine& line = rawLines()[v];
        if (!naiveMatch(line.text, pattern, wholeWord))
            continue;
        if (expected.resultSurahs.empty() || expected.resultSurahs.back() != line.surah) {
            expected.resultSurahs.push_back(line.surah);
            expected.resultItems.push_back(10000 + line.surah);
        }
        expected.resultItems.push_back(static_cast<int>(v));
        ++expected.hitCount;
    }
    return expected;
}

void expectSameScan(const SearchScan& actual, const SearchScan& expected) {
    EXPECT_FALSE(actual.blank);
    EXPECT_EQ(actual.hitCount, expected.hitCount);
    EXPECT_EQ(actual.resultSurahs, expected.resultSurahs);
    EXPECT_EQ(actual.resultItems, expected.resultItems);
}

bool contains(const std::vector<int>& items, int value) {
    return std::find(items.begin(), items.end(), value) != items.end();
}

class SearchScanOnCorpus : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(realCorpus().count(), surah::TotalVerses) << "resources/quran_id.txt missing?";
        ASSERT_EQ(rawLines().size(), static_cast<std::size_t>(surah::TotalVerses));
    }
    const FastStrList& corpus = realCorpus();
};

}  // namespace

TEST_F(SearchScanOnCorpus, AgreesWithAPlainReadingForAssortedSearches) {
    for (const std::string pattern :
         {"allah", "musa", "nabi", "1", "Tuhan", "a", "yang ", " dan", "2:1", "zzz", "-nya", "'"}) {
        for (bool wholeWord : {false, true}) {
            SCOPED_TRACE(testing::Message() << '"' << pattern << "\" wholeWord=" << wholeWord);
            expectSameScan(ScanCorpus(corpus, pattern, wholeWord), naiveScan(pattern, wholeWord));
        }
    }
}

TEST_F(SearchScanOnCorpus, AllahMatchesEveryLineHoldingItInAnyCase) {
    const SearchScan scan = ScanCorpus(corpus, "allah", false);
    int linesWithAllah = 0;
    for (const RawLine& line : rawLines()) {
        std::string lower = line.text;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower.find("allah") != std::string::npos)
            ++linesWithAllah;
    }
    EXPECT_GT(linesWithAllah, 2000);
    EXPECT_EQ(scan.hitCount, linesWithAllah);
    EXPECT_EQ(scan.resultItems.size(), scan.resultSurahs.size() + scan.hitCount);
}

TEST_F(SearchScanOnCorpus, UpperCaseSearchFindsTheSameVersesInBothModes) {
    for (bool wholeWord : {false, true}) {
        const SearchScan lower = ScanCorpus(corpus, "allah", wholeWord);
        const SearchScan upper = ScanCorpus(corpus, "ALLAH", wholeWord);
        const SearchScan mixed = ScanCorpus(corpus, "aLLaH", wholeWord);
        EXPECT_GT(lower.hitCount, 0);
        EXPECT_EQ(upper.resultItems, lower.resultItems);
        EXPECT_EQ(mixed.resultItems, lower.resultItems);
        EXPECT_EQ(upper.resultSurahs, lower.resultSurahs);
    }
}

TEST_F(SearchScanOnCorpus, BlanksAroundTheSearchTextArePartOfIt) {
    const SearchScan withBlank = ScanCorpus(corpus, "musa ", false);
    const SearchScan bare = ScanCorpus(corpus, "musa", false);
    EXPECT_GT(withBlank.hitCount, 0);
    EXPECT_LT(withBlank.hitCount, bare.hitCount);
    for (int item : withBlank.resultItems) {
        if (item > 10000)
            continue;
        std::string lower(corpus.view(item));
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_NE(lower.find("musa "), std::string::npos) << lower;
    }
    expectSameScan(withBlank, naiveScan("musa ", false));
}

TEST_F(SearchScanOnCorpus, WholeWordOneMatchesVerseReferences) {
    const SearchScan scan = ScanCorpus(corpus, "1", true);
    // Every verse of surah 1 begins with "1:".
    for (int v = surah::start(1); v < surah::start(2); ++v)
        EXPECT_TRUE(contains(scan.resultItems, v));
    // The first verse of every surah has the 1 between the colon and the dot.
    for (int s = 1; s <= surah::SurahCount; ++s) {
        EXPECT_TRUE(contains(scan.resultItems, surah::start(s))) << s;
    }
    // 2:10 holds "10", not a lone 1.
    const int verse2_10 = surah::start(2) + 9;
    ASSERT_EQ(corpus.view(verse2_10).substr(0, 6), "2:10. ");
    EXPECT_FALSE(contains(scan.resultItems, verse2_10));
    EXPECT_EQ(scan.resultSurahs.size(), static_cast<std::size_t>(surah::SurahCount));
    expectSameScan(scan, naiveScan("1", true));
}

TEST_F(SearchScanOnCorpus, WholeWordNabiSkipsLongerWordsThatSubstringFinds) {
    const SearchScan whole = ScanCorpus(corpus, "nabi", true);
    const SearchScan part = ScanCorpus(corpus, "nabi", false);
    EXPECT_GT(whole.hitCount, 0);
    EXPECT_GT(part.hitCount, whole.hitCount);
    for (int item : whole.resultItems)
        EXPECT_TRUE(contains(part.resultItems, item)) << item;

    // A verse whose only "nabi" is the start of "nabimu" is a substring hit only.
    int nabimuOnly = -1;
    for (std::size_t v = 0; v < rawLines().size(); ++v) {
        const std::string& text = rawLines()[v].text;
        if (naiveMatch(text, "nabimu", true) && !naiveMatch(text, "nabi", true)) {
            nabimuOnly = static_cast<int>(v);
        }
    }
    ASSERT_GE(nabimuOnly, 0);
    EXPECT_TRUE(contains(part.resultItems, nabimuOnly));
    EXPECT_FALSE(contains(whole.resultItems, nabimuOnly));
}

TEST_F(SearchScanOnCorpus, ASearchHittingOnlySurah112) {
    const int s112 = surah::start(112);
    for (bool wholeWord : {false, true}) {
        const SearchScan scan = ScanCorpus(corpus, "diperanakkan", wholeWord);
        EXPECT_EQ(scan.resultSurahs, std::vector<int>{112});
        EXPECT_EQ(scan.resultItems, (std::vector<int>{10112, s112 + 2}));
        EXPECT_EQ(scan.hitCount, 1);
    }
    const SearchScan references = ScanCorpus(corpus, "112:", false);
    EXPECT_EQ(references.resultItems,
              (std::vector<int>{10112, s112, s112 + 1, s112 + 2, s112 + 3}));
    EXPECT_EQ(references.hitCount, 4);
}

TEST_F(SearchScanOnCorpus, NoHitLeavesBothListsEmpty) {
    const SearchScan scan = ScanCorpus(corpus, "qqqzzz", false);
    EXPECT_FALSE(scan.blank);
    EXPECT_TRUE(scan.resultItems.empty());
    EXPECT_TRUE(scan.resultSurahs.empty());
    EXPECT_EQ(scan.hitCount, 0);
}

TEST_F(SearchScanOnCorpus, BlankTextIsReportedAndNotScanned) {
    for (const std::string text : {"", " ", "   ", "\t", " \r\n\x01 "}) {
        const SearchScan scan = ScanCorpus(corpus, text, false);
        EXPECT_TRUE(scan.blank);
        EXPECT_TRUE(scan.resultItems.empty());
        EXPECT_EQ(scan.hitCount, 0);
        EXPECT_TRUE(ScanCorpus(corpus, text, true).blank);
    }
    // One printable character is enough for a search, and the blanks stay part of it.
    const SearchScan spaced = ScanCorpus(corpus, "  .  ", false);
    EXPECT_FALSE(spaced.blank);
    expectSameScan(spaced, naiveScan("  .  ", false));
}

TEST(IsBlankSearchText, TrimsCodesOneToThirtyTwoOnly) {
    EXPECT_TRUE(rules::isBlankSearchText(""));
    EXPECT_TRUE(rules::isBlankSearchText(" \t\x1F "));
    EXPECT_FALSE(rules::isBlankSearchText(" a "));
    EXPECT_FALSE(rules::isBlankSearchText(std::string_view("\0", 1)));
    EXPECT_FALSE(rules::isBlankSearchText("\x7F"));
}

TEST(ScanCorpus, AShortListIsScannedOnlyAsFarAsItGoes) {
    FastStrList shortList;
    shortList.assignText("1:1. Alif\r\n1:2. Ba\r\n");
    const SearchScan scan = ScanCorpus(shortList, "a", false);
    EXPECT_EQ(scan.resultItems, (std::vector<int>{10001, 0, 1}));
    EXPECT_EQ(scan.resultSurahs, std::vector<int>{1});
}
