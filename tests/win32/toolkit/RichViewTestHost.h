// What the rich-text view tests share: a visible top-level host window with the main
// window's font (Arial, 16-pixel cell), and readers of the view's state that go straight to
// the control, so the tests check what the control holds rather than what the view believes.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/RichView.h"
#include "tests/win32/support/VerseText.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>
#include <commctrl.h>
#include <cstdio>
#include <string>

class RichViewTestHost final : public Control {
public:
    RichViewTestHost() : Control(nullptr) {
        FontDesc arial;
        arial.face = "Arial";
        arial.height = 16;
        setFont(arial);
        createOwnWindow(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr);
        setBounds(20, 20, 700, 500);
        ShowWindow(handle(), SW_SHOWNOACTIVATE);
    }
};

// A plain child window inside the host, for views whose parent a test destroys.
class RichViewTestPanel final : public Control {
public:
    explicit RichViewTestPanel(Control& parent) : Control(&parent) {
        createOwnWindow(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, parent.handle());
        setBounds(0, 0, 300, 200);
    }
};

// Where no window manager runs, destroying a shown top-level window waits seconds for a
// state change that never comes; so a suite shares one host and each test adds its views.
class RichViewSuite : public testing::Test {
protected:
    static void SetUpTestSuite() { host = new RichViewTestHost; }
    static void TearDownTestSuite() {
        delete host;
        host = nullptr;
    }
    static inline RichViewTestHost* host = nullptr;
};

// Counts the WM_SETFONT messages that reach a view's window while it lives.
class SetFontCounter {
public:
    explicit SetFontCounter(HWND window) : window_(window) {
        SetWindowSubclass(window_, count, 77, reinterpret_cast<DWORD_PTR>(this));
    }
    ~SetFontCounter() { RemoveWindowSubclass(window_, count, 77); }
    int messages = 0;

private:
    static LRESULT CALLBACK count(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
        if (msg == WM_SETFONT) {
            ++reinterpret_cast<SetFontCounter*>(self)->messages;
        }
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    HWND window_;
};

// The format new text takes: the face and height of the font the view applied.
inline CHARFORMATA defaultFormatOf(const RichView& view) {
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(view.handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return format;
}

inline CHARFORMATA charFormatOf(RichView& view, LONG from, LONG to) {
    CHARRANGE range{from, to};
    SendMessageA(view.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(view.handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

inline RECT formatRectOf(const RichView& view) {
    RECT rect{};
    SendMessageA(view.handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

inline std::string textRangeOf(const RichView& view, LONG from, LONG to) {
    std::string buffer(static_cast<std::size_t>(to - from) + 1, '\0');
    TEXTRANGEA range{{from, to}, buffer.data()};
    LRESULT copied =
        SendMessageA(view.handle(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    buffer.resize(static_cast<std::size_t>(copied));
    return buffer;
}

inline COLORREF backgroundOf(const RichView& view) {
    // EM_SETBKGNDCOLOR answers with the colour it replaces; put it straight back.
    auto previous = static_cast<COLORREF>(SendMessageA(view.handle(), EM_SETBKGNDCOLOR, 0, 0));
    SendMessageA(view.handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(previous));
    return previous;
}

// About 1.2 million characters of verse lines, each followed by an empty line: the text a
// search that hits every verse puts into the reading view. Built from the translation when
// the source tree is reachable, otherwise from generated verse-like lines.
inline std::string verseText() {
    return verseText(std::string("Z:") + NURVELA_SOURCE_DIR + "/resources/quran_id.txt");
}
