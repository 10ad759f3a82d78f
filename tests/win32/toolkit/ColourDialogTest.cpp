// The colour chooser object run through the system's real colour dialog.
#include <windows.h>
#include <colordlg.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/win32/support/ModalAnswer.h"
#include "toolkit/ColourDialog.h"

namespace {

class ColourDialogTest : public testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        dialog.owner = owner;
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
    ColourDialog dialog;
};

TEST_F(ColourDialogTest, OpensExpandedOnTheCurrentColourAndKeepsTheConfirmedOne) {
    dialog.colour = RGB(10, 20, 30);
    COLORREF shown = 0xFFFFFFFF;
    bool mixButtonEnabled = true;
    HWND dialogOwner = nullptr;
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [&](HWND chooser) {
        shown = ModalAnswer::colour(chooser);
        // Expanded from the start: the button that would expand it is disabled.
        mixButtonEnabled = IsWindowEnabled(GetDlgItem(chooser, COLOR_MIX));
        dialogOwner = GetWindow(chooser, GW_OWNER);
        ModalAnswer::setColour(chooser, RGB(200, 100, 50));
        ModalAnswer::press(chooser, IDOK);
    });
    ASSERT_TRUE(dialog.execute());
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_EQ(shown, RGB(10, 20, 30));
    EXPECT_FALSE(mixButtonEnabled);
    EXPECT_EQ(dialogOwner, owner);
    EXPECT_EQ(dialog.colour, RGB(200, 100, 50));

    // The next run starts on the colour confirmed last.
    ModalAnswer again(ModalAnswer::Kind::ColourChooser, [&](HWND chooser) {
        shown = ModalAnswer::colour(chooser);
        ModalAnswer::press(chooser, IDCANCEL);
    });
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(shown, RGB(200, 100, 50));
}

TEST_F(ColourDialogTest, TheDialogShowsTheSixteenCustomSlots) {
    for (int i = 0; i < ColourDialog::CustomSlots; ++i) {
        dialog.customColours[i] = RGB(16 * i, 255 - 8 * i, 3 * i + 1);
    }
    std::vector<COLORREF> picked;
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [&](HWND chooser) {
        for (int slot : {0, 5, 7, 8, 15}) {
            ModalAnswer::pickCustomColour(chooser, slot);
            picked.push_back(ModalAnswer::colour(chooser));
        }
        ModalAnswer::press(chooser, IDCANCEL);
    });
    EXPECT_FALSE(dialog.execute());
    const std::vector<COLORREF> expected = {dialog.customColours[0], dialog.customColours[5],
                                            dialog.customColours[7], dialog.customColours[8],
                                            dialog.customColours[15]};
    EXPECT_EQ(picked, expected);
}

TEST_F(ColourDialogTest, ACustomColourAddedInTheDialogLastsForTheNextRun) {
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [&](HWND chooser) {
        ModalAnswer::pickCustomColour(chooser, 3);
        ModalAnswer::setColour(chooser, RGB(1, 2, 3));
        SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(COLOR_ADD, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(chooser, COLOR_ADD)));
        ModalAnswer::press(chooser, IDOK);
    });
    ASSERT_TRUE(dialog.execute());
    int changed = 0;
    for (COLORREF slot : dialog.customColours) {
        changed += slot == RGB(1, 2, 3) ? 1 : 0;
    }
    EXPECT_EQ(changed, 1);
}

TEST_F(ColourDialogTest, CancelChangesNothing) {
    dialog.colour = RGB(214, 230, 248);
    const auto slots = dialog.customColours;
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [&](HWND chooser) {
        ModalAnswer::setColour(chooser, RGB(255, 0, 0));
        ModalAnswer::press(chooser, IDCANCEL);
    });
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_EQ(dialog.colour, RGB(214, 230, 248));
    EXPECT_EQ(dialog.customColours, slots);
}

}  // namespace
