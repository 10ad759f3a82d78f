#include "tests/win32/support/ModalAnswer.h"

#include <colordlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The live answers of this thread, innermost last; the hook lives while the list is not
// empty.
thread_local std::vector<ModalAnswer*> liveAnswers;
thread_local HHOOK threadHook = nullptr;

// Dialogs whose answer is due once their modal loop runs.
struct Pending {
    HWND dialog;
    ModalAnswer* answer;  // null: nobody expects this dialog
};
thread_local std::vector<Pending> pending;

constexpr UINT_PTR AnswerTimer = 0x4E52;
// The message box's text control.
constexpr int MessageTextId = 0xFFFF;

bool isDialog(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    return std::string(name) == "#32770";
}

}  // namespace

ModalAnswer::ModalAnswer(Callback callback) : ModalAnswer(Kind::AnyDialog, std::move(callback)) {}

ModalAnswer::ModalAnswer(Kind kind, Callback callback)
    : kind_(kind), callback_(std::move(callback)) {
    if (liveAnswers.empty()) {
        threadHook = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
    }
    liveAnswers.push_back(this);
}

ModalAnswer::ModalAnswer(std::string text, Callback callback)
    : ModalAnswer(Kind::MessageBox, std::move(callback)) {
    text_ = std::move(text);
    byText_ = true;
}

ModalAnswer::~ModalAnswer() {
    liveAnswers.erase(std::remove(liveAnswers.begin(), liveAnswers.end(), this), liveAnswers.end());
    for (Pending& entry : pending) {
        if (entry.answer == this) {
            entry.answer = nullptr;
        }
    }
    if (liveAnswers.empty() && threadHook != nullptr) {
        UnhookWindowsHookEx(threadHook);
        threadHook = nullptr;
    }
}

ModalAnswer::Kind ModalAnswer::kindOf(HWND dialog) {
    if (GetDlgItem(dialog, COLOR_RED) && GetDlgItem(dialog, COLOR_GREEN) &&
        GetDlgItem(dialog, COLOR_BLUE)) {
        return Kind::ColourChooser;
    }
    if (GetDlgItem(dialog, cmb1) && (GetDlgItem(dialog, cmb13) || GetDlgItem(dialog, edt1))) {
        return Kind::SaveDialog;
    }
    if (GetDlgItem(dialog, MessageTextId)) {
        return Kind::MessageBox;
    }
    return Kind::AnyDialog;
}

bool ModalAnswer::matches(HWND dialog) const {
    if (kind_ == Kind::AnyDialog) {
        return true;
    }
    if (kindOf(dialog) != kind_) {
        return false;
    }
    return !byText_ || messageText(dialog) == text_;
}

LRESULT CALLBACK ModalAnswer::hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const bool known = std::any_of(pending.begin(), pending.end(),
                                       [&](const Pending& p) { return p.dialog == window; });
        bool answeredBefore = false;
        for (ModalAnswer* answer : liveAnswers) {
            answeredBefore = answeredBefore || std::find(answer->seen_.begin(), answer->seen_.end(),
                                                         window) != answer->seen_.end();
        }
        if (isDialog(window) && !known && !answeredBefore) {
            ModalAnswer* chosen = nullptr;
            for (auto it = liveAnswers.rbegin(); it != liveAnswers.rend() && !chosen; ++it) {
                if ((*it)->matches(window)) {
                    chosen = *it;
                }
            }
            pending.push_back(Pending{window, chosen});
            // The callback runs from the dialog's own loop, once the dialog is shown.
            SetTimer(window, AnswerTimer, USER_TIMER_MINIMUM, deliver);
        }
    }
    return CallNextHookEx(threadHook, code, wParam, lParam);
}

void CALLBACK ModalAnswer::deliver(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    // The modal loop shows the dialog the first time its queue is empty, or right after
    // dispatching a WM_TIMER that came first: when building the dialog took longer than the
    // timer's interval, this tick runs while the dialog is still hidden. A hidden dialog is
    // not yet what a user meets (the colour chooser, for one, leaves its red, green and blue
    // fields alone while they are not visible), so the answer waits for a tick that finds it
    // shown; the timer stays set until then.
    if (!IsWindowVisible(dialog)) {
        return;
    }
    KillTimer(dialog, timer);
    auto it = std::find_if(pending.begin(), pending.end(),
                           [&](const Pending& p) { return p.dialog == dialog; });
    if (it == pending.end()) {
        return;
    }
    ModalAnswer* answer = it->answer;
    pending.erase(it);
    if (answer == nullptr) {
        std::string what = messageText(dialog);
        if (what.empty()) {
            what = caption(dialog);
        }
        for (ModalAnswer* live : liveAnswers) {
            live->unexpected_.push_back(what);
        }
        ADD_FAILURE() << "unexpected dialog: " << what;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    answer->seen_.push_back(dialog);
    ++answer->answered_;
    try {
        answer->callback_(dialog);
    } catch (...) {
        ADD_FAILURE() << "the dialog answer threw";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

std::string ModalAnswer::caption(HWND dialog) {
    char buffer[512] = {};
    GetWindowTextA(dialog, buffer, sizeof(buffer));
    return buffer;
}

std::string ModalAnswer::text(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    if (item == nullptr) {
        return {};
    }
    const int length = GetWindowTextLengthA(item);
    std::string value(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(item, value.data(), length + 1);
    value.resize(std::strlen(value.c_str()));
    return value;
}

std::string ModalAnswer::messageText(HWND messageBox) {
    return text(messageBox, MessageTextId);
}

void ModalAnswer::setText(HWND dialog, int id, const std::string& value) {
    SetDlgItemTextA(dialog, id, value.c_str());
}

void ModalAnswer::press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ModalAnswer::click(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

namespace {
// The explorer-style dialog holds the name in an edit inside a combo box with id cmb13;
// the classic one has a plain edit edt1.
BOOL CALLBACK findNameEdit(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    if (GetDlgCtrlID(window) == cmb13 && std::string(name) == "Edit") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND fileNameField(HWND saveDialog) {
    HWND field = nullptr;
    EnumChildWindows(saveDialog, findNameEdit, reinterpret_cast<LPARAM>(&field));
    return field != nullptr ? field : GetDlgItem(saveDialog, edt1);
}
}  // namespace

std::string ModalAnswer::fileName(HWND saveDialog) {
    char buffer[MAX_PATH + 1] = {};
    GetWindowTextA(fileNameField(saveDialog), buffer, sizeof(buffer));
    return buffer;
}

void ModalAnswer::setFileName(HWND saveDialog, const std::string& name) {
    SetWindowTextA(fileNameField(saveDialog), name.c_str());
}

int ModalAnswer::fileType(HWND saveDialog) {
    return static_cast<int>(SendDlgItemMessageA(saveDialog, cmb1, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ModalAnswer::fileTypes(HWND saveDialog) {
    std::vector<std::string> types;
    const int count = static_cast<int>(SendDlgItemMessageA(saveDialog, cmb1, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char buffer[512] = {};
        SendDlgItemMessageA(saveDialog, cmb1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
        types.emplace_back(buffer);
    }
    return types;
}

void ModalAnswer::chooseFileType(HWND saveDialog, int index) {
    HWND list = GetDlgItem(saveDialog, cmb1);
    SendMessageA(list, CB_SETCURSEL, index, 0);
    // CB_SETCURSEL sends no notification; the dialog learns of the change as from the user,
    // who changes the selection and then confirms it.
    for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
        SendMessageA(saveDialog, WM_COMMAND, MAKEWPARAM(cmb1, notification),
                     reinterpret_cast<LPARAM>(list));
    }
}

COLORREF ModalAnswer::colour(HWND chooser) {
    const auto channel = [&](int id) {
        return static_cast<BYTE>(GetDlgItemInt(chooser, id, nullptr, FALSE));
    };
    return RGB(channel(COLOR_RED), channel(COLOR_GREEN), channel(COLOR_BLUE));
}

void ModalAnswer::setColour(HWND chooser, COLORREF value) {
    SetDlgItemInt(chooser, COLOR_RED, GetRValue(value), FALSE);
    SetDlgItemInt(chooser, COLOR_GREEN, GetGValue(value), FALSE);
    SetDlgItemInt(chooser, COLOR_BLUE, GetBValue(value), FALSE);
}

void ModalAnswer::pickCustomColour(HWND chooser, int slot) {
    // The custom colours are drawn in one control as two rows of eight boxes.
    HWND area = GetDlgItem(chooser, COLOR_CUSTOM1);
    RECT rect{};
    GetClientRect(area, &rect);
    const int column = slot % 8;
    const int row = slot / 8;
    POINT point{rect.left + (rect.right - rect.left) * (2 * column + 1) / 16,
                rect.top + (rect.bottom - rect.top) * (2 * row + 1) / 4};
    MapWindowPoints(area, chooser, &point, 1);
    const LPARAM where = MAKELPARAM(point.x, point.y);
    SendMessageA(chooser, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(chooser, WM_LBUTTONUP, 0, where);
}
