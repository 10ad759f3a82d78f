// The controls together on a form as a user meets them: a header with the search box, the
// list, the splitter and a framed view with the toolbar. Hovering a toolbar button shows its
// tooltip through the real tooltip window. NURVELA_LOOK_SECONDS keeps the form up for a
// screenshot.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/Panel.h"
#include "toolkit/Splitter.h"
#include "toolkit/Toolbar.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

void pumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        pumpPending();
        Sleep(10);
    }
}

TEST(ControlsLook, HoveringAToolbarButtonShowsItsTooltip) {
    Form form(nullptr, "Controls");
    FontDesc font = form.font();
    font.face = "Arial";
    font.height = 16;
    form.setFont(font);
    form.setClientSize(688, 450);
    form.setPosition(40, 40);
    Panel& header = form.add<Panel>();
    header.setAlign(Align::Top);
    header.setHeight(39);
    EditBox& search = header.add<EditBox>("Muhammad");
    search.setBounds(8, 8, 145, 22);
    search.setEdge3D(false);
    search.setColour(ColourWindow);
    Panel& body = form.add<Panel>();
    body.setChildMargin(2);
    body.setAlign(Align::Client);
    ListBox& list = body.add<ListBox>();
    list.setAlign(Align::Left);
    list.setWidth(151);
    list.setColour(RGB(214, 230, 248));
    for (int i = 1; i <= 40; ++i) {
        list.add(std::to_string(i) + ". Surat");
    }
    Splitter& splitter = body.add<Splitter>();
    splitter.setAlign(Align::Left);
    Panel& view = body.add<Panel>(PanelEdge::Lowered);
    view.setAlign(Align::Client);
    Toolbar& toolbar = view.add<Toolbar>();
    toolbar.setAlign(Align::Top);
    toolbar.addStandardImages(IDB_STD_SMALL_COLOR);
    toolbar.addStandardImages(IDB_HIST_SMALL_COLOR);
    toolbar.addSeparator();
    toolbar.addButton("Simpan", STD_FILESAVE, "Menyimpan semua yang tampil");
    toolbar.addSeparator();
    toolbar.addButton("Pilih Semua", 15 + HIST_ADDTOFAVORITES, "Pilih semua text");
    toolbar.addButton("Copy", STD_COPY, "Copy data ke clipboard");
    toolbar.setTransparent(std::getenv("NURVELA_LOOK_TRANSPARENT") != nullptr);
    form.show();
    SetForegroundWindow(form.handle());
    list.setItemIndex(2);
    pumpFor(300);

    // The cursor comes to rest on "Pilih Semua"; the toolbar relays the move to its tooltip.
    // The move is repeated now and then, as a hand on the mouse would, until the tip shows.
    const RECT button = toolbar.buttonRect(3);
    POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    const LPARAM where = MAKELPARAM(centre.x, centre.y);
    ClientToScreen(toolbar.handle(), &centre);
    HWND tip = reinterpret_cast<HWND>(SendMessageA(toolbar.handle(), TB_GETTOOLTIPS, 0, 0));
    // Shown whether or not the test's window is the active one: which window the window
    // system activates after earlier tests is not what this test is about.
    SetWindowLongA(tip, GWL_STYLE, GetWindowLongA(tip, GWL_STYLE) | TTS_ALWAYSTIP);
    const DWORD end = GetTickCount() + 10000;
    while (!IsWindowVisible(tip) && GetTickCount() < end) {
        SetForegroundWindow(form.handle());
        SetCursorPos(centre.x, centre.y);
        SendMessageA(toolbar.handle(), WM_MOUSEMOVE, 0, where);
        for (int i = 0; i < 20 && !IsWindowVisible(tip); ++i) {
            pumpFor(50);
        }
    }
    ASSERT_TRUE(IsWindowVisible(tip));
    char text[128] = {};
    GetWindowTextA(tip, text, sizeof(text));
    EXPECT_STREQ(text, "Pilih semua text");

    if (const char* seconds = std::getenv("NURVELA_LOOK_SECONDS")) {
        pumpFor(static_cast<DWORD>(std::atoi(seconds)) * 1000);
    }
}

}  // namespace
