#pragma once
// The verses whose ink reaches furthest from the baseline, in both drawn forms, as HarfBuzz
// shapes them with the program's Arabic font (1000 units to the em). The native ink test finds
// them again over the whole text; the Windows test draws them in the view and compares their
// ink with the same verses drawn with the source font's tall lines.
#include "corpus/SurahTable.h"

namespace ink {

// The highest ink of any verse, and the lowest (below the baseline).
inline constexpr int HighestInk = 1815;
inline constexpr int LowestInk = -1039;

// Every verse whose ink goes lower than 1000 units below the baseline, lowest first: 52:21
// reaches LowestInk.
inline constexpr surah::VerseRef LowestVerses[] = {{52, 21}, {28, 30}, {35, 43}, {42, 45}};
// Four of the 445 verses that reach HighestInk: the first and the last of the text, and the
// two shortest.
inline constexpr surah::VerseRef HighestVerses[] = {{2, 13}, {64, 16}, {3, 34}, {3, 163}};

}  // namespace ink
