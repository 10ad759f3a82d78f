// The list box: entries, the current entry and its events, driven by real messages.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ListHost {
    Form form;
    ListBox* list;
    int selectionChanges = 0;
    int doubleClicks = 0;
    ListHost() {
        form.setClientSize(300, 300);
        list = &form.add<ListBox>();
        list->setBounds(2, 2, 151, 200);
        for (const char* name : {"1. Al-Fatihah", "2. Al-Baqarah", "3. Ali 'Imran", "4. An-Nisa"}) {
            list->add(name);
        }
        list->onSelectionChange = [this](Control& sender) {
            EXPECT_EQ(&sender, list);
            ++selectionChanges;
        };
        list->onDoubleClick = [this](Control&) { ++doubleClicks; };
        form.show();
        pumpPending();
    }
    // The list's own entry rectangle, for mouse messages.
    LPARAM pointOn(int index) const {
        RECT rect{};
        SendMessageA(list->handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    // What the list tells its parent after a selection made by the program.
    void notifySelectionChange() {
        SendMessageA(form.handle(), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(list->handle()), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list->handle()));
    }
};

TEST(ListBox, HasTheStylesOfAnExtendedSelectionList) {
    ListHost host;
    const LONG style = GetWindowLongA(host.list->handle(), GWL_STYLE);
    EXPECT_TRUE(style & LBS_EXTENDEDSEL);
    EXPECT_TRUE(style & LBS_NOINTEGRALHEIGHT);
    EXPECT_TRUE(style & LBS_NOTIFY);
    EXPECT_TRUE(GetWindowLongA(host.list->handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // The vertical scroll bar shows once the entries do not fit.
    EXPECT_FALSE(style & WS_VSCROLL);
    for (int i = 0; i < 40; ++i) {
        host.list->add("entry");
    }
    pumpPending();
    EXPECT_TRUE(GetWindowLongA(host.list->handle(), GWL_STYLE) & WS_VSCROLL);
    // Without integral height the list keeps the exact height it was given.
    EXPECT_EQ(boxInParent(host.list->handle()).height, 200);
}

TEST(ListBox, HoldsEntriesInOrder) {
    ListHost host;
    EXPECT_EQ(host.list->count(), 4);
    EXPECT_EQ(host.list->item(2), "3. Ali 'Imran");
    EXPECT_EQ(host.list->item(4), "");
    host.list->clear();
    EXPECT_EQ(host.list->count(), 0);
    EXPECT_EQ(host.list->itemIndex(), -1);
    host.list->setItemIndex(0);  // nothing to select in an empty list
    EXPECT_EQ(host.list->itemIndex(), -1);
}

TEST(ListBox, TheProgramSetsTheCurrentEntryAndTheNotificationReachesTheSlot) {
    ListHost host;
    // Nothing chosen since the list was filled: the focus rectangle is on entry 0.
    EXPECT_EQ(host.list->selectedCount(), 0);
    EXPECT_EQ(host.list->itemIndex(), 0);
    host.list->setItemIndex(2);
    EXPECT_EQ(host.list->itemIndex(), 2);
    EXPECT_EQ(host.list->selectedCount(), 1);
    EXPECT_EQ(host.selectionChanges, 0);  // a change by the program notifies nobody
    host.notifySelectionChange();
    EXPECT_EQ(host.selectionChanges, 1);
    // -1 selects nothing; the focus rectangle stays where it was.
    host.list->setItemIndex(-1);
    EXPECT_EQ(host.list->selectedCount(), 0);
    EXPECT_EQ(host.list->itemIndex(), 2);
}

TEST(ListBox, AClickSelectsAndNotifiesADoubleClickFocusesAndNotifies) {
    ListHost host;
    SetFocus(host.form.handle());
    SendMessageA(host.list->handle(), WM_LBUTTONDOWN, MK_LBUTTON, host.pointOn(1));
    SendMessageA(host.list->handle(), WM_LBUTTONUP, 0, host.pointOn(1));
    EXPECT_EQ(host.list->itemIndex(), 1);
    EXPECT_EQ(host.selectionChanges, 1);

    // A double-click as the window system delivers it: down, up, double-click, up.
    SetFocus(host.form.handle());
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        const WPARAM buttons = msg == WM_LBUTTONUP ? 0 : MK_LBUTTON;
        SendMessageA(host.list->handle(), msg, buttons, host.pointOn(3));
    }
    EXPECT_EQ(host.doubleClicks, 1);
    EXPECT_TRUE(host.list->focused());
    EXPECT_EQ(host.list->itemIndex(), 3);
}

TEST(ListBox, KeysReachTheSlotAndStillMoveTheSelection) {
    ListHost host;
    host.list->setFocus();
    host.list->setItemIndex(0);
    std::vector<WORD> keys;
    host.list->onKeyDown = [&](Control&, WORD& key) { keys.push_back(key); };
    SendMessageA(host.list->handle(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(host.list->handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(keys, (std::vector<WORD>{VK_RETURN, VK_DOWN}));
    EXPECT_EQ(host.list->itemIndex(), 1);
    EXPECT_EQ(host.selectionChanges, 1);
}

TEST(ListBox, WithSeveralSelectedTheCurrentEntryIsTheFocusedOne) {
    ListHost host;
    host.list->setFocus();
    // Click entry 0, then Shift-click entry 2: three entries selected, entry 2 focused.
    SendMessageA(host.list->handle(), WM_LBUTTONDOWN, MK_LBUTTON, host.pointOn(0));
    SendMessageA(host.list->handle(), WM_LBUTTONUP, 0, host.pointOn(0));
    SendMessageA(host.list->handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, host.pointOn(2));
    SendMessageA(host.list->handle(), WM_LBUTTONUP, MK_SHIFT, host.pointOn(2));
    EXPECT_EQ(host.list->selectedCount(), 3);
    EXPECT_TRUE(host.list->selected(1));
    EXPECT_EQ(host.list->itemIndex(), 2);
    // Ctrl-click adds entry 3 alone and makes it current.
    SendMessageA(host.list->handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, host.pointOn(3));
    SendMessageA(host.list->handle(), WM_LBUTTONUP, MK_CONTROL, host.pointOn(3));
    EXPECT_EQ(host.list->selectedCount(), 4);
    EXPECT_EQ(host.list->itemIndex(), 3);
}

TEST(ListBox, IntegralHeightCanBeTurnedOnKeepingEntriesAndSelection) {
    ListHost host;
    host.list->setItemIndex(1);
    host.list->setIntegralHeight(true);
    EXPECT_TRUE(host.list->integralHeight());
    EXPECT_EQ(host.list->count(), 4);
    EXPECT_EQ(host.list->item(3), "4. An-Nisa");
    EXPECT_EQ(host.list->itemIndex(), 1);
    host.notifySelectionChange();  // the new window still reaches the slots
    EXPECT_EQ(host.selectionChanges, 1);
}

}  // namespace
