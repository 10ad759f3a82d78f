// Control: the base of every window the toolkit wraps. See toolkit/Toolkit.h for the
// conventions (ownership, slots, reflection, exceptions).
#pragma once

#include "toolkit/Colour.h"
#include "toolkit/Dpi.h"
#include "toolkit/FontDesc.h"
#include "toolkit/Gdi.h"

#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

enum class Align { None, Top, Bottom, Left, Right, Client };

LRESULT CALLBACK toolkitWindowProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK toolkitSubclassProc(HWND, UINT, WPARAM, LPARAM);

class Control {
public:
    // Slots. An empty slot does nothing; every slot receives the control that sent the event.
    std::function<void(Control& sender)> onClick;
    std::function<void(Control& sender)> onDoubleClick;
    std::function<void(Control& sender)> onMouseMove;
    // Left, right or middle button pressed on this control's own client surface.
    std::function<void(Control& sender)> onMouseDown;
    // The key code arrives by reference; setting it to 0 keeps the control from seeing it.
    std::function<void(Control& sender, WORD& key)> onKeyDown;

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // Creates a child owned by this control: T's constructor takes the parent first.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto child = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *child;
        children_.push_back(std::move(child));
        return ref;
    }

    HWND handle() const { return hwnd_; }
    Control* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    // The control object bound to a window, or null.
    static Control* fromHandle(HWND hwnd);

    // Geometry, in the parent's client coordinates (screen coordinates for a top-level form).
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setBounds(int left, int top, int width, int height);
    void setPosition(int left, int top) { setBounds(left, top, width_, height_); }
    void setSize(int width, int height) { setBounds(left_, top_, width, height); }
    void setLeft(int v) { setBounds(v, top_, width_, height_); }
    void setTop(int v) { setBounds(left_, v, width_, height_); }
    void setWidth(int v) { setBounds(left_, top_, v, height_); }
    void setHeight(int v) { setBounds(left_, top_, width_, v); }
    // The client rectangle of the window (0, 0, width, height less any frame).
    RECT clientRect() const;

    Align align() const { return align_; }
    void setAlign(Align a);
    int childMargin() const { return childMargin_; }
    void setChildMargin(int margin);
    // Places the aligned children: top/bottom, then left/right, then client, in creation order.
    void realign();

    Colour colour() const { return colour_; }
    virtual void setColour(Colour c);

    const FontDesc& font() const { return font_; }
    void setFont(const FontDesc& f);
    void setFontFace(const std::string& face);
    void setFontHeight(int height);
    void setFontWeight(int weight);
    void setFontColour(Colour c);
    // The HFONT built from font() at the control's DPI; lives until the font or the DPI
    // changes or the control dies.
    HFONT fontHandle();

    // The DPI the control is drawn at: its form's, copied by every child when it is created.
    int dpi() const { return dpi_; }
    // v pixels of a 96-DPI display at this control's DPI.
    int scaled(int v) const { return scaling::scale(v, dpi_); }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    // Width and height added to the caption's extent when auto-size is on.
    virtual SIZE autoSizeExtra() const { return SIZE{0, 0}; }

    bool visible() const;
    void setVisible(bool on);
    bool enabled() const;
    void setEnabled(bool on);
    void setFocus();
    bool focused() const;
    void invalidate();
    // Adds and removes window styles; the frame is recomputed.
    void changeStyle(DWORD add, DWORD remove);
    void changeExStyle(DWORD add, DWORD remove);

    // Paints what this control shows behind its own content, into dc in this control's client
    // coordinates. Transparent children ask their parent for it; containers override.
    virtual void paintBackground(HDC dc);
    // Paints the parent's background behind this control into dc (this control's coordinates).
    void paintParentBackground(HDC dc);

protected:
    // Takes a copy of the parent's font, colour and ChildMargin. Creates no window: the
    // derived constructor does, with one of the create functions below.
    explicit Control(Control* parent);

    // A window of the toolkit's own class; messages reach handleMessage from WM_NCCREATE on.
    void createOwnWindow(DWORD style, DWORD exStyle, HWND parentOrOwner);
    // A window of a system class (BUTTON, EDIT, ...) as child of the parent, subclassed so
    // its messages reach handleMessage. unicode: the window of the class's Unicode form, which
    // holds and takes any character (the caption is converted from the ANSI code page).
    void createStockWindow(const char* className, DWORD style, DWORD exStyle, bool unicode = false);
    // Binds an already created stock window (child of the parent) to this object; a window
    // of a Unicode class stays one.
    void attachWindow(HWND hwnd);
    // Puts hwnd (a new child of the parent) in place of the current window: same bounds and
    // z-order, then the old window is unbound and destroyed. Meant for controls without
    // children: child windows would die with the old window.
    void replaceWindow(HWND hwnd);
    // Stop dispatch, unsubclass, destroy. Safe to call twice.
    void destroyWindow();
    // Destroys the child objects (newest first) and their windows.
    void destroyChildren();

    // Every message of the bound window. The default handles the slots, reflection and
    // sizing, then calls defaultProc.
    virtual LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // DefWindowProcA for own windows, the original class procedure for stock ones.
    LRESULT defaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification this control sent to its parent, handed back to it. Return true and set
    // result when handled.
    virtual bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // After changeStyle/changeExStyle: recomputes the frame. Forms keep their client size.
    virtual void styleChanged();
    // Called after the window is gone (WM_NCDESTROY); hwnd_ is already null.
    virtual void windowDestroyed() {}
    // Called when the size changed, after the children were laid out.
    virtual void resized() {}
    // Called after a new font was handed to the window (WM_SETFONT).
    virtual void fontApplied() {}
    // Recomputes the size from the caption when auto-size is on.
    void applyAutoSize();
    // The DPI of a control that has no parent to copy it from (a form), before any child.
    void setOwnDpi(int value) { dpi_ = value; }
    // Draws this control and its children at newDpi: every child's position and size, every
    // ChildMargin scaled by newDpi / dpi(), the fonts made again at the new DPI, auto-sized
    // controls fitted to their captions again, then dpiChanged() and a new layout. The
    // control's own place is its parent's business (or, for a form, the system's).
    void rescale(int newDpi);
    // After rescale has set the new DPI: what a control kind keeps in pixels of its own.
    virtual void dpiChanged(int /*oldDpi*/) {}
    // The brush for WM_CTLCOLOR* replies: the control's colour, cached per resolved RGB.
    HBRUSH backgroundBrush();
    // Calls a slot on a copy, so a slot that replaces itself or its owner stays valid.
    template <class Slot, class... Args>
    static void fire(const Slot& slot, Args&&... args) {
        if (slot) {
            Slot copy = slot;
            copy(std::forward<Args>(args)...);
        }
    }
    // Whether the window is of the toolkit's own class (not a subclassed stock window).
    bool ownClass() const { return ownClass_; }
    // Places the window without asking the parent to lay out again.
    void placeWindow(int left, int top, int width, int height);

private:
    friend LRESULT CALLBACK toolkitWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK toolkitSubclassProc(HWND, UINT, WPARAM, LPARAM);
    void bind(HWND hwnd);
    void unbind();
    LRESULT dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void syncBoundsFromWindow();

    Control* parent_;
    HWND hwnd_ = nullptr;
    bool ownClass_ = false;
    bool subclassed_ = false;
    bool unicode_ = false;            // a stock window of a Unicode class, subclassed as one
    WNDPROC originalProc_ = nullptr;  // the class procedure of a subclassed stock window
    std::vector<std::unique_ptr<Control>> children_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Align align_ = Align::None;
    int childMargin_ = 0;
    int dpi_ = scaling::Design;
    Colour colour_ = ColourBtnFace;
    FontDesc font_;
    FontHandle fontHandle_;
    std::string caption_;
    bool autoSize_ = false;
    bool inLayout_ = false;
    int nextChildId_ = 100;  // control ids of child windows, for WM_MEASUREITEM
    BrushHandle brush_;
    COLORREF brushRgb_ = 0;
};
