#include "toolkit/Control.h"

#include "toolkit/Application.h"

#include <commctrl.h>
#include <algorithm>
#include <unordered_map>

namespace {

constexpr const char* OwnClassName = "NurvelaWindow";

// Which control object a window belongs to, and for a subclassed stock window the class
// procedure it had. Looked up on every message, so it lives in the process: window
// properties and the common-controls subclass chain cost a round trip to the window server
// under Wine, which a walk over thousands of hits pays several times per hit.
struct Binding {
    Control* control = nullptr;
    WNDPROC original = nullptr;
    // A window of a Unicode class keeps receiving its messages in Unicode form: it is
    // subclassed with the ...W calls, and its class procedure is called the same way.
    bool unicode = false;
};
std::unordered_map<HWND, Binding>& bindings() {
    static std::unordered_map<HWND, Binding> table;
    return table;
}

void registerOwnClass() {
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(Application::instance(), OwnClassName, &wc)) {
        return;
    }
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    // Redraw on every size change: panels stretch their band over the whole surface.
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = toolkitWindowProc;
    wc.hInstance = Application::instance();
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = OwnClassName;
    RegisterClassExA(&wc);
}

bool isNotification(UINT msg) {
    return msg == WM_COMMAND || msg == WM_NOTIFY || msg == WM_DRAWITEM || msg == WM_MEASUREITEM ||
           (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
}

}  // namespace

LRESULT CALLBACK toolkitWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Control* control = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        control = static_cast<Control*>(cs->lpCreateParams);
        if (control) {
            control->bind(hwnd);
        }
    } else {
        control = Control::fromHandle(hwnd);
    }
    if (!control) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return control->dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK toolkitSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto found = bindings().find(hwnd);
    if (found == bindings().end()) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    Control* control = found->second.control;
    if (!control || control->hwnd_ != hwnd) {
        // Unbound while another subclass sat above this one: pass everything on.
        const Binding binding = found->second;
        if (msg == WM_NCDESTROY) {
            bindings().erase(found);
        }
        return binding.unicode ? CallWindowProcW(binding.original, hwnd, msg, wParam, lParam)
                               : CallWindowProcA(binding.original, hwnd, msg, wParam, lParam);
    }
    return control->dispatch(msg, wParam, lParam);
}

Control::Control(Control* parent) : parent_(parent) {
    if (parent_) {
        font_ = parent_->font_;
        colour_ = parent_->colour_;
        childMargin_ = parent_->childMargin_;
        dpi_ = parent_->dpi_;
    }
}

Control::~Control() {
    destroyChildren();
    destroyWindow();
}

Control* Control::fromHandle(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    auto found = bindings().find(hwnd);
    return found == bindings().end() ? nullptr : found->second.control;
}

void Control::bind(HWND hwnd) {
    hwnd_ = hwnd;
    bindings()[hwnd].control = this;
}

void Control::unbind() {
    if (!hwnd_) {
        return;
    }
    auto found = bindings().find(hwnd_);
    if (subclassed_ && found != bindings().end()) {
        const auto current =
            reinterpret_cast<WNDPROC>(unicode_ ? GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)
                                               : GetWindowLongPtrA(hwnd_, GWLP_WNDPROC));
        if (current == toolkitSubclassProc) {
            const auto original = reinterpret_cast<LONG_PTR>(found->second.original);
            if (unicode_) {
                SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, original);
            } else {
                SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, original);
            }
            bindings().erase(found);
        } else {
            // Another subclass sits above ours: keep passing messages through to the class.
            found->second.control = nullptr;
        }
    } else if (found != bindings().end()) {
        bindings().erase(found);
    }
    subclassed_ = false;
    unicode_ = false;
    originalProc_ = nullptr;
    hwnd_ = nullptr;
}

LRESULT Control::dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    try {
        result = handleMessage(msg, wParam, lParam);
    } catch (...) {
        Application::handleException(std::current_exception());
        result = 0;
    }
    if (msg == WM_NCDESTROY && hwnd_) {
        unbind();
        try {
            windowDestroyed();
        } catch (...) {
            Application::handleException(std::current_exception());
        }
    }
    return result;
}

void Control::createOwnWindow(DWORD style, DWORD exStyle, HWND parentOrOwner) {
    registerOwnClass();
    ownClass_ = true;
    HMENU id = nullptr;
    if (style & WS_CHILD) {
        id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(parent_ ? parent_->nextChildId_++ : 0));
    }
    CreateWindowExA(exStyle, OwnClassName, caption_.c_str(), style, left_, top_, width_, height_,
                    parentOrOwner, id, Application::instance(), this);
    if (hwnd_) {
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
    }
}

void Control::createStockWindow(const char* className, DWORD style, DWORD exStyle, bool unicode) {
    ownClass_ = false;
    HWND parentWindow = parent_ ? parent_->hwnd_ : nullptr;
    auto id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(parent_ ? parent_->nextChildId_++ : 0));
    HWND hwnd = nullptr;
    if (unicode) {
        const auto wide = [](const std::string& ansi) {
            std::wstring text(ansi.size(), L'\0');
            const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                              text.data(), static_cast<int>(text.size()));
            text.resize(static_cast<std::size_t>(std::max(n, 0)));
            return text;
        };
        hwnd = CreateWindowExW(exStyle, wide(className).c_str(), wide(caption_).c_str(),
                               style | WS_CHILD, left_, top_, width_, height_, parentWindow, id,
                               Application::instance(), nullptr);
    } else {
        hwnd = CreateWindowExA(exStyle, className, caption_.c_str(), style | WS_CHILD, left_, top_,
                               width_, height_, parentWindow, id, Application::instance(), nullptr);
    }
    if (hwnd) {
        attachWindow(hwnd);
    }
}

void Control::attachWindow(HWND hwnd) {
    ownClass_ = false;
    bind(hwnd);
    // Subclassing a Unicode window with the ANSI call would make the system translate its
    // text messages to the ANSI code page and back, and every character outside it would be
    // lost.
    unicode_ = IsWindowUnicode(hwnd) != FALSE;
    const auto subclass = reinterpret_cast<LONG_PTR>(toolkitSubclassProc);
    originalProc_ =
        reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, subclass)
                                           : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, subclass));
    bindings()[hwnd].original = originalProc_;
    bindings()[hwnd].unicode = unicode_;
    subclassed_ = originalProc_ != nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
    syncBoundsFromWindow();
}

void Control::replaceWindow(HWND hwnd) {
    if (hwnd_ && hwnd) {
        SetWindowPos(hwnd, hwnd_, left_, top_, width_, height_, SWP_NOACTIVATE);
    }
    destroyWindow();
    if (hwnd) {
        attachWindow(hwnd);
    }
}

void Control::destroyWindow() {
    if (!hwnd_) {
        return;
    }
    HWND hwnd = hwnd_;
    unbind();  // stop dispatch and unsubclass before the window goes
    DestroyWindow(hwnd);
}

void Control::destroyChildren() {
    while (!children_.empty()) {
        std::unique_ptr<Control> child = std::move(children_.back());
        children_.pop_back();
        child.reset();
    }
}

void Control::syncBoundsFromWindow() {
    if (!hwnd_) {
        return;
    }
    RECT r;
    GetWindowRect(hwnd_, &r);
    HWND parentWindow = (GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd_) : nullptr;
    if (parentWindow) {
        MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    }
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
}

void Control::placeWindow(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    bool sizeChanged = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (sizeChanged) {
        realign();
        resized();
    }
}

void Control::setBounds(int left, int top, int width, int height) {
    bool sizeChanged = std::max(0, width) != width_ || std::max(0, height) != height_;
    placeWindow(left, top, width, height);
    // An aligned child that changes its size moves its siblings.
    if (sizeChanged && parent_ && align_ != Align::None) {
        parent_->realign();
    }
}

RECT Control::clientRect() const {
    RECT r{0, 0, width_, height_};
    if (hwnd_) {
        GetClientRect(hwnd_, &r);
    }
    return r;
}

void Control::setAlign(Align a) {
    align_ = a;
    if (parent_) {
        parent_->realign();
    }
}

void Control::setChildMargin(int margin) {
    childMargin_ = margin;
    realign();
}

void Control::realign() {
    if (inLayout_ || children_.empty()) {
        return;
    }
    inLayout_ = true;
    RECT r = clientRect();
    const int m = childMargin_;
    auto place = [](Control& c, int left, int top, int right, int bottom) {
        c.placeWindow(left, top, std::max(0, right - left), std::max(0, bottom - top));
    };
    for (auto& child : children_) {
        Control& c = *child;
        if (c.align_ == Align::Top) {
            int h = c.height_;
            place(c, r.left + m, r.top + m, r.right - m, r.top + m + h);
            r.top += m + h;
        } else if (c.align_ == Align::Bottom) {
            int h = c.height_;
            place(c, r.left + m, r.bottom - m - h, r.right - m, r.bottom - m);
            r.bottom -= m + h;
        }
    }
    for (auto& child : children_) {
        Control& c = *child;
        if (c.align_ == Align::Left) {
            int w = c.width_;
            place(c, r.left + m, r.top + m, r.left + m + w, r.bottom - m);
            r.left += m + w;
        } else if (c.align_ == Align::Right) {
            int w = c.width_;
            place(c, r.right - m - w, r.top + m, r.right - m, r.bottom - m);
            r.right -= m + w;
        }
    }
    for (auto& child : children_) {
        if (child->align_ == Align::Client) {
            place(*child, r.left + m, r.top + m, r.right - m, r.bottom - m);
        }
    }
    inLayout_ = false;
}

void Control::rescale(int newDpi) {
    const int oldDpi = dpi_;
    if (newDpi <= 0 || newDpi == oldDpi) {
        return;
    }
    const auto scale = [&](int v) { return MulDiv(v, newDpi, oldDpi); };
    dpi_ = newDpi;
    childMargin_ = scale(childMargin_);
    // Each child is placed, then drawn at the new DPI (an auto-sized one then fits its caption
    // again); the layout below gives the aligned ones their place.
    inLayout_ = true;
    for (auto& child : children_) {
        Control& c = *child;
        c.placeWindow(scale(c.left_), scale(c.top_), scale(c.width_), scale(c.height_));
        c.rescale(newDpi);
    }
    inLayout_ = false;
    setFont(font_);  // made again at the new DPI; auto-size follows
    dpiChanged(oldDpi);
    realign();
}

void Control::setColour(Colour c) {
    colour_ = c;
    invalidate();
}

void Control::setFont(const FontDesc& f) {
    font_ = f;
    FontHandle old = std::move(fontHandle_);
    if (hwnd_) {
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), TRUE);
        fontApplied();
    }
    // old is deleted here, after the window has let go of it.
    applyAutoSize();
    invalidate();
}

void Control::setFontFace(const std::string& face) {
    FontDesc f = font_;
    f.face = face;
    setFont(f);
}

void Control::setFontHeight(int height) {
    FontDesc f = font_;
    f.height = height;
    setFont(f);
}

void Control::setFontWeight(int weight) {
    FontDesc f = font_;
    f.weight = weight;
    setFont(f);
}

void Control::setFontColour(Colour c) {
    font_.colour = c;
    invalidate();
}

HFONT Control::fontHandle() {
    if (!fontHandle_) {
        fontHandle_ = font_.create(dpi_);
    }
    return fontHandle_.get();
}

void Control::setCaption(const std::string& text) {
    caption_ = text;
    if (hwnd_) {
        SetWindowTextA(hwnd_, caption_.c_str());
    }
    applyAutoSize();
    invalidate();
}

void Control::setAutoSize(bool on) {
    autoSize_ = on;
    applyAutoSize();
}

void Control::applyAutoSize() {
    if (!autoSize_) {
        return;
    }
    SIZE extent{0, 0};
    if (!caption_.empty()) {
        HDC dc = CreateCompatibleDC(nullptr);
        {
            SelectObjectScope font(dc, fontHandle());
            GetTextExtentPoint32A(dc, caption_.data(), static_cast<int>(caption_.size()), &extent);
        }
        DeleteDC(dc);
    }
    SIZE extra = autoSizeExtra();
    setSize(extent.cx + extra.cx, extent.cy + extra.cy);
}

bool Control::visible() const {
    return hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::setVisible(bool on) {
    if (hwnd_) {
        ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE);
    }
}

bool Control::enabled() const {
    return hwnd_ && IsWindowEnabled(hwnd_);
}

void Control::setEnabled(bool on) {
    if (hwnd_) {
        EnableWindow(hwnd_, on ? TRUE : FALSE);
    }
}

void Control::setFocus() {
    if (hwnd_) {
        SetFocus(hwnd_);
    }
}

bool Control::focused() const {
    return hwnd_ && GetFocus() == hwnd_;
}

void Control::invalidate() {
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
}

void Control::changeStyle(DWORD add, DWORD remove) {
    if (!hwnd_) {
        return;
    }
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
    SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>((style | add) & ~remove));
    styleChanged();
}

void Control::changeExStyle(DWORD add, DWORD remove) {
    if (!hwnd_) {
        return;
    }
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE));
    SetWindowLongA(hwnd_, GWL_EXSTYLE, static_cast<LONG>((style | add) & ~remove));
    styleChanged();
}

void Control::styleChanged() {
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    invalidate();
}

void Control::paintBackground(HDC dc) {
    RECT r = clientRect();
    FillRect(dc, &r, backgroundBrush());
}

void Control::paintParentBackground(HDC dc) {
    if (!parent_) {
        return;
    }
    POINT old;
    OffsetViewportOrgEx(dc, -left_, -top_, &old);
    parent_->paintBackground(dc);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

HBRUSH Control::backgroundBrush() {
    COLORREF rgb = resolveColour(colour_);
    if (!brush_ || brushRgb_ != rgb) {
        brush_.reset(CreateSolidBrush(rgb));
        brushRgb_ = rgb;
    }
    return brush_.get();
}

LRESULT Control::defaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!hwnd_) {
        return 0;
    }
    if (ownClass_ || !originalProc_) {
        return DefWindowProcA(hwnd_, msg, wParam, lParam);
    }
    return unicode_ ? CallWindowProcW(originalProc_, hwnd_, msg, wParam, lParam)
                    : CallWindowProcA(originalProc_, hwnd_, msg, wParam, lParam);
}

bool Control::reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, resolveColour(font_.colour));
        SetBkColor(dc, resolveColour(colour_));
        result = reinterpret_cast<LRESULT>(backgroundBrush());
        return true;
    }
    return false;
}

LRESULT Control::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (isNotification(msg)) {
        HWND from = nullptr;
        switch (msg) {
            case WM_NOTIFY:
                from = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
                break;
            case WM_DRAWITEM:
                from = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
                break;
            case WM_MEASUREITEM:
                from = GetDlgItem(hwnd_, static_cast<int>(wParam));
                break;
            default:  // WM_COMMAND and WM_CTLCOLOR*: the child is in lParam
                from = reinterpret_cast<HWND>(lParam);
                break;
        }
        Control* target = fromHandle(from);
        LRESULT result = 0;
        if (target && target != this && target->reflect(msg, wParam, lParam, result)) {
            return result;
        }
        return defaultProc(msg, wParam, lParam);
    }
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            fire(onMouseDown, *this);
            break;
        case WM_MOUSEMOVE:
            fire(onMouseMove, *this);
            break;
        case WM_KEYDOWN: {
            WORD key = static_cast<WORD>(wParam);
            fire(onKeyDown, *this, key);
            if (key == 0) {
                return 0;
            }
            wParam = key;
            break;
        }
        case WM_ERASEBKGND:
            if (ownClass_) {
                paintBackground(reinterpret_cast<HDC>(wParam));
                return 1;
            }
            break;
        case WM_SIZE:
        case WM_MOVE: {
            LRESULT result = defaultProc(msg, wParam, lParam);
            int oldWidth = width_, oldHeight = height_;
            syncBoundsFromWindow();
            if (msg == WM_SIZE && (oldWidth != width_ || oldHeight != height_)) {
                realign();
                resized();
            }
            return result;
        }
        default:
            break;
    }
    return defaultProc(msg, wParam, lParam);
}
