#pragma once
// The "Ke Ayat" window as a test meets it: found on screen with its box and buttons, driven
// from inside its own modal run, and opened with Ctrl+G on the real main window.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win32/ui/ReaderDriver.h"
#include "tests/win32/support/Keyboard.h"
#include "toolkit/Form.h"
#include "ui/UGotoVerse.h"

// The "Ke Ayat" window found on screen, with its box and buttons.
struct OpenGotoVerse {
    HWND window = nullptr;
    HWND box = nullptr;
    HWND ok = nullptr;
    HWND cancel = nullptr;

    std::string text() const { return textOf(box); }
    DWORD selection() const { return static_cast<DWORD>(SendMessageA(box, EM_GETSEL, 0, 0)); }
    bool wholeTextSelected() const {
        const int length = GetWindowTextLengthA(box);
        return LOWORD(selection()) == 0 && HIWORD(selection()) == length;
    }
    // Typing replaces the selected text; Enter is pressed in the box.
    void type(const std::string& text) const { SetWindowTextA(box, text.c_str()); }
    void enter() const { postKey(box, VK_RETURN); }
};

inline BOOL CALLBACK collectChild(HWND child, LPARAM data) {
    auto& open = *reinterpret_cast<OpenGotoVerse*>(data);
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    const std::string text = textOf(child);
    if (lstrcmpiA(name, "Edit") == 0)
        open.box = child;
    else if (text == "OK")
        open.ok = child;
    else if (text == "Batal")
        open.cancel = child;
    return TRUE;
}

inline OpenGotoVerse findOpenGotoVerse() {
    OpenGotoVerse open;
    HWND window = FindWindowA(nullptr, GotoVerseCaption);
    if (!window || !IsWindowVisible(window))
        return open;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&open));
    open.window = window;
    return open;
}

// Runs the steps one after another from inside the "Ke Ayat" window's modal run, each once
// the window is up and takes input (a message box over it has closed). If a minute passes
// without the next step (or, after the last one, the end of the run), the window is
// destroyed, which ends the run, so a step that does not close the window cannot hang the
// suite. The minute is a guard, not a pace: a step with a long text in the box takes
// seconds on a loaded machine.
class WhileGotoVerseIsOpen {
public:
    using Step = std::function<void(const OpenGotoVerse&)>;
    explicit WhileGotoVerseIsOpen(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        poll_ = SetTimer(nullptr, 0, 20, &WhileGotoVerseIsOpen::poll);
        watchdog_ = SetTimer(nullptr, 0, Patience, &WhileGotoVerseIsOpen::giveUp);
    }
    ~WhileGotoVerseIsOpen() {
        KillTimer(nullptr, poll_);
        KillTimer(nullptr, watchdog_);
        current_ = nullptr;
    }
    WhileGotoVerseIsOpen(const WhileGotoVerseIsOpen&) = delete;
    WhileGotoVerseIsOpen& operator=(const WhileGotoVerseIsOpen&) = delete;

    std::size_t stepsRun() const { return next_; }
    bool gaveUp() const { return gaveUp_; }

private:
    static void CALLBACK poll(HWND, UINT, UINT_PTR, DWORD) {
        WhileGotoVerseIsOpen* self = current_;
        if (!self || self->next_ >= self->steps_.size())
            return;
        const OpenGotoVerse open = findOpenGotoVerse();
        if (!open.window || !open.box || !IsWindowEnabled(open.window))
            return;
        // The keys the steps press are plain ones, whatever opened the window.
        holdModifiers(NoModifier);
        KillTimer(nullptr, self->watchdog_);
        self->watchdog_ = SetTimer(nullptr, 0, Patience, &WhileGotoVerseIsOpen::giveUp);
        self->steps_[self->next_++](open);
    }
    static void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
        WhileGotoVerseIsOpen* self = current_;
        if (!self)
            return;
        KillTimer(nullptr, self->watchdog_);
        self->gaveUp_ = true;
        while (HWND window = FindWindowA(nullptr, GotoVerseCaption))
            DestroyWindow(window);
    }

    static constexpr UINT Patience = 60000;
    static inline WhileGotoVerseIsOpen* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    UINT_PTR poll_ = 0;
    UINT_PTR watchdog_ = 0;
    bool gaveUp_ = false;
};

class ReaderWithGotoVerse : public ShownReader {
protected:
    HWND view() const { return w->ReadingView->handle(); }
    int firstVisibleLine() const {
        return static_cast<int>(SendMessageA(view(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    int lineOf(int position) const {
        return static_cast<int>(SendMessageA(view(), EM_EXLINEFROMCHAR, 0, position));
    }
    // Where the line of verse s:a begins and ends in the view's text, or -1, -1.
    CHARRANGE lineOfVerse(int s, int a) const {
        const std::string text = viewText();
        // Looked for after a line break; one put in front stands for the text's start.
        std::string padded = "\n";
        padded += text;
        std::string start = "\n";
        start += std::to_string(s);
        start += ':';
        start += std::to_string(a);
        start += ". ";
        const std::size_t at = padded.find(start);
        if (at == std::string::npos)
            return CHARRANGE{-1, -1};
        return CHARRANGE{static_cast<LONG>(at), static_cast<LONG>(text.find('\r', at))};
    }

    // Ctrl+G in the focused control, the steps run while "Ke Ayat" is open.
    void gotoVerse(std::vector<WhileGotoVerseIsOpen::Step> steps) {
        const std::size_t count = steps.size();
        WhileGotoVerseIsOpen open(std::move(steps));
        HWND focus = GetFocus();
        pressChord(focus ? focus : form->handle(), 'G', CtrlKey);
        EXPECT_EQ(open.stepsRun(), count) << "the window did not stay open for every step";
        EXPECT_FALSE(open.gaveUp()) << "the window was still open after the last step";
        EXPECT_EQ(FindWindowA(nullptr, GotoVerseCaption), nullptr) << "released afterwards";
        EXPECT_TRUE(IsWindowEnabled(form->handle()));
    }
    void gotoVerse(const std::string& reference) {
        gotoVerse({[reference](const OpenGotoVerse& open) {
            open.type(reference);
            open.enter();
        }});
    }
};
