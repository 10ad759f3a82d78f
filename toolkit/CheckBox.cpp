#include "toolkit/CheckBox.h"

CheckBox::CheckBox(Control& parent, const std::string& caption) : Control(&parent) {
    setCaption(caption);
    setBounds(0, 0, 97, 17);
    createStockWindow("BUTTON",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_AUTOCHECKBOX, 0);
}

bool CheckBox::checked() const {
    return handle() && SendMessageA(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::setChecked(bool on) {
    if (handle()) {
        SendMessageA(handle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void CheckBox::setTransparent(bool on) {
    transparent_ = on;
    invalidate();
}

bool CheckBox::reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        fire(onClick, *this);
        result = 0;
        return true;
    }
    if (transparent_ && (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN)) {
        // The button fills its background with the brush it gets back: paint the parent's
        // surface first and hand back a brush that paints nothing.
        HDC dc = reinterpret_cast<HDC>(wParam);
        paintParentBackground(dc);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, resolveColour(font().colour));
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return Control::reflect(msg, wParam, lParam, result);
}
