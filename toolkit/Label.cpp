#include "toolkit/Label.h"

Label::Label(Control& parent, const std::string& caption) : Control(&parent) {
    setCaption(caption);
    setBounds(0, 0, scaled(65), scaled(17));
    createOwnWindow(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent.handle());
}

void Label::setTransparent(bool on) {
    transparent_ = on;
    invalidate();
}

namespace {
constexpr UINT_PTR HideTimer = 1;
}  // namespace

void Label::showFor(UINT milliseconds) {
    if (!handle()) {
        return;
    }
    setVisible(true);
    SetTimer(handle(), HideTimer, milliseconds, nullptr);
}

void Label::paintBackground(HDC dc) {
    if (transparent_) {
        paintParentBackground(dc);
    } else {
        Control::paintBackground(dc);
    }
}

LRESULT Label::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle(), &ps);
            paintBackground(dc);
            RECT r = clientRect();
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, resolveColour(font().colour));
            {
                SelectObjectScope fontScope(dc, fontHandle());
                DrawTextA(dc, caption().c_str(), static_cast<int>(caption().size()), &r,
                          DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
            }
            EndPaint(handle(), &ps);
            return 0;
        }
        case WM_TIMER:
            if (wParam == HideTimer) {
                KillTimer(handle(), HideTimer);
                setVisible(false);
                return 0;
            }
            break;
        case WM_SETTEXT:
            // The caption changes through setCaption; repaint for SetWindowText from outside.
            invalidate();
            break;
        default:
            break;
    }
    return Control::handleMessage(msg, wParam, lParam);
}
