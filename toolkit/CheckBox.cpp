#include "toolkit/CheckBox.h"

CheckBox::CheckBox(Control& parent, const std::string& caption) : Control(&parent) {
    setCaption(caption);
    setBounds(0, 0, scaled(97), scaled(17));
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
    // Transparent boxes may overlap (the header stacks two with a few rows in common); they
    // must be able to draw their caption into the shared rows, see paintTransparentBackground.
    if (on) {
        changeStyle(0, WS_CLIPSIBLINGS);
    } else {
        changeStyle(WS_CLIPSIBLINGS, 0);
    }
    invalidate();
}

void CheckBox::paintTransparentBackground(HDC dc) {
    // The box and caption are centred vertically in the auto-size extra: the rows above and
    // below them hold nothing. Where such an empty row lies over a sibling, the sibling owns
    // it, so this box's background never wipes a neighbour's caption.
    RECT client = clientRect();
    int margin = autoSizeExtra().cy / 2;
    HRGN clip = CreateRectRgn(0, 0, client.right, client.bottom);
    for (const auto& sibling : parent()->children()) {
        if (sibling.get() == this || !sibling->visible()) {
            continue;
        }
        RECT other{sibling->left() - left(), sibling->top() - top(),
                   sibling->left() - left() + sibling->width(),
                   sibling->top() - top() + sibling->height()};
        RECT bands[2] = {{0, 0, client.right, margin},
                         {0, client.bottom - margin, client.right, client.bottom}};
        for (const RECT& band : bands) {
            RECT shared;
            if (IntersectRect(&shared, &band, &other)) {
                HRGN cut = CreateRectRgnIndirect(&shared);
                CombineRgn(clip, clip, cut, RGN_DIFF);
                DeleteObject(cut);
            }
        }
    }
    int saved = SaveDC(dc);
    ExtSelectClipRgn(dc, clip, RGN_AND);
    paintParentBackground(dc);
    RestoreDC(dc, saved);
    DeleteObject(clip);
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
        paintTransparentBackground(dc);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, resolveColour(font().colour));
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return Control::reflect(msg, wParam, lParam, result);
}
