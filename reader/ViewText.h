#pragma once
#include <string>
#include <string_view>

#include "corpus/FastStrList.h"
#include "reader/ResultItem.h"

namespace rules {

// Everything written into the reading view is a sequence of lines, each followed by
// CR LF CR LF, so that an empty line stands between lines and after the last one.
inline constexpr std::string_view ViewLineEnd = "\r\n\r\n";

void appendViewLine(std::string& out, std::string_view line);

// A view text together with the number of verse lines in it (for the status line).
struct ViewText {
    std::string text;
    int verseLines = 0;
};

// All verse lines of surah s (1..114), in order.
ViewText SurahText(const FastStrList& corpus, int s);

// The hits of surah s among the result items, in list order and without a heading.
ViewText SurahHitsText(const FastStrList& corpus, const ResultItemList& resultItems, int s);

// The whole search result: the spaced heading for every heading marker, the Corpus line
// for every other item.
std::string ResultText(const FastStrList& corpus, const ResultItemList& resultItems);

// Every verse of juz j (1..30) in order, as a result shows its hits: the spaced heading of
// each surah before its first verse in the juz, the surah the juz begins in included.
ViewText JuzText(const FastStrList& corpus, int j);

}  // namespace rules
