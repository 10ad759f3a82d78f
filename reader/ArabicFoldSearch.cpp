#include <cstdint>

#include "corpus/Utf8.h"
#include "reader/ArabicFold.h"
#include "reader/ArabicUnicode.h"

// The folding of what is typed into letters (see reader/ArabicFold.h).
namespace rules::arabic {

namespace {

// Whether c, which text[pos] follows, carries the mark there as the verse's thin space does
// (فَٱدَّـٰرَ ٰٔتُمۡ): it is then no word break, so that the verse pasted finds itself.
bool carriesMark(char32_t c, std::string_view text, std::size_t pos) {
    if (c != unicode::ThinSpace || pos >= text.size())
        return false;
    const char32_t next = utf8::decodeAt(text, pos);
    return next != utf8::Invalid && belongsToLetterBefore(next);
}

}  // namespace

FoldedSearch FoldSearchText(std::string_view text) {
    FoldedSearch folded;
    std::vector<Letter>& out = folded.letters;
    bool lastWasMaksura = false;
    bool seated = false;  // a hamza mark now would sit on the last letter, not on a tatweel
    std::size_t maksuraAlefAt = SIZE_MAX;  // a ى followed by a superscript alef
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = utf8::decodeAt(text, pos);
        if (c == utf8::Invalid) {
            folded.kind = SearchTextKind::ForeignLetter;
            folded.letters.clear();
            return folded;
        }
        if (c >= 0xFEF5 && c <= 0xFEFC) {
            // The lam-alef ligatures: lam, then the alef form.
            out.push_back(Lam);
            out.push_back(c >= 0xFEFB ? Alef : c >= 0xFEF7 ? AlefHamza : Alef);
            lastWasMaksura = false;
            continue;
        }
        if (const char32_t b = presentationBase(c))
            c = b;
        if (isIgnorable(c))
            continue;
        const bool mark =
            belongsToLetterBefore(c) || c == unicode::Tatweel || carriesMark(c, text, pos);
        if (maksuraAlefAt != SIZE_MAX && !mark) {
            // ىٰ inside a word is alef (هدىٰهم); at its end it stays ى.
            if (letterOf(c) != LetterCount)
                out[maksuraAlefAt] = Alef;
            maksuraAlefAt = SIZE_MAX;
        }
        if (!mark && (isBlank(c) || isSeparator(c))) {
            if (!out.empty() && out.back() != WordBreak)
                out.push_back(WordBreak);
            lastWasMaksura = false;
            continue;
        }
        if (c == unicode::HamzaAbove || c == unicode::HamzaBelow) {
            // A hamza mark on its seat letter gives that seat's hamza form; on a tatweel it
            // is a hamza of its own (شَيۡـٔٗا).
            const Letter last = out.empty() || !seated ? WordBreak : out.back();
            if (last == Alef)
                out.back() = AlefHamza;
            else if (last == Waw)
                out.back() = WawHamza;
            else if (last == Yeh)
                out.back() = YehHamza;
            else if (last != AlefHamza && last != WawHamza && last != YehHamza)
                out.push_back(Hamza);
            continue;
        }
        if (c == unicode::SuperscriptAlef) {
            const std::size_t n = out.size();
            if (n && out.back() == Yeh && lastWasMaksura)
                maksuraAlefAt = n - 1;
            else if (!(seated && n >= 2 && out[n - 1] == Lam && out[n - 2] == Lam))
                out.push_back(Alef);  // but اللّٰه is written with it too (not ٱللَّـٰعِنُونَ)
            seated = true;
            continue;
        }
        if (c == unicode::Tatweel || (mark && !belongsToLetterBefore(c)))
            seated = false;
        if (mark || isAnnotationSign(c))
            continue;
        const Letter l = letterOf(c);
        if (l == LetterCount) {
            folded.kind = SearchTextKind::ForeignLetter;
            folded.letters.clear();
            return folded;
        }
        out.push_back(l);
        lastWasMaksura = c == unicode::AlefMaksura;
        seated = true;
    }
    if (!out.empty() && out.back() == WordBreak)
        out.pop_back();
    folded.kind = out.empty() ? SearchTextKind::NothingToSearch : SearchTextKind::Letters;
    return folded;
}

bool HoldsArabicLetter(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = utf8::decodeAt(text, pos);
        if (c == utf8::Invalid) {
            ++pos;
            continue;
        }
        if (isArabicLetter(c))
            return true;
    }
    return false;
}

}  // namespace rules::arabic
