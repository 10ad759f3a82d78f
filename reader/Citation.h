#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/SurahTable.h"

namespace rules {

// The name of surah s (1..114) as a citation writes it: the display name without its
// number ("2. Al-Baqarah" gives "Al-Baqarah").
std::string_view CitationName(int s);

// The citation of a set of verses: "(QS. Al-Baqarah [2]: 255)". Verses that follow one
// another become a range ("255-257"), others are listed with ", " ("45, 153, 155"), and
// several surahs are joined with "; " ("QS. Al-Baqarah [2]: 286; QS. Al-Imron [3]: 1-2").
// Surahs and verses come in ascending order whatever the order given; a verse given twice
// counts once. Empty when there is no verse.
std::string FormatCitation(std::vector<surah::VerseRef> verses);

// What "Kutip" copies for the selection from..to of the view text (positions as the
// view counts them, clamped to the text): the selected text followed by one blank and
// the citation of every verse whose line holds a selected character; the line breaks at
// the end of the selection go, so that the citation follows the last word. A selection
// without a verse line gives the selected text alone. An empty selection stands for the
// whole verse line around it. Nothing when there is nothing to copy (an empty selection
// outside a verse line).
std::optional<std::string> CitedCopy(std::string_view text, std::size_t from, std::size_t to);

}  // namespace rules
