#pragma once
// The real main window, shown as the message loop shows it, driven with the messages a user's
// actions produce (keys, clicks, list choices), and read back through the window system:
// control texts, list entries, the view's text and the character formats in it.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "tests/win32/ui/RealMainWindow.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/PushButton.h"
#include "toolkit/RichView.h"
#include "toolkit/Toolbar.h"

class ShownReader : public RealMainWindow {
protected:
    void SetUp() override {
        RealMainWindow::SetUp();
        ASSERT_NE(form, nullptr);
        form->show();
        Application::processMessages();
    }

    // Surah names as the list shows them.
    std::vector<std::string> listEntries() const {
        std::vector<std::string> entries;
        HWND list = w->SurahList->handle();
        const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            const auto length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
            std::string entry(static_cast<std::size_t>(length) + 1, '\0');
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
            entry.resize(static_cast<std::size_t>(length));
            entries.push_back(entry);
        }
        return entries;
    }
    int selectedEntries() const {
        return static_cast<int>(SendMessageA(w->SurahList->handle(), LB_GETSELCOUNT, 0, 0));
    }

    std::string viewText() const { return w->ReadingView->text(); }
    std::string surahLabel() const { return textOf(w->SurahLabel->handle()); }
    std::string countLabel() const { return textOf(w->CountLabel->handle()); }

    // The format the view reports for the characters from..from+length (the selection moves).
    CHARFORMATA formatOf(int from, int length) const {
        HWND view = w->ReadingView->handle();
        CHARRANGE range{from, from + length};
        SendMessageA(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        SendMessageA(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    // All of from..from+length bold (the mask says the range is uniform).
    bool allBold(int from, int length) const {
        const CHARFORMATA f = formatOf(from, length);
        return (f.dwMask & CFM_BOLD) && (f.dwEffects & CFE_BOLD);
    }
    // None of from..from+length bold.
    bool noneBold(int from, int length) const {
        const CHARFORMATA f = formatOf(from, length);
        return (f.dwMask & CFM_BOLD) && !(f.dwEffects & CFE_BOLD);
    }
    CHARRANGE selection() const {
        CHARRANGE range{-1, -1};
        SendMessageA(w->ReadingView->handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }

    // Typing the text into the search box, then Enter.
    void searchWithEnter(const std::string& text) {
        SetWindowTextA(w->SearchBox->handle(), text.c_str());
        pressKey(w->SearchBox->handle(), VK_RETURN);
    }
    static void pressKey(HWND window, WPARAM key) {
        SendMessageA(window, WM_KEYDOWN, key, 1);
        SendMessageA(window, WM_KEYUP, key, 0xC0000001);
        Application::processMessages();
    }
    static void click(HWND button) {
        SendMessageA(button, BM_CLICK, 0, 0);
        Application::processMessages();
    }
    // "Arab" clicked on the toolbar, and everything it started handled.
    void pressArab() {
        TBBUTTON button{};
        HWND bar = w->ViewToolbar->handle();
        ASSERT_TRUE(
            SendMessageA(bar, TB_GETBUTTON, toolbar::Arabic, reinterpret_cast<LPARAM>(&button)));
        SendMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(button.idCommand, BN_CLICKED),
                     reinterpret_cast<LPARAM>(bar));
        Application::processMessages();
    }
    void setChecked(CheckBox& box, bool on) {
        SendMessageA(box.handle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    // A mouse click (or double-click) on entry k of the surah list, as the list receives it.
    void clickEntry(int k, bool twice = false) {
        HWND list = w->SurahList->handle();
        SendMessageA(list, LB_SETTOPINDEX, k, 0);
        RECT item{};
        SendMessageA(list, LB_GETITEMRECT, k, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
        if (twice) {
            SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            SendMessageA(list, WM_LBUTTONUP, 0, at);
        }
        Application::processMessages();
    }

    // The first line of a view text (up to its first CR).
    static std::string firstLine(const std::string& text) {
        return text.substr(0, text.find('\r'));
    }
    // The view's lines that are not empty.
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> out;
        std::size_t from = 0;
        while (from < text.size()) {
            std::size_t end = text.find("\r\n", from);
            if (end == std::string::npos)
                end = text.size();
            if (end > from)
                out.push_back(text.substr(from, end - from));
            from = end + 2;
        }
        return out;
    }
    // Starting positions of every occurrence of pattern in text, letters compared without
    // regard to case, overlapping ones included.
    static std::vector<int> occurrences(const std::string& text, const std::string& pattern) {
        auto lower = [](std::string s) {
            for (char& c : s)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return s;
        };
        const std::string t = lower(text), p = lower(pattern);
        std::vector<int> at;
        for (std::size_t i = t.find(p); i != std::string::npos; i = t.find(p, i + 1)) {
            at.push_back(static_cast<int>(i));
        }
        return at;
    }
};

// Runs an action between the pieces in which a marked result reaches the view: after the view
// has been given `afterPieces` marked pieces (RTF stream-ins), the action is posted, so the
// look at the queue after that piece runs it as it would run a user's click or key. Counts
// every marked piece the view is given while it lives.
class BetweenPieces {
public:
    BetweenPieces(int afterPieces, std::function<void()> action)
        : afterPieces_(afterPieces), action_(std::move(action)) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = actionProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ReaderTestAction";
        RegisterClassA(&windowClass);  // fails harmlessly when already registered
        window_ = CreateWindowExA(0, "ReaderTestAction", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, watch, nullptr, GetCurrentThreadId());
    }
    ~BetweenPieces() {
        UnhookWindowsHookEx(hook_);
        DestroyWindow(window_);
        current_ = nullptr;
    }
    BetweenPieces(const BetweenPieces&) = delete;
    BetweenPieces& operator=(const BetweenPieces&) = delete;

    int pieces() const { return pieces_; }
    bool ran() const { return ran_; }

private:
    static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && current_ && sent->message == EM_STREAMIN &&
            (sent->wParam & SF_RTF)) {
            if (++current_->pieces_ == current_->afterPieces_) {
                PostMessageA(current_->window_, WM_APP, 0, 0);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK actionProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_APP && current_ && !current_->ran_) {
            current_->ran_ = true;
            current_->action_();
            return 0;
        }
        return DefWindowProcA(window, msg, wParam, lParam);
    }

    static inline BetweenPieces* current_ = nullptr;
    int afterPieces_;
    std::function<void()> action_;
    HWND window_ = nullptr;
    HHOOK hook_ = nullptr;
    int pieces_ = 0;
    bool ran_ = false;
};
