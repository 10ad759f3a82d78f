// The toolbar: entries, images, tooltips and clicks, on a real common controls toolbar.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"
#include "toolkit/Toolbar.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct ToolbarHost {
    Form form;
    Panel* panel;
    Toolbar* toolbar;
    int saves = 0, selects = 0, copies = 0;
    ToolbarHost() {
        form.setClientSize(525, 200);
        panel = &form.add<Panel>(PanelEdge::Lowered);
        panel->setChildMargin(2);
        panel->setAlign(Align::Client);
        toolbar = &panel->add<Toolbar>();
        toolbar->setAlign(Align::Top);
        toolbar->addStandardImages(IDB_STD_SMALL_COLOR);
        toolbar->addStandardImages(IDB_HIST_SMALL_COLOR);
        toolbar->addSeparator();
        toolbar->addButton("Simpan", STD_FILESAVE, "Menyimpan semua yang tampil");
        toolbar->addSeparator();
        toolbar->addButton("Pilih Semua", 15 + HIST_ADDTOFAVORITES, "Pilih semua text");
        toolbar->addButton("Copy", STD_COPY, "Copy data ke clipboard");
        toolbar->onButtonClick(1, [this] { ++saves; });
        toolbar->onButtonClick(3, [this] { ++selects; });
        toolbar->onButtonClick(4, [this] { ++copies; });
        form.show();
        pumpPending();
    }
    TBBUTTON button(int index) const {
        TBBUTTON info{};
        SendMessageA(toolbar->handle(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&info));
        return info;
    }
    void click(int index) {
        const RECT rect = toolbar->buttonRect(index);
        const LPARAM centre =
            MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageA(toolbar->handle(), WM_MOUSEMOVE, 0, centre);
        SendMessageA(toolbar->handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
        SendMessageA(toolbar->handle(), WM_LBUTTONUP, 0, centre);
        pumpPending();
    }
    // What the toolbar answers when its tooltip asks for the text of entry `index`.
    std::string tipAnsi(int index) {
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom =
            reinterpret_cast<HWND>(SendMessageA(toolbar->handle(), TB_GETTOOLTIPS, 0, 0));
        info.hdr.idFrom = static_cast<UINT_PTR>(button(index).idCommand);
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(toolbar->handle(), WM_NOTIFY, info.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : (info.szText[0] ? info.szText : "");
    }
    std::wstring tipWide(int index) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom =
            reinterpret_cast<HWND>(SendMessageA(toolbar->handle(), TB_GETTOOLTIPS, 0, 0));
        info.hdr.idFrom = static_cast<UINT_PTR>(button(index).idCommand);
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageA(toolbar->handle(), WM_NOTIFY, info.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : L"";
    }
};

TEST(Toolbar, HasATooltipWindowAndStartsAfterAnIndentOfTwo) {
    ToolbarHost host;
    EXPECT_NE(SendMessageA(host.toolbar->handle(), TB_GETTOOLTIPS, 0, 0), 0);
    EXPECT_EQ(host.toolbar->buttonRect(0).left, 2);
}

TEST(Toolbar, HoldsTheFiveEntriesWithTheirImages) {
    ToolbarHost host;
    EXPECT_EQ(SendMessageA(host.toolbar->handle(), TB_BUTTONCOUNT, 0, 0), 5);
    EXPECT_EQ(host.toolbar->imageCount(), 20);  // 15 standard, then 5 history images
    for (int separator : {0, 2}) {
        EXPECT_TRUE(host.button(separator).fsStyle & BTNS_SEP);
        EXPECT_TRUE(host.toolbar->isSeparator(separator));
    }
    const int images[] = {-1, 8, -1, 18, 1};
    for (int i : {1, 3, 4}) {
        const TBBUTTON button = host.button(i);
        EXPECT_FALSE(button.fsStyle & BTNS_SEP);
        EXPECT_TRUE(button.fsStyle & BTNS_AUTOSIZE);
        EXPECT_EQ(button.iBitmap, images[i]);
        EXPECT_EQ(host.toolbar->image(i), images[i]);
    }
    // Sized to their captions: the longest caption makes the widest button.
    const auto width = [&](int i) {
        const RECT r = host.toolbar->buttonRect(i);
        return r.right - r.left;
    };
    EXPECT_GT(width(3), width(1));
    EXPECT_GT(width(1), width(4));
}

TEST(Toolbar, EachButtonHasItsTooltipAndSeparatorsNone) {
    ToolbarHost host;
    EXPECT_EQ(host.tipAnsi(1), "Menyimpan semua yang tampil");
    EXPECT_EQ(host.tipAnsi(3), "Pilih semua text");
    EXPECT_EQ(host.tipAnsi(4), "Copy data ke clipboard");
    EXPECT_EQ(host.tipWide(4), L"Copy data ke clipboard");
    EXPECT_EQ(host.toolbar->tooltip(0), "");
    EXPECT_EQ(host.toolbar->tooltip(2), "");
    host.toolbar->setTooltip(1, "Simpan ke berkas");
    EXPECT_EQ(host.tipAnsi(1), "Simpan ke berkas");
}

TEST(Toolbar, AClickRunsTheSlotOfThatButtonOnce) {
    ToolbarHost host;
    host.click(1);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.selects + host.copies, 0);
    host.click(3);
    host.click(4);
    host.click(4);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.selects, 1);
    EXPECT_EQ(host.copies, 2);
    host.click(0);  // a separator does nothing
    host.click(2);
    EXPECT_EQ(host.saves + host.selects + host.copies, 4);
}

TEST(Toolbar, TakesTheHeightOfItsButtonsAndTheWidthOfItsParent) {
    ToolbarHost host;
    const WindowBox box = boxInParent(host.toolbar->handle());
    const RECT button = host.toolbar->buttonRect(1);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 2);
    EXPECT_EQ(box.width, host.panel->clientRect().right - 4);
    EXPECT_EQ(box.height, button.bottom + button.top);
    EXPECT_GE(box.height, 22);
}

// A wrapping toolbar wraps only where its buttons, at their own widths, reach its edge: many
// buttons of different widths that fit stay on one row, and the next one that does not fit
// goes to a second.
TEST(Toolbar, AWrappingToolbarWrapsWhereItsButtonsReachItsEdge) {
    ToolbarHost host;
    host.toolbar->changeStyle(TBSTYLE_WRAPABLE, 0);
    for (const char* caption : {"A", "B", "C", "D", "E", "F"})
        host.toolbar->addButton(caption, STD_COPY);
    const int last = host.toolbar->entryCount() - 1;
    const RECT first = host.toolbar->buttonRect(1);
    const RECT end = host.toolbar->buttonRect(last);
    ASSERT_LT(end.right, host.toolbar->width()) << "the entries fit in one row";
    EXPECT_EQ(end.top, first.top);
    const int oneRow = host.toolbar->height();

    // Wide buttons until the next one cannot fit: that one starts a second row.
    while (host.toolbar->buttonRect(host.toolbar->entryCount() - 1).right +
               host.toolbar->buttonRect(3).right - host.toolbar->buttonRect(3).left <
           host.toolbar->width()) {
        host.toolbar->addButton("Pilih Semua", STD_COPY);
    }
    EXPECT_EQ(host.toolbar->buttonRect(host.toolbar->entryCount() - 1).top, first.top);
    host.toolbar->addButton("Pilih Semua", STD_COPY);
    EXPECT_GT(host.toolbar->buttonRect(host.toolbar->entryCount() - 1).top, first.top);
    EXPECT_GT(host.toolbar->height(), oneRow);
}

// The colour at (x, y) after the toolbar erased its background into a memory surface.
COLORREF erasedPixel(Toolbar& toolbar, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, toolbar.width(), toolbar.height());
    HGDIOBJ old = SelectObject(dc, surface);
    RECT all{0, 0, toolbar.width(), toolbar.height()};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SendMessageA(toolbar.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(surface);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixel;
}

TEST(Toolbar, ItsBackgroundIsItsColourOrWhenTransparentItsParents) {
    ToolbarHost host;
    const int x = host.toolbar->width() - 3;
    host.toolbar->setColour(RGB(10, 120, 30));
    EXPECT_EQ(erasedPixel(*host.toolbar, x, 3), RGB(10, 120, 30));
    host.panel->onPaint = [](Control& panel, HDC dc) {
        RECT all = panel.clientRect();
        HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
        FillRect(dc, &all, red);
        DeleteObject(red);
    };
    host.toolbar->setTransparent(true);
    EXPECT_EQ(erasedPixel(*host.toolbar, x, 3), RGB(200, 0, 0));
}

}  // namespace
