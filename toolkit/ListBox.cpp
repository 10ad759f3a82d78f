#include "toolkit/ListBox.h"

#include "toolkit/Application.h"

#include <vector>

namespace {
constexpr DWORD BaseStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_VSCROLL |
                            LBS_NOTIFY | LBS_HASSTRINGS | LBS_EXTENDEDSEL;
}

ListBox::ListBox(Control& parent) : Control(&parent) {
    setBounds(0, 0, scaled(121), scaled(97));
    createStockWindow("LISTBOX", BaseStyle | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE);
}

ListBox::Batch::Batch(ListBox& list) : list_(list) {
    if (list_.batches_++ == 0 && list_.handle()) {
        SendMessageA(list_.handle(), WM_SETREDRAW, FALSE, 0);
    }
}

ListBox::Batch::~Batch() {
    if (--list_.batches_ == 0 && list_.handle()) {
        SendMessageA(list_.handle(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_.handle(), nullptr, TRUE);
    }
}

void ListBox::add(const std::string& text) {
    SendMessageA(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::clear() {
    SendMessageA(handle(), LB_RESETCONTENT, 0, 0);
}

int ListBox::count() const {
    const LRESULT n = SendMessageA(handle(), LB_GETCOUNT, 0, 0);
    return n == LB_ERR ? 0 : static_cast<int>(n);
}

std::string ListBox::item(int index) const {
    const LRESULT length = SendMessageA(handle(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int ListBox::itemIndex() const {
    const LRESULT index = SendMessageA(handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::setItemIndex(int index) {
    // A list with extended selection takes no LB_SETCURSEL: clear, select one, move the caret.
    SendMessageA(handle(), LB_SETSEL, FALSE, -1);
    if (index >= 0 && index < count()) {
        SendMessageA(handle(), LB_SETSEL, TRUE, index);
        SendMessageA(handle(), LB_SETCARETINDEX, index, FALSE);
    }
}

bool ListBox::selected(int index) const {
    return SendMessageA(handle(), LB_GETSEL, index, 0) > 0;
}

int ListBox::selectedCount() const {
    const LRESULT n = SendMessageA(handle(), LB_GETSELCOUNT, 0, 0);
    return n == LB_ERR ? 0 : static_cast<int>(n);
}

bool ListBox::integralHeight() const {
    return handle() && (GetWindowLongA(handle(), GWL_STYLE) & LBS_NOINTEGRALHEIGHT) == 0;
}

void ListBox::setIntegralHeight(bool on) {
    if (on == integralHeight()) {
        return;
    }
    // The entries and the selection move to the new window.
    std::vector<std::string> items;
    for (int i = 0, n = count(); i < n; ++i) {
        items.push_back(item(i));
    }
    const int current = itemIndex();
    replaceWindow(makeWindow(on));
    for (const std::string& text : items) {
        add(text);
    }
    setItemIndex(current);
}

HWND ListBox::makeWindow(bool integral) {
    HWND parentWindow = parent() ? parent()->handle() : nullptr;
    const DWORD style = BaseStyle | (integral ? 0 : LBS_NOINTEGRALHEIGHT);
    const auto id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(GetDlgCtrlID(handle())));
    return CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", style, left(), top(), width(), height(),
                           parentWindow, id, Application::instance(), nullptr);
}

bool ListBox::reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND) {
        switch (HIWORD(wParam)) {
            case LBN_SELCHANGE:
                fire(onSelectionChange, *this);
                result = 0;
                return true;
            case LBN_DBLCLK:
                if (!focused()) {
                    setFocus();
                }
                fire(onDoubleClick, *this);
                result = 0;
                return true;
            default:
                break;
        }
    }
    return Control::reflect(msg, wParam, lParam, result);
}
