#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The rules by which an Arabic search text meets the mushaf's spelling. Both sides are folded
// into letters: the verse into units, each of which stands for one or more letters a reader
// may type there and may be one a reader leaves out; the search text into one letter per
// written letter. A search text matches where each of its letters meets a unit that stands
// for it, in order, with only units that may be left out in between. Folding is for matching
// only: every verse unit keeps where it comes from in the verse, and nothing of the verse's
// own text changes.
//
// The rules, alike for the verse and for what is typed (the verse's own text, pasted, finds
// it):
// - Vowel marks, shadda, sukun, the Qur'anic annotation signs (pause marks, the rub el hizb
//   and sajdah signs, small high letters used as signs) and tatweel are passed over, and so
//   is the thin space that carries marks in 2:72 (فَٱدَّـٰرَ ٰٔتُمۡ is one word).
// - Alef forms: ا ٱ آ and the superscript alef are alef; أ and إ are alef with hamza, which
//   also meets a plain alef (readers often leave the hamza off an alef), and a typed أ meets
//   a plain or wasla alef. The superscript alef is an alef that must be typed ("الكتاب" for
//   ٱلۡكِتَٰبُ; "الكتب" is another word), except in the words whose ordinary spelling leaves
//   it out: ذٰلك, هٰذا and its kin, لٰكن, إلٰه, أولٰئك, الرحمٰن and السمٰوٰت (both "السموات"
//   and "السماوات" find it); after ذ only in ذٰلك (كِذَّـٰبٗا is "كذابا"; "كذبا" is
//   another word). A hamza on a superscript alef is أ ("فادارأتم" for فَٱدَّـٰرَ ٰٔتُمۡ).
// - The mushaf's long ā written with و or ى and a superscript alef: وٰ without a vowel of its
//   own (صلوٰة, زكوٰة, حيوٰة, الربوٰا) meets و or ا; ىٰ inside a word (هدىٰهم, التورىٰة)
//   meets ا, and at the end of a word (علىٰ, موسىٰ) it is ى, but ا or ى in ٱلزِّنَىٰٓ
//   ("الزنا") and at the end of a lament after the vocative (يَٰحَسۡرَتَىٰ: "يا حسرتا").
// - ى and ي are one letter (a final ى is often typed ي, and the reverse). The final alef of
//   ٱلۡأَقۡصَا, لَدَا, طَغَا and تَتۡرَا, which ordinary spelling writes ى, meets both
//   ("المسجد الأقصى" finds 17:1); a tanwin's alef never does (لُّدّٗا is not "لدى").
// - Hamza: ؤ and ئ meet their seat letter (و, ي) and any hamza; a hamza that the mushaf
//   writes alone or on a tatweel (ء, ـٔ) meets any hamza and the seat the ordinary spelling
//   gives it from the vowels around it (شَيۡـًٔا as "شيئا", يَسۡـَٔلُونَ as "يسألون",
//   مَسۡـُٔولٗا as "مسؤولا", رَءُوفٞ as "رؤوف"); a hamza with fatha before an alef (ءَا,
//   أٓ, ـَٔا, and أ or ء before a superscript alef: ءَأَٰلِهَتُنَا, بُرَءَـٰٓؤُاْ) is the long ā
//   that ordinary spelling writes آ, and may be left out (ءَامَنُواْ as "آمنوا" or "امنوا";
//   "أآلهتنا", "برآء").
// - A final hamza with fathatan: after a fatha ordinary spelling puts the tanwin on its alef
//   and writes no other (خَطَـٔٗا, مَلۡجَـًٔا, مُتَّكَـٔٗا as "خطأ", "ملجأ", "متكأ"); after a
//   silent letter that joins it, it sits on ي or alef (خِطۡـٔٗا, وَطۡـٔٗا as "خطئا", "وطئا";
//   جُزۡءٗا stays "جزءا").
// - The hamza the mushaf writes in its own way: the article without its alef before a hamza
//   (لۡـَٔيۡكَةِ as "الأيكة"); the long ū's waw it leaves out before ـُٔو (لِيَسُـُٔواْ as
//   "ليسوءوا").
// - Letters the mushaf writes small or marks as never read may be typed or left out: small
//   waw and small yeh (except after the pronoun ه: بِهِۦ is "به"), small high yeh and noon,
//   an alef or yeh under the round zero (ءَامَنُواْ, لَأَاْذۡبَحَنَّهُۥ). A waw under the
//   round zero is typed (أُوْلَـٰٓئِكَ is "أولئك"), and so is the alef after the plural -aw,
//   which ordinary spelling always writes (وَلَّوۡاْ is "ولوا", never "ولو"). An alef under
//   the upright rectangular zero is read in a pause and typed (أَنَا۠ is "أنا", not "أن").
// - ة and ه are told apart ("أمة" is not "أمه"). The mushaf writes the ة of some nouns as an
//   open ta, which meets ة: رَحۡمَتَ, نِعۡمَتَ, سُنَّتُ, ٱمۡرَأَتُ, لَعۡنَتَ, كَلِمَتُ, بَقِيَّتُ,
//   شَجَرَتَ, جَنَّتُ, فِطۡرَتَ, ٱبۡنَتَ, قُرَّتُ, مَعۡصِيَتِ ("رحمة الله" finds 7:56); no
//   other final ت does ("خلة" does not find خَلَتۡ, nor "صدقة" صَدَّقۡتَ).
// - The mushaf writes one lam where ordinary spelling writes two in ٱلَّيۡل (الليل),
//   ٱلَّذَان (اللذان) and ٱلَّٰتِي (اللاتي): the second lam may be typed.
// - Words the mushaf joins: a word break may stand after the vocative يٰ and the هٰ of
//   هٰٓأنتم ("يا أيها" finds يَـٰٓأَيُّهَا, whole words as well), and inside يَبۡنَؤُمَّ
//   ("يا ابن أم"), مَالِيَ ("ما لي"), مَامِنَّا ("ما منا"), لَّوۡمَا ("لو ما") and
//   أَلَّوِ ("أن لو").
// - Letters ordinary spelling adds may be typed: the alef after the prefix in فاسأل,
//   واسألوا, after the waw of جَآءُو (جاءوا), after the plural -aw that the mushaf writes
//   without it (سَعَوۡ, عَتَوۡ as "سعوا", "عتوا"; لَوۡ and أَوۡ are no plural), and in
//   لَتَّخَذۡتَ ("لاتخذت").
namespace rules::arabic {

// What a search text can hold once folded: the letters, the hamza forms that are told apart,
// and the word break.
enum Letter : std::uint8_t {
    Alef,
    Beh,
    Teh,
    Theh,
    Jeem,
    Hah,
    Khah,
    Dal,
    Thal,
    Reh,
    Zain,
    Seen,
    Sheen,
    Sad,
    Dad,
    Tah,
    Zah,
    Ain,
    Ghain,
    Feh,
    Qaf,
    Kaf,
    Lam,
    Meem,
    Noon,
    Heh,
    Waw,
    Yeh,
    Hamza,
    AlefHamza,
    WawHamza,
    YehHamza,
    TehMarbuta,
    WordBreak,
    LetterCount
};

using LetterSet = std::uint64_t;

// A verse unit: the letters it stands for, and whether it may be left out. Units 0 to
// WordBreak stand for their own letter (a plain alef also for an alef with hamza); the
// others are the mushaf's special spellings.
struct UnitRule {
    LetterSet letters;
    bool optional;
    bool wordBreak;  // a word break, or one that may stand there
};
const UnitRule& unitRule(std::uint8_t unit);
std::size_t unitKinds();

// A verse folded: units[i] comes from the verse's UTF-16 range [begin[i], end[i]), the
// character that makes it and the marks that sit on it (several units can come from one
// character). Word breaks come from the blanks; none at either end, never two in a row.
struct FoldedVerse {
    std::vector<std::uint8_t> units;
    std::vector<std::uint32_t> begin;
    std::vector<std::uint32_t> end;
};

// Folds one verse, UTF-8. Bytes that are not UTF-8 are passed over like signs.
FoldedVerse FoldVerse(std::string_view verse);

// A search text folded. Separators (blanks and other codes up to 32, punctuation, digits of
// any script) break words, runs of them count as one, and those at either end are dropped.
enum class SearchTextKind {
    Letters,          // letters holds at least one letter
    NothingToSearch,  // only marks, tatweel, signs and separators
    ForeignLetter     // a letter of another script, or an Arabic letter the text never holds
};
struct FoldedSearch {
    SearchTextKind kind = SearchTextKind::NothingToSearch;
    std::vector<Letter> letters;
};
FoldedSearch FoldSearchText(std::string_view text);

// Whether the text holds a letter of the Arabic script (U+0620..U+064A, U+066E..U+06D5 and
// the other Arabic letter blocks, presentation forms included).
bool HoldsArabicLetter(std::string_view text);

}  // namespace rules::arabic
