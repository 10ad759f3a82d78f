// What the painting controls put on the screen: panels whose onPaint replaces their fill,
// transparent labels and check boxes over a painted band, and a push button's colour.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF Band = RGB(0, 160, 0);
constexpr COLORREF PanelColour = RGB(214, 230, 248);

COLORREF pixelOf(const Control& c, int x, int y) {
    HDC dc = GetDC(c.handle());
    COLORREF p = GetPixel(dc, x, y);
    ReleaseDC(c.handle(), dc);
    return p;
}

void settle(Form& form) {
    RedrawWindow(form.handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpPending();
}

class ToolkitPaint : public ::testing::Test {
protected:
    ToolkitPaint() {
        FontDesc font = form.font();
        font.face = "Arial";
        font.height = 16;
        form.setFont(font);
        form.setPosition(0, 0);
        form.setClientSize(400, 120);
        band = &form.add<Panel>();
        band->setColour(PanelColour);
        band->setHeight(60);
        band->setAlign(Align::Top);
        band->onPaint = [this](Control& sender, HDC dc) {
            ++paints;
            BrushHandle b(CreateSolidBrush(Band));
            RECT r{0, 0, sender.width(), sender.height()};
            FillRect(dc, &r, b.get());
        };
    }
    Form form;
    Panel* band = nullptr;
    int paints = 0;
};

TEST_F(ToolkitPaint, OnPaintReplacesThePanelFill) {
    form.show();
    settle(form);
    EXPECT_GT(paints, 0);
    EXPECT_EQ(pixelOf(*band, 5, 5), Band);
    band->onPaint = nullptr;
    settle(form);
    EXPECT_EQ(pixelOf(*band, 5, 5), PanelColour);
}

TEST_F(ToolkitPaint, TransparentChildrenShowTheBand) {
    Label& opaque = band->add<Label>("info1");
    opaque.setPosition(8, 4);
    opaque.setAutoSize(true);
    Label& label = band->add<Label>("info1");
    label.setPosition(100, 4);
    label.setAutoSize(true);
    label.setFontColour(RGB(255, 255, 255));
    label.setTransparent(true);
    CheckBox& check = band->add<CheckBox>("Kata tepat sama");
    check.setPosition(200, 2);
    check.setAutoSize(true);
    check.setTransparent(true);
    form.show();
    settle(form);
    // The last column of a label is the auto-size extra: background only.
    int lx = label.width() - 1, ly = label.height() - 1;
    EXPECT_EQ(pixelOf(label, lx, ly), Band);
    EXPECT_EQ(pixelOf(opaque, opaque.width() - 1, opaque.height() - 1), PanelColour);
    // Right of the caption and in the top row of the check box: the band.
    EXPECT_EQ(pixelOf(check, check.width() - 2, 1), Band);
    EXPECT_EQ(pixelOf(check, check.width() - 2, check.height() - 2), Band);
    // Some caption ink in the font colour really was drawn on the label.
    int ink = 0;
    for (int x = 0; x < label.width(); ++x) {
        for (int y = 0; y < label.height(); ++y) {
            ink += pixelOf(label, x, y) == RGB(255, 255, 255);
        }
    }
    EXPECT_GT(ink, 10);

    // Toggling repaints the box without losing the band around it.
    SendMessageA(check.handle(), BM_CLICK, 0, 0);
    settle(form);
    EXPECT_TRUE(check.checked());
    EXPECT_EQ(pixelOf(check, check.width() - 2, 1), Band);
}

TEST_F(ToolkitPaint, OverlappingTransparentCheckBoxesKeepBothCaptions) {
    CheckBox& upper = band->add<CheckBox>("Kata tepat sama");
    upper.setPosition(10, 2);
    upper.setAutoSize(true);
    upper.setTransparent(true);
    CheckBox& lower = band->add<CheckBox>("Tandai tebal");
    lower.setPosition(10, 18);
    lower.setAutoSize(true);
    lower.setTransparent(true);
    ASSERT_GT(upper.top() + upper.height(), lower.top()) << "the boxes must overlap";
    form.show();
    settle(form);
    // Count caption ink of the lower box in the rows it shares with the upper one; the upper
    // box must not have painted its background over them.
    SIZE t = textExtent("Arial", 16, FW_NORMAL, "T");
    int firstRow = lower.height() / 2 - t.cy / 2;  // the top of the "T"
    int ink = 0;
    for (int x = 20; x < lower.width(); ++x) {
        for (int y = firstRow; y < upper.top() + upper.height() - lower.top(); ++y) {
            ink += pixelOf(lower, x, y) != Band;
        }
    }
    EXPECT_GT(ink, 3) << "the top of \"Tandai tebal\" was wiped";
}

TEST_F(ToolkitPaint, PushButtonColourShowsAndStaysThroughFocusAndPress) {
    PushButton& button = band->add<PushButton>("Cari");
    button.setBounds(168, 8, 64, 22);
    button.setFlat(true);
    form.show();
    settle(form);
    EXPECT_NE(pixelOf(button, 3, 3), RGB(255, 0, 0));
    button.setColour(RGB(255, 0, 0));
    settle(form);
    EXPECT_EQ(pixelOf(button, 3, 3), RGB(255, 0, 0));
    button.setFocus();
    SendMessageA(button.handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(pixelOf(button, 3, 3), RGB(255, 0, 0));
    SendMessageA(button.handle(), BM_SETSTATE, FALSE, 0);
    SendMessageA(button.handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(pixelOf(button, 3, 3), RGB(255, 0, 0));
}

}  // namespace

namespace {

// A child that draws transparently (the toolbar does) asks its parent to erase into the
// child's own device context; the panel must paint its surface there.
TEST(ToolkitPanel, ErasesIntoAForeignDeviceContext) {
    Form form;
    Panel& panel = form.add<Panel>();
    panel.setBounds(0, 0, 40, 20);
    panel.setColour(RGB(10, 20, 30));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 20);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 40, 20};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageA(panel.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(10, 20, 30));
    panel.onPaint = [](Control&, HDC target) {
        RECT r{0, 0, 40, 20};
        FillRect(target, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    };
    SendMessageA(panel.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

}  // namespace
