#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rules {

// Who shapes the Arabic view's text. Standard: the system's own shaping on Windows, which
// draws the text as it is; only the font's gap needs filling. Wine: Wine's shaper, which also
// needs the items below. The window code tells them apart at run time.
enum class ArabicShaper { Standard, Wine };

// What the Arabic view draws for one verse, and where every drawn code unit comes from.
// These changes exist only so that the font and the shaper draw the words right; the drawn
// text never leaves the view: the clipboard, a citation and a saved file take the verse's own
// text, through source.
//
// Standard (every system, for the font):
// - U+065E (the package's open dammatan) becomes U+08F1 ARABIC OPEN DAMMATAN; Amiri Quran
//   has no glyph for U+065E and draws a box.
// Wine, in addition (for Wine's shaper):
// - U+065E becomes U+064C ARABIC DAMMATAN instead: Wine does not count U+08F1 as Arabic and
//   puts it in a run of its own, away from its letter.
// - U+0640 TATWEEL right before U+0670 SUPERSCRIPT ALEF or U+06E7 SMALL HIGH YEH is dropped:
//   Wine breaks the joining after the pair, for the rest of the line.
// - U+0627 ALEF followed by U+0653 MADDAH ABOVE becomes U+0622, the same letter composed:
//   Wine leaves a gap after the pair. The other compositions of Arabic letters with hamza
//   cannot occur in this text (its hamza above sits only on tatweel or a thin space, its
//   hamza below only under yeh and waw, which have no composed form).
// - U+2009 THIN SPACE right before a mark becomes U+0640 TATWEEL, the stroke that carries
//   the marks: Wine's shaper puts the marks after a thin space at the start of a run of their
//   own and then reads the glyph before that run (2:72, the one such place in the text;
//   the 64-bit Wine crashed there, the 32-bit one placed the marks on whatever it read).
// - A word that ends in a mark, at a blank or at the verse's end, gets ArabicRunEnd after
//   it. Wine draws a run of text whose last glyph (drawn first, at the left) is set off
//   vertically with all of the run moved by that offset once more: 88:7, whose last glyph is
//   the open kasratan below its ayn, came out 20 pixels low at 28; 2:13's last line as much
//   too high; a third of the words that end in a mark have such a last glyph. The view ends
//   its runs at the ends of words (a line, a bold word, the paragraph). ArabicRunEnd is an
//   empty mark of no width that the program's copy of the font adds and never sets off, and
//   which the itemizer keeps in the Arabic run where a joiner would go with the paragraph's
//   end. It stands for nothing in the verse.
struct DrawnArabic {
    std::u16string text;
    // source[i] is the UTF-16 offset in the verse where the code units that became text[i]
    // begin; source[text.size()] is the verse's length. It never decreases, so the drawn
    // range [b, e) comes from the verse's range [source[b], source[e]): a dropped tatweel
    // goes with the superscript alef after it, an alef and its maddah go together; a unit
    // inserted for the shaper comes from nothing (source[i] == source[i + 1]).
    std::vector<std::size_t> source;
};

// The code point of the empty mark that ends a word for Wine: U+065F, which the text never
// holds and Amiri Quran has no glyph for; the program's copy of the font draws it as nothing
// (tools/fit-arabic-font.py).
inline constexpr char16_t ArabicRunEnd = 0x065F;

DrawnArabic DrawArabic(std::u16string_view verse, ArabicShaper shaper);

// The verse's own text for the drawn range [begin, end) (clamped to the drawn text).
std::u16string_view SourceOfDrawnRange(const DrawnArabic& drawn, std::u16string_view verse,
                                       std::size_t begin, std::size_t end);

}  // namespace rules
