#pragma once
#include <string_view>
#include <vector>

#include "corpus/FastStrList.h"
#include "reader/ResultItem.h"

namespace rules {

// What one scan of the Corpus found.
struct SearchScan {
    bool blank = false;             // the search text held only codes 1..32: nothing scanned
    ResultItemList resultItems;     // heading marker of each surah with hits, then its hits
    std::vector<int> resultSurahs;  // surahs with at least one hit, ascending
    int hitCount = 0;               // matching verse lines
};

// True when nothing is left of text after removing leading and trailing codes 1..32.
bool isBlankSearchText(std::string_view text);

// Scans every verse line, surah by surah, for the search text exactly as typed (blanks
// around it belong to it). Substring mode finds it anywhere in the line with A..Z folded
// on both sides; whole-word mode answers like MatchWholeWord(text, line, false, 1). The
// verse reference at the start of each line is searched too. A blank search text is
// reported as blank and not scanned.
SearchScan ScanCorpus(const FastStrList& corpus, std::string_view searchText, bool wholeWord);

}  // namespace rules
