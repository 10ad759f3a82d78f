#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "corpus/SurahTable.h"

// The reader's place in the mushaf, as the window writes it: the juz in the list, and the juz
// and page of the verse at the top of the view.
namespace rules {

// "Juz 2 (2:142)": the list's entry for juz j (1..30), with the verse it starts at.
std::string JuzListEntry(int j);

// "Juz 2, hal. 22": the juz and the page of the Madinah mushaf that hold the verse at Corpus
// index (0..6235).
std::string PlaceText(int index);

// The verse of the line that holds position in a view text; when that line holds no verse (a
// heading, an empty line), the first verse line after it. Nothing when none follows.
std::optional<surah::VerseRef> VerseFrom(std::string_view text, std::size_t position);

}  // namespace rules
