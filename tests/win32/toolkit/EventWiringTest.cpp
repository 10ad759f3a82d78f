// Slots fire once for their own message and for no other; close requests, the
// release-on-destroy list, modal runs, the end of a session and exceptions in slots.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Counts {
    int click = 0, mouseMove = 0, mouseDown = 0, keyDown = 0;
    WORD lastKey = 0;
    void wire(Control& c) {
        c.onClick = [this](Control&) { ++click; };
        c.onMouseMove = [this](Control&) { ++mouseMove; };
        c.onMouseDown = [this](Control&) { ++mouseDown; };
        c.onKeyDown = [this](Control&, WORD& key) {
            ++keyDown;
            lastKey = key;
        };
    }
};

// Leaves the process state as it found it.
class ToolkitEvents : public ::testing::Test {
protected:
    ~ToolkitEvents() override {
        Application::setMainForm(nullptr);
        Application::setTerminated(false);
        Application::setRunning(false);
        Application::setExceptionHandler(nullptr);
        Application::setExitHandler(nullptr);
        pumpPending();
        Application::setTerminated(false);
    }
};

TEST_F(ToolkitEvents, PushButtonSlotsFireOncePerOwnMessage) {
    Form form;
    form.show();
    SetForegroundWindow(form.handle());
    PushButton& first = form.add<PushButton>("Cari");
    PushButton& button = form.add<PushButton>("Tampilkan Semua");
    button.setPosition(80, 0);
    Counts n;
    bool focusedWhenClicked = false;
    n.wire(button);
    button.onClick = [&](Control& sender) {
        ++n.click;
        focusedWhenClicked = sender.focused();
    };
    first.setFocus();

    SendMessageA(button.handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(n.click, 1);
    EXPECT_TRUE(focusedWhenClicked) << "the button takes the focus before its handler runs";
    EXPECT_EQ(n.keyDown, 0);

    n = Counts{};
    n.wire(button);
    SendMessageA(button.handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(n.keyDown, 1);
    EXPECT_EQ(n.lastKey, VK_RETURN);
    EXPECT_EQ(n.click, 0);
    EXPECT_EQ(n.mouseMove, 0);

    SendMessageA(button.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(n.mouseMove, 1);
    EXPECT_EQ(n.click, 0);
    EXPECT_EQ(n.keyDown, 1);
}

TEST_F(ToolkitEvents, KeyHandlerCanSwallowTheKey) {
    Form form;
    CheckBox& check = form.add<CheckBox>("Tandai tebal");
    check.onKeyDown = [](Control&, WORD& key) {
        if (key == VK_SPACE) {
            key = 0;
        }
    };
    SendMessageA(check.handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(check.handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(check.checked());
}

TEST_F(ToolkitEvents, CheckBoxTogglesAndClicksOnce) {
    Form form;
    CheckBox& check = form.add<CheckBox>("Kata tepat sama");
    int clicks = 0;
    check.onClick = [&](Control&) { ++clicks; };
    EXPECT_FALSE(check.checked());
    SendMessageA(check.handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(check.checked());
    EXPECT_EQ(clicks, 1);
    check.setChecked(false);
    EXPECT_FALSE(check.checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitEvents, MouseDownOnlyOnTheFormsOwnSurface) {
    Form form;
    form.setClientSize(300, 200);
    Panel& header = form.add<Panel>();
    header.setHeight(39);
    header.setAlign(Align::Top);
    Label& label = header.add<Label>("info1");
    int formDowns = 0, headerDowns = 0;
    form.onMouseDown = [&](Control&) { ++formDowns; };
    header.onMouseDown = [&](Control&) { ++headerDowns; };
    SendMessageA(form.handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 100));
    SendMessageA(form.handle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 100));
    EXPECT_EQ(formDowns, 2);
    SendMessageA(header.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(label.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(formDowns, 2);
    EXPECT_EQ(headerDowns, 1);
    SendMessageA(form.handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 100));
    SendMessageA(form.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 100));
    EXPECT_EQ(formDowns, 2);
}

TEST_F(ToolkitEvents, ShowAndResizeSlots) {
    Form form;
    int shows = 0, resizes = 0;
    bool visibleWhenShown = false;
    form.onShow = [&](Control& sender) {
        ++shows;
        visibleWhenShown = sender.visible();
    };
    form.onResize = [&](Control&) { ++resizes; };
    form.setClientSize(400, 300);
    EXPECT_GE(resizes, 1);
    EXPECT_EQ(shows, 0);
    form.show();
    form.show();
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(visibleWhenShown);
    form.hide();
    form.show();
    EXPECT_EQ(shows, 2);
    int before = resizes;
    form.setPosition(50, 60);
    form.setSize(500, 300);
    EXPECT_EQ(resizes, before + 1);
}

TEST_F(ToolkitEvents, RefusedCloseKeepsTheWindowAcceptedCloseDestroysIt) {
    Form form;
    HWND hwnd = form.handle();
    int closes = 0;
    bool accept = false;
    form.onClose = [&](Control&, bool& ok) {
        ++closes;
        EXPECT_TRUE(ok) << "accept arrives preset to true";
        ok = accept;
    };
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(form.onClose) << "a refused close keeps the slot";

    accept = true;
    form.close();
    pumpPending();
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(form.onClose) << "an accepted close unhooks the slot";
    EXPECT_EQ(form.handle(), nullptr);
}

TEST_F(ToolkitEvents, AcceptedCloseOfTheMainFormPostsQuit) {
    Form main;
    Form other;
    Application::setMainForm(&main);
    SendMessageA(other.handle(), WM_CLOSE, 0, 0);
    Application::processMessages();
    EXPECT_FALSE(Application::terminated()) << "only the main form ends the loop";

    Application::setMainForm(&main);
    SendMessageA(main.handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Application::terminated());
    Application::processMessages();
    EXPECT_TRUE(Application::terminated());
}

// Records, when it dies, whether the form's controls were already gone.
struct Witness {
    Witness(std::vector<std::string>& log, HWND control, std::string name)
        : log(log), control(control), name(std::move(name)) {}
    Witness(const Witness&) = delete;
    std::vector<std::string>& log;
    HWND control;
    std::string name;
    ~Witness() { log.push_back(name + (IsWindow(control) ? " control alive" : " control gone")); }
};

TEST_F(ToolkitEvents, ReleaseListGoesAfterTheControls) {
    std::vector<std::string> log;
    {
        Form form;
        Label& label = form.add<Label>("x");
        form.releaseOnDestroy(std::make_unique<Witness>(log, label.handle(), "first"));
        Witness& second =
            form.releaseOnDestroy(std::make_unique<Witness>(log, label.handle(), "second"));
        EXPECT_EQ(second.name, "second");
        EXPECT_TRUE(log.empty());
    }
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "second control gone");
    EXPECT_EQ(log[1], "first control gone");

    // The same when the window goes by an accepted close.
    log.clear();
    Form form;
    Label& label = form.add<Label>("x");
    form.releaseOnDestroy(std::make_unique<Witness>(log, label.handle(), "closed"));
    SendMessageA(form.handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "closed control gone");
}

TEST_F(ToolkitEvents, ModalRunDisablesOwnerAndEndsOnClose) {
    Form owner;
    owner.show();
    Form dialog(&owner, "Tentang");
    int closes = 0;
    bool ownerEnabledWhileShown = true;
    dialog.onShow = [&](Control& sender) {
        ownerEnabledWhileShown = owner.enabled();
        static_cast<Form&>(sender).close();
    };
    dialog.onClose = [&](Control&, bool&) { ++closes; };
    dialog.showModal();
    EXPECT_FALSE(ownerEnabledWhileShown);
    EXPECT_TRUE(owner.enabled());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(dialog.handle())) << "the modal form is hidden, not destroyed";
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(GetWindow(dialog.handle(), GW_OWNER), owner.handle());
}

TEST_F(ToolkitEvents, ModalRunHandsAQuitOnToTheOuterLoop) {
    Form owner;
    Form dialog(&owner);
    dialog.onShow = [](Control&) { PostQuitMessage(0); };
    dialog.showModal();
    EXPECT_TRUE(owner.enabled());
    EXPECT_FALSE(Application::terminated());
    Application::processMessages();
    EXPECT_TRUE(Application::terminated());
}

TEST_F(ToolkitEvents, EndSessionDestroysTheMainWindowAtOnceAndEndsNormally) {
    auto main = std::make_unique<Form>();
    HWND hwnd = main->handle();
    Label& label = main->add<Label>("x");
    HWND labelHwnd = label.handle();
    bool closeRan = false;
    main->onClose = [&](Control&, bool&) { closeRan = true; };
    Application::setMainForm(main.get());
    Application::setRunning(true);
    int exits = 0;
    bool windowGoneAtExit = false, stateClearedAtExit = false;
    Application::setExitHandler([&] {
        ++exits;
        windowGoneAtExit = !IsWindow(hwnd) && !IsWindow(labelHwnd);
        stateClearedAtExit = !Application::running() && Application::mainForm() == nullptr;
    });
    SendMessageA(hwnd, WM_ENDSESSION, FALSE, 0);  // the session goes on
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(IsWindow(hwnd));
    SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(windowGoneAtExit);
    EXPECT_TRUE(stateClearedAtExit);
    EXPECT_FALSE(closeRan);
}

TEST_F(ToolkitEvents, ExceptionInASlotReachesTheHandlerNotTheCaller) {
    std::vector<std::string> caught;
    Application::setExceptionHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& ex) {
            caught.push_back(ex.what());
        }
    });
    Form form;
    PushButton& button = form.add<PushButton>("Cari");
    button.onClick = [](Control&) { throw std::runtime_error("from a click"); };
    Panel& panel = form.add<Panel>();
    panel.onPaint = [](Control&, HDC) { throw std::runtime_error("from a paint"); };
    bool returned = false;
    EXPECT_NO_THROW({
        SendMessageA(button.handle(), BM_CLICK, 0, 0);
        returned = true;
    });
    EXPECT_TRUE(returned);
    form.show();
    UpdateWindow(panel.handle());
    ASSERT_EQ(caught.size(), 2u);
    EXPECT_EQ(caught[0], "from a click");
    EXPECT_EQ(caught[1], "from a paint");
    // The window layer goes on working after the handler returned.
    int clicks = 0;
    button.onClick = [&](Control&) { ++clicks; };
    SendMessageA(button.handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
