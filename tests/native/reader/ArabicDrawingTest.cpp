#include "reader/ArabicDrawing.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "RealArabic.h"

using rules::ArabicShaper;
using rules::DrawArabic;
using rules::DrawnArabic;
using rules::SourceOfDrawnRange;

namespace {

constexpr ArabicShaper BothShapers[] = {ArabicShaper::Standard, ArabicShaper::Wine};

std::size_t countOf(std::u16string_view text, std::u16string_view pair) {
    std::size_t n = 0;
    for (std::size_t at = text.find(pair); at != text.npos; at = text.find(pair, at + 1)) {
        ++n;
    }
    return n;
}

const char* nameOf(ArabicShaper shaper) {
    return shaper == ArabicShaper::Wine ? "Wine" : "Standard";
}

}  // namespace

TEST(DrawArabic, StandardChangesOnlyTheOpenDammatanTheFontLacks) {
    const FastStrList& arabic = realArabic();
    std::size_t changed = 0;
    for (int i = 0; i < arabic.count(); ++i) {
        const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
        const DrawnArabic drawn = DrawArabic(verse, ArabicShaper::Standard);
        ASSERT_EQ(drawn.text.size(), verse.size()) << "line " << i;
        ASSERT_EQ(drawn.source.size(), verse.size() + 1) << "line " << i;
        for (std::size_t k = 0; k <= verse.size(); ++k) {
            ASSERT_EQ(drawn.source[k], k) << "line " << i;
        }
        for (std::size_t k = 0; k < verse.size(); ++k) {
            const char16_t expected = verse[k] == u'\u065E' ? u'\u08F1' : verse[k];
            ASSERT_EQ(drawn.text[k], expected) << "line " << i << " unit " << k;
            changed += drawn.text[k] != verse[k];
        }
    }
    EXPECT_EQ(changed, 1807u);  // every U+065E of the package
}

TEST(DrawArabic, WineDropsTatweelBeforeSuperscriptAlefAndComposesAlefMaddah) {
    const FastStrList& arabic = realArabic();
    std::size_t tatweels = 0;
    std::size_t maddahs = 0;
    for (int i = 0; i < arabic.count(); ++i) {
        const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
        const DrawnArabic drawn = DrawArabic(verse, ArabicShaper::Wine);
        const std::size_t pairs = countOf(verse, u"\u0640\u0670") + countOf(verse, u"\u0627\u0653");
        tatweels += countOf(verse, u"\u0640\u0670");
        maddahs += countOf(verse, u"\u0627\u0653");
        ASSERT_EQ(drawn.text.size(), verse.size() - pairs) << "line " << i;
        ASSERT_EQ(drawn.source.size(), drawn.text.size() + 1) << "line " << i;
        EXPECT_EQ(countOf(drawn.text, u"\u0640\u0670"), 0u) << "line " << i;
        EXPECT_EQ(countOf(drawn.text, u"\u0627\u0653"), 0u) << "line " << i;
        EXPECT_EQ(drawn.text.find_first_of(u"\u065E\u08F1"), drawn.text.npos) << "line " << i;
        EXPECT_EQ(countOf(drawn.text, u"\u064C"),
                  countOf(verse, u"\u064C") + countOf(verse, u"\u065E"))
            << "line " << i;
    }
    EXPECT_EQ(tatweels, 1117u);
    EXPECT_EQ(maddahs, 2945u);
}

TEST(DrawArabic, WineFormOfRealWords) {
    // 2:5 "ulaa'ika": alef with hamza, damma, waw, sukun, lam, fatha, tatweel, superscript
    // alef, maddah, yeh with hamza...; the tatweel goes, the superscript alef sits on the lam.
    const std::u16string ulaaika = arabicVerse(2, 5).substr(0, 12);
    ASSERT_EQ(ulaaika.substr(0, 9), u"\u0623\u064F\u0648\u0652\u0644\u064E\u0640\u0670\u0653");
    const DrawnArabic drawn = DrawArabic(ulaaika, ArabicShaper::Wine);
    EXPECT_EQ(drawn.text.substr(0, 8), u"\u0623\u064F\u0648\u0652\u0644\u064E\u0670\u0653");
    EXPECT_EQ(drawn.source[6], 6u);  // the superscript alef stands for tatweel and itself
    EXPECT_EQ(drawn.source[7], 8u);
    // 2:4 "bimaa": beh, kasra, meem, fatha, alef, maddah -> ... alef with madda above.
    const std::u16string bimaa = u"\u0628\u0650\u0645\u064E\u0627\u0653 ";
    EXPECT_EQ(arabicVerse(2, 4).find(bimaa), 24u);
    const DrawnArabic composed = DrawArabic(bimaa, ArabicShaper::Wine);
    EXPECT_EQ(composed.text, u"\u0628\u0650\u0645\u064E\u0622 ");
    EXPECT_EQ(composed.source, (std::vector<std::size_t>{0, 1, 2, 3, 4, 6, 7}));
    // A tatweel before anything but the superscript alef stays (21:88 before small high noon),
    // and so does a maddah on any letter but alef; a pair cut by the verse's end is kept.
    for (const std::u16string_view kept :
         {u"\u0646\u064F\u0640\u06E8\u062C", u"\u0648\u0653", u"\u0644\u0640", u"\u0627"}) {
        EXPECT_EQ(DrawArabic(kept, ArabicShaper::Wine).text, kept);
    }
    EXPECT_NE(arabicVerse(21, 88).find(u"\u0646\u064F\u0640\u06E8\u062C"), std::u16string::npos);
}

// Whatever the view selects, the verse's own text for it is found through source: the
// pieces of any division of the drawn text join to the verse, and each piece of the verse,
// drawn again, is exactly the drawn piece. Checked for every drawn unit of every verse at
// both levels, and for every range of a few verses that hold each substitution.
TEST(DrawArabic, EveryDrawnRangeLeadsBackToTheExactSource) {
    const FastStrList& arabic = realArabic();
    for (const ArabicShaper shaper : BothShapers) {
        for (int i = 0; i < arabic.count(); ++i) {
            const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
            const DrawnArabic drawn = DrawArabic(verse, shaper);
            std::u16string joined;
            for (std::size_t k = 0; k < drawn.text.size(); ++k) {
                const std::u16string_view piece = SourceOfDrawnRange(drawn, verse, k, k + 1);
                ASSERT_EQ(DrawArabic(piece, shaper).text, drawn.text.substr(k, 1))
                    << nameOf(shaper) << " line " << i << " unit " << k;
                joined += piece;
            }
            ASSERT_EQ(joined, verse) << nameOf(shaper) << " line " << i;
            ASSERT_EQ(SourceOfDrawnRange(drawn, verse, 0, drawn.text.size() + 5), verse);
        }
    }
    for (const auto [s, a] : {surah::VerseRef{2, 4}, {2, 5}, {2, 7}, {2, 72}, {21, 88}}) {
        const std::u16string verse = arabicVerse(s, a);
        for (const ArabicShaper shaper : BothShapers) {
            const DrawnArabic drawn = DrawArabic(verse, shaper);
            for (std::size_t b = 0; b <= drawn.text.size(); ++b) {
                for (std::size_t e = b; e <= drawn.text.size(); ++e) {
                    const std::u16string_view source = SourceOfDrawnRange(drawn, verse, b, e);
                    ASSERT_EQ(DrawArabic(source, shaper).text, drawn.text.substr(b, e - b))
                        << nameOf(shaper) << " " << s << ":" << a << " [" << b << ", " << e << ")";
                }
            }
        }
    }
}
