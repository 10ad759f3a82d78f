#pragma once
// A test fixture that builds the reader's real main window in the test process, hidden, as
// the program entry does, and tears it down after the test; plus readers of what the window
// system holds for a control.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "tests/win32/support/Scale.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "ui/Unit1.h"

class RealMainWindow : public testing::Test {
protected:
    void SetUp() override {
        form = CreateMainWindow(w, nullptr);
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(w->MainForm, form.get());
    }
    void TearDown() override {
        form.reset();
        Application::setTerminated(false);
        Application::setRunning(false);
    }

    MainWindow* w = nullptr;
    std::unique_ptr<Form> form;
};

struct Box {
    int left, top, width, height;
    bool operator==(const Box&) const = default;
};

inline void PrintTo(const Box& b, std::ostream* os) {
    *os << b.width << " x " << b.height << " at (" << b.left << ", " << b.top << ")";
}

// A rectangle of the layout as the program lays it out at the tests' DPI: exactly the given
// one at 96, and within a pixel of it elsewhere, where a place follows from several scaled
// and rounded values (a panel's width is the form's less the scaled widths beside it).
inline testing::AssertionResult layoutBox(const Box& actual, const Box& expected) {
    const int slack = testDpi() == 96 ? 0 : 1;
    const auto within = [slack](int a, int b) { return a - b <= slack && b - a <= slack; };
    if (within(actual.left, expected.left) && within(actual.top, expected.top) &&
        within(actual.width, expected.width) && within(actual.height, expected.height)) {
        return testing::AssertionSuccess();
    }
    std::ostringstream text;
    PrintTo(actual, &text);
    text << ", expected ";
    PrintTo(expected, &text);
    if (slack) {
        text << " within " << slack << " pixel";
    }
    return testing::AssertionFailure() << text.str();
}

// The window's rectangle in its parent's client coordinates.
inline Box boxOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return Box{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::string textOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The font the window draws with, as the window system reports it.
inline LOGFONTA fontOf(HWND hwnd) {
    LOGFONTA font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    return font;
}

inline DWORD styleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}
inline DWORD exStyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
}
