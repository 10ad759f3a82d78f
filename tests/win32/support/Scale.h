#pragma once
// The DPI the tests run at, and the layout's 96-DPI pixel values at it. The suite runs at 96
// DPI and once more, for the layout, in a Wine prefix of its own at 144 (LogPixels), where
// NURVELA_EXPECT_DPI says so; a prefix that does not give the DPI it is meant to fails the
// test that compares the two, instead of passing everything at 96.
#include <windows.h>

#include <cstdlib>

inline int testDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The DPI the run was started for: NURVELA_EXPECT_DPI, 96 without it.
inline int expectedTestDpi() {
    const char* value = std::getenv("NURVELA_EXPECT_DPI");
    return value && *value ? std::atoi(value) : 96;
}

// v pixels of a 96-DPI display at the tests' DPI, rounded as the program rounds.
inline int px(int v) {
    return MulDiv(v, testDpi(), 96);
}
