#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/WheelRouting.h"

#include <algorithm>

Form::Form(Form* owner, const std::string& caption) : Control(nullptr), owner_(owner) {
    setChildMargin(0);
    setCaption(caption);
    setBounds(0, 0, 320, 240);
    createOwnWindow(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, owner ? owner->handle() : nullptr);
    // The controls are made at the DPI of the monitor the window is on.
    setOwnDpi(scaling::ofWindow(handle()));
}

Form::~Form() {
    destroy();
}

void Form::destroy() {
    if (Application::mainForm() == this) {
        Application::setMainForm(nullptr);
    }
    destroyChildren();
    destroyWindow();
    releaseAll();
}

void Form::releaseAll() {
    // Released one by one, newest first: a destructor may still look at older entries.
    while (!releaseList_.empty()) {
        std::unique_ptr<Releasable> last = std::move(releaseList_.back());
        releaseList_.pop_back();
        last.reset();
    }
}

void Form::windowDestroyed() {
    // The window went by the system's hand (an accepted close): the controls' windows are
    // already gone, so the list can go now.
    releaseAll();
}

void Form::setClientSize(int width, int height) {
    if (!handle()) {
        setSize(width, height);
        return;
    }
    RECT r{0, 0, width, height};
    scaling::adjustWindowRect(r, static_cast<DWORD>(GetWindowLongA(handle(), GWL_STYLE)),
                              static_cast<DWORD>(GetWindowLongA(handle(), GWL_EXSTYLE)), dpi());
    setSize(r.right - r.left, r.bottom - r.top);
}

void Form::styleChanged() {
    // The client rectangle still has its old size until the frame is recomputed.
    RECT client = clientRect();
    RECT r = client;
    scaling::adjustWindowRect(r, static_cast<DWORD>(GetWindowLongA(handle(), GWL_STYLE)),
                              static_cast<DWORD>(GetWindowLongA(handle(), GWL_EXSTYLE)), dpi());
    SetWindowPos(handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    invalidate();
}

bool Form::resizable() const {
    return handle() && (GetWindowLongA(handle(), GWL_STYLE) & WS_THICKFRAME) != 0;
}

void Form::setResizable(bool on) {
    if (on) {
        changeStyle(WS_THICKFRAME | WS_MAXIMIZEBOX, 0);
    } else {
        changeStyle(0, WS_THICKFRAME | WS_MAXIMIZEBOX);
    }
}

void Form::centreOnScreen() {
    auto floorHalf = [](int v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    setPosition(floorHalf(screenWidth - width()), floorHalf(screenHeight - height()));
}

void Form::keepInWorkArea() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!handle() ||
        !GetMonitorInfoA(MonitorFromWindow(handle(), MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const RECT& area = monitor.rcWork;
    const int width = std::min<int>(this->width(), area.right - area.left);
    const int height = std::min<int>(this->height(), area.bottom - area.top);
    const int left = std::clamp<int>(this->left(), area.left, area.right - width);
    const int top = std::clamp<int>(this->top(), area.top, area.bottom - height);
    if (left != this->left() || top != this->top() || width != this->width() ||
        height != this->height()) {
        setBounds(left, top, width, height);
    }
}

void Form::setIcon(HICON icon) {
    if (!handle()) {
        return;
    }
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::show() {
    if (handle()) {
        ShowWindow(handle(), SW_SHOW);
    }
}

void Form::hide() {
    if (handle()) {
        ShowWindow(handle(), SW_HIDE);
    }
}

void Form::close() {
    if (handle()) {
        PostMessageA(handle(), WM_CLOSE, 0, 0);
    }
}

void Form::showModal() {
    if (!handle()) {
        return;
    }
    HWND ownerWindow = GetWindow(handle(), GW_OWNER);
    bool ownerWasEnabled = ownerWindow && IsWindowEnabled(ownerWindow);
    if (ownerWasEnabled) {
        EnableWindow(ownerWindow, FALSE);
    }
    modal_ = true;
    modalDone_ = false;
    show();
    MSG msg;
    while (!modalDone_ && handle()) {
        // In Unicode form, like Application::processMessages, for the same reason.
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) {
            break;
        }
        routeWheelToPointer(msg);
        if (dispatchShortcut(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    modal_ = false;
    // The owner takes input again before this form disappears, so it is the one activated.
    if (ownerWasEnabled && IsWindow(ownerWindow)) {
        EnableWindow(ownerWindow, TRUE);
    }
    hide();
}

void Form::endModal() {
    modalDone_ = true;
    HWND ownerWindow = GetWindow(handle(), GW_OWNER);
    if (ownerWindow) {
        EnableWindow(ownerWindow, TRUE);
    }
    hide();
}

bool Form::isDescendant(HWND hwnd) const {
    return hwnd && handle() && IsChild(handle(), hwnd);
}

LRESULT Form::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE: {
            bool accept = true;
            fire(onClose, *this, accept);
            if (!accept) {
                return 0;
            }
            onClose = nullptr;
            if (modal_) {
                endModal();
                return 0;
            }
            if (Application::mainForm() == this) {
                PostQuitMessage(0);
            }
            break;  // the default course: the window is destroyed
        }
        case WM_SIZE: {
            LRESULT result = Control::handleMessage(msg, wParam, lParam);
            fire(onResize, *this);
            return result;
        }
        case WM_WINDOWPOSCHANGED: {
            LRESULT result = Control::handleMessage(msg, wParam, lParam);
            if (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) {
                fire(onShow, *this);
            }
            return result;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                lastFocus_ = isDescendant(focus) ? focus : nullptr;
                break;
            }
            // Keep the focus on the control that had it instead of the form itself.
            if (isDescendant(GetFocus())) {
                return 0;
            }
            if (lastFocus_ && isDescendant(lastFocus_) && IsWindowEnabled(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_NCCREATE:
            // Windows 10 before its per-monitor mode v2 draws the frame at the system's DPI
            // unless asked; later versions and older ones ignore this.
            scaling::scaleNonClientArea(handle());
            break;
        case scaling::ChangedMessage: {
            fire(onDpiChanging, *this);
            rescale(LOWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            setBounds(suggested.left, suggested.top, suggested.right - suggested.left,
                      suggested.bottom - suggested.top);
            fire(onDpiChange, *this);
            return 0;
        }
        case WM_ENDSESSION:
            if (wParam && Application::mainForm() == this) {
                Application::endSession();
                return 0;
            }
            break;
        default:
            break;
    }
    return Control::handleMessage(msg, wParam, lParam);
}
