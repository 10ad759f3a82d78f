#include "reader/ArabicDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "RealArabic.h"

using rules::ArabicShaper;
using rules::DrawArabic;
using rules::DrawnArabic;

namespace {

// Every code point of the text's Arabic block that is a combining mark, by the Unicode
// character database (general category Mn).
bool isCombiningMark(char16_t c) {
    return (c >= 0x064B && c <= 0x065F) || c == 0x0670 || (c >= 0x06D6 && c <= 0x06DC) ||
           (c >= 0x06DF && c <= 0x06E4) || c == 0x06E7 || c == 0x06E8 ||
           (c >= 0x06EA && c <= 0x06ED) || (c >= 0x08D3 && c <= 0x08FF);
}

}  // namespace

// Every verse goes to UTF-16 and back byte for byte on the way.
TEST(DrawArabic, StandardChangesNothingButTheOpenDammatanTheFontLacks) {
    const FastStrList& arabic = realArabic();
    ASSERT_EQ(arabic.count(), surah::TotalVerses);
    std::size_t changed = 0;
    std::size_t units = 0;
    for (int i = 0; i < arabic.count(); ++i) {
        const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
        ASSERT_EQ(rules::Utf16ToUtf8(verse), arabic.view(i)) << "line " << i;
        units += verse.size();
        const DrawnArabic drawn = DrawArabic(verse, ArabicShaper::Standard);
        ASSERT_EQ(drawn.text.size(), verse.size()) << "line " << i;
        for (std::size_t k = 0; k < verse.size(); ++k) {
            ASSERT_EQ(drawn.text[k], verse[k] == u'\u065E' ? u'\u08F1' : verse[k]) << i << " " << k;
            ASSERT_EQ(drawn.source[k], k) << "line " << i;
            changed += drawn.text[k] != verse[k];
        }
        ASSERT_EQ(drawn.source.back(), verse.size()) << "line " << i;
    }
    EXPECT_EQ(units, 700'236u);  // the package's texts, as JavaScript counts their length
    EXPECT_EQ(changed, 1807u);   // every U+065E of the package
}

// Pieces of verses, drawn as if they were verses: one that ends in a mark ends in the run end
// (see the next test), which comes from nothing.
TEST(DrawArabic, WineFormOfRealWords) {
    // 2:5 "ulaa'ika" holds lam, fatha, tatweel, superscript alef, maddah: the tatweel goes and
    // the superscript alef stands for both.
    const std::u16string ulaaika = arabicVerse(2, 5).substr(0, 9);
    ASSERT_EQ(ulaaika, u"\u0623\u064F\u0648\u0652\u0644\u064E\u0640\u0670\u0653");
    const DrawnArabic drawn = DrawArabic(ulaaika, ArabicShaper::Wine);
    EXPECT_EQ(drawn.text, u"\u0623\u064F\u0648\u0652\u0644\u064E\u0670\u0653\u065F");
    EXPECT_EQ(drawn.source, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 8, 9, 9}));
    // 2:4 "bimaa": alef and maddah become one letter; open dammatan becomes plain dammatan.
    const std::u16string bimaa = u"\u0628\u0650\u0645\u064E\u0627\u0653 ";
    ASSERT_EQ(arabicVerse(2, 4).find(bimaa), 24u);
    const DrawnArabic composed = DrawArabic(bimaa + u"\u0645\u065E", ArabicShaper::Wine);
    EXPECT_EQ(composed.text, u"\u0628\u0650\u0645\u064E\u0622 \u0645\u064C\u065F");
    EXPECT_EQ(composed.source, (std::vector<std::size_t>{0, 1, 2, 3, 4, 6, 7, 8, 9, 9}));
    // 2:124 "ibraahiima": the tatweel before small high yeh goes too.
    const DrawnArabic ibraahiim =
        DrawArabic(u"\u0647\u0650\u0640\u06E7\u0645\u064E", ArabicShaper::Wine);
    ASSERT_NE(arabicVerse(2, 124).find(u"\u0647\u0650\u0640\u06E7\u0645\u064E"),
              std::u16string::npos);
    EXPECT_EQ(ibraahiim.text, u"\u0647\u0650\u06E7\u0645\u064E\u065F");
    EXPECT_EQ(ibraahiim.source, (std::vector<std::size_t>{0, 1, 2, 4, 5, 6, 6}));
    // 2:72 "fa-ddaara'tum": the thin space before superscript alef and hamza is drawn as the
    // tatweel that carries them.
    const std::u16string thin = u"\u0631\u064E\u2009\u0670\u0654\u062A";
    ASSERT_NE(arabicVerse(2, 72).find(thin), std::u16string::npos);
    const DrawnArabic carried = DrawArabic(thin, ArabicShaper::Wine);
    EXPECT_EQ(carried.text, u"\u0631\u064E\u0640\u0670\u0654\u062A");
    EXPECT_EQ(carried.source, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(DrawArabic(thin, ArabicShaper::Standard).text, thin);
    // Tatweel before any other mark stays (21:88, before small high noon), so does maddah on
    // any other letter, and so does a pair cut by the verse's end.
    ASSERT_NE(arabicVerse(21, 88).find(u"\u0640\u06E8"), std::u16string::npos);
    for (const std::u16string_view kept :
         {u"\u0640\u06E8", u"\u0648\u0653", u"\u0644\u0640", u"\u0627", u"\u2009\u0627"}) {
        const std::u16string runEnd = isCombiningMark(kept.back()) ? u"\u065F" : u"";
        EXPECT_EQ(DrawArabic(kept, ArabicShaper::Wine).text, std::u16string(kept) + runEnd);
    }
}

// Under Wine every word that ends in a mark, at a blank or at the verse's end, ends in the
// run end, which stands for nothing in the verse: 88:7 ends in the open kasratan below its
// ayn, which made Wine draw every glyph of its line 20 pixels low. Nothing else gets one, and
// nothing drawn for the system's own shaper. The text itself never holds the run end.
TEST(DrawArabic, UnderWineAWordThatEndsInAMarkEndsInTheRunEnd) {
    const std::u16string jooi = arabicVerse(88, 7);
    ASSERT_EQ(jooi.back(), u'\u0656');
    const DrawnArabic drawn = DrawArabic(jooi, ArabicShaper::Wine);
    // "laa yusminu wa-laa yughnii min juu'in": the words that end in a mark are the second
    // and the last.
    std::u16string expected = jooi;
    for (std::size_t at = jooi.size(); at-- > 0;) {
        if ((at + 1 == jooi.size() || jooi[at + 1] == u' ') && isCombiningMark(jooi[at]))
            expected.insert(at + 1, 1, rules::ArabicRunEnd);
    }
    EXPECT_EQ(drawn.text, expected);
    EXPECT_EQ(std::count(drawn.text.begin(), drawn.text.end(), rules::ArabicRunEnd), 2);
    EXPECT_EQ(drawn.source.back(), jooi.size());
    EXPECT_EQ(drawn.source[drawn.text.size() - 1], jooi.size());
    // Whatever stretch of the line's end is chosen, it is the verse's own end.
    const std::size_t n = drawn.text.size();
    EXPECT_EQ(rules::SourceOfDrawnRange(drawn, jooi, n - 2, n), jooi.substr(jooi.size() - 1));
    EXPECT_EQ(rules::SourceOfDrawnRange(drawn, jooi, n - 1, n), u"");
    EXPECT_EQ(DrawArabic(jooi, ArabicShaper::Standard).text, jooi);

    const FastStrList& arabic = realArabic();
    std::size_t runEnds = 0, wordsInAMark = 0;
    for (int i = 0; i < arabic.count(); ++i) {
        const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
        ASSERT_EQ(verse.find(rules::ArabicRunEnd), std::u16string::npos) << "line " << i;
        const DrawnArabic wine = DrawArabic(verse, ArabicShaper::Wine);
        for (std::size_t k = 0; k < wine.text.size(); ++k) {
            const bool wordEnd = k + 1 == wine.text.size() || wine.text[k + 1] == u' ' ||
                                 wine.text[k + 1] == rules::ArabicRunEnd;
            if (wine.text[k] == rules::ArabicRunEnd) {
                ++runEnds;
                ASSERT_TRUE(k > 0 && isCombiningMark(wine.text[k - 1])) << i << " " << k;
                ASSERT_TRUE(k + 1 == wine.text.size() || wine.text[k + 1] == u' ') << i;
                ASSERT_EQ(wine.source[k], wine.source[k + 1]) << "from nothing: " << i;
            } else if (wordEnd && isCombiningMark(wine.text[k])) {
                ++wordsInAMark;
                ASSERT_TRUE(k + 1 < wine.text.size() && wine.text[k + 1] == rules::ArabicRunEnd)
                    << i << " " << k;
            }
        }
        ASSERT_EQ(DrawArabic(verse, ArabicShaper::Standard).text.find(rules::ArabicRunEnd),
                  std::u16string::npos);
    }
    EXPECT_EQ(runEnds, wordsInAMark);
    EXPECT_EQ(runEnds, 55'946u);  // of 77,428 words
}

// Whatever the view selects, the verse's own text is found through source: the source
// pieces of the drawn units join to the verse, and each, drawn again with the piece after it
// (a thin space is drawn as it is unless a mark follows), begins with exactly its unit. As
// source never decreases, any drawn range then leads to its exact source range.
TEST(DrawArabic, EveryDrawnUnitLeadsBackToItsExactSource) {
    const FastStrList& arabic = realArabic();
    for (const ArabicShaper shaper : {ArabicShaper::Standard, ArabicShaper::Wine}) {
        for (int i = 0; i < arabic.count(); ++i) {
            const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
            const DrawnArabic drawn = DrawArabic(verse, shaper);
            ASSERT_EQ(drawn.source.size(), drawn.text.size() + 1);
            std::u16string joined;
            for (std::size_t k = 0; k < drawn.text.size(); ++k) {
                const std::u16string_view piece = rules::SourceOfDrawnRange(drawn, verse, k, k + 1);
                if (piece.empty()) {
                    // The one unit from nothing: the run end after a word's final mark.
                    ASSERT_EQ(shaper, ArabicShaper::Wine) << i << " " << k;
                    ASSERT_EQ(drawn.text[k], rules::ArabicRunEnd) << i << " " << k;
                    continue;
                }
                const std::u16string withNext = std::u16string(piece) +=
                    rules::SourceOfDrawnRange(drawn, verse, k + 1, k + 2);
                ASSERT_EQ(DrawArabic(withNext, shaper).text.substr(0, 1), drawn.text.substr(k, 1))
                    << i << " " << k;
                joined += piece;
            }
            ASSERT_EQ(joined, verse) << "line " << i;
            const std::size_t middle = drawn.text.size() / 2;  // a range past the end is cut
            ASSERT_EQ(rules::SourceOfDrawnRange(drawn, verse, middle, drawn.text.size() + 9),
                      verse.substr(drawn.source[middle]));
        }
    }
}

// Wine's shaper reads the glyph before a run that starts with a mark (past the start of its
// array: a crash in the 64-bit Wine). A mark starts a run when it follows anything but an
// Arabic letter, tatweel or another mark: at the Wine level no drawn verse has one.
TEST(DrawArabic, NoMarkStartsARunUnderWine) {
    const auto mark = isCombiningMark;
    const auto base = [&](char16_t c) {  // Arabic letters (Lo, Lm) and marks
        return (c >= 0x0620 && c <= 0x064A) || c == 0x0640 || (c >= 0x0671 && c <= 0x06D5) ||
               c == 0x06E5 || c == 0x06E6 || c == 0x06EE || c == 0x06EF || mark(c);
    };
    const FastStrList& arabic = realArabic();
    std::size_t marks = 0;
    int startsOfRuns = 0;
    for (int i = 0; i < arabic.count(); ++i) {
        const std::u16string text =
            DrawArabic(rules::Utf8ToUtf16(arabic.view(i)), ArabicShaper::Wine).text;
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (mark(text[k])) {
                ++marks;
                if (k == 0 || !base(text[k - 1])) {
                    ADD_FAILURE() << "line " << i << ": a mark at " << k;
                    ++startsOfRuns;
                }
            }
        }
    }
    EXPECT_EQ(startsOfRuns, 0);
    EXPECT_GT(marks, 250'000u);  // the marks were seen at all
}
