// The main window's own commands, run through the real controls: the colour choices made in
// the real colour chooser, the About button at the right edge, the red search button, the
// bands, and the window move from the form's surface.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/ui/ReaderDriver.h"
#include "tests/win32/support/ModalAnswer.h"
#include "toolkit/Bitmap.h"
#include "toolkit/ColourDialog.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"
#include "toolkit/SwatchButton.h"

namespace {

using WindowCommands = ShownReader;

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

TEST_F(WindowCommands, BackgroundChoiceColoursTheListTheViewAndTheSwatch) {
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [](HWND chooser) {
        ModalAnswer::setColour(chooser, RGB(40, 70, 100));
        ModalAnswer::press(chooser, IDOK);
    });
    click(w->BackColourButton->handle());
    ASSERT_EQ(answer.answered(), 1);

    EXPECT_EQ(w->BackColourButton->colour(), RGB(40, 70, 100));
    EXPECT_EQ(w->BackColourButton->font().colour, White) << "every channel is 128 or less";
    EXPECT_EQ(w->ReadingView->backgroundColor(), RGB(40, 70, 100));
    EXPECT_EQ(w->SurahList->colour(), RGB(40, 70, 100));
    EXPECT_EQ(w->ColourDialog->colour, RGB(40, 70, 100));
    EXPECT_EQ(w->textColour, Black) << "the text colour stays";

    // A pale choice gets a black caption.
    ModalAnswer pale(ModalAnswer::Kind::ColourChooser, [](HWND chooser) {
        EXPECT_EQ(ModalAnswer::colour(chooser), RGB(40, 70, 100)) << "starts on the last choice";
        ModalAnswer::setColour(chooser, RGB(214, 230, 248));
        ModalAnswer::press(chooser, IDOK);
    });
    click(w->BackColourButton->handle());
    EXPECT_EQ(w->BackColourButton->font().colour, Black);
}

TEST_F(WindowCommands, TextColourChoiceColoursAndSelectsTheWholeView) {
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [](HWND chooser) {
        ModalAnswer::setColour(chooser, RGB(200, 40, 40));
        ModalAnswer::press(chooser, IDOK);
    });
    click(w->FontColourButton->handle());
    ASSERT_EQ(answer.answered(), 1);

    EXPECT_EQ(w->textColour, RGB(200, 40, 40));
    EXPECT_EQ(w->FontColourButton->colour(), RGB(200, 40, 40));
    EXPECT_EQ(w->FontColourButton->font().colour, RGB(0, 255, 255));
    EXPECT_EQ(w->SurahList->font().colour, RGB(200, 40, 40));

    const int length = GetWindowTextLengthA(w->ReadingView->handle());
    const CHARRANGE selected = selection();
    EXPECT_EQ(selected.cpMin, 0);
    EXPECT_GE(selected.cpMax, length) << "the selection covers the whole text";
    const CHARFORMATA format = formatOf(0, length);
    EXPECT_TRUE(format.dwMask & CFM_COLOR);
    EXPECT_EQ(format.crTextColor, RGB(200, 40, 40));

    // Text shown later takes the chosen colour too.
    clickEntry(2);
    const CHARFORMATA later = formatOf(0, GetWindowTextLengthA(w->ReadingView->handle()));
    EXPECT_TRUE(later.dwMask & CFM_COLOR);
    EXPECT_EQ(later.crTextColor, RGB(200, 40, 40));
}

TEST_F(WindowCommands, CancellingTheChooserChangesNothing) {
    const Colour back = w->BackColourButton->colour();
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [](HWND chooser) {
        ModalAnswer::setColour(chooser, RGB(1, 2, 3));
        ModalAnswer::press(chooser, IDCANCEL);
    });
    click(w->BackColourButton->handle());
    click(w->FontColourButton->handle());
    EXPECT_EQ(answer.answered(), 2);
    EXPECT_EQ(w->BackColourButton->colour(), back);
    EXPECT_EQ(w->SurahList->colour(), back);
    EXPECT_EQ(w->textColour, Black);
    EXPECT_EQ(w->ColourDialog->colour, Black);
}

TEST_F(WindowCommands, TheAboutButtonFollowsTheRightEdge) {
    SetWindowPos(form->handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    Application::processMessages();
    EXPECT_EQ(boxOf(w->AboutButton->handle()).left, 650);
    EXPECT_EQ(boxOf(w->AboutButton->handle()).top, 8);

    SetWindowPos(form->handle(), nullptr, 0, 0, 420, 300, SWP_NOMOVE | SWP_NOZORDER);
    Application::processMessages();
    EXPECT_EQ(boxOf(w->AboutButton->handle()).left, 370);
    EXPECT_EQ(boxOf(w->AboutButton->handle()).top, 8);
}

TEST_F(WindowCommands, TheSearchButtonTurnsRedForGood) {
    EXPECT_NE(w->SearchButton->colour(), RGB(255, 0, 0));
    SendMessageA(w->SearchButton->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(w->SearchButton->colour(), RGB(255, 0, 0));
    SendMessageA(w->HeaderPanel->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 35));
    searchWithEnter("yahya");
    EXPECT_EQ(w->SearchButton->colour(), RGB(255, 0, 0));
}

// The first and last band pixels (RGB(98, 134, 225) and RGB(114, 148, 231)) stretched over
// the panel, as they show on the screen.
void expectBand(HWND panel, int y) {
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(panel, &client);
    HDC dc = GetDC(panel);
    EXPECT_EQ(GetPixel(dc, 0, y), RGB(98, 134, 225));
    EXPECT_EQ(GetPixel(dc, client.right - 1, y), RGB(114, 148, 231));
    ReleaseDC(panel, dc);
}

TEST_F(WindowCommands, TheBandsAreStretchedOverBothPanels) {
    SetForegroundWindow(form->handle());
    expectBand(w->HeaderPanel->handle(), 36);
    expectBand(w->StatusPanel->handle(), 1);

    // Once the close handler has released the band, painting draws nothing and breaks nothing.
    w->headerBitmap.reset();
    RedrawWindow(w->HeaderPanel->handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Sees the system command the form sends itself and keeps the system from running it (the
// move would wait for the real mouse).
class SysCommandWatch {
public:
    SysCommandWatch() {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, watch, nullptr, GetCurrentThreadId());
    }
    ~SysCommandWatch() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    SysCommandWatch(const SysCommandWatch&) = delete;
    SysCommandWatch& operator=(const SysCommandWatch&) = delete;
    WPARAM command = 0;

private:
    static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_SYSCOMMAND && current_) {
            current_->command = wParam;
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline SysCommandWatch* current_ = nullptr;
    HHOOK hook_ = nullptr;
};

TEST_F(WindowCommands, APressOnTheFormItselfMovesTheWindow) {
    SysCommandWatch watch;
    SendMessageA(w->HeaderPanel->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 35));
    EXPECT_EQ(watch.command, 0u) << "a press on a panel is the panel's";
    SendMessageA(form->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(watch.command, 0xF012u);
    SendMessageA(form->handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

}  // namespace
