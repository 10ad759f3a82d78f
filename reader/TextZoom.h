// The sizes the reading view's text can be drawn at, in percent of its own size, and what the
// status line says when the size changes.
#pragma once

#include <array>
#include <string>

namespace rules {

inline constexpr int NormalTextZoom = 100;
inline constexpr std::array<int, 12> TextZoomSteps{50,  67,  80,  90,  100, 110,
                                                   125, 150, 175, 200, 250, 300};

// The size `steps` steps above percent (below it for a negative count), held at the smallest
// and the largest step. A size between two steps counts as the nearest step on the way.
int StepTextZoom(int percent, int steps);

// "Ukuran teks 150%".
std::string TextZoomMessage(int percent);

}  // namespace rules
