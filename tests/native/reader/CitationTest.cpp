#include "reader/Citation.h"

#include <gtest/gtest.h>

#include <string>

#include "corpus/SurahTable.h"
#include "reader/ViewLines.h"
#include "reader/ViewText.h"
#include "tests/native/reader/RealCorpus.h"

using namespace rules;

namespace {

std::string verseLine(int s, int a) {
    return realCorpus().item(surah::corpusIndex(s, a));
}

// Where the line of verse s:a starts in text.
std::size_t startOf(const std::string& text, int s, int a) {
    const std::size_t at = text.find(verseLine(s, a));
    EXPECT_NE(at, std::string::npos) << s << ":" << a;
    return at;
}

std::size_t endOf(const std::string& text, int s, int a) {
    return startOf(text, s, a) + verseLine(s, a).size();
}

// A search result that shows 2:286 and 3:1, 3:2 under their headings.
std::string twoSurahResult() {
    const ResultItemList items = {headingMarker(2), surah::corpusIndex(2, 286), headingMarker(3),
                                  surah::corpusIndex(3, 1), surah::corpusIndex(3, 2)};
    return ResultText(realCorpus(), items);
}

}  // namespace

TEST(Citation, OneVerseRangesGapsAndSeveralSurahs) {
    EXPECT_EQ(FormatCitation({{2, 255}}), "(QS. Al-Baqarah [2]: 255)");
    EXPECT_EQ(FormatCitation({{2, 255}, {2, 256}, {2, 257}}), "(QS. Al-Baqarah [2]: 255-257)");
    EXPECT_EQ(FormatCitation({{2, 45}, {2, 153}, {2, 155}}), "(QS. Al-Baqarah [2]: 45, 153, 155)");
    EXPECT_EQ(FormatCitation({{2, 286}, {3, 1}, {3, 2}}),
              "(QS. Al-Baqarah [2]: 286; QS. Al-Imron [3]: 1-2)");
    EXPECT_EQ(FormatCitation({{1, 1}, {1, 2}, {1, 3}, {1, 5}, {1, 7}, {114, 6}, {1, 6}}),
              "(QS. Al-Fatihah [1]: 1-3, 5-7; QS. An-Naas [114]: 6)");
    // Any order, and repeats, give the same.
    EXPECT_EQ(FormatCitation({{3, 2}, {2, 286}, {3, 1}, {3, 2}}),
              "(QS. Al-Baqarah [2]: 286; QS. Al-Imron [3]: 1-2)");
    EXPECT_EQ(FormatCitation({}), "");
}

TEST(Citation, NamesAreTheDisplayNamesWithoutTheirNumbers) {
    EXPECT_EQ(CitationName(1), "Al-Fatihah");
    EXPECT_EQ(CitationName(66), "At Tahrim");
    EXPECT_EQ(CitationName(114), "An-Naas");
    for (int s = 1; s <= surah::SurahCount; ++s) {
        EXPECT_EQ(std::to_string(s) + ". " + std::string(CitationName(s)), surah::displayName(s));
    }
}

TEST(ViewLines, VerseLinesAreKnownByAReferenceTheTableHas) {
    EXPECT_EQ(VerseOfLine("2:255. Allah, tidak ada tuhan"), (surah::VerseRef{2, 255}));
    EXPECT_EQ(VerseOfLine("114:6. dari (golongan) jin dan manusia."), (surah::VerseRef{114, 6}));
    EXPECT_EQ(VerseOfLine("1:1."), (surah::VerseRef{1, 1}));
    for (const char* line :
         {"S U R A T   A L - B A Q A R A H ", "", "115:1. x", "2:287. x", "0:1. x", "2:0. x",
          "2:255 x", "2:255.x", "2-255. x", " 2:255. x", "0002:255. x", "2:2555. x"}) {
        EXPECT_FALSE(VerseOfLine(line)) << '"' << line << '"';
    }
}

TEST(ViewLines, LinesAroundPositionsAndTheLineOfAVerse) {
    const std::string text = "1:1. a\r\n\r\nS U R A T\r\n\r\n12:25. b\r\n\r\n";
    EXPECT_EQ(LineAround(text, 0), (LineSpan{0, 6}));
    EXPECT_EQ(LineAround(text, 6), (LineSpan{0, 6}));  // the caret before the line break
    EXPECT_EQ(LineAround(text, 8), (LineSpan{8, 8}));  // the empty line
    EXPECT_EQ(LineAround(text, 12), (LineSpan{10, 19}));
    EXPECT_EQ(LineAround(text, 9999), (LineSpan{text.size(), text.size()}));
    EXPECT_EQ(LineAround("", 3), (LineSpan{0, 0}));

    EXPECT_EQ(FindVerseLine(text, {12, 25}), (LineSpan{23, 31}));
    // "12:25." holds "2:25." but is not its line.
    EXPECT_FALSE(FindVerseLine(text, {2, 25}));
    EXPECT_FALSE(FindVerseLine(text, {1, 2}));

    const std::string surah2 = SurahText(realCorpus(), 2).text;
    const auto line = FindVerseLine(surah2, {2, 255});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->begin, startOf(surah2, 2, 255));
    EXPECT_EQ(surah2.substr(line->begin, line->end - line->begin), verseLine(2, 255));
}

TEST(ViewLines, ASelectionTouchesTheVersesWhoseCharactersItHolds) {
    const std::string text = twoSurahResult();
    const std::size_t from = endOf(text, 2, 286) - 1;
    EXPECT_EQ(VersesTouched(text, from, from + 1), (std::vector<surah::VerseRef>{{2, 286}}));
    // The line breaks and the heading between two verses hold no verse character.
    EXPECT_TRUE(VersesTouched(text, endOf(text, 2, 286), startOf(text, 3, 1)).empty());
    EXPECT_EQ(VersesTouched(text, 0, text.size() + 10),
              (std::vector<surah::VerseRef>{{2, 286}, {3, 1}, {3, 2}}));
    EXPECT_EQ(VersesTouched(text, startOf(text, 3, 2), startOf(text, 3, 2) + 1),
              (std::vector<surah::VerseRef>{{3, 2}}));
    EXPECT_TRUE(VersesTouched(text, 5, 5).empty());
    EXPECT_TRUE(VersesTouched(text, 9, 3).empty());
}

TEST(CitedCopy, TheSelectedTextIsFollowedByItsCitation) {
    const std::string text = SurahText(realCorpus(), 2).text;
    // A part of one verse.
    const std::size_t from = startOf(text, 2, 255) + 7;
    EXPECT_EQ(CitedCopy(text, from, from + 5), text.substr(from, 5) + " (QS. Al-Baqarah [2]: 255)");
    // Three whole verses with the line breaks after them: the citation follows the last word.
    const std::size_t begin = startOf(text, 2, 255);
    const std::size_t end = endOf(text, 2, 257);
    EXPECT_EQ(CitedCopy(text, begin, end + 4),
              text.substr(begin, end - begin) + " (QS. Al-Baqarah [2]: 255-257)");
    // Everything, as "Pilih Semua" selects it (the control counts past the text).
    const std::optional<std::string> all = CitedCopy(text, 0, text.size() + 2);
    ASSERT_TRUE(all);
    EXPECT_EQ(*all, text.substr(0, text.size() - 4) + " (QS. Al-Baqarah [2]: 1-286)");
}

TEST(CitedCopy, ASelectionOverTwoSurahsOfASearchResultCitesBoth) {
    const std::string text = twoSurahResult();
    const std::size_t from = startOf(text, 2, 286) + 20;
    const std::size_t to = startOf(text, 3, 2) + 3;
    const std::optional<std::string> copy = CitedCopy(text, to, from);  // either order
    ASSERT_TRUE(copy);
    EXPECT_EQ(*copy,
              text.substr(from, to - from) + " (QS. Al-Baqarah [2]: 286; QS. Al-Imron [3]: 1-2)");
    // The heading is copied as it stands; it cites nothing.
    EXPECT_NE(copy->find("S U R A T   A L - I M R O N"), std::string::npos);
}

TEST(CitedCopy, WithoutASelectionTheVerseAtTheCaretIsCopiedWhole) {
    const std::string text = twoSurahResult();
    const std::string expected = verseLine(3, 1) + " (QS. Al-Imron [3]: 1)";
    EXPECT_EQ(CitedCopy(text, startOf(text, 3, 1), startOf(text, 3, 1)), expected);
    EXPECT_EQ(CitedCopy(text, startOf(text, 3, 1) + 3, startOf(text, 3, 1) + 3), expected);
    EXPECT_EQ(CitedCopy(text, endOf(text, 3, 1), endOf(text, 3, 1)), expected);
    // On a heading, an empty line or an empty view there is nothing to copy.
    EXPECT_FALSE(CitedCopy(text, 3, 3));
    EXPECT_FALSE(CitedCopy(text, endOf(text, 3, 1) + 2, endOf(text, 3, 1) + 2));
    EXPECT_FALSE(CitedCopy("", 0, 0));
}

TEST(CitedCopy, ASelectionWithoutAVerseCopiesTheTextAlone) {
    const std::string text = twoSurahResult();
    const std::size_t heading = endOf(text, 2, 286) + 4;
    EXPECT_EQ(CitedCopy(text, heading, heading + 9), "S U R A T");
    EXPECT_EQ(CitedCopy(text, endOf(text, 2, 286), heading), "\r\n\r\n");
}
