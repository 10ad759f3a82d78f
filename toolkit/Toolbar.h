// Toolbar: the common controls toolbar, flat, with tooltips and captions to the right of the
// images. Buttons size themselves to their captions; the toolbar takes the height its buttons
// need and leaves its position and width to the layout. Every button has its own click slot.
#pragma once

#include "toolkit/Control.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Toolbar : public Control {
public:
    explicit Toolbar(Control& parent);

    // Appends one of the system's image sets (IDB_STD_SMALL_COLOR, IDB_HIST_SMALL_COLOR, ...)
    // to the toolbar's image list; its images follow those already there.
    void addStandardImages(int imageSet);
    int imageCount() const;
    // Appends the images of a bitmap of 16 x 16 images side by side; the toolbar keeps the
    // bitmap while it lives. Returns the index of the first.
    int addImages(BitmapHandle bitmap, int count);

    // Appends an entry; both return its index.
    int addSeparator();
    int addButton(const std::string& caption, int image, const std::string& tooltip = {});
    // A button that stays pressed after a click until the next one.
    int addCheckButton(const std::string& caption, int image, const std::string& tooltip = {});
    bool checked(int index) const;
    void setChecked(int index, bool on);
    int entryCount() const { return static_cast<int>(entries_.size()); }

    // The slot of the button at `index`; a separator has none.
    void onButtonClick(int index, std::function<void()> slot);

    bool isSeparator(int index) const;
    int image(int index) const;
    const std::string& tooltip(int index) const;
    void setTooltip(int index, const std::string& text);
    // The button's rectangle in the toolbar's client coordinates.
    RECT buttonRect(int index) const;

    // The parent's background shows through the toolbar; otherwise it is filled with its
    // colour.
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void styleChanged() override;

private:
    struct Entry {
        int command = 0;  // 0 for a separator
        int image = I_IMAGENONE;
        std::string tooltip;
        std::function<void()> onClick;
    };
    // The entry a command id belongs to, or null.
    const Entry* entryFor(int command) const;
    // Takes the height the buttons need.
    void fitHeight();
    int addButtonOfStyle(const std::string& caption, int image, const std::string& tooltip,
                         BYTE style);

    std::vector<Entry> entries_;
    std::vector<BitmapHandle> bitmaps_;
    int nextCommand_ = 1;
    bool transparent_ = false;
    // Wide text handed to a tooltip that asks in Unicode; lives until the next request.
    std::wstring wideTip_;
};
