#include "reader/SearchScan.h"

#include <string>

#include "corpus/SurahTable.h"
#include "reader/AsciiCase.h"
#include "reader/MatchWholeWord.h"
#include "reader/TextSearch.h"

namespace rules {

namespace {

bool isSeparator(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

}  // namespace

bool isBlankSearchText(std::string_view text) {
    for (char c : text) {
        if (!isSeparator(c))
            return false;
    }
    return true;
}

SearchScan ScanCorpus(const FastStrList& corpus, std::string_view searchText, bool wholeWord) {
    SearchScan scan;
    if (isBlankSearchText(searchText)) {
        scan.blank = true;
        return scan;
    }

    // Both modes compare lowered pattern and lowered line; the pattern is lowered once
    // and every line into one reused buffer, which gives the same answers as lowering
    // copies per line (the neighbour test of whole words does not depend on case).
    const std::string pattern = lowerAZCopy(searchText);
    std::string line;
    const int lineCount = corpus.count();

    for (int s = 1; s <= surah::SurahCount; ++s) {
        bool surahHasHit = false;
        const int end = surah::start(s + 1) < lineCount ? surah::start(s + 1) : lineCount;
        for (int v = surah::start(s); v < end; ++v) {
            const std::string_view text = corpus.view(v);
            assignLowerAZ(line, text);
            const bool hit = wholeWord ? findWholeWord(pattern, line, 0) != std::string_view::npos
                                       : findBytes(line, pattern) != std::string_view::npos;
            if (!hit)
                continue;
            if (!surahHasHit) {
                surahHasHit = true;
                scan.resultSurahs.push_back(s);
                scan.resultItems.push_back(headingMarker(s));
            }
            scan.resultItems.push_back(v);
            ++scan.hitCount;
        }
    }
    return scan;
}

}  // namespace rules
