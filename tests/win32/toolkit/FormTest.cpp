// Forms: a fixed dialog frame that keeps its client size and centres on the screen, and the
// application's message loop from show to destroy.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/PushButton.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(ToolkitForm, FixedDialogFrameKeepsItsClientSizeAndCentres) {
    Form owner;
    Form dialog(&owner);
    dialog.setClientSize(429, 291);
    dialog.changeExStyle(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, 0);
    dialog.changeStyle(0, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    dialog.setResizable(false);
    dialog.centreOnScreen();

    RECT client;
    GetClientRect(dialog.handle(), &client);
    EXPECT_EQ(client.right, 429);
    EXPECT_EQ(client.bottom, 291);
    LONG style = GetWindowLongA(dialog.handle(), GWL_STYLE);
    LONG exStyle = GetWindowLongA(dialog.handle(), GWL_EXSTYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(dialog.resizable());

    RECT outer;
    GetWindowRect(dialog.handle(), &outer);
    int w = outer.right - outer.left, h = outer.bottom - outer.top;
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - h) / 2);
    EXPECT_EQ(dialog.width(), w);
    EXPECT_EQ(GetWindow(dialog.handle(), GW_OWNER), owner.handle());
}

TEST(ToolkitForm, OuterWidthAndScreenPosition) {
    Form form;
    form.setPosition(228, 161);
    form.setClientSize(688, 450);
    RECT outer;
    GetWindowRect(form.handle(), &outer);
    EXPECT_EQ(outer.left, 228);
    EXPECT_EQ(outer.top, 161);
    EXPECT_EQ(form.width(), outer.right - outer.left);
    EXPECT_GT(form.width(), 688) << "width() is the outer width, frame included";
    EXPECT_EQ(form.clientWidth(), 688);
}

TEST(ToolkitForm, FocusGivenInTheShownEventSurvivesActivation) {
    Form form;
    form.add<PushButton>("first");
    PushButton& second = form.add<PushButton>("second");
    second.setPosition(80, 0);
    form.onShow = [&](Control&) { second.setFocus(); };
    form.show();
    SetForegroundWindow(form.handle());
    pumpPending();
    EXPECT_EQ(GetFocus(), second.handle());
    // Deactivated and activated again, the focus comes back to the same control.
    Form other;
    other.show();
    SetForegroundWindow(other.handle());
    pumpPending();
    SetForegroundWindow(form.handle());
    pumpPending();
    EXPECT_EQ(GetFocus(), second.handle());
}

struct Flag {
    bool& released;
    explicit Flag(bool& r) : released(r) {}
    ~Flag() { released = true; }
};

TEST(ToolkitForm, RunShowsLoopsUntilQuitThenDestroys) {
    Form form;
    HWND hwnd = form.handle();
    bool released = false;
    form.releaseOnDestroy(std::make_unique<Flag>(released));
    bool runningInside = false, registeredInside = false;
    int closes = 0;
    form.onShow = [&](Control& sender) {
        runningInside = Application::running();
        registeredInside = Application::mainForm() == &sender;
        static_cast<Form&>(sender).close();
    };
    form.onClose = [&](Control&, bool&) { ++closes; };
    Application::run(form);
    EXPECT_TRUE(runningInside);
    EXPECT_TRUE(registeredInside);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(Application::terminated());
    EXPECT_FALSE(Application::running());
    EXPECT_EQ(Application::mainForm(), nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(released);
    Application::setTerminated(false);
}

TEST(ToolkitForm, ProcessMessagesDrainsWithoutWaiting) {
    Form form;
    int sizes = 0;
    form.onResize = [&](Control&) { ++sizes; };
    PostMessageA(form.handle(), WM_SIZE, 0, MAKELPARAM(10, 10));
    PostMessageA(form.handle(), WM_SIZE, 0, MAKELPARAM(10, 10));
    PostQuitMessage(0);
    Application::processMessages();  // returns: nothing is left and it does not wait
    EXPECT_EQ(sizes, 2);
    EXPECT_TRUE(Application::terminated());
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    Application::setTerminated(false);
}

}  // namespace
