#include "reader/TextZoom.h"

#include <algorithm>

namespace rules {

int StepTextZoom(int percent, int steps) {
    const auto begin = TextZoomSteps.begin();
    const auto end = TextZoomSteps.end();
    // Going up from between two steps, the first step above is one step; going down, the
    // first below.
    std::ptrdiff_t at;
    if (steps >= 0) {
        at = std::upper_bound(begin, end, percent) - begin - 1;
        if (at < 0) {
            at = 0;
            --steps;
        }
    } else {
        at = std::lower_bound(begin, end, percent) - begin;
        if (at >= static_cast<std::ptrdiff_t>(TextZoomSteps.size())) {
            at = static_cast<std::ptrdiff_t>(TextZoomSteps.size()) - 1;
            ++steps;
        }
    }
    const auto last = static_cast<std::ptrdiff_t>(TextZoomSteps.size()) - 1;
    return TextZoomSteps[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(at + steps, 0, last))];
}

std::string TextZoomMessage(int percent) {
    return "Ukuran teks " + std::to_string(percent) + "%";
}

}  // namespace rules
