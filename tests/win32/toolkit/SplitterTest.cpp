// The splitter between a left-aligned list and the rest, dragged with real mouse messages.
#include "tests/win32/support/PumpUntil.h"
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/Panel.h"
#include "toolkit/Splitter.h"

#include <gtest/gtest.h>

namespace {

struct SplitHost {
    Form form;
    Panel* body;
    ListBox* list;
    Splitter* splitter;
    Panel* view;
    SplitHost() {
        form.setClientSize(688, 411);
        body = &form.add<Panel>();
        body->setChildMargin(2);
        body->setAlign(Align::Client);
        list = &body->add<ListBox>();
        list->setAlign(Align::Left);
        list->setWidth(151);
        splitter = &body->add<Splitter>();
        splitter->setMinSizes(0, 0);
        splitter->setAlign(Align::Left);
        view = &body->add<Panel>(PanelEdge::Lowered);
        view->setAlign(Align::Client);
        form.show();
        pumpPending();
    }
    // Mouse messages as the window system sends them: client coordinates of the splitter
    // where it is now, for a cursor at screen column x.
    void mouse(UINT msg, int x) {
        RECT rect{};
        GetWindowRect(splitter->handle(), &rect);
        POINT point{x, rect.top + 10};
        ScreenToClient(splitter->handle(), &point);
        const WPARAM buttons = msg == WM_LBUTTONUP ? 0 : MK_LBUTTON;
        SendMessageA(splitter->handle(), msg, buttons, MAKELPARAM(point.x, point.y));
    }
    int splitterScreenX() const {
        RECT rect{};
        GetWindowRect(splitter->handle(), &rect);
        return rect.left + 1;
    }
    // Runs the thread's messages until the splitter has looked at the keyboard `looks` more
    // times (it looks at Escape on a timer while the button is held).
    void letTheSplitterLook(int looks) const {
        int seen = 0;
        pumpUntil([&] { return seen >= looks; },
                  [&](const MSG& msg) {
                      seen += msg.hwnd == splitter->handle() && msg.message == WM_TIMER ? 1 : 0;
                  });
    }
};

TEST(Splitter, SitsBetweenTheListAndTheRestWithItsLookAndCursor) {
    SplitHost host;
    EXPECT_EQ(boxInParent(host.splitter->handle()), (WindowBox{155, 2, 4, 407}));
    EXPECT_EQ(boxInParent(host.view->handle()).left, 161);
    RECT client{};
    GetClientRect(host.splitter->handle(), &client);
    POINT inside{1, 10};
    ClientToScreen(host.splitter->handle(), &inside);
    SetCursorPos(inside.x, inside.y);
    EXPECT_TRUE(SendMessageA(host.splitter->handle(), WM_SETCURSOR,
                             reinterpret_cast<WPARAM>(host.splitter->handle()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
}

TEST(Splitter, TheListWidthFollowsTheCursorAndTheRestIsLaidOutAtOnce) {
    SplitHost host;
    const int x = host.splitterScreenX();
    host.mouse(WM_LBUTTONDOWN, x);
    EXPECT_TRUE(host.splitter->dragging());
    EXPECT_EQ(GetCapture(), host.splitter->handle());
    host.mouse(WM_MOUSEMOVE, x + 40);
    EXPECT_EQ(host.list->width(), 191);
    EXPECT_EQ(boxInParent(host.splitter->handle()).left, 195);
    EXPECT_EQ(boxInParent(host.view->handle()), (WindowBox{201, 2, 485, 407}));
    host.mouse(WM_MOUSEMOVE, x - 100);
    EXPECT_EQ(host.list->width(), 51);
    // Releasing the button ends the drag where the cursor is.
    host.mouse(WM_LBUTTONUP, x - 90);
    EXPECT_EQ(host.list->width(), 61);
    EXPECT_FALSE(host.splitter->dragging());
    EXPECT_NE(GetCapture(), host.splitter->handle());
    host.mouse(WM_MOUSEMOVE, x + 200);
    EXPECT_EQ(host.list->width(), 61);
}

TEST(Splitter, TheWidthStopsAtZeroOnEitherSide) {
    SplitHost host;
    const int x = host.splitterScreenX();
    host.mouse(WM_LBUTTONDOWN, x);
    host.mouse(WM_MOUSEMOVE, x - 500);
    EXPECT_EQ(host.list->width(), 0);
    EXPECT_EQ(boxInParent(host.splitter->handle()).left, 4);
    // Far to the right the rest keeps 0 pixels: the list takes 688 less the splitter (4)
    // and four margins (8).
    host.mouse(WM_MOUSEMOVE, x + 2000);
    EXPECT_EQ(host.list->width(), 676);
    EXPECT_EQ(boxInParent(host.view->handle()).width, 0);
    host.mouse(WM_LBUTTONUP, x + 2000);
    EXPECT_EQ(host.list->width(), 676);
}

TEST(Splitter, MinimumSizesHoldBothSides) {
    SplitHost host;
    host.splitter->setMinSizes(50, 100);
    const int x = host.splitterScreenX();
    host.mouse(WM_LBUTTONDOWN, x);
    host.mouse(WM_MOUSEMOVE, x - 500);
    EXPECT_EQ(host.list->width(), 50);
    host.mouse(WM_MOUSEMOVE, x + 2000);
    EXPECT_EQ(host.list->width(), 576);
    EXPECT_EQ(boxInParent(host.view->handle()).width, 100);
    host.mouse(WM_LBUTTONUP, x + 2000);
}

TEST(Splitter, EscapeDuringTheDragRestoresTheWidthItBeganWith) {
    SplitHost host;
    const int x = host.splitterScreenX();
    host.mouse(WM_LBUTTONDOWN, x);
    host.mouse(WM_MOUSEMOVE, x + 60);
    ASSERT_EQ(host.list->width(), 211);
    // Escape held the way a keyboard holds a key, repeating its key-down, until the splitter
    // has seen it. Whenever the X server gives the window the focus (a moment after it was
    // shown, or later), Wine takes over the server's key map and lets go of every key the
    // server does not hold, an Escape from keybd_event among them; the next repeat presses
    // it again.
    EXPECT_TRUE(pumpUntil([&] {
        if (!(GetAsyncKeyState(VK_ESCAPE) & 0x8000)) {
            keybd_event(VK_ESCAPE, 0, 0, 0);
        }
        return !host.splitter->dragging();
    })) << "the drag went on with Escape held";
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    pumpPending();
    EXPECT_FALSE(host.splitter->dragging());
    EXPECT_EQ(host.list->width(), 151);
    EXPECT_EQ(boxInParent(host.view->handle()).left, 161);
    EXPECT_NE(GetCapture(), host.splitter->handle());
    // Without Escape a drag stays where it was moved to, however often the splitter looks.
    host.mouse(WM_LBUTTONDOWN, host.splitterScreenX());
    host.mouse(WM_MOUSEMOVE, host.splitterScreenX() + 30);
    host.letTheSplitterLook(3);
    EXPECT_TRUE(host.splitter->dragging());
    EXPECT_EQ(host.list->width(), 181);
    host.mouse(WM_LBUTTONUP, host.splitterScreenX());
}

}  // namespace
