#include "toolkit/Panel.h"

Panel::Panel(Control& parent, PanelEdge edge) : Control(&parent), edge_(edge) {
    setBounds(0, 0, scaled(185), scaled(41));
    createOwnWindow(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                    edge == PanelEdge::Lowered ? WS_EX_STATICEDGE : 0, parent.handle());
}

void Panel::setEdge(PanelEdge edge) {
    edge_ = edge;
    if (edge == PanelEdge::Lowered) {
        changeExStyle(WS_EX_STATICEDGE, 0);
    } else {
        changeExStyle(0, WS_EX_STATICEDGE);
    }
    realign();  // the client rectangle changed with the edge
}

void Panel::paintBackground(HDC dc) {
    if (onPaint) {
        fire(onPaint, *this, dc);
        return;
    }
    Control::paintBackground(dc);
}

LRESULT Panel::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: {
            // The panel paints itself in WM_PAINT, in one go. A child that draws transparent
            // (the toolbar) sends its own device context here to get the panel's surface.
            auto dc = reinterpret_cast<HDC>(wParam);
            if (WindowFromDC(dc) != handle()) {
                paintBackground(dc);
            }
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle(), &ps);
            paintBackground(dc);
            EndPaint(handle(), &ps);
            return 0;
        }
        default:
            return Control::handleMessage(msg, wParam, lParam);
    }
}
