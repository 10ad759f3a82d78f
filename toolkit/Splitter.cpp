#include "toolkit/Splitter.h"

#include <algorithm>

namespace {
// Escape is looked at this often while the button is held.
constexpr UINT_PTR EscapeTimer = 1;
constexpr UINT EscapeInterval = 100;
}  // namespace

Splitter::Splitter(Control& parent) : Control(&parent) {
    setBounds(0, 0, scaled(4), scaled(100));
    createOwnWindow(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent.handle());
}

void Splitter::setMinSizes(int minSize, int minRest) {
    minSize_ = std::max(0, minSize);
    minRest_ = std::max(0, minRest);
}

Control* Splitter::resizedControl() const {
    if (!parent() || (align() != Align::Left && align() != Align::Right)) {
        return nullptr;
    }
    Control* before = nullptr;
    for (const auto& child : parent()->children()) {
        if (child.get() == this) {
            return before;
        }
        if (child->align() == align()) {
            before = child.get();
        }
    }
    return nullptr;
}

int Splitter::screenX(LPARAM where) const {
    POINT point{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    ClientToScreen(handle(), &point);
    return point.x;
}

void Splitter::beginDrag(LPARAM where) {
    target_ = resizedControl();
    if (!target_) {
        return;
    }
    startWidth_ = target_->width();
    startX_ = screenX(where);
    SetCapture(handle());
    SetTimer(handle(), EscapeTimer, EscapeInterval, nullptr);
}

void Splitter::dragTo(LPARAM where) {
    if (!target_) {
        return;
    }
    int moved = screenX(where) - startX_;
    if (align() == Align::Right) {
        moved = -moved;
    }
    // The rest of the parent keeps at least minRest: its client width less this splitter,
    // the resized control and the four margins around and between them.
    const RECT area = parent()->clientRect();
    const int largest = (area.right - area.left) - width() - 4 * parent()->childMargin() - minRest_;
    const int wanted = std::min(startWidth_ + moved, largest);
    target_->setWidth(std::max(wanted, minSize_));
    UpdateWindow(parent()->handle());
}

void Splitter::endDrag(bool restore) {
    Control* target = target_;
    if (!target) {
        return;
    }
    target_ = nullptr;  // first, so the capture loss below does not end the drag twice
    KillTimer(handle(), EscapeTimer);
    if (GetCapture() == handle()) {
        ReleaseCapture();
    }
    if (restore) {
        target->setWidth(startWidth_);
    }
}

void Splitter::paint(HDC dc) {
    RECT rect = clientRect();
    FillRect(dc, &rect, backgroundBrush());
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
}

LRESULT Splitter::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            beginDrag(lParam);
            break;
        case WM_MOUSEMOVE:
            dragTo(lParam);
            break;
        case WM_LBUTTONUP:
            dragTo(lParam);
            endDrag(false);
            break;
        case WM_CAPTURECHANGED:
            endDrag(false);
            break;
        case WM_TIMER:
            if (wParam == EscapeTimer) {
                if (GetAsyncKeyState(VK_ESCAPE) & 0x8000) {
                    endDrag(true);
                }
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle(), &ps);
            paint(dc);
            EndPaint(handle(), &ps);
            return 0;
        }
        default:
            break;
    }
    return Control::handleMessage(msg, wParam, lParam);
}
