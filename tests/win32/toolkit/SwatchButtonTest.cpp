// The swatch button driven by real mouse messages: what it draws in each state, where its
// caption goes, and that it never takes the keyboard focus.
#include "tests/win32/support/PumpUntil.h"
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Form.h"
#include "toolkit/PushButton.h"
#include "toolkit/SwatchButton.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF Face = RGB(200, 30, 30);
constexpr COLORREF Ink = RGB(255, 255, 0);  // unlike any edge colour

LPARAM at(int x, int y) {
    return MAKELPARAM(x, y);
}

class ToolkitSwatch : public ::testing::Test {
protected:
    ToolkitSwatch() {
        FontDesc font = form.font();
        font.face = "Arial";
        font.height = 16;
        form.setFont(font);
        form.setClientSize(200, 80);
        form.setPosition(10, 10);
        other = &form.add<PushButton>("Cari");
        other->setBounds(100, 8, 64, 22);
        swatch = &form.add<SwatchButton>("Back");
        swatch->setBounds(8, 8, 41, 22);
        swatch->setColour(Face);
        swatch->setFontColour(Ink);
        swatch->onClick = [this](Control&) { ++clicks; };
        form.show();
        SetForegroundWindow(form.handle());
        other->setFocus();
        redraw();
    }

    void send(UINT msg, WPARAM wp, LPARAM lp) { SendMessageA(swatch->handle(), msg, wp, lp); }

    void redraw() {
        RedrawWindow(swatch->handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

    // Pixels of the button as it shows on the screen.
    COLORREF pixel(int x, int y) {
        HDC screen = GetDC(swatch->handle());
        COLORREF c = GetPixel(screen, x, y);
        ReleaseDC(swatch->handle(), screen);
        return c;
    }

    // Leftmost column that holds caption ink, or -1.
    int firstInkColumn() {
        for (int x = 0; x < swatch->width(); ++x) {
            for (int y = 0; y < swatch->height(); ++y) {
                if (pixel(x, y) == Ink) {
                    return x;
                }
            }
        }
        return -1;
    }
    int firstInkRow() {
        for (int y = 0; y < swatch->height(); ++y) {
            for (int x = 0; x < swatch->width(); ++x) {
                if (pixel(x, y) == Ink) {
                    return y;
                }
            }
        }
        return -1;
    }

    Form form;
    PushButton* other = nullptr;
    SwatchButton* swatch = nullptr;
    int clicks = 0;
};

TEST_F(ToolkitSwatch, RestHotPressedLooks) {
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Rest);
    // At rest there is no edge: the corner has the face colour.
    EXPECT_EQ(pixel(0, 0), Face);
    int restColumn = firstInkColumn();
    int restRow = firstInkRow();
    ASSERT_GE(restColumn, 0) << "caption not drawn in the font colour";

    send(WM_MOUSEMOVE, 0, at(5, 5));
    redraw();
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Hot);
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised: light top-left
    EXPECT_EQ(pixel(swatch->width() - 1, swatch->height() - 1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(firstInkColumn(), restColumn);

    send(WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    redraw();
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Pressed);
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));  // sunken: dark top-left
    EXPECT_EQ(pixel(swatch->width() - 1, swatch->height() - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(firstInkColumn(), restColumn + 1);
    EXPECT_EQ(firstInkRow(), restRow + 1);
    EXPECT_EQ(clicks, 0) << "the click belongs to the release";

    send(WM_LBUTTONUP, 0, at(5, 5));
    redraw();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Hot);
    EXPECT_EQ(firstInkColumn(), restColumn);

    send(WM_MOUSELEAVE, 0, 0);
    redraw();
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Rest);
    EXPECT_EQ(pixel(0, 0), Face);
}

TEST_F(ToolkitSwatch, TheRealCursorRaisesItAndLeavingDropsIt) {
    POINT p{5, 5};
    ClientToScreen(swatch->handle(), &p);
    SetCursorPos(p.x, p.y);
    pumpUntil([&] { return swatch->look() == SwatchButton::Look::Hot; });
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Hot);
    // The window system tells of the leave on its mouse-tracking timer, not at the move.
    SetCursorPos(p.x + 150, p.y + 150);  // off the button, and off the form
    pumpUntil([&] { return swatch->look() == SwatchButton::Look::Rest; });
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Rest) << "no WM_MOUSELEAVE was asked for";
}

TEST_F(ToolkitSwatch, ReleaseOutsideDoesNotClick) {
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    send(WM_MOUSEMOVE, MK_LBUTTON, at(80, 5));  // dragged off: drawn up again
    EXPECT_NE(swatch->look(), SwatchButton::Look::Pressed);
    send(WM_MOUSEMOVE, MK_LBUTTON, at(6, 6));  // and back on: pressed again
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Pressed);
    send(WM_LBUTTONUP, 0, at(80, 5));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(swatch->look(), SwatchButton::Look::Rest);
}

TEST_F(ToolkitSwatch, NeverTakesTheFocus) {
    ASSERT_TRUE(other->focused());
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    send(WM_LBUTTONUP, 0, at(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(other->focused());
    SendMessageA(swatch->handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(other->focused());
    EXPECT_FALSE(GetWindowLongA(swatch->handle(), GWL_STYLE) & WS_TABSTOP);
    // A double click is two presses of the swatch, and still no focus.
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, at(5, 5));
    send(WM_LBUTTONUP, 0, at(5, 5));
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(other->focused());
}

TEST_F(ToolkitSwatch, ColourChangeRepaints) {
    swatch->setColour(RGB(0, 0, 0));
    redraw();
    EXPECT_EQ(pixel(0, 0), RGB(0, 0, 0));
    swatch->setColour(0x80000000u | COLOR_BTNFACE);
    redraw();
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
