// A form's shortcuts as the pumps run them: the exact chord only, instead of the key reaching
// the focused control, for the form the focus is in, and never while that form is disabled.
#include "toolkit/ShortcutTable.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/win32/support/Keyboard.h"
#include "toolkit/Application.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"

namespace {

class FormShortcuts : public ::testing::Test {
protected:
    FormShortcuts() : box(form.add<EditBox>()), otherBox(other.add<EditBox>()) {
        form.shortcuts.add({'G', CtrlKey}, [this] { ++ctrlG; });
        form.shortcuts.add({'G', CtrlKey | ShiftKey}, [this] { ++ctrlShiftG; });
        form.shortcuts.add({VK_ESCAPE, NoModifier}, [this] { ++escape; });
    }
    ~FormShortcuts() override {
        holdModifiers(NoModifier);
        Application::setExceptionHandler(nullptr);
    }
    // Typed into box: key-down, the character the keyboard makes of it, key-up.
    void typeG(HWND target, unsigned modifiers) { pressChord(target, 'G', modifiers); }

    Form form;
    Form other;
    EditBox& box;
    EditBox& otherBox;
    int ctrlG = 0, ctrlShiftG = 0, escape = 0;
};

TEST_F(FormShortcuts, OnlyTheExactChordRunsAndTheControlNeverSeesIt) {
    typeG(box.handle(), CtrlKey);
    EXPECT_EQ(ctrlG, 1);
    typeG(box.handle(), CtrlKey | ShiftKey);
    EXPECT_EQ(ctrlShiftG, 1);
    typeG(box.handle(), CtrlKey | AltKey);
    typeG(box.handle(), ShiftKey);
    EXPECT_EQ(ctrlG, 1);
    EXPECT_EQ(ctrlShiftG, 1);
    pressChord(box.handle(), VK_ESCAPE, NoModifier);
    EXPECT_EQ(escape, 1);
    // Shift+G was no shortcut and reached the box as a letter; the shortcuts typed nothing.
    EXPECT_EQ(box.text(), "G");
}

TEST_F(FormShortcuts, AnotherFormOrADisabledFormRunsNone) {
    typeG(otherBox.handle(), CtrlKey);
    EXPECT_EQ(ctrlG, 0);
    EnableWindow(form.handle(), FALSE);
    typeG(box.handle(), CtrlKey);
    EXPECT_EQ(ctrlG, 0);
    EnableWindow(form.handle(), TRUE);
    typeG(box.handle(), CtrlKey);
    EXPECT_EQ(ctrlG, 1);
}

TEST_F(FormShortcuts, ALaterActionReplacesAndAThrowingOneReachesTheHandler) {
    form.shortcuts.add({'G', CtrlKey}, [] { throw std::runtime_error("shortcut"); });
    std::string caught;
    Application::setExceptionHandler([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            caught = e.what();
        }
    });
    typeG(box.handle(), CtrlKey);
    EXPECT_EQ(caught, "shortcut");
    EXPECT_EQ(ctrlG, 0);
    EXPECT_EQ(box.text(), "");
}

}  // namespace
