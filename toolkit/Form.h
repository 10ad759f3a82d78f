// Form: a top-level window. Created hidden; shown with show() or showModal().
#pragma once

#include "toolkit/Control.h"
#include "toolkit/ShortcutTable.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Form : public Control {
public:
    // Fires when the form goes from hidden to visible, before its first paint.
    std::function<void(Control& sender)> onShow;
    // Fires on every size notification of the window.
    std::function<void(Control& sender)> onResize;
    // A close request (close box, Alt+F4, WM_CLOSE). accept arrives true; leaving it true
    // unhooks the slot, so it never runs twice, and lets the close go ahead.
    std::function<void(Control& sender, bool& accept)> onClose;
    // The window has moved to a monitor of another DPI (WM_DPICHANGED): onDpiChanging fires
    // first, while everything is still as it was; then the controls are drawn at the new DPI,
    // the form takes the place the system suggested, and onDpiChange fires, for what the
    // form's owner places by itself.
    std::function<void(Control& sender)> onDpiChanging;
    std::function<void(Control& sender)> onDpiChange;
    // Keys that run an action wherever the focus is in the form (see ShortcutTable.h).
    ShortcutTable shortcuts;

    // owner: the form this one stays above (and disables while it runs modally), or null.
    explicit Form(Form* owner = nullptr, const std::string& caption = {});
    ~Form() override;

    Form* owner() const { return owner_; }

    int clientWidth() const { return clientRect().right; }
    int clientHeight() const { return clientRect().bottom; }
    // Sets the outer size so that the client area is width x height.
    void setClientSize(int width, int height);
    bool resizable() const;
    // Not resizable: no sizing frame and no maximise box; the client size is kept.
    void setResizable(bool on);
    // left = (screen width - outer width) / 2, top likewise, rounded down.
    void centreOnScreen();
    // Moves the window into the work area of its monitor (outside the taskbar) where it
    // reaches past it, and shrinks it where it is larger.
    void keepInWorkArea();
    // The caption icon (shared icons such as LoadIconA gives; not destroyed here). Null: none.
    void setIcon(HICON icon);

    void show();
    void hide();
    // Posts a close request, as the close box does.
    void close();
    // Disables the owner, shows the form and runs a message loop until an accepted close
    // request (which hides the form instead of destroying it) or until the window is gone.
    // A WM_QUIT met on the way is posted again for the outer loop.
    void showModal();
    bool modal() const { return modal_; }

    // Destroys the controls, then the window, then releases the release-on-destroy list.
    // The Form object stays (without a window) until its owner deletes it.
    void destroy();

    // Objects that live as long as the form's window: released, newest first, when the
    // window is destroyed, after its controls.
    template <class T>
    T& releaseOnDestroy(std::unique_ptr<T> object) {
        T& ref = *object;
        releaseList_.push_back(std::make_unique<Owned<T>>(std::move(object)));
        return ref;
    }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void styleChanged() override;
    void windowDestroyed() override;

private:
    struct Releasable {
        virtual ~Releasable() = default;
    };
    template <class T>
    struct Owned : Releasable {
        explicit Owned(std::unique_ptr<T> p) : object(std::move(p)) {}
        std::unique_ptr<T> object;
    };

    void releaseAll();
    void endModal();
    bool isDescendant(HWND hwnd) const;

    Form* owner_;
    std::vector<std::unique_ptr<Releasable>> releaseList_;
    bool modal_ = false;
    bool modalDone_ = false;
    HWND lastFocus_ = nullptr;
};
