// Reads what the window system really holds for a control: its rectangle in the parent's
// client coordinates, and the text extent of a font built independently of the toolkit.
#pragma once

#include <windows.h>
#include <ostream>
#include <string>

struct WindowBox {
    int left, top, width, height;
    bool operator==(const WindowBox&) const = default;
};

inline WindowBox boxInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return WindowBox{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline SIZE textExtent(const char* face, int height, int weight, const std::string& text) {
    HFONT font =
        CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return size;
}

// Dispatches whatever is queued for this thread.
inline void pumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

inline void PrintTo(const WindowBox& b, std::ostream* os) {
    *os << b.width << "x" << b.height << " at (" << b.left << ", " << b.top << ")";
}
