// Toolbar: the common controls toolbar, flat, with tooltips and captions to the right of the
// images. Buttons size themselves to their captions; the toolbar takes the height its buttons
// need and leaves its position and width to the layout. Every button has its own click slot.
// Its images are 16 pixels square below 144 DPI and 24 from there on, from image sets drawn
// at that size: an image is never stretched. When the DPI changes, the toolbar is made anew
// with the images of the new size, the same buttons and the same states.
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

    // Appends one of the system's image sets, named by its small form (IDB_STD_SMALL_COLOR,
    // IDB_HIST_SMALL_COLOR, IDB_VIEW_SMALL_COLOR), to the toolbar's image list: the small or
    // the large form, whichever has the toolbar's image size. Its images follow those there.
    void addStandardImages(int smallImageSet);
    int imageCount() const;
    // The width and height of every image: 16 or 24.
    int imageSize() const;
    // Appends the images of a bitmap resource of the program, images of the toolbar's size
    // side by side: `name` holds them at 16 pixels, `name` followed by "24" at 24. Its greys
    // become the button face's colours (LR_LOADMAP3DCOLORS). Returns the index of the first.
    int addImages(const std::string& name, int count);
    // Appends the images of a bitmap of images of the toolbar's size side by side; the
    // toolbar keeps the bitmap while it lives (a DPI change keeps it at its size). Returns the
    // index of the first.
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
    void dpiChanged(int oldDpi) override;

private:
    struct Entry {
        int command = 0;  // 0 for a separator
        int image = I_IMAGENONE;
        std::string tooltip;
        std::function<void()> onClick;
        std::string caption;
        BYTE style = BTNS_SEP;
    };
    // Where a run of images comes from: a system set, a resource of the program, a bitmap.
    struct ImageSource {
        int standardSet = -1;
        std::string resource;
        HBITMAP bitmap = nullptr;  // one of bitmaps_
        int count = 0;
    };
    // The settings a new toolbar window needs first: record size, indent, image size.
    void setUpWindow(HWND hwnd) const;
    // Puts a run of images into the window's image list; the index of its first.
    int loadImages(const ImageSource& source);
    // Puts an entry into the window, after those there.
    void insertEntry(const Entry& entry, bool checked);
    // The entry a command id belongs to, or null.
    const Entry* entryFor(int command) const;
    // Takes the height the buttons need.
    void fitHeight();
    int addButtonOfStyle(const std::string& caption, int image, const std::string& tooltip,
                         BYTE style);

    std::vector<Entry> entries_;
    std::vector<ImageSource> images_;
    std::vector<BitmapHandle> bitmaps_;
    // Loaded from the program's resources at the current image size.
    std::vector<BitmapHandle> resourceBitmaps_;
    int nextCommand_ = 1;
    bool transparent_ = false;
    // Wide text handed to a tooltip that asks in Unicode; lives until the next request.
    std::wstring wideTip_;
};
