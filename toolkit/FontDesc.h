// What a control's font is, as a value: controls copy their parent's FontDesc when they are
// created and build their own HFONT from it.
#pragma once

#include "toolkit/Colour.h"
#include "toolkit/Gdi.h"
#include <string>

struct FontDesc {
    std::string face = "MS Sans Serif";  // at most 31 characters reach the LOGFONT
    int height = 13;                     // positive LOGFONT height: the character cell
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    BYTE charset = DEFAULT_CHARSET;
    BYTE pitch = DEFAULT_PITCH;
    Colour colour = ColourWindowText;  // the text colour drawn with this font

    LOGFONTA logFont() const;
    FontHandle create() const;

    bool operator==(const FontDesc&) const = default;
};
