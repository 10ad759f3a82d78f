#pragma once
#include <cstddef>

#include "reader/ArabicFold.h"

// The words whose ordinary spelling differs from the mushaf's in a way their letters and
// marks do not tell, each listed with its letters as the verse folds them: the superscript
// alef that ordinary spelling leaves out (ذٰلك, هٰذا ...), the final alef it writes ى
// (ٱلۡأَقۡصَا), the open ta of the nouns it writes with ة (رَحۡمَتَ), and the words the mushaf
// joins or writes short (يَبۡنَؤُمَّ, مَالِيَ, لَتَّخَذۡتَ).
namespace rules::arabic {

// Rewrites the units of the word that begins at verse.units[first] and runs to the end of
// the units folded so far: a unit may come to stand for more letters or become one that may
// be left out, and units that may be left out (a letter, a word break) may be added; an added
// unit comes from the character of the unit before it. The units' ends are not yet set.
void RespellWord(FoldedVerse& verse, std::size_t first);

}  // namespace rules::arabic
