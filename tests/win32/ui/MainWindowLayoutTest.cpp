// The main window as built, before it is first shown: geometry, fonts, colours, texts and
// styles, read back from the real windows.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "corpus/FastStrList.h"
#include "tests/win32/ui/RealMainWindow.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ColourDialog.h"
#include "toolkit/EditBox.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"
#include "toolkit/RichView.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/Splitter.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/Toolbar.h"

namespace {

constexpr COLORREF PaleBlue = RGB(214, 230, 248);

SIZE extentIn(HWND hwnd, const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

// The colour of the brush a control's parent hands back when the control asks how to paint
// itself (WM_CTLCOLOR*), that is the colour the user sees behind its text.
COLORREF paintedBackground(HWND control, UINT message) {
    HDC dc = CreateCompatibleDC(nullptr);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(control), message,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(control)));
    DeleteDC(dc);
    LOGBRUSH logBrush{};
    EXPECT_NE(brush, nullptr);
    GetObjectA(brush, sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

// The background colour of a rich edit control, read by setting it and putting it back.
COLORREF richEditBackground(HWND view) {
    auto previous = static_cast<COLORREF>(SendMessageA(view, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)));
    SendMessageA(view, EM_SETBKGNDCOLOR, 0, previous);
    return previous;
}

}  // namespace

using MainWindowLayout = RealMainWindow;

TEST_F(MainWindowLayout, TheFormIsHiddenAt228x161WithA688x450ClientArea) {
    HWND hwnd = form->handle();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    RECT outer, client;
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(outer.left, 228);
    EXPECT_EQ(outer.top, 161);
    EXPECT_EQ(client.right, 688);
    EXPECT_EQ(client.bottom, 450);
    DWORD style = styleOf(hwnd);
    for (DWORD part : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME}) {
        EXPECT_TRUE(style & part) << std::hex << part;
    }
    EXPECT_EQ(GetParent(hwnd), nullptr);
    EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(Application::mainForm(), form.get());
}

TEST_F(MainWindowLayout, TheAlignedPanelsFillTheClientAreaWithTwoPixelGaps) {
    EXPECT_EQ(boxOf(w->HeaderPanel->handle()), (Box{0, 0, 688, 39}));
    EXPECT_EQ(boxOf(w->BodyPanel->handle()), (Box{0, 39, 688, 411}));
    EXPECT_EQ(boxOf(w->SurahList->handle()), (Box{2, 2, 151, 380}));
    EXPECT_EQ(boxOf(w->ListSplitter->handle()), (Box{155, 2, 4, 380}));
    EXPECT_EQ(boxOf(w->StatusPanel->handle()), (Box{2, 384, 684, 25}));
    EXPECT_EQ(boxOf(w->ViewPanel->handle()), (Box{161, 2, 525, 380}));
    EXPECT_EQ(GetParent(w->SurahList->handle()), w->BodyPanel->handle());
    EXPECT_EQ(GetParent(w->ReadingView->handle()), w->ViewPanel->handle());
}

TEST_F(MainWindowLayout, TheToolbarSitsOnTopOfTheViewAndTheViewTakesTheRest) {
    RECT inside;
    GetClientRect(w->ViewPanel->handle(), &inside);
    EXPECT_EQ(inside.right, 523) << "one-pixel sunken edge";
    Box bar = boxOf(w->ViewToolbar->handle());
    EXPECT_EQ(bar.left, 2);
    EXPECT_EQ(bar.top, 2);
    EXPECT_EQ(bar.width, inside.right - 4);
    EXPECT_GT(bar.height, 0);
    EXPECT_EQ(boxOf(w->ReadingView->handle()),
              (Box{2, bar.top + bar.height + 2, inside.right - 4,
                   inside.bottom - (bar.top + bar.height + 2) - 2}));
}

TEST_F(MainWindowLayout, TheHeaderControlsKeepTheirPlacesAndAutoSizedOnesFitTheirCaptions) {
    EXPECT_EQ(boxOf(w->SearchBox->handle()), (Box{8, 8, 145, 22}));
    EXPECT_EQ(boxOf(w->SearchButton->handle()), (Box{168, 8, 64, 22}));
    EXPECT_EQ(boxOf(w->ShowAllButton->handle()), (Box{232, 8, 122, 22}));
    EXPECT_EQ(boxOf(w->BackColourButton->handle()), (Box{376, 8, 41, 22}));
    EXPECT_EQ(boxOf(w->FontColourButton->handle()), (Box{417, 8, 41, 22}));

    struct AutoSized {
        Control* control;
        int left, top, extraWidth, extraHeight;
    };
    for (AutoSized a :
         {AutoSized{w->WholeWordCheck, 488, 2, 24, 6}, AutoSized{w->BoldCheck, 488, 18, 24, 6},
          AutoSized{w->AboutButton, 648, 8, 14, 6}}) {
        HWND hwnd = a.control->handle();
        SCOPED_TRACE(textOf(hwnd));
        SIZE text = extentIn(hwnd, textOf(hwnd));
        EXPECT_EQ(boxOf(hwnd),
                  (Box{a.left, a.top, text.cx + a.extraWidth, text.cy + a.extraHeight}));
    }
    // The status labels are empty after start-up: just the extra pixel each way.
    for (Label* label : {w->SurahLabel, w->CountLabel}) {
        SIZE empty = extentIn(label->handle(), "");
        Box box = boxOf(label->handle());
        EXPECT_EQ(box.width, empty.cx + 1);
        EXPECT_EQ(box.height, empty.cy + 1);
    }
    EXPECT_EQ(boxOf(w->SurahLabel->handle()).left, 8);
    EXPECT_EQ(boxOf(w->CountLabel->handle()).left, 160);
    EXPECT_EQ(boxOf(w->CountLabel->handle()).top, 4);
}

TEST_F(MainWindowLayout, EveryControlDrawsInArial16ButTheAboutButtonInVerdana) {
    struct Named {
        const char* name;
        Control* control;
    };
    for (Named n :
         {Named{"SearchBox", w->SearchBox}, Named{"SearchButton", w->SearchButton},
          Named{"ShowAllButton", w->ShowAllButton}, Named{"WholeWordCheck", w->WholeWordCheck},
          Named{"BoldCheck", w->BoldCheck}, Named{"SurahList", w->SurahList}}) {
        LOGFONTA font = fontOf(n.control->handle());
        SCOPED_TRACE(n.name);
        EXPECT_STREQ(font.lfFaceName, "Arial");
        EXPECT_EQ(font.lfHeight, 16);
    }
    // The labels paint with their own font; the rich edit control keeps its own record.
    for (Label* label : {w->SurahLabel, w->CountLabel}) {
        EXPECT_EQ(label->font().face, "Arial");
        EXPECT_EQ(label->font().height, 16);
    }
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(w->ReadingView->handle(), EM_GETCHARFORMAT, SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(w->ReadingView->font().height, 16);

    LOGFONTA about = fontOf(w->AboutButton->handle());
    EXPECT_STREQ(about.lfFaceName, "Verdana");
    EXPECT_EQ(about.lfHeight, 16);
}

TEST_F(MainWindowLayout, CaptionsTextsAndCheckStatesAtStart) {
    EXPECT_EQ(textOf(form->handle()), "Nurvela");
    EXPECT_EQ(textOf(w->SearchBox->handle()), "Muhammad");
    EXPECT_EQ(textOf(w->SearchButton->handle()), "Cari");
    EXPECT_EQ(textOf(w->ShowAllButton->handle()), "Tampilkan Semua");
    EXPECT_EQ(textOf(w->BackColourButton->handle()), "Back");
    EXPECT_EQ(textOf(w->FontColourButton->handle()), "Font");
    EXPECT_EQ(textOf(w->AboutButton->handle()), "??");
    EXPECT_EQ(textOf(w->WholeWordCheck->handle()), "Kata tepat sama");
    EXPECT_EQ(textOf(w->BoldCheck->handle()), "Tandai tebal");
    EXPECT_EQ(textOf(w->SurahLabel->handle()), "");
    EXPECT_EQ(textOf(w->CountLabel->handle()), "");
    EXPECT_EQ(SendMessageA(w->BoldCheck->handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(w->WholeWordCheck->handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(w->SurahList->handle(), LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(MainWindowLayout, ColoursAtStart) {
    EXPECT_EQ(paintedBackground(w->SurahList->handle(), WM_CTLCOLORLISTBOX), PaleBlue);
    EXPECT_EQ(paintedBackground(w->SearchBox->handle(), WM_CTLCOLOREDIT),
              GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(richEditBackground(w->ReadingView->handle()), PaleBlue);
    EXPECT_EQ(w->ReadingView->backgroundColor(), PaleBlue);

    EXPECT_EQ(w->BackColourButton->colour(), PaleBlue);
    EXPECT_EQ(w->FontColourButton->colour(), RGB(0, 0, 0));
    EXPECT_EQ(w->FontColourButton->font().colour, RGB(255, 255, 255));
    EXPECT_EQ(w->SurahLabel->font().colour, RGB(255, 255, 255));
    EXPECT_EQ(w->CountLabel->font().colour, RGB(255, 255, 255));
    EXPECT_TRUE(w->SurahLabel->transparent());
    EXPECT_TRUE(w->WholeWordCheck->transparent());
    EXPECT_TRUE(w->BoldCheck->transparent());
    EXPECT_EQ(w->HeaderPanel->colour(), 0x8000000Fu);
    EXPECT_EQ(w->WholeWordCheck->colour(), 0x8000000Fu);
    EXPECT_EQ(w->textColour, 0u);
}

TEST_F(MainWindowLayout, ControlStyles) {
    HWND search = w->SearchBox->handle();
    EXPECT_FALSE(exStyleOf(search) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(styleOf(search) & WS_BORDER);
    EXPECT_TRUE(styleOf(search) & ES_AUTOHSCROLL);
    for (PushButton* button : {w->SearchButton, w->ShowAllButton, w->AboutButton}) {
        EXPECT_TRUE(styleOf(button->handle()) & BS_FLAT) << textOf(button->handle());
    }
    DWORD list = styleOf(w->SurahList->handle());
    for (DWORD part : {DWORD(LBS_NOINTEGRALHEIGHT), DWORD(LBS_EXTENDEDSEL), DWORD(LBS_NOTIFY)}) {
        EXPECT_TRUE(list & part) << std::hex << part;
    }
    EXPECT_TRUE(exStyleOf(w->SurahList->handle()) & WS_EX_CLIENTEDGE);

    HWND view = w->ReadingView->handle();
    // The system drops WS_VSCROLL while there is nothing to scroll.
    constexpr DWORD shown = WS_VISIBLE | WS_VSCROLL;
    EXPECT_EQ(styleOf(view) & ~shown, 0x56200844u & ~shown);
    EXPECT_EQ(exStyleOf(view) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE), 0u);
    EXPECT_EQ(w->ViewPanel->edge(), PanelEdge::Lowered);
    EXPECT_EQ(w->HeaderPanel->edge(), PanelEdge::None);
    EXPECT_EQ(w->ListSplitter->minSize(), 0);
    EXPECT_EQ(w->ListSplitter->minRest(), 0);
}

TEST_F(MainWindowLayout, TheToolbarHoldsSaveSelectAllCopyKutipAndArabWithTheirImagesAndTips) {
    HWND bar = w->ViewToolbar->handle();
    DWORD style = styleOf(bar);
    for (DWORD part : {DWORD(TBSTYLE_FLAT), DWORD(TBSTYLE_TOOLTIPS), DWORD(TBSTYLE_LIST)}) {
        EXPECT_TRUE(style & part) << std::hex << part;
    }
    ASSERT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), 8);
    EXPECT_EQ(w->ViewToolbar->imageCount(), 21);
    struct Entry {
        bool separator;
        int image;
        const char* tip;
        bool check = false;
    };
    const Entry expected[8] = {{true, -1, ""},
                               {false, STD_FILESAVE, "Menyimpan semua yang tampil"},
                               {true, -1, ""},
                               {false, 15 + HIST_ADDTOFAVORITES, "Pilih semua text"},
                               {false, STD_COPY, "Copy data ke clipboard"},
                               {false, STD_PROPERTIES, "Copy dengan rujukan ayat"},
                               {true, -1, ""},
                               {false, 20, "Tampilkan teks Arab (Ctrl+Shift+A)", true}};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        TBBUTTON button{};
        SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, expected[i].separator);
        EXPECT_EQ(w->ViewToolbar->isSeparator(i), expected[i].separator);
        if (!expected[i].separator) {
            EXPECT_EQ(button.iBitmap, expected[i].image);
        }
        EXPECT_EQ(w->ViewToolbar->tooltip(i), expected[i].tip);
        EXPECT_EQ((button.fsStyle & BTNS_CHECK) != 0, expected[i].check);
    }
    // "Arab" is off at every start.
    EXPECT_FALSE(w->ViewToolbar->checked(toolbar::Arabic));
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    bool xpOrLater =
        version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1);
    EXPECT_EQ((style & TBSTYLE_WRAPABLE) != 0, xpOrLater);
}

TEST_F(MainWindowLayout, TheDialogsAndTheDataAreReady) {
    ASSERT_NE(w->ColourDialog, nullptr);
    EXPECT_EQ(w->ColourDialog->colour, 0u);
    EXPECT_TRUE(w->ColourDialog->fullOpen);
    const COLORREF slots[16] = {0xFFFFFF, 0xFFFFFF, 0xD7F4FF, 0xC4EFFF, 0xFFEBD9, 0xFFE1C6,
                                0xFFD6B0, 0xDAFEEF, 0xBBFDE1, 0x98FCD1, 0xE6E6FF, 0xD7D7FF,
                                0xC6C6FF, 0xFEDEEA, 0xFECDDF, 0xFEBAD3};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(w->ColourDialog->customColours[i], slots[i]) << "slot " << i + 1;
    }
    ASSERT_NE(w->SaveDialog, nullptr);
    EXPECT_EQ(w->SaveDialog->owner, form->handle());
    EXPECT_EQ(w->SaveDialog->title, "");
    EXPECT_EQ(w->SaveDialog->filter, "");
    EXPECT_EQ(w->SaveDialog->options, SaveDialog::DefaultOptions);

    ASSERT_TRUE(w->headerBitmap);
    EXPECT_EQ(w->headerBitmap->size().cx, 413);
    EXPECT_EQ(w->headerBitmap->size().cy, 1);
    ASSERT_TRUE(w->corpus);
    EXPECT_EQ(w->corpus->count(), 6236);
    ASSERT_TRUE(w->ResultItems);
    EXPECT_TRUE(w->ResultItems->empty());
    ASSERT_TRUE(w->ResultSurahs);
    EXPECT_TRUE(w->ResultSurahs->empty());
    EXPECT_FALSE(w->searchMode);
    EXPECT_FALSE(w->closing);
}
