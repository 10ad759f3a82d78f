// Colour values as the window layer keeps them: a COLORREF 0x00BBGGRR, or, with the top bit
// set, a system colour index in the low byte that is looked up each time the colour is used,
// so a change of the desktop scheme shows at the next paint.
#pragma once

#include <windows.h>
#include <cstdint>

using Colour = std::uint32_t;

inline constexpr Colour SystemColourFlag = 0x80000000u;
inline constexpr Colour ColourBtnFace = SystemColourFlag | COLOR_BTNFACE;  // 0x8000000F
inline constexpr Colour ColourWindow = SystemColourFlag | COLOR_WINDOW;    // 0x80000005
inline constexpr Colour ColourWindowText = SystemColourFlag | COLOR_WINDOWTEXT;
inline constexpr Colour ColourBtnText = SystemColourFlag | COLOR_BTNTEXT;

constexpr bool isSystemColour(Colour c) {
    return (c & SystemColourFlag) != 0;
}

// The RGB value to hand to GDI, resolving a system colour now.
inline COLORREF resolveColour(Colour c) {
    return isSystemColour(c) ? GetSysColor(static_cast<int>(c & 0xFFu)) : (c & 0x00FFFFFFu);
}
