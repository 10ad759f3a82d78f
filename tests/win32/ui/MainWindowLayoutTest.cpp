// The main window as built, before it is first shown: geometry, fonts, colours, texts and
// styles, read back from the real windows.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "corpus/FastStrList.h"
#include "tests/win32/support/Scale.h"
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

TEST_F(MainWindowLayout, TheWindowIsDrawnAtTheDpiTheTestPrefixGives) {
    EXPECT_EQ(testDpi(), expectedTestDpi());
    EXPECT_EQ(form->dpi(), testDpi());
    EXPECT_EQ(w->ReadingView->dpi(), testDpi());
}

TEST_F(MainWindowLayout, EveryCaptionFitsItsControl) {
    // A push button draws its caption inside a one-pixel frame; a check box beside its box and
    // a gap; a label as it is.
    for (Control* button :
         std::initializer_list<Control*>{w->SearchButton, w->ShowAllButton, w->AboutButton,
                                         w->BackColourButton, w->FontColourButton}) {
        HWND hwnd = button->handle();
        SCOPED_TRACE(textOf(hwnd));
        const SIZE text = extentIn(hwnd, textOf(hwnd));
        const Box box = boxOf(hwnd);
        EXPECT_LE(text.cx + 2, box.width);
        EXPECT_LE(text.cy + 2, box.height);
    }
    for (CheckBox* check : {w->WholeWordCheck, w->BoldCheck}) {
        HWND hwnd = check->handle();
        SCOPED_TRACE(textOf(hwnd));
        const SIZE text = extentIn(hwnd, textOf(hwnd));
        const Box box = boxOf(hwnd);
        EXPECT_LE(text.cx + GetSystemMetrics(SM_CXMENUCHECK) + px(4), box.width);
        EXPECT_LE(std::max<int>(text.cy, GetSystemMetrics(SM_CYMENUCHECK)), box.height);
    }
    w->SurahLabel->setCaption("114 Surat");
    w->CountLabel->setCaption("6,236 Ayat ( 12,345 Kata )");
    for (Label* label : {w->SurahLabel, w->CountLabel}) {
        SCOPED_TRACE(label->caption());
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, label->fontHandle());
        SIZE text{};
        GetTextExtentPoint32A(dc, label->caption().c_str(),
                              static_cast<int>(label->caption().size()), &text);
        SelectObject(dc, old);
        DeleteDC(dc);
        const Box box = boxOf(label->handle());
        EXPECT_LE(text.cx, box.width);
        EXPECT_LE(text.cy, box.height);
        EXPECT_LE(box.top + box.height, w->StatusPanel->height());
    }
    // The toolbar's buttons hold their image and caption, all inside the toolbar.
    const Box bar = boxOf(w->ViewToolbar->handle());
    for (int i = 0; i < w->ViewToolbar->entryCount(); ++i) {
        SCOPED_TRACE(i);
        const RECT button = w->ViewToolbar->buttonRect(i);
        EXPECT_LE(button.bottom, bar.height);
        EXPECT_LE(button.right, bar.width);
    }
}

TEST_F(MainWindowLayout, TheToolbarImagesHaveTheSizeOfTheirSetNeverStretched) {
    const int size = testDpi() >= 144 ? 24 : 16;
    EXPECT_EQ(w->ViewToolbar->imageSize(), size);
    auto list =
        reinterpret_cast<HIMAGELIST>(SendMessageA(w->ViewToolbar->handle(), TB_GETIMAGELIST, 0, 0));
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
    EXPECT_EQ(width, size);
    EXPECT_EQ(height, size);
    // The standard sets, the "Arab" image and the "Juz" image, each one image of that size.
    EXPECT_EQ(w->ViewToolbar->imageCount(), 22);
    for (const std::string name : {"ARABBUTTON", "JUZBUTTON"}) {
        SCOPED_TRACE(name);
        BITMAP drawn{};
        HBITMAP image = static_cast<HBITMAP>(LoadImageA(Application::instance(),
                                                        (size == 24 ? name + "24" : name).c_str(),
                                                        IMAGE_BITMAP, 0, 0, 0));
        ASSERT_NE(image, nullptr);
        GetObjectA(image, sizeof drawn, &drawn);
        DeleteObject(image);
        EXPECT_EQ(drawn.bmWidth, size);
        EXPECT_EQ(drawn.bmHeight, size);
    }
}

TEST_F(MainWindowLayout, TheFormIsHiddenAt228x161WithA688x450ClientArea) {
    HWND hwnd = form->handle();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    RECT outer, client;
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(outer.left, px(228));
    EXPECT_EQ(outer.top, px(161));
    EXPECT_EQ(client.right, px(688));
    EXPECT_EQ(client.bottom, px(450));
    DWORD style = styleOf(hwnd);
    for (DWORD part : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME}) {
        EXPECT_TRUE(style & part) << std::hex << part;
    }
    EXPECT_EQ(GetParent(hwnd), nullptr);
    EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(Application::mainForm(), form.get());
}

TEST_F(MainWindowLayout, TheAlignedPanelsFillTheClientAreaWithTwoPixelGaps) {
    EXPECT_TRUE(layoutBox(boxOf(w->HeaderPanel->handle()), Box{px(0), px(0), px(688), px(39)}));
    EXPECT_TRUE(layoutBox(boxOf(w->BodyPanel->handle()), Box{px(0), px(39), px(688), px(411)}));
    EXPECT_TRUE(layoutBox(boxOf(w->SurahList->handle()), Box{px(2), px(2), px(151), px(380)}));
    EXPECT_TRUE(layoutBox(boxOf(w->ListSplitter->handle()), Box{px(155), px(2), px(4), px(380)}));
    EXPECT_TRUE(layoutBox(boxOf(w->StatusPanel->handle()), Box{px(2), px(384), px(684), px(25)}));
    EXPECT_TRUE(layoutBox(boxOf(w->ViewPanel->handle()), Box{px(161), px(2), px(525), px(380)}));
    EXPECT_EQ(GetParent(w->SurahList->handle()), w->BodyPanel->handle());
    EXPECT_EQ(GetParent(w->ReadingView->handle()), w->ViewPanel->handle());
}

TEST_F(MainWindowLayout, TheToolbarSitsOnTopOfTheViewAndTheViewTakesTheRest) {
    RECT inside;
    GetClientRect(w->ViewPanel->handle(), &inside);
    EXPECT_NEAR(inside.right, px(525) - 2, testDpi() == 96 ? 0 : 1) << "one-pixel sunken edge";
    const int m = px(2);
    Box bar = boxOf(w->ViewToolbar->handle());
    EXPECT_EQ(bar.left, m);
    EXPECT_EQ(bar.top, m);
    EXPECT_EQ(bar.width, inside.right - 2 * m);
    EXPECT_GT(bar.height, 0);
    EXPECT_EQ(boxOf(w->ReadingView->handle()),
              (Box{m, bar.top + bar.height + m, inside.right - 2 * m,
                   inside.bottom - (bar.top + bar.height + m) - m}));
}

TEST_F(MainWindowLayout, TheHeaderControlsKeepTheirPlacesAndAutoSizedOnesFitTheirCaptions) {
    EXPECT_TRUE(layoutBox(boxOf(w->SearchBox->handle()), Box{px(8), px(8), px(145), px(22)}));
    EXPECT_TRUE(layoutBox(boxOf(w->SearchButton->handle()), Box{px(168), px(8), px(64), px(22)}));
    EXPECT_TRUE(layoutBox(boxOf(w->ShowAllButton->handle()), Box{px(232), px(8), px(122), px(22)}));
    EXPECT_TRUE(
        layoutBox(boxOf(w->BackColourButton->handle()), Box{px(376), px(8), px(41), px(22)}));
    EXPECT_TRUE(
        layoutBox(boxOf(w->FontColourButton->handle()), Box{px(417), px(8), px(41), px(22)}));

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
        EXPECT_TRUE(layoutBox(boxOf(hwnd), Box{px(a.left), px(a.top), text.cx + px(a.extraWidth),
                                               text.cy + px(a.extraHeight)}));
    }
    // The status labels are empty after start-up: just the extra pixel each way.
    for (Label* label : {w->SurahLabel, w->CountLabel}) {
        SIZE empty = extentIn(label->handle(), "");
        Box box = boxOf(label->handle());
        EXPECT_EQ(box.width, empty.cx + px(1));
        EXPECT_EQ(box.height, empty.cy + px(1));
    }
    EXPECT_EQ(boxOf(w->SurahLabel->handle()).left, px(8));
    EXPECT_EQ(boxOf(w->CountLabel->handle()).left, px(160));
    EXPECT_EQ(boxOf(w->CountLabel->handle()).top, px(4));
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
        EXPECT_EQ(font.lfHeight, px(16));
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
    EXPECT_EQ(about.lfHeight, px(16));
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

TEST_F(MainWindowLayout, TheToolbarHoldsSaveSelectAllCopyKutipArabAndJuzWithImagesAndTips) {
    HWND bar = w->ViewToolbar->handle();
    DWORD style = styleOf(bar);
    for (DWORD part : {DWORD(TBSTYLE_FLAT), DWORD(TBSTYLE_TOOLTIPS), DWORD(TBSTYLE_LIST)}) {
        EXPECT_TRUE(style & part) << std::hex << part;
    }
    ASSERT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), 10);
    EXPECT_EQ(w->ViewToolbar->imageCount(), 22);
    struct Entry {
        bool separator;
        int image;
        const char* tip;
        bool check = false;
    };
    const Entry expected[10] = {{true, -1, ""},
                                {false, STD_FILESAVE, "Menyimpan semua yang tampil"},
                                {true, -1, ""},
                                {false, 15 + HIST_ADDTOFAVORITES, "Pilih semua text"},
                                {false, STD_COPY, "Copy data ke clipboard"},
                                {false, STD_PROPERTIES, "Copy dengan rujukan ayat"},
                                {true, -1, ""},
                                {false, 20, "Tampilkan teks Arab (Ctrl+Shift+A)", true},
                                {true, -1, ""},
                                {false, 21, "Daftar juz (Ctrl+J)", true}};
    for (int i = 0; i < 10; ++i) {
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
    // "Arab" and "Juz" are off at every start.
    EXPECT_FALSE(w->ViewToolbar->checked(toolbar::Arabic));
    EXPECT_FALSE(w->ViewToolbar->checked(toolbar::Juz));
    // All ten on one row: the reading view below keeps its place.
    const RECT juz = w->ViewToolbar->buttonRect(toolbar::Juz);
    EXPECT_EQ(juz.top, w->ViewToolbar->buttonRect(1).top);
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
