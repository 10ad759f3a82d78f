#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/FastStrList.h"
#include "reader/ArabicDrawing.h"

namespace rules {

// The reading view's text with the Arabic verse above every verse line, as the Unicode view
// holds it. A view text is a sequence of entries, each a line followed by CR LF CR LF. With
// the Arabic shown, an entry whose line is a verse line becomes the verse's drawn Arabic, a
// paragraph mark, the line and two paragraph marks; any other entry (a heading) the line and
// two marks. The view counts positions in UTF-16 code units, a paragraph mark as one.
struct ArabicEntry {
    std::size_t textBegin = 0;     // where the line starts in the view text
    std::size_t lineLength = 0;    // the line without its line ends
    std::size_t viewBegin = 0;     // where the entry starts in the view
    std::size_t arabicLength = 0;  // the drawn Arabic line without its mark; 0 without one
    int corpusIndex = -1;          // the verse the line holds; -1 for other lines

    bool hasArabic() const { return corpusIndex >= 0; }
    // Where the line starts in the view, after the Arabic line and its mark.
    std::size_t viewLineBegin() const { return viewBegin + (hasArabic() ? arabicLength + 1 : 0); }
    std::size_t viewLineEnd() const { return viewLineBegin() + lineLength; }
    std::size_t viewEnd() const { return viewLineEnd() + 2; }
};

class ArabicLayout {
public:
    // text: a view text; arabic: the Arabic text, UTF-8, line i for Corpus index i. Both are
    // kept by reference and must outlive the layout.
    ArabicLayout(std::string_view text, const FastStrList& arabic, ArabicShaper shaper);

    std::string_view text() const { return text_; }
    const std::vector<ArabicEntry>& entries() const { return entries_; }
    std::size_t viewLength() const;

    // The entry that holds a position of the view or of the text; positions past the end
    // belong to the last entry. Only for a layout with entries.
    std::size_t entryAtView(std::size_t position) const;
    std::size_t entryAtText(std::size_t position) const;

    // The view position of a text position: the same place in the same line; the line ends
    // map onto the view's paragraph marks.
    std::size_t toView(std::size_t textPosition) const;
    // The text position of a view position: the same place in the same line. A position
    // inside a drawn Arabic line goes to the start of its verse's line or, towardsEnd, to the
    // line's end, so that a selection that ends in an Arabic line keeps that verse.
    std::size_t toText(std::size_t viewPosition, bool towardsEnd = false) const;

    // The verse's own Arabic text of an entry (empty without one), and as the view draws it.
    std::u16string verse(std::size_t entry) const;
    DrawnArabic drawn(std::size_t entry) const;

    // What the view range [from, to) stands for: the verses' own Arabic text wherever a drawn
    // line is covered, the lines as they are, every paragraph mark as CR LF.
    std::u16string sourceText(std::size_t from, std::size_t to) const;

private:
    std::string_view text_;
    const FastStrList* arabic_;
    ArabicShaper shaper_;
    std::vector<ArabicEntry> entries_;
};

}  // namespace rules
