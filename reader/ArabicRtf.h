#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reader/ArabicLayout.h"
#include "reader/ArabicMarks.h"
#include "reader/MarkedRtf.h"
#include "reader/Occurrences.h"

namespace rules {

// How the text is drawn with the Arabic shown: the face and size of the lines and of the
// Arabic, and the colour of both (none: the view's default colour).
struct ArabicStyle {
    std::string textFace = "Arial";
    int textHalfPoints = 21;
    std::string arabicFace = "Amiri Quran";
    int arabicHalfPoints = 42;
    bool coloured = false;
    TextColour colour;
};

// Which Arabic a document carries: as the view draws it, or the verses' own text, which is
// what anything that leaves the program carries.
enum class ArabicForm { Drawn, Source };

// One RTF document, written paragraph by paragraph. Arabic paragraphs run right to left and
// are aligned right, in the Arabic face and size; the others run left to right in the text's.
// Face, size and colour are named: the control's own defaults apply to neither.
class ArabicRtfWriter {
public:
    explicit ArabicRtfWriter(const ArabicStyle& style);
    // An Arabic line with the parts covered by runs (positions in arabic) bold.
    void arabicParagraph(std::u16string_view arabic, const std::vector<TextRun>& runs = {});
    // A line of the view text (printable ASCII) with the parts covered by runs bold; run
    // positions count from the start of the line.
    void lineParagraph(std::string_view line, const std::vector<TextRun>& runs = {});
    void emptyParagraph();
    // The document, closed. Without keepLastMark, the last paragraph ends the document
    // without a mark of its own, so that pasting it adds no empty line.
    std::string finish(bool keepLastMark = true);

private:
    void lineStart();
    const ArabicStyle& style_;
    std::string out_;
};

// The entries of piece (cut from the layout's text by CutIntoPieces) as one document: for
// every verse line its Arabic line, with what arabicMarks (when given) holds for its verse
// bold, then the line with the parts covered by runs (positions in the layout's text) bold,
// then an empty line; a line without a verse and its empty line.
std::string ArabicPieceRtf(const ArabicLayout& layout, const TextPiece& piece,
                           const std::vector<TextRun>& runs, const ArabicStyle& style,
                           ArabicForm form, const ArabicMarks* arabicMarks = nullptr);

}  // namespace rules
