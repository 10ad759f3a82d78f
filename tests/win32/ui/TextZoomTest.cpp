// The reading view's text size on the real main window: the keys and the wheel that change
// it, the verse at the top and the selection kept across a change, a change while the pieces
// of a result arrive, and what leaves the program (the clipboard, a saved file) at its own
// size whatever the size on the screen.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>

#include "corpus/MemoryStream.h"
#include "reader/ViewText.h"
#include "tests/win32/support/ClipboardText.h"
#include "tests/win32/support/Keyboard.h"
#include "tests/win32/support/PumpUntil.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "toolkit/Panel.h"
#include "toolkit/Toolbar.h"

namespace {

class TextZoom : public ShownReader {
protected:
    // The control's zoom as a fraction; 0/0 is none.
    std::pair<int, int> controlZoom() const {
        WPARAM numerator = 0;
        LPARAM denominator = 0;
        SendMessageA(w->ReadingView->handle(), EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator),
                     reinterpret_cast<LPARAM>(&denominator));
        return {static_cast<int>(numerator), static_cast<int>(denominator)};
    }
    // The zoom the control draws with, in percent (100 without one).
    int drawnPercent() const {
        const auto [numerator, denominator] = controlZoom();
        return denominator == 0 ? 100 : numerator * 100 / denominator;
    }
    void press(WORD key, unsigned modifiers) { pressChord(w->SearchBox->handle(), key, modifiers); }
    void wheel(int delta, bool ctrl) {
        holdModifiers(ctrl ? CtrlKey : NoModifier);
        RECT r{};
        GetWindowRect(w->ReadingView->handle(), &r);
        const WPARAM keys = MAKEWPARAM(ctrl ? MK_CONTROL : 0, static_cast<WORD>(delta));
        SendMessageA(w->ReadingView->handle(), WM_MOUSEWHEEL, keys,
                     MAKELPARAM(r.left + 20, r.top + 20));
        Application::processMessages();
        holdModifiers(NoModifier);
    }
    int firstVisible() const { return w->ReadingView->firstVisiblePosition(); }
    std::string savedRtf() {
        MemoryStream out;
        EXPECT_TRUE(w->ReadingView->streamOut(out, StreamFormat::Rtf));
        return std::string(out.data(), static_cast<std::size_t>(out.size()));
    }
    std::string clipboardRtf() {
        std::string rtf;
        const UINT format = RegisterClipboardFormatA("Rich Text Format");
        if (!OpenClipboard(nullptr))
            return "(clipboard busy)";
        if (HANDLE data = GetClipboardData(format)) {
            if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
                rtf.assign(chars, GlobalSize(data));
                rtf.resize(rtf.find('\0') == std::string::npos ? rtf.size() : rtf.find('\0'));
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return rtf;
    }
};

TEST_F(TextZoom, TheKeysStepTheSizeUpDownAndBackTo100) {
    EXPECT_EQ(w->textZoom, 100);
    EXPECT_EQ(controlZoom(), (std::pair{0, 0})) << "no zoom at all at the start";
    press(VK_OEM_PLUS, CtrlKey);  // Ctrl+=
    EXPECT_EQ(w->textZoom, 110);
    EXPECT_EQ(drawnPercent(), 110);
    press(VK_OEM_PLUS, CtrlKey | ShiftKey);  // Ctrl++
    EXPECT_EQ(w->textZoom, 125);
    press(VK_ADD, CtrlKey);  // the keypad's +
    EXPECT_EQ(w->textZoom, 150);
    EXPECT_EQ(drawnPercent(), 150);
    press(VK_OEM_MINUS, CtrlKey);
    EXPECT_EQ(w->textZoom, 125);
    press(VK_SUBTRACT, CtrlKey);
    EXPECT_EQ(w->textZoom, 110);
    press('0', CtrlKey);
    EXPECT_EQ(w->textZoom, 100);
    EXPECT_EQ(controlZoom(), (std::pair{0, 0})) << "100 % is no zoom, not 100/100";
    for (int i = 0; i < 20; ++i)
        press(VK_ADD, CtrlKey);
    EXPECT_EQ(w->textZoom, 300);
    EXPECT_EQ(drawnPercent(), 300);
    press(VK_NUMPAD0, CtrlKey);
    EXPECT_EQ(w->textZoom, 100);
    for (int i = 0; i < 20; ++i)
        press(VK_OEM_MINUS, CtrlKey);
    EXPECT_EQ(w->textZoom, 50);
    // Without Ctrl the keys reach the search box as they always did.
    press(VK_ADD, NoModifier);
    EXPECT_EQ(w->textZoom, 50);
}

TEST_F(TextZoom, TheStatusLineShowsTheNewSizeForAMoment) {
    EXPECT_FALSE(w->ZoomLabel->visible());
    press(VK_ADD, CtrlKey);
    EXPECT_TRUE(w->ZoomLabel->visible());
    EXPECT_EQ(w->ZoomLabel->caption(), "Ukuran teks 110%");
    // At the right of the status line, inside it, clear of the count.
    const RECT status = w->StatusPanel->clientRect();
    EXPECT_LE(w->ZoomLabel->left() + w->ZoomLabel->width(), status.right);
    EXPECT_GT(w->ZoomLabel->left(), w->CountLabel->left() + w->CountLabel->width());
    EXPECT_TRUE(pumpUntil([&] { return !w->ZoomLabel->visible(); }));
    // The counts stay as they were.
    EXPECT_EQ(surahLabel(), "114 Surat");
}

TEST_F(TextZoom, CtrlAndTheWheelOverTheViewSizeTheTextAndTheWheelAloneDoesNot) {
    wheel(WHEEL_DELTA, true);
    EXPECT_EQ(w->textZoom, 110);
    EXPECT_EQ(drawnPercent(), 110);
    wheel(-2 * WHEEL_DELTA, true);
    EXPECT_EQ(w->textZoom, 90);
    // A fine wheel's turns count once they make a notch.
    wheel(WHEEL_DELTA / 2, true);
    EXPECT_EQ(w->textZoom, 90);
    wheel(WHEEL_DELTA / 2, true);
    EXPECT_EQ(w->textZoom, 100);
    wheel(WHEEL_DELTA, false);
    EXPECT_EQ(w->textZoom, 100);
    EXPECT_EQ(controlZoom(), (std::pair{0, 0})) << "the control did not zoom by itself";
}

TEST_F(TextZoom, TheVerseAtTheTopAndTheSelectionStay) {
    clickEntry(1);  // 2. Al-Baqarah
    const std::string text = viewText();
    const int line100 = static_cast<int>(text.find("\r\n2:100. ") + 2);
    const int line101 = static_cast<int>(text.find("\r\n2:101. ") + 2);
    w->ReadingView->scrollToTop(line100);
    CHARRANGE chosen{line101 + 5, line101 + 45};
    SendMessageA(w->ReadingView->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chosen));
    ASSERT_EQ(firstVisible(), line100);

    for (WORD key : {WORD(VK_ADD), WORD(VK_ADD), WORD(VK_SUBTRACT), WORD('0')}) {
        SCOPED_TRACE(key);
        press(key, CtrlKey);
        EXPECT_EQ(viewText(), text);
        EXPECT_EQ(firstVisible(), line100);
        EXPECT_EQ(selection().cpMin, chosen.cpMin);
        EXPECT_EQ(selection().cpMax, chosen.cpMax);
    }
}

// A result arrives as RTF, whose lines the control under Wine does not scroll by as lines of
// a plain text: the verse at the top stays there all the same.
TEST_F(TextZoom, OnASearchResultTheVerseAtTheTopStays) {
    searchWithEnter("sabar");
    const std::string text = viewText();
    const int line = static_cast<int>(text.find("\r\n3:200. ") + 2);
    ASSERT_GT(line, 2);
    w->ReadingView->scrollToTop(line);
    ASSERT_EQ(firstVisible(), line);
    for (WORD key : {WORD(VK_ADD), WORD(VK_ADD), WORD('0')}) {
        SCOPED_TRACE(key);
        press(key, CtrlKey);
        EXPECT_EQ(viewText(), text);
        EXPECT_EQ(firstVisible(), line);
    }
}

TEST_F(TextZoom, WhatIsCopiedAndSavedKeepsItsOwnSize) {
    clickEntry(1);
    const std::string rtfAt100 = savedRtf();
    ASSERT_NE(rtfAt100.find("\\fs21"), std::string::npos) << rtfAt100.substr(0, 300);
    CHARRANGE verse{0, 200};
    SendMessageA(w->ReadingView->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&verse));
    w->CopyCommand();
    const std::string copiedAt100 = clipboardRtf();
    ASSERT_FALSE(copiedAt100.empty());

    press(VK_ADD, CtrlKey);
    press(VK_ADD, CtrlKey);
    press(VK_ADD, CtrlKey);
    ASSERT_EQ(drawnPercent(), 150);
    EXPECT_EQ(savedRtf(), rtfAt100);
    EXPECT_EQ(w->ReadingView->fontSizeTwips() / 10, 21);
    SendMessageA(w->ReadingView->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&verse));
    w->CopyCommand();
    EXPECT_EQ(clipboardRtf(), copiedAt100);
}

TEST_F(TextZoom, AChangeWhileAResultArrivesShowsItWholeAtTheNewSizeAndCountsIt) {
    searchWithEnter("sabar");
    const std::string whole = viewText();
    const std::string count = countLabel();
    ASSERT_NE(count.find("Kata"), std::string::npos);
    press('0', CtrlKey);
    {
        BetweenPieces zoom(1, [this] { press(VK_ADD, CtrlKey); });
        searchWithEnter("sabar");
        ASSERT_TRUE(zoom.ran());
    }
    EXPECT_EQ(w->textZoom, 110);
    EXPECT_EQ(drawnPercent(), 110);
    EXPECT_EQ(viewText(), whole);
    EXPECT_EQ(countLabel(), count);
    // Bold as before: the first hit.
    const int hit = static_cast<int>(whole.find("sabar"));
    EXPECT_TRUE(allBold(hit, 5));
}

TEST_F(TextZoom, WithTheArabicTheSizeChangesBothAndTheTopVerseStays) {
    pressArab();
    clickEntry(1);
    const std::wstring shown = w->ReadingView->unicodeText();
    const int verse50 = static_cast<int>(shown.find(L"\r2:50. ") + 1);
    // The Arabic line above it comes first.
    const int arabic50 = static_cast<int>(shown.rfind(L'\r', verse50 - 2) + 1);
    w->ReadingView->scrollToTop(arabic50);
    const int top = firstVisible();
    {
        BetweenPieces zoom(2, [this] { press(VK_ADD, CtrlKey); });
        press(VK_ADD, CtrlKey);
        press(VK_ADD, CtrlKey);
    }
    // The third press came between the pieces of the second.
    EXPECT_EQ(w->textZoom, 150);
    EXPECT_EQ(drawnPercent(), 150);
    EXPECT_EQ(w->ReadingView->unicodeText(), shown);
    EXPECT_EQ(firstVisible(), top);
}

}  // namespace
