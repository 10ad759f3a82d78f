// The view text with the Arabic above every verse: where each entry stands in the Unicode
// view, how positions move between the two forms, what a selection copies and cites, and the
// RTF that carries it, over real verses and a real heading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/SurahTable.h"
#include "reader/ArabicCitation.h"
#include "reader/ArabicLayout.h"
#include "reader/ArabicRtf.h"
#include "reader/ResultItem.h"
#include "reader/ViewLines.h"
#include "reader/ViewText.h"
#include "tests/native/reader/RealArabic.h"
#include "tests/native/reader/RealCorpus.h"

namespace {

using rules::ArabicShaper;

std::u16string widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// A search result as the view shows it, with verses whose drawing differs from their text:
// 1:7 (alef with maddah, composed for Wine), 2:5 (tatweel before a superscript alef, dropped
// for Wine) and 2:7 (the open dammatan the font lacks).
const std::string& resultText() {
    static const std::string text = rules::ResultText(
        realCorpus(), {rules::headingMarker(1), surah::corpusIndex(1, 7), rules::headingMarker(2),
                       surah::corpusIndex(2, 5), surah::corpusIndex(2, 7)});
    return text;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 4;
    }
    return lines;
}

// The view's text as the Unicode control must hold it, built line by line from the parts.
std::u16string expectedView(ArabicShaper shaper) {
    std::u16string view;
    for (const std::string& line : linesOf(resultText())) {
        if (const auto verse = rules::VerseOfLine(line)) {
            view += rules::DrawArabic(arabicVerse(verse->surah, verse->verse), shaper).text;
            view += u'\r';
        }
        view += widen(line) + u"\r\r";
    }
    return view;
}

TEST(ArabicLayout, EveryEntryStandsWhereTheViewHoldsItAndPositionsMapBothWays) {
    for (const ArabicShaper shaper : {ArabicShaper::Standard, ArabicShaper::Wine}) {
        const rules::ArabicLayout layout(resultText(), realArabic(), shaper);
        const std::u16string view = expectedView(shaper);
        ASSERT_EQ(layout.entries().size(), 5u);
        EXPECT_EQ(layout.viewLength(), view.size());
        EXPECT_FALSE(layout.entries()[2].hasArabic());
        EXPECT_EQ(layout.entries()[4].corpusIndex, surah::corpusIndex(2, 7));

        // Every character of a line is found at the same character in the view, every line
        // end at a paragraph mark.
        const std::string& text = resultText();
        for (std::size_t p = 0; p < text.size(); ++p) {
            const std::size_t v = layout.toView(p);
            ASSERT_LE(v, view.size());
            if (text[p] != '\r' && text[p] != '\n') {
                ASSERT_EQ(view[v], static_cast<char16_t>(text[p])) << "text position " << p;
                ASSERT_EQ(layout.toText(v), p);
            } else if (text[p] == '\r') {
                ASSERT_EQ(view[v], u'\r') << "text position " << p;
            }
        }
        // A place inside an Arabic line belongs to its verse: the start of the verse's line,
        // or its end for the end of a selection.
        const rules::ArabicEntry& verse = layout.entries()[1];
        EXPECT_EQ(layout.toText(verse.viewBegin + 3), verse.textBegin);
        EXPECT_EQ(layout.toText(verse.viewBegin + 3, true), verse.textBegin + verse.lineLength);
        EXPECT_EQ(layout.toText(verse.viewBegin, true), verse.textBegin);
    }
}

TEST(ArabicLayout, WhatLeavesTheViewIsTheVersesOwnText) {
    const rules::ArabicLayout layout(resultText(), realArabic(), ArabicShaper::Wine);
    std::u16string expected;
    for (const std::string& line : linesOf(resultText())) {
        if (const auto verse = rules::VerseOfLine(line))
            expected += arabicVerse(verse->surah, verse->verse) + u"\r\n";
        expected += widen(line) + u"\r\n\r\n";
    }
    EXPECT_EQ(layout.sourceText(0, layout.viewLength()), expected);

    // Part of an Arabic line: the verse's own text for it, however the drawing changed it.
    for (const std::size_t i : {1, 3, 4}) {
        const rules::ArabicEntry& entry = layout.entries()[i];
        const rules::DrawnArabic drawn = layout.drawn(i);
        const std::u16string own = layout.verse(i);
        EXPECT_NE(drawn.text, own);  // the drawn form differs in each of them
        for (std::size_t b = 0; b < drawn.text.size(); b += 7) {
            const std::size_t e = std::min(drawn.text.size(), b + 11);
            EXPECT_EQ(layout.sourceText(entry.viewBegin + b, entry.viewBegin + e),
                      own.substr(drawn.source[b], drawn.source[e] - drawn.source[b]));
        }
    }
    // From the middle of a translation into the next verse's Arabic.
    const rules::ArabicEntry& entry = layout.entries()[3];
    const rules::ArabicEntry& next = layout.entries()[4];
    const std::u16string across =
        layout.sourceText(entry.viewLineBegin() + 4, next.viewBegin + next.arabicLength + 1);
    EXPECT_EQ(across, widen(resultText().substr(entry.textBegin + 4, entry.lineLength - 4)) +
                          u"\r\n\r\n" + layout.verse(4) + u"\r\n");
}

TEST(ArabicCitation, EveryVerseTouchedWithItsArabicThenItsTranslationThenOneCitation) {
    const rules::ArabicLayout layout(resultText(), realArabic(), ArabicShaper::Wine);
    const auto& entries = layout.entries();
    const rules::ArabicStyle style;
    const std::string trans17 = realCorpus().item(surah::corpusIndex(1, 7)).substr(5);
    const std::string trans25 = realCorpus().item(surah::corpusIndex(2, 5)).substr(5);

    // From the middle of 1:7's Arabic line, over a heading, to the middle of 2:5's line.
    auto copy = rules::CitedArabicCopy(layout, entries[1].viewBegin + 5,
                                       entries[3].viewLineBegin() + 9, style);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->text, layout.verse(1) + u"\r\n" + widen(trans17) + u"\r\n" + layout.verse(3) +
                              u"\r\n" + widen(trans25) +
                              u"\r\n(QS. Al-Fatihah [1]: 7; QS. Al-Baqarah [2]: 5)");
    EXPECT_NE(copy->rtf.find("\\rtlpar"), std::string::npos);

    // A caret in an Arabic line cites its verse; in the empty line after a verse, nothing.
    copy = rules::CitedArabicCopy(layout, entries[4].viewBegin + 2, entries[4].viewBegin + 2, style);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->text.ends_with(u"(QS. Al-Baqarah [2]: 7)"));
    EXPECT_FALSE(rules::CitedArabicCopy(layout, entries[4].viewLineEnd() + 1,
                                        entries[4].viewLineEnd() + 1, style));

    // A heading alone is copied as it stands, without a citation.
    copy = rules::CitedArabicCopy(layout, entries[2].viewBegin, entries[2].viewLineEnd(), style);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->text, widen(linesOf(resultText())[2]));
    EXPECT_TRUE(copy->rtf.empty());
}

// The paragraphs of an RTF document as text: \uN? read back, \par ends a paragraph, other
// control words skipped; bold stretches marked with [ and ].
std::vector<std::u16string> paragraphsOf(const std::string& rtf) {
    std::vector<std::u16string> paragraphs(1);
    const std::size_t body = rtf.find("\\pard");
    for (std::size_t i = body; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\' && i + 1 < rtf.size() && std::string("\\{}").find(rtf[i + 1]) != std::string::npos) {
            paragraphs.back() += static_cast<char16_t>(rtf[++i]);
        } else if (c == '\\') {
            std::size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end])))
                ++end;
            const std::string word = rtf.substr(i + 1, end - i - 1);
            std::size_t numberEnd = end;
            while (numberEnd < rtf.size() && (rtf[numberEnd] == '-' || std::isdigit(rtf[numberEnd])))
                ++numberEnd;
            const std::string number = rtf.substr(end, numberEnd - end);
            if (word == "u") {
                paragraphs.back() += static_cast<char16_t>(std::stoi(number));
                numberEnd += 1;  // the '?' stand-in
            } else if (word == "par") {
                paragraphs.emplace_back();
            } else if (word == "b") {
                paragraphs.back() += number == "0" ? u']' : u'[';
            }
            if (numberEnd < rtf.size() && rtf[numberEnd] == ' ' && word != "u")
                ++numberEnd;
            i = numberEnd - 1;
        } else if (c != '\n' && c != '}' && c != '{') {
            paragraphs.back() += static_cast<char16_t>(c);
        }
    }
    paragraphs.pop_back();  // after the last mark
    return paragraphs;
}

TEST(ArabicRtf, APieceCarriesTheArabicAboveEachLineAndTheBoldOnlyInTheLines) {
    const rules::ArabicLayout layout(resultText(), realArabic(), ArabicShaper::Wine);
    const std::string& text = resultText();
    // "mereka" bold wherever it stands in the lines.
    std::vector<rules::TextRun> runs;
    for (std::size_t at = text.find("mereka"); at != std::string::npos;
         at = text.find("mereka", at + 1))
        runs.push_back({at, at + 6});
    ASSERT_GE(runs.size(), 3u);
    const rules::TextPiece whole{0, text.size(), 0, runs.size()};

    for (const auto form : {rules::ArabicForm::Drawn, rules::ArabicForm::Source}) {
        const std::vector<std::u16string> paragraphs =
            paragraphsOf(rules::ArabicPieceRtf(layout, whole, runs, rules::ArabicStyle{}, form));
        std::vector<std::u16string> expected;
        for (std::size_t i = 0; i < layout.entries().size(); ++i) {
            const rules::ArabicEntry& entry = layout.entries()[i];
            if (entry.hasArabic())
                expected.push_back(form == rules::ArabicForm::Source ? layout.verse(i)
                                                                     : layout.drawn(i).text);
            std::u16string line = widen(text.substr(entry.textBegin, entry.lineLength));
            for (std::size_t at = line.find(u"mereka"); at != std::u16string::npos;
                 at = line.find(u"mereka", at + 8))
                line.replace(at, 6, u"[mereka]");
            expected.push_back(line);
            expected.push_back(u"");
        }
        EXPECT_EQ(paragraphs, expected);
    }
}

}  // namespace
