#include "reader/Occurrences.h"

#include <string>

#include "reader/AsciiCase.h"
#include "reader/MatchWholeWord.h"
#include "reader/TextSearch.h"

namespace rules {

std::vector<std::size_t> FindOccurrences(std::string_view text, std::string_view pattern,
                                         bool wholeWord) {
    std::vector<std::size_t> starts;
    pattern = pattern.substr(0, pattern.find('\0'));
    if (pattern.empty() || pattern.size() > text.size())
        return starts;

    // Both sides lowered once; the neighbour test does not depend on case.
    const std::string lowerPattern = lowerAZCopy(pattern);
    const std::string lowerText = lowerAZCopy(text);
    std::size_t at = wholeWord ? findWholeWord(lowerPattern, lowerText, 0)
                               : findBytes(lowerText, lowerPattern, 0);
    while (at != std::string_view::npos) {
        starts.push_back(at);
        at = wholeWord ? findWholeWord(lowerPattern, lowerText, at + 1)
                       : findBytes(lowerText, lowerPattern, at + 1);
    }
    return starts;
}

std::vector<TextRun> CoveredRuns(const std::vector<std::size_t>& starts, std::size_t length) {
    std::vector<TextRun> runs;
    if (length == 0)
        return runs;
    for (std::size_t start : starts) {
        if (!runs.empty() && start <= runs.back().end) {
            if (start + length > runs.back().end)
                runs.back().end = start + length;
        } else {
            runs.push_back({start, start + length});
        }
    }
    return runs;
}

}  // namespace rules
