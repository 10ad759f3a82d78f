#pragma once
#include "reader/ArabicFold.h"

// The Unicode side of the Arabic folding: the code points the rules name, and what kind of
// character each code point is. The names are Unicode's own, without "ARABIC LETTER" and
// "ARABIC".
namespace rules::arabic {

namespace unicode {

// Letters.
constexpr char32_t Hamza = 0x0621, AlefWithMaddaAbove = 0x0622, AlefWithHamzaAbove = 0x0623,
                   WawWithHamzaAbove = 0x0624, AlefWithHamzaBelow = 0x0625,
                   YehWithHamzaAbove = 0x0626, Alef = 0x0627, Beh = 0x0628, TehMarbuta = 0x0629,
                   Teh = 0x062A, Theh = 0x062B, Jeem = 0x062C, Hah = 0x062D, Khah = 0x062E,
                   Dal = 0x062F, Thal = 0x0630, Reh = 0x0631, Zain = 0x0632, Seen = 0x0633,
                   Sheen = 0x0634, Sad = 0x0635, Dad = 0x0636, Tah = 0x0637, Zah = 0x0638,
                   Ain = 0x0639, Ghain = 0x063A, Feh = 0x0641, Qaf = 0x0642, Kaf = 0x0643,
                   Lam = 0x0644, Meem = 0x0645, Noon = 0x0646, Heh = 0x0647, Waw = 0x0648,
                   AlefMaksura = 0x0649, Yeh = 0x064A, AlefWasla = 0x0671;

// Tatweel, the stroke that carries marks between letters, and the one thin space of the
// text, which carries the marks of 2:72.
constexpr char32_t Tatweel = 0x0640, ThinSpace = 0x2009;

// Marks. The text writes the sukun of a letter as the small high dotless head of khah, and
// marks a letter that is never read (the alef of ءَامَنُواْ) with U+0652 SUKUN, drawn as a
// round zero; a letter read only in a pause (the last alef of أَنَا۠) has the upright
// rectangular zero.
constexpr char32_t Fathatan = 0x064B, Dammatan = 0x064C, Kasratan = 0x064D, Fatha = 0x064E,
                   Damma = 0x064F, Kasra = 0x0650, Shadda = 0x0651, Sukun = 0x0652,
                   MaddahAbove = 0x0653, HamzaAbove = 0x0654, HamzaBelow = 0x0655,
                   SubscriptAlef = 0x0656,  // the package's open kasratan
    InvertedDamma = 0x0657,                 // the package's open fathatan
    FathaWithTwoDots = 0x065E,              // the package's open dammatan
    SuperscriptAlef = 0x0670, SmallHighSeen = 0x06DC, SmallHighRoundedZero = 0x06DF,
                   SmallHighUprightRectangularZero = 0x06E0,
                   SmallHighDotlessHeadOfKhah = 0x06E1,  // sukun
    SmallWaw = 0x06E5, SmallYeh = 0x06E6, SmallHighYeh = 0x06E7, SmallHighNoon = 0x06E8,
                   OpenFathatan = 0x08F0, OpenDammatan = 0x08F1, OpenKasratan = 0x08F2;

}  // namespace unicode

// The letter a code point is written with, folded: Arabic letters and their Persian and Urdu
// forms; LetterCount for anything else (presentation forms go through presentationBase).
Letter letterOf(char32_t c);

// The letter an Arabic presentation form (U+FE80..U+FEF4) stands for, or 0.
char32_t presentationBase(char32_t c);

// Unicode's nonspacing marks of the Arabic blocks: vowels, shadda, sukun, the superscript
// alef, the Qur'anic annotation marks. A shaper draws each on the letter before it. The small
// waw and yeh (U+06E5, U+06E6) are letters to Unicode and not among them.
bool isCombiningMark(char32_t c);

// What the folding reads as part of the letter before it: the combining marks, the small
// waw and yeh that the text writes after a letter (the pronoun's بِهِۦ), and the marks'
// presentation forms.
bool belongsToLetterBefore(char32_t c);

// Whether a letter joins the letter after it: not alef, dal, thal, reh, zain, waw, teh
// marbuta and hamza, which join only the letter before or none.
bool joinsLetterAfter(char32_t c);

// Characters that carry marks without being letters: tatweel and the thin space.
bool isCarrier(char32_t c);

// Never part of what is searched: joiners, direction marks, the byte order mark, the soft
// hyphen.
bool isIgnorable(char32_t c);

// The annotation signs that stand between or beside words: the rub el hizb and sajdah signs,
// the end of ayah.
bool isAnnotationSign(char32_t c);

// The blanks between the words of a verse.
bool isBlank(char32_t c);

// Breaks words in a search text (besides blanks): punctuation and digits of any script.
bool isSeparator(char32_t c);

// A letter of the Arabic script (U+0620..U+064A, U+066E..U+06D5 and the other Arabic letter
// blocks, presentation forms included).
bool isArabicLetter(char32_t c);

}  // namespace rules::arabic
