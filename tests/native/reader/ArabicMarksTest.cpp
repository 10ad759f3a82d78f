// The bold of an Arabic search in the Arabic line: hits widened to whole words, carried to the
// drawn form, and written into the view's document and a saved one.
#include "reader/ArabicMarks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/SurahTable.h"
#include "reader/ArabicLayout.h"
#include "reader/ArabicRtf.h"
#include "reader/ResultItem.h"
#include "reader/ViewText.h"
#include "tests/native/reader/RealArabic.h"
#include "tests/native/reader/RealCorpus.h"

namespace {

using rules::TextRun;
using Runs = std::vector<TextRun>;

// 2:5 begins "ulaa'ika 'alaa hudan": 0..13, 14..20, 21..26 in UTF-16 units.
TEST(ArabicMarks, HitsGrowToTheirWholeWordsAndMergeWhereTheyMeet) {
    const std::u16string verse = arabicVerse(2, 5);
    ASSERT_EQ(verse.substr(13, 1), u" ");
    ASSERT_EQ(verse.substr(20, 1), u" ");
    EXPECT_EQ(rules::WholeWordRuns(verse, {{4, 6}}), (Runs{{0, 13}}));
    // Two hits in one word and one in the next, which meets it across the blank: one run.
    EXPECT_EQ(rules::WholeWordRuns(verse, {{1, 2}, {9, 11}, {13, 15}}), (Runs{{0, 20}}));
    // Words apart stay apart; the last word ends with the verse; an empty run marks nothing.
    EXPECT_EQ(rules::WholeWordRuns(verse, {{2, 3}, {22, 23}, {30, 30}}), (Runs{{0, 13}, {21, 26}}));
    const std::size_t lastWord = verse.rfind(u' ') + 1;
    EXPECT_EQ(rules::WholeWordRuns(verse, {{verse.size() - 1, verse.size() + 5}}),
              (Runs{{lastWord, verse.size()}}));
}

TEST(ArabicMarks, DrawnRunsCoverEveryUnitDrawnFromTheMarkedText) {
    // Drawn for Wine, the tatweel at 6 goes with the superscript alef at 7: units from 7 on
    // stand one earlier, until the run end after the first word's final fatha, from nothing,
    // which the run of that word takes; the second word ends in superscript alef and takes
    // its run end too.
    const std::u16string verse = arabicVerse(2, 5);
    const rules::DrawnArabic drawn = rules::DrawArabic(verse, rules::ArabicShaper::Wine);
    ASSERT_EQ(drawn.source[6], 6u);
    ASSERT_EQ(drawn.source[7], 8u);
    ASSERT_EQ(drawn.text[12], rules::ArabicRunEnd);
    ASSERT_EQ(drawn.source[12], 13u);
    ASSERT_EQ(drawn.source[13], 13u);
    ASSERT_EQ(drawn.source[14], 14u);
    ASSERT_EQ(drawn.text[20], rules::ArabicRunEnd);
    EXPECT_EQ(rules::DrawnRuns(drawn, {{0, 13}, {14, 20}}), (Runs{{0, 13}, {14, 21}}));
    // A run that starts inside the dropped pair takes the unit that stands for both.
    EXPECT_EQ(rules::DrawnRuns(drawn, {{7, 9}}), (Runs{{6, 8}}));
    // A run that ends inside a word takes nothing after it.
    EXPECT_EQ(rules::DrawnRuns(drawn, {{14, 17}}), (Runs{{14, 17}}));
    // Standard: nothing moves.
    const rules::DrawnArabic same = rules::DrawArabic(verse, rules::ArabicShaper::Standard);
    EXPECT_EQ(rules::DrawnRuns(same, {{0, 13}, {14, 20}}), (Runs{{0, 13}, {14, 20}}));
}

// The document holds the marked words bold in the Arabic line, as drawn in the view and as
// the verse's own text in a saved file; verses without marks and the lines stay as they were.
TEST(ArabicMarks, ThePieceDocumentMakesTheMarkedWordsBold) {
    const std::string text = rules::ResultText(
        realCorpus(),
        {rules::headingMarker(2), surah::corpusIndex(2, 5), surah::corpusIndex(2, 7)});
    const rules::ArabicLayout layout(text, realArabic(), rules::ArabicShaper::Wine);
    const rules::ArabicMarks marks{{surah::corpusIndex(2, 5), {{14, 20}}}};
    const rules::TextPiece whole{0, text.size(), 0, 0};
    for (const auto form : {rules::ArabicForm::Drawn, rules::ArabicForm::Source}) {
        const std::string rtf =
            rules::ArabicPieceRtf(layout, whole, {}, rules::ArabicStyle{}, form, &marks);
        const std::u16string verse = arabicVerse(2, 5);
        // The same units in both forms; drawn for Wine, with the run end after the word's
        // final superscript alef.
        std::u16string word = verse.substr(14, 6);
        if (form == rules::ArabicForm::Drawn)
            word += rules::ArabicRunEnd;
        std::string bold;
        for (const char16_t unit : word)
            bold += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
        EXPECT_NE(rtf.find("\\b\\ab " + bold + "\\b0\\ab0 "), std::string::npos);
        // One bold stretch in all.
        EXPECT_EQ(rtf.find("\\b\\ab "), rtf.rfind("\\b\\ab "));
        EXPECT_EQ(rtf,
                  rules::ArabicPieceRtf(layout, whole, {}, rules::ArabicStyle{}, form, &marks));
        // Without the marks, the document as it always was.
        std::string plain = rtf;
        plain.erase(plain.find("\\b\\ab "), 6);
        plain.erase(plain.find("\\b0\\ab0 "), 8);
        EXPECT_EQ(plain, rules::ArabicPieceRtf(layout, whole, {}, rules::ArabicStyle{}, form));
    }
}

}  // namespace
