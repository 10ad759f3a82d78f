// Not a check: builds every control kind of this layer over a painted band and keeps it on
// screen for a few seconds, so a screenshot can be taken. Run with
//   --gtest_also_run_disabled_tests --gtest_filter=ToolkitLook.*
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"
#include "toolkit/SwatchButton.h"

#include <gtest/gtest.h>

namespace {

void paintBand(Control& panel, HDC dc) {
    // Blue that brightens to the right, like the reader's band.
    for (int x = 0; x < panel.width(); x += 4) {
        int t = panel.width() ? 255 * x / panel.width() : 0;
        BrushHandle b(CreateSolidBrush(RGB(98 + t / 4, 134 + t / 5, 225)));
        RECT r{x, 0, x + 4, panel.height()};
        FillRect(dc, &r, b.get());
    }
}

TEST(ToolkitLook, DISABLED_EveryControlOverABand) {
    Form form(nullptr, "Toolkit look");
    FontDesc font = form.font();
    font.face = "Arial";
    font.height = 16;
    form.setFont(font);
    form.setPosition(20, 20);
    form.setClientSize(688, 200);
    Panel& header = form.add<Panel>();
    header.setAlign(Align::Top);
    header.setHeight(39);
    header.onPaint = paintBand;
    PushButton& search = header.add<PushButton>("Cari");
    search.setBounds(168, 8, 64, 22);
    search.setFlat(true);
    search.setColour(RGB(255, 0, 0));
    PushButton& all = header.add<PushButton>("Tampilkan Semua");
    all.setBounds(232, 8, 122, 22);
    all.setFlat(true);
    SwatchButton& back = header.add<SwatchButton>("Back");
    back.setBounds(376, 8, 41, 22);
    back.setColour(RGB(214, 230, 248));
    SwatchButton& fore = header.add<SwatchButton>("Font");
    fore.setBounds(417, 8, 41, 22);
    fore.setColour(RGB(0, 0, 0));
    fore.setFontColour(RGB(255, 255, 255));
    CheckBox& whole = header.add<CheckBox>("Kata tepat sama");
    whole.setPosition(488, 2);
    whole.setAutoSize(true);
    whole.setTransparent(true);
    CheckBox& bold = header.add<CheckBox>("Tandai tebal");
    bold.setPosition(488, 18);
    bold.setAutoSize(true);
    bold.setTransparent(true);
    bold.setChecked(true);
    PushButton& about = header.add<PushButton>("??");
    about.setPosition(648, 8);
    about.setFontFace("Verdana");
    about.setAutoSize(true);
    about.setFlat(true);
    Panel& body = form.add<Panel>();
    body.setChildMargin(2);
    body.setAlign(Align::Client);
    Panel& status = body.add<Panel>();
    status.setAlign(Align::Bottom);
    status.setHeight(25);
    status.onPaint = paintBand;
    Label& first = status.add<Label>("114 Surat");
    first.setPosition(8, 4);
    first.setAutoSize(true);
    first.setFontColour(RGB(255, 255, 255));
    first.setTransparent(true);
    Label& second = status.add<Label>("6,236 Ayat");
    second.setPosition(160, 4);
    second.setAutoSize(true);
    second.setFontColour(RGB(255, 255, 255));
    second.setTransparent(true);
    Panel& view = body.add<Panel>(PanelEdge::Lowered);
    view.setAlign(Align::Client);
    view.setColour(RGB(214, 230, 248));
    Label& plain = view.add<Label>("An opaque label on a lowered panel");
    plain.setPosition(10, 10);
    plain.setAutoSize(true);
    form.show();
    second.setCaption("6,236 Ayat ( 1,234 Kata )");
    DWORD end = GetTickCount() + 8000;
    while (GetTickCount() < end) {
        Application::processMessages();
        Sleep(20);
    }
}

}  // namespace
