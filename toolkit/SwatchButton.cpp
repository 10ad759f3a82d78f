#include "toolkit/SwatchButton.h"

#include <windowsx.h>

namespace {
constexpr int PressedShift = 1;  // the caption moves this far right and down while pressed
}

SwatchButton::SwatchButton(Control& parent, const std::string& caption) : Control(&parent) {
    setCaption(caption);
    setBounds(0, 0, scaled(64), scaled(22));
    // No WS_TABSTOP: the swatch is never part of keyboard navigation.
    createStockWindow("BUTTON", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_OWNERDRAW, 0);
}

SwatchButton::Look SwatchButton::look() const {
    if (tracking_ && pressedInside_) {
        return Look::Pressed;
    }
    return hot_ ? Look::Hot : Look::Rest;
}

bool SwatchButton::cursorInside(LPARAM lParam) const {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT r = clientRect();
    return PtInRect(&r, p) != FALSE;
}

LRESULT SwatchButton::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEMOVE: {
            bool inside = cursorInside(lParam);
            bool changed = false;
            if (inside != hot_) {
                hot_ = inside;
                changed = true;
                if (inside) {
                    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle(), 0};
                    TrackMouseEvent(&tme);
                }
            }
            if (tracking_ && inside != pressedInside_) {
                pressedInside_ = inside;
                changed = true;
            }
            if (changed) {
                invalidate();
            }
            fire(onMouseMove, *this);
            return 0;
        }
        case WM_MOUSELEAVE:
            if (hot_ && !tracking_) {
                hot_ = false;
                invalidate();
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Handled here, not by the system button, which would take the focus.
            SetCapture(handle());
            tracking_ = true;
            pressedInside_ = true;
            hot_ = true;
            invalidate();
            fire(onMouseDown, *this);
            return 0;
        case WM_LBUTTONUP: {
            if (!tracking_) {
                return 0;
            }
            bool inside = cursorInside(lParam);
            tracking_ = false;
            pressedInside_ = false;
            hot_ = inside;
            ReleaseCapture();
            invalidate();
            if (inside) {
                fire(onClick, *this);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (tracking_) {
                tracking_ = false;
                pressedInside_ = false;
                invalidate();
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return 0;  // no focus rectangle: the swatch never keeps the focus
        default:
            return Control::handleMessage(msg, wParam, lParam);
    }
}

bool SwatchButton::reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (msg == WM_COMMAND) {
        result = 0;
        return true;  // clicks are raised on release, above
    }
    return Control::reflect(msg, wParam, lParam, result);
}

void SwatchButton::draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    BrushHandle face(CreateSolidBrush(resolveColour(colour())));
    FillRect(dc, &r, face.get());
    Look state = look();
    RECT text = r;
    if (state == Look::Pressed) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        OffsetRect(&text, scaled(PressedShift), scaled(PressedShift));
    } else if (state == Look::Hot) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, resolveColour(font().colour));
    SelectObjectScope fontScope(dc, fontHandle());
    DrawTextA(dc, caption().c_str(), static_cast<int>(caption().size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
