// Display scaling. The program is laid out in pixels of a 96-DPI display and drawn at the DPI
// its window gets: every position, size, margin and font height is scaled by dpi / 96.
// The functions that know a window's own DPI came with later Windows versions (10 and its
// updates); they are looked up at run time, and where they are missing the system's DPI is
// the answer, as it is for every window on Windows 7 and 8.
#pragma once

#include <windows.h>

namespace scaling {

// The DPI the layout's pixel values are given in.
inline constexpr int Design = 96;

// WM_DPICHANGED (Windows 8.1 on; the headers name it only for newer targets than this one):
// the window has moved to a monitor of another DPI. wParam holds the new DPI in both words,
// lParam points to the rectangle the system suggests for the window at that DPI.
inline constexpr UINT ChangedMessage = 0x02E0;

// v, given at 96 DPI, at dpi: rounded to the nearest pixel, halves away from zero.
inline int scale(int v, int dpi) {
    return MulDiv(v, dpi, Design);
}

// The DPI of the system: what a screen device context reports (LOGPIXELSY).
int system();
// The DPI of a window's monitor where Windows tells it (GetDpiForWindow), the system's
// otherwise.
int ofWindow(HWND hwnd);
// AdjustWindowRectEx for a window at dpi: the frame of a window of a per-monitor aware
// process is drawn at its own DPI where Windows has AdjustWindowRectExForDpi.
void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// Lets the system draw the caption and frame of a top-level window at the window's own DPI
// on Windows versions whose per-monitor mode does not do so by itself. Call at WM_NCCREATE.
void scaleNonClientArea(HWND hwnd);

}  // namespace scaling
