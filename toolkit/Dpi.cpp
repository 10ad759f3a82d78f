#include "toolkit/Dpi.h"

namespace scaling {

namespace {

// A function of user32 that older Windows versions lack, or null.
template <class Function>
Function user32(const char* name) {
    HMODULE user = GetModuleHandleA("user32.dll");
    return user ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user, name)))
                : nullptr;
}

}  // namespace

int system() {
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : Design;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return value > 0 ? value : Design;
}

int ofWindow(HWND hwnd) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = user32<GetDpiForWindow>("GetDpiForWindow");
    if (forWindow && hwnd) {
        const UINT value = forWindow(hwnd);
        if (value > 0) {
            return static_cast<int>(value);
        }
    }
    return system();
}

void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto forDpi = user32<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (forDpi && forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        return;
    }
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

void scaleNonClientArea(HWND hwnd) {
    using EnableScaling = BOOL(WINAPI*)(HWND);
    static const auto enable = user32<EnableScaling>("EnableNonClientDpiScaling");
    if (enable) {
        enable(hwnd);
    }
}

}  // namespace scaling
