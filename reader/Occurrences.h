#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace rules {

// Where the search box's text stands in a view text, the way the reading view's own find
// reports it when it is asked again and again, each time from one past the start of the
// last occurrence: overlapping occurrences are all there, the letters A to Z match without
// regard to case, and positions count characters as the view does (CR LF is two). In
// whole-word mode an occurrence counts only when the byte before it and the byte after it
// (when there are such bytes) are not alphanumeric (isAlphaNumeric); the pattern's own
// first and last bytes are not tested, so blanks and punctuation at its edges are matched
// like letters. This is the view's rule, measured on the rich edit control in use. The
// view's find takes the pattern as a C string: it ends at its first NUL, and an empty
// pattern has no occurrence. The view texts are 7-bit ASCII; no other bytes are folded.
std::vector<std::size_t> FindOccurrences(std::string_view text, std::string_view pattern,
                                         bool wholeWord);

// A stretch [begin, end) of a view text.
struct TextRun {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const TextRun&) const = default;
};

// The characters covered by the occurrences starting at starts (ascending), each length
// long, as the fewest runs: occurrences that overlap or touch make one run.
std::vector<TextRun> CoveredRuns(const std::vector<std::size_t>& starts, std::size_t length);

}  // namespace rules
