#pragma once
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "reader/Occurrences.h"

namespace rules {

// A stretch [begin, end) of a view text made of whole entries, and the runs (indices into
// the list of runs, [firstRun, endRun)) that fall into it, in whole or in part.
struct TextPiece {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t firstRun = 0;
    std::size_t endRun = 0;
    bool operator==(const TextPiece&) const = default;
};

// How large a piece may grow: a piece takes further entries while it stays within every
// bound; a single entry above them makes a piece of its own.
struct PieceLimits {
    std::size_t characters = 0;
    std::size_t runs = 0;
    // The sum of the entries' costs (see EntryCost); no bound unless given.
    std::size_t cost = std::numeric_limits<std::size_t>::max();
};

// What an entry [begin, end) of the text, touched by `runs` of the runs, costs the view to
// take in, in whatever unit the caller's PieceLimits::cost counts.
using EntryCost = std::function<std::size_t(std::size_t begin, std::size_t end, std::size_t runs)>;

// Cuts a view text into consecutive pieces that each end right after an empty line (CR LF
// CR LF, the end of an entry) or at the end of the text, so that no entry is split. runs
// (ascending, not overlapping) are counted per entry against the limits: first for the first
// piece, later for the others; so is cost, when given, against their cost bound.
std::vector<TextPiece> CutIntoPieces(std::string_view text, const std::vector<TextRun>& runs,
                                     PieceLimits first, PieceLimits later,
                                     const EntryCost& cost = {});

// Appends text as RTF text: the RTF specials escaped, CR LF (or a lone CR or LF) as a
// paragraph mark, bytes outside printable ASCII by their hexadecimal code.
void AppendRtfText(std::string& out, std::string_view text);

// The colour the text is drawn in.
struct TextColour {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
};

// One RTF document holding the text of a piece in the given colour, the parts covered by
// runs bold and the rest not bold. Face and size are not named: the text takes them from
// where it is inserted, which is the view's own default. Each CR LF becomes a paragraph
// mark. A document that replaces the whole content of the view gets one paragraph mark more
// than the text has, because the view drops the last one of such a document.
std::string PieceRtf(std::string_view text, const TextPiece& piece,
                     const std::vector<TextRun>& runs, TextColour colour, bool wholeDocument);

}  // namespace rules
