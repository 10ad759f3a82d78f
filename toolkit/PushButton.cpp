#include "toolkit/PushButton.h"

PushButton::PushButton(Control& parent, const std::string& caption) : Control(&parent) {
    setCaption(caption);
    setBounds(0, 0, 64, 22);
    createStockWindow("BUTTON",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON, 0);
}

bool PushButton::flat() const {
    return handle() && (GetWindowLongA(handle(), GWL_STYLE) & BS_FLAT) != 0;
}

void PushButton::setFlat(bool on) {
    if (on) {
        changeStyle(BS_FLAT, 0);
    } else {
        changeStyle(0, BS_FLAT);
    }
}

void PushButton::setColour(Colour c) {
    Control::setColour(c);
}

bool PushButton::reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (!focused()) {
            setFocus();
        }
        fire(onClick, *this);
        result = 0;
        return true;
    }
    return Control::reflect(msg, wParam, lParam, result);
}
