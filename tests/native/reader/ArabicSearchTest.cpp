// The Arabic search over the real text: the anchors readers type, one case per matching rule
// with a real verse, the occurrences mapped back to the verse's own text, and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "RealArabic.h"
#include "corpus/SurahTable.h"
#include "reader/ArabicSearch.h"
#include "reader/Utf16.h"

namespace {

const rules::ArabicIndex& realIndex() {
    static const rules::ArabicIndex index(realArabic());
    return index;
}

int at(int s, int a) {
    return surah::corpusIndex(s, a);
}

bool finds(const std::string& text, int s, int a, bool wholeWord = false) {
    return realIndex().holds(at(s, a), rules::ArabicQuery(text), wholeWord);
}

// Word n (from 0) of the verse's own text.
std::u16string word(int s, int a, int n) {
    const std::u16string verse = arabicVerse(s, a);
    std::size_t from = 0;
    for (int i = 0; i < n; ++i)
        from = verse.find(u' ', from) + 1;
    return verse.substr(from, verse.find(u' ', from) - from);
}

// The verse's own text under every marked range of a scan's hits in that verse.
std::vector<std::u16string> markedText(const rules::ArabicScan& scan, int s, int a) {
    std::vector<std::u16string> texts;
    const rules::ArabicVerseHits* hits = scan.hitsOf(at(s, a));
    if (!hits)
        return texts;
    const std::u16string verse = arabicVerse(s, a);
    for (const rules::TextRun& run : hits->ranges)
        texts.push_back(verse.substr(run.begin, run.end - run.begin));
    return texts;
}

TEST(ArabicSearch, AnchorsTypedInOrdinarySpelling) {
    for (bool whole : {false, true}) {
        const rules::ArabicScan believe = ScanArabic(realIndex(), "آمنوا بالله ورسوله", whole);
        EXPECT_TRUE(believe.hitsOf(at(4, 136))) << whole;
        EXPECT_TRUE(believe.hitsOf(at(57, 7))) << whole;
        EXPECT_TRUE(ScanArabic(realIndex(), "الصلاة", whole).hitsOf(at(2, 3))) << whole;
        const rules::ArabicScan merciful = ScanArabic(realIndex(), "الرحمن الرحيم", whole);
        EXPECT_TRUE(merciful.hitsOf(at(1, 1))) << whole;
        EXPECT_TRUE(merciful.hitsOf(at(1, 3))) << whole;
        EXPECT_TRUE(ScanArabic(realIndex(), "السموات والأرض", whole).hitsOf(at(2, 164))) << whole;
        EXPECT_TRUE(finds("يؤمنون", 2, 3, whole));
        EXPECT_TRUE(finds("إله", 2, 163, whole));
    }
}

TEST(ArabicSearch, PhrasePastedFullyVowelledFromTheTextFindsItsVerse) {
    const std::string verse(realArabic().view(at(2, 255)));
    // Four words from the verse's second word on, exactly as the package spells them.
    std::size_t from = verse.find(' ') + 1;
    std::size_t to = from;
    for (int w = 0; w < 4; ++w)
        to = verse.find(' ', to) + 1;
    const std::string pasted = verse.substr(from, to - 1 - from);
    for (bool whole : {false, true}) {
        const rules::ArabicScan scan = ScanArabic(realIndex(), pasted, whole);
        ASSERT_TRUE(scan.hitsOf(at(2, 255))) << whole;
        EXPECT_EQ(markedText(scan, 2, 255).front(), rules::Utf8ToUtf16(pasted));
    }
}

TEST(ArabicSearch, WholeWordsAndSubstringDiffer) {
    // كَتَبَ (wrote) stands alone in 6:12; in 2:79 only inside يَكۡتُبُونَ.
    EXPECT_TRUE(finds("كتب", 2, 79, false));
    EXPECT_FALSE(finds("كتب", 2, 79, true));
    EXPECT_TRUE(finds("كتب", 6, 12, true));
    // A prefix letter makes another word: وَرَسُولِهِۦ is not the whole word رسوله.
    EXPECT_TRUE(finds("رسوله", 57, 7, false));
    EXPECT_FALSE(finds("رسوله", 57, 7, true));
    EXPECT_TRUE(finds("ورسوله", 57, 7, true));
}

TEST(ArabicSearch, MarksAnnotationSignsAndTatweelArePassedOver) {
    // Typed bare, typed with marks of its own, or with tatweel: ٱلۡحَمۡدُ لِلَّهِ.
    EXPECT_TRUE(finds("الحمد لله", 1, 2));
    EXPECT_TRUE(finds("الْحَمْدُ لِلّٰهِ", 1, 2));
    EXPECT_TRUE(finds("الحـــمد", 1, 2, true));
    // A pause mark stands on the word in the text: ٱلۡقَيُّومُۚ.
    EXPECT_TRUE(finds("القيوم لا تأخذه", 2, 255));
}

TEST(ArabicSearch, SuperscriptAlefIsTypedExceptWhereOrdinarySpellingLeavesItOut) {
    EXPECT_TRUE(finds("الكتاب", 2, 2, true));
    EXPECT_FALSE(finds("الكتب", 2, 2, true));  // the books, another word
    EXPECT_TRUE(finds("ذلك الكتاب", 2, 2, true));
    EXPECT_TRUE(finds("ذالك", 2, 2, true));
    EXPECT_TRUE(finds("الرحمان", 1, 3, true));
    EXPECT_TRUE(finds("السماوات", 2, 164, true));
    EXPECT_TRUE(finds("أولئك", 2, 5, true));
    EXPECT_TRUE(finds("ولكن", 2, 12, true));
}

TEST(ArabicSearch, LongAWrittenWithWawOrAlefMaksura) {
    EXPECT_TRUE(finds("الزكاة", 2, 43, true));
    EXPECT_TRUE(finds("الصلوة", 2, 43, true));  // the mushaf's own letters
    EXPECT_TRUE(finds("الحياة الدنيا", 2, 85));
    EXPECT_TRUE(finds("الربا", 2, 275, true));
    EXPECT_TRUE(finds("التوراة", 3, 3, true));
    EXPECT_TRUE(finds("موسى", 2, 51, true));
    EXPECT_TRUE(finds("على", 2, 5, true));
    EXPECT_TRUE(finds("علي", 2, 5, true));  // ى and ي are one letter
    EXPECT_TRUE(finds("فى", 2, 10, true));
}

TEST(ArabicSearch, HamzaOnItsSeatOrWithout) {
    EXPECT_TRUE(finds("شيئا", 2, 48, true));
    EXPECT_TRUE(finds("شيء", 2, 20, true));
    EXPECT_TRUE(finds("يسألونك", 2, 189, true));
    EXPECT_TRUE(finds("يسالونك", 2, 189, true));
    EXPECT_TRUE(finds("رؤوف", 9, 128, true));
    EXPECT_TRUE(finds("رءوف", 9, 128, true));
    EXPECT_TRUE(finds("القرآن", 2, 185, true));
    EXPECT_TRUE(finds("وبالآخرة", 2, 4, true));
    EXPECT_TRUE(finds("الملائكة", 2, 31, true));
    EXPECT_TRUE(finds("إسرائيل", 2, 40, true));
    for (const char* typed : {"آمنوا", "امنوا", "ءامنوا", "أمنوا"})
        EXPECT_TRUE(finds(typed, 2, 9, true)) << typed;
    EXPECT_TRUE(finds("أإذا", 13, 5) || finds("أئذا", 13, 5));
}

TEST(ArabicSearch, TaMarbutaAndHehAreToldApart) {
    EXPECT_TRUE(finds("أمة", 2, 128, true));
    EXPECT_FALSE(finds("أمه", 2, 128, true));
    EXPECT_TRUE(finds("وأمه", 5, 75, true));
    // The mushaf's open ta marbuta: رَحۡمَتَ ٱللَّهِ.
    EXPECT_TRUE(finds("رحمة الله", 7, 56, true));
}

TEST(ArabicSearch, SmallAndSilentLettersMayBeTypedOrLeftOut) {
    EXPECT_TRUE(finds("داود", 2, 251, true));
    EXPECT_TRUE(finds("داوود", 2, 251, true));
    EXPECT_TRUE(finds("إبراهيم", 2, 124, true));
    EXPECT_TRUE(finds("الليل والنهار", 2, 164));
    EXPECT_TRUE(finds("الذين", 2, 3, true));
    EXPECT_FALSE(finds("للذين", 2, 3));  // لِلَّذِينَ is another word than ٱلَّذِينَ
    EXPECT_TRUE(finds("يا أيها الذين آمنوا", 2, 104));
    EXPECT_TRUE(finds("أيها", 2, 104, true));
    EXPECT_TRUE(finds("فاسألوا أهل الذكر", 16, 43));
}

// The phrases everyone knows, where the mushaf's spelling differs from the ordinary one in
// ways its marks do not tell.
TEST(ArabicSearch, FinalAlefThatOrdinarySpellingWritesAlefMaksura) {
    for (bool whole : {false, true}) {
        EXPECT_TRUE(finds("المسجد الأقصى", 17, 1, whole)) << whole;  // ٱلۡأَقۡصَا
        EXPECT_TRUE(finds("أقصى", 28, 20, whole)) << whole;
        EXPECT_TRUE(finds("لدى الباب", 12, 25, whole)) << whole;
        EXPECT_TRUE(finds("طغى الماء", 69, 11, whole)) << whole;
        EXPECT_TRUE(finds("تترى", 23, 44, whole)) << whole;
        // And the ى it writes ا: يَٰحَسۡرَتَىٰ, ٱلزِّنَىٰٓ.
        EXPECT_TRUE(finds("يا حسرتا", 39, 56, whole)) << whole;
        EXPECT_TRUE(finds("يا ويلتا", 5, 31, whole)) << whole;
        EXPECT_TRUE(finds("الزنا", 17, 32, whole)) << whole;
    }
    // The tanwin's alef is no ى: لُّدّٗا is not لدى.
    EXPECT_FALSE(finds("لدى", 19, 97, true));
    EXPECT_FALSE(finds("يا موسا", 7, 115));
}

TEST(ArabicSearch, FinalHamzaWithTheTanwinsAlef) {
    for (bool whole : {false, true}) {
        EXPECT_TRUE(finds("خطأ", 4, 92, whole)) << whole;  // خَطَـٔٗا
        EXPECT_TRUE(finds("ملجأ", 9, 57, whole)) << whole;
        EXPECT_TRUE(finds("متكأ", 12, 31, whole)) << whole;
        EXPECT_TRUE(finds("خطئا", 17, 31, whole)) << whole;  // خِطۡـٔٗا
        EXPECT_TRUE(finds("وطئا", 73, 6, whole)) << whole;
        // As the imla'i text has them, without the hamza.
        EXPECT_TRUE(finds("ومن قتل مؤمنا خطا", 4, 92, whole)) << whole;
        EXPECT_TRUE(finds("يجدون ملجا أو", 9, 57, whole)) << whole;
    }
    EXPECT_TRUE(finds("جزءا", 2, 260, true));  // جُزۡءٗا keeps its alef
    EXPECT_FALSE(finds("جزء", 2, 260, true));
}

TEST(ArabicSearch, HamzaWhereTheMushafWritesItItsOwnWay) {
    for (bool whole : {false, true}) {
        EXPECT_TRUE(finds("أصحاب الأيكة", 26, 176, whole)) << whole;  // لۡـَٔيۡكَةِ
        EXPECT_TRUE(finds("وأصحاب الأيكة", 38, 13, whole)) << whole;
        for (int a = 60; a <= 64; ++a)
            EXPECT_TRUE(finds("أإله مع الله", 27, a, whole)) << whole << a;  // أَءِلَٰهٞ
        EXPECT_TRUE(finds("أآلهتنا خير", 43, 58, whole)) << whole;  // ءَأَٰلِهَتُنَا
        // 2:72 writes a thin space inside فَٱدَّـٰرَ ٰٔتُمۡ.
        EXPECT_TRUE(finds("فادارأتم فيها", 2, 72, whole)) << whole;
        EXPECT_TRUE(finds("فادّارأتم", 2, 72, whole)) << whole;
    }
}

TEST(ArabicSearch, VerbsWithTheLettersOrdinarySpellingAdds) {
    for (bool whole : {false, true}) {
        EXPECT_TRUE(finds("سعوا في آياتنا", 34, 5, whole)) << whole;  // سَعَوۡ
        EXPECT_TRUE(finds("وعتوا عتوا كبيرا", 25, 21, whole)) << whole;
        EXPECT_TRUE(finds("ليسوءوا وجوهكم", 17, 7, whole)) << whole;  // لِيَسُـُٔواْ
        EXPECT_TRUE(finds("ليسوؤوا", 17, 7, whole)) << whole;
        EXPECT_TRUE(finds("إنا برآء منكم", 60, 4, whole)) << whole;  // بُرَءَـٰٓؤُاْ
        EXPECT_TRUE(finds("لاتخذت عليه أجرا", 18, 77, whole)) << whole;  // لَتَّخَذۡتَ
        EXPECT_TRUE(finds("وجاءوا أباهم", 12, 16, whole)) << whole;      // وَجَآءُوٓ
    }
    // لَوۡ takes no alef.
    EXPECT_FALSE(finds("لوا", 2, 20, true));
}

TEST(ArabicSearch, WordsTheMushafJoins) {
    for (bool whole : {false, true}) {
        EXPECT_TRUE(finds("قال يا ابن أم", 20, 94, whole)) << whole;  // يَبۡنَؤُمَّ
        EXPECT_TRUE(finds("ما لي لا أرى", 27, 20, whole)) << whole;   // مَالِيَ
        EXPECT_TRUE(finds("وما لي لا أعبد", 36, 22, whole)) << whole;
        EXPECT_TRUE(finds("وما منا إلا", 37, 164, whole)) << whole;  // وَمَامِنَّآ
        EXPECT_TRUE(finds("ما منا من شهيد", 41, 47, whole)) << whole;
        EXPECT_TRUE(finds("لو ما تأتينا", 15, 7, whole)) << whole;      // لَّوۡمَا
        EXPECT_TRUE(finds("وأن لو استقاموا", 72, 16, whole)) << whole;  // وَأَلَّوِ
    }
    // As the mushaf writes them, too; and each word of them alone.
    EXPECT_TRUE(finds("يبنؤم", 20, 94, true));
    EXPECT_TRUE(finds("لوما", 15, 7, true));
    EXPECT_TRUE(finds("ابن", 20, 94, true));
    EXPECT_TRUE(finds("لي", 36, 22, true));
}

TEST(ArabicSearch, WholeWordsDoNotFindOtherWords) {
    // أَنَا۠ is read أنا, and written so: it is not أن or إن.
    EXPECT_FALSE(finds("أن", 12, 69, true));
    EXPECT_FALSE(finds("إن", 20, 14, true));
    EXPECT_TRUE(finds("إني أنا أخوك", 12, 69, true));
    EXPECT_FALSE(finds("الرسول", 33, 66, true));  // ٱلرَّسُولَا۠
    EXPECT_TRUE(finds("الرسولا", 33, 66, true));
    // وَلَّوۡاْ is ولوا, never ولو.
    EXPECT_FALSE(finds("ولو", 46, 29, true));
    EXPECT_TRUE(finds("ولوا", 46, 29, true));
    // A typed ة does not meet the final ت of a verb.
    const std::pair<const char*, std::pair<int, int>> verbs[] = {
        {"خلة", {2, 134}},   {"خلة", {13, 30}}, {"حسنة", {25, 76}},
        {"صدقة", {37, 105}}, {"دعوة", {71, 5}}, {"لعنة", {7, 38}}};
    for (const auto& [typed, verse] : verbs)
        EXPECT_FALSE(finds(typed, verse.first, verse.second, true)) << typed;
    EXPECT_TRUE(finds("خلة", 2, 254, true));
    // The superscript alef after ذ is typed but in ذٰلك: كِذَّـٰبٗا is كذابا.
    EXPECT_FALSE(finds("كذبا", 78, 35, true));
    EXPECT_TRUE(finds("كذابا", 78, 35, true));
    EXPECT_TRUE(finds("كذلك", 2, 73, true));
}

TEST(ArabicSearch, NounsWithTheOpenTaMeetTaMarbuta) {
    const std::pair<const char*, std::pair<int, int>> nouns[] = {
        {"رحمة الله", {7, 56}},    {"نعمة الله", {2, 231}},   {"سنة الأولين", {8, 38}},
        {"امرأة عمران", {3, 35}},  {"لعنة الله", {3, 61}},    {"كلمة ربك", {6, 115}},
        {"بقية الله", {11, 86}},   {"شجرة الزقوم", {44, 43}}, {"وجنة نعيم", {56, 89}},
        {"فطرة الله", {30, 30}},   {"ابنة عمران", {66, 12}},  {"قرة عين", {28, 9}},
        {"ومعصية الرسول", {58, 8}}};
    for (const auto& [typed, verse] : nouns)
        EXPECT_TRUE(finds(typed, verse.first, verse.second, true)) << typed;
}

TEST(ArabicSearch, EveryVersePastedFindsItself) {
    // The verse's own text folds as what is typed the way the verse folds: every rule holds
    // alike on both sides.
    for (int v = 0; v < surah::TotalVerses; ++v) {
        const rules::ArabicQuery query(realArabic().view(v));
        ASSERT_TRUE(realIndex().holds(v, query, true))
            << surah::verseAt(v).surah << ":" << surah::verseAt(v).verse;
    }
}

TEST(ArabicSearch, RangesCoverWholeCharactersOfTheVerse) {
    const rules::ArabicScan scan = ScanArabic(realIndex(), "الله", true);
    EXPECT_EQ(markedText(scan, 1, 1), std::vector<std::u16string>{word(1, 1, 1)});
    // The hamza before the long ā and the silent alef belong to the word typed
    // (ءَامِنُواْ ... ءَامَنُواْ, words 0 and 9).
    EXPECT_EQ(markedText(ScanArabic(realIndex(), "امنوا", true), 57, 7),
              (std::vector<std::u16string>{word(57, 7, 0), word(57, 7, 9)}));
    // The pronoun's small waw sits on the last letter typed: وَرَسُولِهِۦ.
    EXPECT_EQ(markedText(ScanArabic(realIndex(), "ورسوله", true), 57, 7),
              std::vector<std::u16string>{word(57, 7, 2)});
    // Three words typed for the one the mushaf joins, يَبۡنَؤُمَّ: that word, and for one of
    // them the letters it covers.
    EXPECT_EQ(markedText(ScanArabic(realIndex(), "يا ابن أم", true), 20, 94),
              std::vector<std::u16string>{word(20, 94, 1)});
    EXPECT_EQ(markedText(ScanArabic(realIndex(), "أم", true), 20, 94),
              std::vector<std::u16string>{word(20, 94, 1).substr(6)});
    // Two words: the blank between them is inside the range.
    EXPECT_EQ(markedText(ScanArabic(realIndex(), "الرحمن الرحيم", false), 1, 1),
              std::vector<std::u16string>{word(1, 1, 2) + u' ' + word(1, 1, 3)});
    // Part of a word: the letters typed with their marks, and the superscript alef that
    // ordinary spelling leaves out after them (ٱلرَّحۡمَٰنِ).
    const std::u16string merciful = word(1, 3, 0);
    EXPECT_EQ(markedText(ScanArabic(realIndex(), "رحم", false), 1, 3),
              std::vector<std::u16string>{merciful.substr(2, merciful.size() - 4)});
    EXPECT_EQ(merciful.substr(merciful.size() - 2), u"\u0646\u0650");
}

TEST(ArabicSearch, OccurrencesOverlapAsInTheTranslationAndTheirRangesMerge) {
    FastStrList lines;
    lines.add("سَلَامٌ سَلَامٌ");
    lines.add("لَا");
    const rules::ArabicIndex index(lines);
    const rules::ArabicScan scan = ScanArabic(index, "سلام سلام", false);
    ASSERT_EQ(scan.verses.size(), 1u);
    EXPECT_EQ(scan.verses[0].occurrences, 1);
    // Each start counts; "لا" "ا" "ام" ... ranges that touch make one.
    const rules::ArabicScan letters = ScanArabic(index, "ل", false);
    ASSERT_EQ(letters.verses.size(), 2u);
    EXPECT_EQ(letters.verses[0].occurrences, 2);
    EXPECT_EQ(letters.occurrenceCount, 3);
    const rules::ArabicScan overlapping = ScanArabic(index, "سلام", false);
    EXPECT_EQ(overlapping.verses[0].ranges, (std::vector<rules::TextRun>{{0, 7}, {8, 15}}));
}

TEST(ArabicSearch, EmptyLinesAndAnEmptyTextAreIndexedAndScanned) {
    // Lines with nothing to fold: empty, blanks only, marks only, and one at the very end,
    // where its first unit is the end of the index's arrays.
    FastStrList lines;
    lines.add("");
    lines.add("سَلَامٌ");
    lines.add("   ");
    lines.add("\xD9\x8E\xD9\x8F");
    lines.add("");
    const rules::ArabicIndex index(lines);
    EXPECT_EQ(index.lineCount(), 5);
    for (bool wholeWord : {false, true}) {
        const rules::ArabicScan scan = ScanArabic(index, "سلام", wholeWord);
        ASSERT_EQ(scan.verses.size(), 1u);
        EXPECT_EQ(scan.verses[0].corpusIndex, 1);
        for (int i : {0, 2, 3, 4}) {
            EXPECT_FALSE(index.holds(i, rules::ArabicQuery("س"), wholeWord)) << i;
            EXPECT_TRUE(index.matches(i, rules::ArabicQuery("س"), wholeWord).empty()) << i;
        }
    }

    const FastStrList none;
    const rules::ArabicIndex empty(none);
    EXPECT_EQ(empty.lineCount(), 0);
    EXPECT_TRUE(empty.candidates(rules::ArabicQuery("س")).empty());
    EXPECT_EQ(ScanArabic(empty, "سلام", false).scan.hitCount, 0);
}

TEST(ArabicSearch, ResultHasTheTranslationScansShape) {
    const rules::ArabicScan scan = ScanArabic(realIndex(), "الصمد", true);
    EXPECT_EQ(scan.scan.resultSurahs, std::vector<int>{112});
    EXPECT_EQ(scan.scan.resultItems, (rules::ResultItemList{10112, at(112, 2)}));
    EXPECT_EQ(scan.scan.hitCount, 1);
    EXPECT_FALSE(scan.scan.blank);
    EXPECT_EQ(scan.occurrenceCount, 1);
    EXPECT_EQ(scan.kind, rules::arabic::SearchTextKind::Letters);

    const rules::ArabicScan god = ScanArabic(realIndex(), "الله", false);
    EXPECT_GT(god.scan.hitCount, 1500);
    int occurrences = 0;
    for (const rules::ArabicVerseHits& hits : god.verses)
        occurrences += hits.occurrences;
    EXPECT_EQ(god.occurrenceCount, occurrences);
    EXPECT_EQ(static_cast<std::size_t>(god.scan.hitCount), god.verses.size());
    EXPECT_EQ(god.scan.resultItems.size(), god.verses.size() + god.scan.resultSurahs.size());
}

TEST(ArabicSearch, WhichTextsSearchTheArabic) {
    EXPECT_TRUE(rules::IsArabicSearchText("الله"));
    EXPECT_TRUE(rules::IsArabicSearchText("allah الله"));
    EXPECT_TRUE(rules::IsArabicSearchText("\xEF\xBB\xBB"));  // a presentation form
    EXPECT_FALSE(rules::IsArabicSearchText("allah"));
    EXPECT_FALSE(rules::IsArabicSearchText("\xD9\x8E\xD9\x8F"));  // marks only
    EXPECT_FALSE(rules::IsArabicSearchText(""));
}

TEST(ArabicSearch, BadInputHasAClearOutcome) {
    using rules::arabic::SearchTextKind;
    const auto kindOf = [](const std::string& text) {
        const rules::ArabicScan scan = ScanArabic(realIndex(), text, false);
        EXPECT_EQ(scan.scan.hitCount, 0) << text;
        EXPECT_TRUE(scan.verses.empty()) << text;
        return scan.kind;
    };
    EXPECT_EQ(kindOf("\xD9\x8E\xD9\x8F\xD9\x90"), SearchTextKind::NothingToSearch);  // marks
    EXPECT_EQ(kindOf("\xD9\x80\xD9\x80\xD9\x80"), SearchTextKind::NothingToSearch);  // tatweel
    EXPECT_EQ(kindOf("  \t "), SearchTextKind::NothingToSearch);
    EXPECT_EQ(kindOf("\xDB\x9E \xDB\xA9"), SearchTextKind::NothingToSearch);  // signs only
    EXPECT_EQ(kindOf("الله allah"), SearchTextKind::ForeignLetter);
    EXPECT_EQ(kindOf("الله\xFF"), SearchTextKind::ForeignLetter);  // not UTF-8
    // A lone surrogate half pasted into the box arrives as U+FFFD: in no verse.
    EXPECT_EQ(kindOf("الله\xEF\xBF\xBD"), SearchTextKind::ForeignLetter);

    // Digits and punctuation break words: a verse pasted with its number still finds it.
    EXPECT_TRUE(ScanArabic(realIndex(), "قُلۡ هُوَ ٱللَّهُ أَحَدٌ ﴿١﴾", true).hitsOf(at(112, 1)));
    EXPECT_TRUE(ScanArabic(realIndex(), "  الله، أحد (112:1)", false).hitsOf(at(112, 1)));
    // Presentation forms, as some documents copy Arabic.
    EXPECT_TRUE(
        ScanArabic(realIndex(), "\xEF\xBA\x83\xEF\xBA\xA3\xEF\xBA\xAA", false).hitsOf(at(112, 1)));

    // 20,000 Arabic letters: longer than any verse, so found nowhere.
    std::string longText;
    for (int i = 0; i < 20000; ++i)
        longText += i % 5 == 4 ? " " : "\xD9\x84";
    const rules::ArabicScan scan = ScanArabic(realIndex(), longText, false);
    EXPECT_EQ(scan.kind, SearchTextKind::Letters);
    EXPECT_EQ(scan.scan.hitCount, 0);
}

}  // namespace
