#include "toolkit/PushButton.h"

PushButton::PushButton(Control& parent, const std::string& caption) : Control(&parent) {
    setCaption(caption);
    setBounds(0, 0, scaled(64), scaled(22));
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
    ownFace_ = true;
    Control::setColour(c);
}

void PushButton::paintFace(HDC dc) {
    RECT r = clientRect();
    bool pushed = (SendMessageA(handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    FillRect(dc, &r, backgroundBrush());
    RECT text = r;
    if (flat()) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    } else {
        DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    if (pushed) {
        OffsetRect(&text, scaled(1), scaled(1));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled() ? resolveColour(font().colour) : GetSysColor(COLOR_GRAYTEXT));
    {
        SelectObjectScope fontScope(dc, fontHandle());
        DrawTextA(dc, caption().c_str(), static_cast<int>(caption().size()), &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (focused()) {
        InflateRect(&r, -scaled(3), -scaled(3));
        DrawFocusRect(dc, &r);
    }
}

LRESULT PushButton::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!ownFace_) {
        return Control::handleMessage(msg, wParam, lParam);
    }
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle(), &ps);
            paintFace(dc);
            EndPaint(handle(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        // The system button paints straight away on these; paint the coloured face over it.
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_SETFONT:
        case WM_UPDATEUISTATE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED: {
            LRESULT result = Control::handleMessage(msg, wParam, lParam);
            if (handle()) {
                RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            }
            return result;
        }
        default:
            return Control::handleMessage(msg, wParam, lParam);
    }
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
