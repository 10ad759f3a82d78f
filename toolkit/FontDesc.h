// What a control's font is, as a value: controls copy their parent's FontDesc when they are
// created and build their own HFONT from it. The height is given for a 96-DPI display; the
// font is made at the DPI of the control's window, so it keeps its size on the screen.
#pragma once

#include "toolkit/Colour.h"
#include "toolkit/Gdi.h"
#include <string>

struct FontDesc {
    std::string face = "MS Sans Serif";  // at most 31 characters reach the LOGFONT
    int height = 13;                     // positive LOGFONT height at 96 DPI: the character cell
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    BYTE charset = DEFAULT_CHARSET;
    BYTE pitch = DEFAULT_PITCH;
    Colour colour = ColourWindowText;  // the text colour drawn with this font

    // At dpi, the height scaled by dpi / 96.
    LOGFONTA logFont(int dpi = 96) const;
    FontHandle create(int dpi = 96) const;

    bool operator==(const FontDesc&) const = default;
};
