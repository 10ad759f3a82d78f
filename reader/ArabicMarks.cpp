#include "reader/ArabicMarks.h"

#include <algorithm>

namespace rules {

std::vector<TextRun> WholeWordRuns(std::u16string_view verse, const std::vector<TextRun>& runs) {
    std::vector<TextRun> words;
    for (const TextRun& run : runs) {
        std::size_t begin = std::min(run.begin, verse.size());
        std::size_t end = std::clamp(run.end, begin, verse.size());
        if (begin == end)
            continue;
        while (begin > 0 && verse[begin - 1] != u' ')
            --begin;
        while (end < verse.size() && verse[end] != u' ')
            ++end;
        if (!words.empty() && begin <= words.back().end)
            words.back().end = std::max(words.back().end, end);
        else
            words.push_back({begin, end});
    }
    return words;
}

std::vector<TextRun> DrawnRuns(const DrawnArabic& drawn, const std::vector<TextRun>& runs) {
    std::vector<TextRun> out;
    const std::size_t units = drawn.text.size();
    // source[k] is where drawn unit k comes from; it never decreases.
    const auto sourceBegin = drawn.source.begin();
    const auto sourceEnd = drawn.source.begin() + static_cast<std::ptrdiff_t>(units);
    for (const TextRun& run : runs) {
        // The unit that holds run.begin, and the first unit from run.end on.
        const auto first = std::upper_bound(sourceBegin, sourceEnd, run.begin);
        const std::size_t begin =
            first == sourceBegin ? 0 : static_cast<std::size_t>(first - sourceBegin - 1);
        std::size_t end = static_cast<std::size_t>(
            std::lower_bound(sourceBegin, sourceEnd, run.end) - sourceBegin);
        while (end < units && drawn.source[end] == drawn.source[end + 1])
            ++end;
        if (begin >= end)
            continue;
        if (!out.empty() && begin <= out.back().end)
            out.back().end = std::max(out.back().end, end);
        else
            out.push_back({begin, end});
    }
    return out;
}

}  // namespace rules
