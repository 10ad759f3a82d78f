// The dialog-answering helper itself: matching by kind and text, and what happens to a dialog
// nobody expected, and that an answer meets its dialog shown.
#include "tests/win32/support/ModalAnswer.h"

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <string>

namespace {

TEST(ModalAnswer, AnswersTheMessageBoxWithItsTextAndReadsIt) {
    std::string caption;
    ModalAnswer answer("Data yang anda cari tidak ditemukan", [&](HWND box) {
        caption = ModalAnswer::caption(box);
        EXPECT_EQ(ModalAnswer::kindOf(box), ModalAnswer::Kind::MessageBox);
        ModalAnswer::press(box, IDNO);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Data yang anda cari tidak ditemukan", "Informasi", MB_YESNO),
              IDNO);
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_EQ(caption, "Informasi");
    EXPECT_TRUE(answer.unexpected().empty());
}

TEST(ModalAnswer, ADialogNobodyExpectsIsCancelledAndReported) {
    ModalAnswer answer("another text", [](HWND box) { ModalAnswer::press(box, IDOK); });
    int result = 0;
    testing::TestPartResultArray failures;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        result = MessageBoxA(nullptr, "Unexpected box", "Informasi", MB_OKCANCEL);
    }
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(answer.answered(), 0);
    ASSERT_EQ(answer.unexpected().size(), 1u);
    EXPECT_EQ(answer.unexpected()[0], "Unexpected box");
    ASSERT_EQ(failures.size(), 1);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("Unexpected box"),
              std::string::npos);
}

TEST(ModalAnswer, TheInnermostMatchingAnswerWins) {
    int outer = 0, inner = 0;
    ModalAnswer any([&](HWND box) {
        ++outer;
        ModalAnswer::press(box, IDOK);
    });
    {
        ModalAnswer specific("second", [&](HWND box) {
            ++inner;
            ModalAnswer::press(box, IDOK);
        });
        MessageBoxA(nullptr, "second", "t", MB_OK);
        MessageBoxA(nullptr, "first", "t", MB_OK);
    }
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(outer, 1);
}

// A dialog built slowly, as a loaded machine or the first colour chooser of a process builds
// it: activated, then busy for longer than the answer's timer needs to fall due.
INT_PTR CALLBACK slowlyBuilt(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetFocus(dialog);
        Sleep(5 * USER_TIMER_MINIMUM);
        return FALSE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

TEST(ModalAnswer, TheAnswerMeetsTheDialogShownEvenWhenItsTimerFellDueFirst) {
    struct {
        DLGTEMPLATE head;
        WORD menu, windowClass, title, padding;
    } empty{};
    empty.head.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    empty.head.cx = 100;
    empty.head.cy = 40;
    bool shown = false;
    ModalAnswer answer([&](HWND dialog) {
        shown = IsWindowVisible(dialog) != FALSE;
        ModalAnswer::press(dialog, IDCANCEL);
    });
    EXPECT_EQ(
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &empty.head, nullptr, slowlyBuilt, 0),
        IDCANCEL);
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_TRUE(shown);
}

}  // namespace
