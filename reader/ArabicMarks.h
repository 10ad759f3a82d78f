#pragma once
#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reader/ArabicDrawing.h"
#include "reader/Occurrences.h"

namespace rules {

// What an Arabic search shows bold: for each verse with a hit, by Corpus index, stretches of
// the verse's own text in UTF-16 code units, ascending and apart.
using ArabicMarks = std::unordered_map<int, std::vector<TextRun>>;

// The runs widened to the whole words they touch (words are parted by blanks) and merged
// where they meet. A hit inside a word makes the whole word bold: the view shapes every run
// of a paragraph on its own, and a word cut between a plain and a bold run would lose the
// joining of its letters at the cut.
std::vector<TextRun> WholeWordRuns(std::u16string_view verse, const std::vector<TextRun>& runs);

// The same runs in the drawn form of the verse: every drawn unit that comes from a covered
// part of the verse, and a unit from nothing right after one (the run end of a word that ends
// in a mark goes with the word).
std::vector<TextRun> DrawnRuns(const DrawnArabic& drawn, const std::vector<TextRun>& runs);

}  // namespace rules
