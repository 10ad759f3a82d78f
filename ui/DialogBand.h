#pragma once
// The band across the top of the reader's small windows (About, "Ke Ayat"): a navy panel
// painted with the two band bitmaps, the blue one above a thin accent line, and centred
// white labels over it.
#include <windows.h>

#include <memory>

#include "toolkit/Colour.h"

class Bitmap;
class Control;
class Label;
class Panel;

namespace band {

// The navy under the bitmaps, RGB(0, 0, 128); it shows where a bitmap is missing.
inline constexpr Colour Navy = 0x00800000;
inline constexpr Colour White = 0x00FFFFFF;

// A band bitmap from the program's resources; empty when it cannot be loaded.
std::unique_ptr<Bitmap> loadBitmap(const char* name);

// A transparent, auto-sized white label on the band, its top edge at top (given, like the
// font height, for a 96-DPI display).
Label& addLabel(Panel& band, int top, int fontHeight, int weight);

// Centred in the band, the quotient rounded toward zero: a text wider than the band gets a
// negative left edge and is clipped on both sides.
void centre(Label& label, const Panel& band);

// The upper bitmap stretched over the band but its last rows, the accent bitmap over those.
// A bitmap that is missing is not drawn.
void paint(const Control& band, HDC dc, const Bitmap* upper, const Bitmap* accent);

}  // namespace band
