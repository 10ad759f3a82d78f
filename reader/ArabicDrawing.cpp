#include "reader/ArabicDrawing.h"

#include <algorithm>

#include "reader/ArabicUnicode.h"

namespace rules {

namespace {

constexpr char16_t Alef = 0x0627;
constexpr char16_t AlefWithMaddaAbove = 0x0622;
constexpr char16_t Tatweel = 0x0640;
constexpr char16_t Dammatan = 0x064C;
constexpr char16_t MaddahAbove = 0x0653;
constexpr char16_t FathaWithTwoDots = 0x065E;  // the package's open dammatan
constexpr char16_t SuperscriptAlef = 0x0670;
constexpr char16_t SmallHighYeh = 0x06E7;
constexpr char16_t OpenDammatan = 0x08F1;
constexpr char16_t ThinSpace = 0x2009;

}  // namespace

DrawnArabic DrawArabic(std::u16string_view verse, ArabicShaper shaper) {
    const bool wine = shaper == ArabicShaper::Wine;
    DrawnArabic drawn;
    // Room for the run ends too: over the whole text, one for about every 13 units.
    drawn.text.reserve(verse.size() + verse.size() / 8);
    drawn.source.reserve(verse.size() + verse.size() / 8 + 1);
    for (std::size_t i = 0; i < verse.size(); ++i) {
        const char16_t c = verse[i];
        const char16_t next = i + 1 < verse.size() ? verse[i + 1] : u'\0';
        drawn.source.push_back(i);
        if (c == FathaWithTwoDots) {
            drawn.text += wine ? Dammatan : OpenDammatan;
        } else if (wine && c == Tatweel && (next == SuperscriptAlef || next == SmallHighYeh)) {
            drawn.text += next;
            ++i;
        } else if (wine && c == Alef && next == MaddahAbove) {
            drawn.text += AlefWithMaddaAbove;
            ++i;
        } else if (wine && c == ThinSpace && arabic::isCombiningMark(next)) {
            drawn.text += Tatweel;
        } else {
            drawn.text += c;
        }
        if (wine && arabic::isCombiningMark(drawn.text.back()) &&
            (i + 1 == verse.size() || verse[i + 1] == u' ')) {
            drawn.source.push_back(i + 1);
            drawn.text += ArabicRunEnd;
        }
    }
    drawn.source.push_back(verse.size());
    return drawn;
}

std::u16string_view SourceOfDrawnRange(const DrawnArabic& drawn, std::u16string_view verse,
                                       std::size_t begin, std::size_t end) {
    end = std::min(end, drawn.text.size());
    begin = std::min(begin, end);
    return verse.substr(drawn.source[begin], drawn.source[end] - drawn.source[begin]);
}

}  // namespace rules
