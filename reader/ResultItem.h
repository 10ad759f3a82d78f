#pragma once
#include <vector>

namespace rules {

// One entry of a search result: a Corpus index (0 to 10000) or, above 10000, the
// heading marker of surah (value - 10000), which comes before that surah's first hit.
using ResultItem = int;
using ResultItemList = std::vector<ResultItem>;

inline constexpr ResultItem HeadingMarkerBase = 10000;

inline constexpr ResultItem headingMarker(int surah) {
    return HeadingMarkerBase + surah;
}

inline constexpr bool isHeadingMarker(ResultItem item) {
    return item > HeadingMarkerBase;
}

inline constexpr int markedSurah(ResultItem item) {
    return item - HeadingMarkerBase;
}

}  // namespace rules
