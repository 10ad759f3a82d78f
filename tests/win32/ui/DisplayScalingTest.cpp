// A move to a monitor of another DPI (WM_DPICHANGED, as Windows sends it to a per-monitor
// aware window; Wine has one DPI for every monitor and never sends it, so the tests send it):
// the main window and the About window laid out again at the new DPI, the toolbar with images
// of the new size, the reader's place and the text size kept, and back again.
#include <windows.h>
#include <richedit.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/win32/support/Keyboard.h"
#include "tests/win32/support/Scale.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "toolkit/Dpi.h"
#include "toolkit/Panel.h"
#include "toolkit/Splitter.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/Toolbar.h"
#include "ui/UAbout.h"
#include "ui/UGotoVerse.h"

namespace {

// The DPI the tests move the windows to: 144 from 96, 96 from anything else.
int otherDpi() {
    return testDpi() == 96 ? 144 : 96;
}

// What Windows sends: the new DPI, and the window's rectangle at it (here: the same top-left
// corner, the client area scaled, the frame as the system draws it).
void moveToDpi(Form& form, int dpi) {
    RECT outer{};
    GetWindowRect(form.handle(), &outer);
    RECT client{};
    GetClientRect(form.handle(), &client);
    RECT suggested{0, 0, MulDiv(client.right, dpi, form.dpi()),
                   MulDiv(client.bottom, dpi, form.dpi())};
    AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongA(form.handle(), GWL_STYLE)),
                       FALSE, static_cast<DWORD>(GetWindowLongA(form.handle(), GWL_EXSTYLE)));
    OffsetRect(&suggested, outer.left - suggested.left, outer.top - suggested.top);
    SendMessageA(form.handle(), scaling::ChangedMessage, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    Application::processMessages();
}

Box scaledBox(const Box& b, int to, int from) {
    return Box{MulDiv(b.left, to, from), MulDiv(b.top, to, from), MulDiv(b.width, to, from),
               MulDiv(b.height, to, from)};
}

testing::AssertionResult withinAPixel(const Box& actual, const Box& expected) {
    const auto within = [](int a, int b) { return a - b <= 1 && b - a <= 1; };
    if (within(actual.left, expected.left) && within(actual.top, expected.top) &&
        within(actual.width, expected.width) && within(actual.height, expected.height)) {
        return testing::AssertionSuccess();
    }
    std::ostringstream text;
    PrintTo(actual, &text);
    text << ", expected within a pixel of ";
    PrintTo(expected, &text);
    return testing::AssertionFailure() << text.str();
}

class DisplayScaling : public ShownReader {
protected:
    std::vector<Control*> placed() const {
        return {w->HeaderPanel,   w->BodyPanel,        w->SurahList,        w->ListSplitter,
                w->StatusPanel,   w->ViewPanel,        w->SearchBox,        w->SearchButton,
                w->ShowAllButton, w->BackColourButton, w->FontColourButton, w->WholeWordCheck,
                w->BoldCheck,     w->SurahLabel};
    }
    int drawnPercent() const {
        WPARAM numerator = 0;
        LPARAM denominator = 0;
        SendMessageA(w->ReadingView->handle(), EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator),
                     reinterpret_cast<LPARAM>(&denominator));
        return denominator == 0 ? 100 : static_cast<int>(numerator * 100 / denominator);
    }
};

TEST_F(DisplayScaling, AMoveToAnotherDpiLaysTheWindowOutAgainKeepingThePlaceAndTextSize) {
    const int from = testDpi();
    const int to = otherDpi();
    clickEntry(1);  // 2. Al-Baqarah
    const std::string text = viewText();
    const int line100 = static_cast<int>(text.find("\r\n2:100. ") + 2);
    w->ReadingView->scrollToTop(line100);
    CHARRANGE chosen{line100 + 200, line100 + 240};
    SendMessageA(w->ReadingView->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chosen));
    pressChord(w->SearchBox->handle(), VK_ADD, CtrlKey);  // 110 %
    w->ViewToolbar->setChecked(toolbar::Arabic, false);
    std::vector<Box> before;
    for (Control* c : placed())
        before.push_back(boxOf(c->handle()));

    moveToDpi(*form, to);
    EXPECT_EQ(form->dpi(), to);
    for (std::size_t i = 0; i < placed().size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(placed()[i]->dpi(), to);
        EXPECT_TRUE(withinAPixel(boxOf(placed()[i]->handle()), scaledBox(before[i], to, from)));
    }
    EXPECT_EQ(fontOf(w->SearchBox->handle()).lfHeight, MulDiv(16, to, 96));
    EXPECT_EQ(fontOf(w->AboutButton->handle()).lfHeight, MulDiv(16, to, 96));
    // The About button keeps its distance from the right edge at the new DPI.
    RECT outer{};
    GetWindowRect(form->handle(), &outer);
    EXPECT_EQ(w->AboutButton->left(), outer.right - outer.left - MulDiv(50, to, 96));
    // The toolbar anew, with images of the new size and the same entries.
    EXPECT_EQ(w->ViewToolbar->imageSize(), to >= 144 ? 24 : 16);
    EXPECT_EQ(SendMessageA(w->ViewToolbar->handle(), TB_BUTTONCOUNT, 0, 0), 10);
    EXPECT_EQ(w->ViewToolbar->imageCount(), 22);
    EXPECT_GT(w->ViewToolbar->height(), w->ViewToolbar->imageSize());
    EXPECT_EQ(w->ViewToolbar->buttonRect(toolbar::Juz).top, w->ViewToolbar->buttonRect(1).top)
        << "one row still";
    // The text at the same size relative to the screen, the reader's place kept.
    EXPECT_EQ(w->textZoom, 110);
    EXPECT_EQ(drawnPercent(), MulDiv(110, to, from));
    EXPECT_EQ(viewText(), text);
    EXPECT_EQ(w->ReadingView->firstVisiblePosition(), line100);
    EXPECT_EQ(selection().cpMin, chosen.cpMin);
    EXPECT_EQ(selection().cpMax, chosen.cpMax);
    // What is saved keeps its size in points.
    EXPECT_EQ(w->ReadingView->fontSizeTwips() / 10, 21);

    // And back: the layout it had.
    moveToDpi(*form, from);
    for (std::size_t i = 0; i < placed().size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(layoutBox(boxOf(placed()[i]->handle()), before[i]));
    }
    EXPECT_EQ(drawnPercent(), 110);
    EXPECT_EQ(w->ReadingView->firstVisiblePosition(), line100);
}

TEST_F(DisplayScaling, TheAboutWindowFollowsToo) {
    AboutWindow* about = nullptr;
    std::unique_ptr<Form> aboutForm = CreateAboutWindow(about, *form);
    const int to = otherDpi();
    moveToDpi(*aboutForm, to);
    RECT client{};
    GetClientRect(aboutForm->handle(), &client);
    EXPECT_NEAR(client.right, MulDiv(429, to, 96), 1);
    EXPECT_NEAR(client.bottom, MulDiv(291, to, 96), 1);
    const Box band = boxOf(about->HeaderBand->handle());
    EXPECT_NEAR(band.height, MulDiv(55, to, 96), 1);
    EXPECT_EQ(band.width, client.right);
    // The labels centred again, the view right under the band.
    for (Label* label : {about->TitleLabel, about->CreditLabel}) {
        const Box box = boxOf(label->handle());
        EXPECT_EQ(box.left, (band.width - box.width) / 2);
    }
    const Box view = boxOf(about->AboutView->handle());
    EXPECT_EQ(view.top, band.top + band.height);
    EXPECT_EQ(view.width, band.width);
    EXPECT_EQ(fontOf(about->CloseButton->handle()).lfHeight, MulDiv(16, to, 96));
}

TEST_F(DisplayScaling, KeAyatIsLaidOutAtTheDpiOfItsWindowWithEveryCaptionInside) {
    GotoVerseWindow* dialog = nullptr;
    std::unique_ptr<Form> dialogForm = CreateGotoVerseWindow(dialog, *form, "2:255");
    RECT client{};
    GetClientRect(dialogForm->handle(), &client);
    EXPECT_EQ(client.right, px(320));
    EXPECT_EQ(client.bottom, px(132));
    EXPECT_EQ(boxOf(dialog->HeaderBand->handle()), (Box{0, 0, px(320), px(48)}));
    EXPECT_EQ(boxOf(dialog->ReferenceBox->handle()), (Box{px(12), px(60), px(296), px(22)}));
    EXPECT_EQ(boxOf(dialog->OkButton->handle()), (Box{px(146), px(98), px(77), px(22)}));
    EXPECT_EQ(boxOf(dialog->CancelButton->handle()), (Box{px(231), px(98), px(77), px(22)}));
    EXPECT_EQ(fontOf(dialog->ReferenceBox->handle()).lfHeight, px(16));
    // The two lines of the band fit it, one under the other, and are centred.
    const Box title = boxOf(dialog->TitleLabel->handle());
    const Box hint = boxOf(dialog->HintLabel->handle());
    EXPECT_EQ(title.top, px(5));
    EXPECT_EQ(hint.top, px(24));
    EXPECT_LE(title.top + title.height, hint.top);
    EXPECT_LE(hint.top + hint.height, px(48) - px(4));
    EXPECT_LE(hint.width, px(320));
    EXPECT_EQ(hint.left, (px(320) - hint.width) / 2);
    for (PushButton* button : {dialog->OkButton, dialog->CancelButton}) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, button->fontHandle());
        SIZE text{};
        GetTextExtentPoint32A(dc, button->caption().c_str(),
                              static_cast<int>(button->caption().size()), &text);
        SelectObject(dc, old);
        DeleteDC(dc);
        EXPECT_LE(text.cx + 2, button->width()) << button->caption();
        EXPECT_LE(text.cy + 2, button->height()) << button->caption();
    }
}

}  // namespace
