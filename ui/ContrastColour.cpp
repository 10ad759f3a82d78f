#include "ui/ContrastColour.h"

Colour ContrastColour(Colour c) {
    COLORREF rgb = resolveColour(c);
    auto contrast = [](unsigned channel) -> Colour { return channel <= 128 ? 255u : 0u; };
    return contrast(GetRValue(rgb)) | contrast(GetGValue(rgb)) << 8 |
           contrast(GetBValue(rgb)) << 16;
}
