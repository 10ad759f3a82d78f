// The main window's keyboard shortcuts, pressed as the keyboard delivers them: from any
// control, and never while a modal window keeps the main window from taking input.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/support/ModalAnswer.h"
#include "tests/win32/ui/GotoVerseDriver.h"
#include "toolkit/SaveDialog.h"
#include "ui/UAbout.h"

namespace {

// Steps run from a timer inside the About window's modal run: Ctrl+G and Ctrl+F pressed in
// the main window's search box, then what they did is looked at and the window closed.
struct DuringAbout {
    static inline int stage = 0;
    static inline HWND searchBox = nullptr;
    static inline bool gotoVerseOpened = false;

    static void CALLBACK step(HWND, UINT, UINT_PTR, DWORD) {
        HWND about = FindWindowA(nullptr, AboutCaption);
        if (!about || !IsWindowVisible(about))
            return;
        if (stage == 0) {
            holdModifiers(CtrlKey);
            postKey(searchBox, 'G');
            postKey(searchBox, 'F');
            stage = 1;
        } else if (stage == 1) {
            // The posted keys came before this timer tick.
            holdModifiers(NoModifier);
            if (HWND opened = FindWindowA(nullptr, GotoVerseCaption)) {
                gotoVerseOpened = true;
                DestroyWindow(opened);
            }
            PostMessageA(about, WM_CLOSE, 0, 0);
            stage = 2;
        }
    }
};

class Shortcuts : public ReaderWithGotoVerse {
protected:
    static int openGotoVerseWindows() {
        int count = 0;
        for (HWND at = FindWindowA(nullptr, GotoVerseCaption); at;
             at = FindWindowExA(nullptr, at, nullptr, GotoVerseCaption)) {
            ++count;
        }
        return count;
    }
};

TEST_F(Shortcuts, CtrlGWorksFromTheListTheSearchBoxAndTheView) {
    for (HWND from : {w->SurahList->handle(), w->SearchBox->handle(), view()}) {
        SetFocus(from);
        gotoVerse("Yasin");
        EXPECT_EQ(surahLabel(), "36. Yasin");
        clickEntry(0);
        EXPECT_EQ(surahLabel(), "1. Al-Fatihah");
    }
}

TEST_F(Shortcuts, CtrlFPutsTheFocusInTheSearchBoxWithItsTextSelected) {
    SetWindowTextA(w->SearchBox->handle(), "sabar");
    SendMessageA(w->SearchBox->handle(), EM_SETSEL, 2, 2);
    for (HWND from : {view(), w->SurahList->handle(), w->SearchButton->handle()}) {
        SetFocus(from);
        pressChord(from, 'F', CtrlKey);
        EXPECT_EQ(GetFocus(), w->SearchBox->handle());
        EXPECT_EQ(SendMessageA(w->SearchBox->handle(), EM_GETSEL, 0, 0), MAKELRESULT(0, 5));
    }
    EXPECT_EQ(textOf(w->SearchBox->handle()), "sabar") << "the key itself typed nothing";
}

TEST_F(Shortcuts, CtrlSOpensTheSaveDialogOfSimpan) {
    std::string filter;
    ModalAnswer save(ModalAnswer::Kind::SaveDialog, [&](HWND dialog) {
        filter = w->SaveDialog->filter;
        ModalAnswer::press(dialog, IDCANCEL);
    });
    pressChord(view(), 'S', CtrlKey);
    EXPECT_EQ(save.answered(), 1);
    EXPECT_EQ(filter, "Rich Text Format (*.rtf)|*.RTF|Text File (*.txt)|*.TXT");
}

TEST_F(Shortcuts, NoneRunsWhileAModalWindowIsOpen) {
    // Inside "Ke Ayat": Ctrl+G in the main window opens no second one.
    int windowsSeen = 0;
    gotoVerse({[&](const OpenGotoVerse&) {
                   holdModifiers(CtrlKey);
                   postKey(w->SearchBox->handle(), 'G');
                   postKey(view(), 'G');
               },
               [&](const OpenGotoVerse& open) {
                   windowsSeen = openGotoVerseWindows();
                   PostMessageA(open.cancel, BM_CLICK, 0, 0);
               }});
    EXPECT_EQ(windowsSeen, 1);

    // Inside the About window: Ctrl+G and Ctrl+F in the main window do nothing.
    DuringAbout::stage = 0;
    DuringAbout::searchBox = w->SearchBox->handle();
    DuringAbout::gotoVerseOpened = false;
    SetFocus(view());
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, DuringAbout::step);
    w->ShowAboutWindow();
    KillTimer(nullptr, timer);
    EXPECT_EQ(DuringAbout::stage, 2);
    EXPECT_FALSE(DuringAbout::gotoVerseOpened);
    EXPECT_NE(GetFocus(), w->SearchBox->handle()) << "Ctrl+F moved the focus";
}

}  // namespace
