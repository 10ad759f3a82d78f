#include "toolkit/Toolbar.h"

#include "toolkit/Application.h"
#include "toolkit/CommonControls.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const std::string noTooltip;

}  // namespace

Toolbar::Toolbar(Control& parent) : Control(&parent) {
    initCommonControls(ICC_BAR_CLASSES);
    setBounds(0, 0, scaled(150), scaled(29));
    // The layout places the toolbar: it neither moves itself to the top of its parent nor
    // sizes itself.
    createStockWindow(TOOLBARCLASSNAMEA,
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                          TBSTYLE_LIST | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                      0);
    setUpWindow(handle());
    fitHeight();
}

void Toolbar::setUpWindow(HWND hwnd) const {
    SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd, TB_SETINDENT, scaled(2), 0);
    const int size = imageSize();
    SendMessageA(hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
}

int Toolbar::imageSize() const {
    // From 150 % on, 16-pixel images would have to be stretched; the system's image sets
    // come at 24 pixels as well.
    return dpi() >= 144 ? 24 : 16;
}

void Toolbar::addStandardImages(int smallImageSet) {
    ImageSource source;
    source.standardSet = smallImageSet;
    source.count = 0;
    images_.push_back(source);
    loadImages(source);
    fitHeight();
}

int Toolbar::addImages(const std::string& name, int count) {
    ImageSource source;
    source.resource = name;
    source.count = count;
    images_.push_back(source);
    const int first = loadImages(source);
    fitHeight();
    return first;
}

int Toolbar::addImages(BitmapHandle bitmap, int count) {
    ImageSource source;
    source.bitmap = bitmap.get();
    source.count = count;
    images_.push_back(source);
    bitmaps_.push_back(std::move(bitmap));
    const int first = loadImages(source);
    fitHeight();
    return first;
}

int Toolbar::loadImages(const ImageSource& source) {
    if (source.standardSet >= 0) {
        // Each small set's large form has the next number (IDB_STD_LARGE_COLOR, ...).
        const int set = source.standardSet + (imageSize() > 16 ? 1 : 0);
        const int first = imageCount();
        SendMessageA(handle(), TB_LOADIMAGES, static_cast<WPARAM>(set),
                     reinterpret_cast<LPARAM>(HINST_COMMCTRL));
        return first;
    }
    HBITMAP bitmap = source.bitmap;
    BitmapHandle loaded;
    if (!source.resource.empty()) {
        const std::string name = imageSize() > 16 ? source.resource + "24" : source.resource;
        loaded.reset(static_cast<HBITMAP>(LoadImageA(Application::instance(), name.c_str(),
                                                     IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
        bitmap = loaded.get();
    }
    TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
    const auto first = static_cast<int>(
        SendMessageA(handle(), TB_ADDBITMAP, source.count, reinterpret_cast<LPARAM>(&images)));
    if (loaded) {
        resourceBitmaps_.push_back(std::move(loaded));  // drawn from while the window lives
    }
    return first;
}

int Toolbar::imageCount() const {
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageA(handle(), TB_GETIMAGELIST, 0, 0));
    return list ? ImageList_GetImageCount(list) : 0;
}

int Toolbar::addSeparator() {
    entries_.push_back(Entry{});
    insertEntry(entries_.back(), false);
    fitHeight();
    return entryCount() - 1;
}

int Toolbar::addButton(const std::string& caption, int image, const std::string& tooltip) {
    return addButtonOfStyle(caption, image, tooltip, BTNS_BUTTON);
}

int Toolbar::addCheckButton(const std::string& caption, int image, const std::string& tooltip) {
    return addButtonOfStyle(caption, image, tooltip, BTNS_CHECK);
}

bool Toolbar::checked(int index) const {
    if (index < 0 || index >= entryCount() || entries_[index].command == 0) {
        return false;
    }
    return SendMessageA(handle(), TB_ISBUTTONCHECKED, entries_[index].command, 0) != 0;
}

void Toolbar::setChecked(int index, bool on) {
    if (index >= 0 && index < entryCount() && entries_[index].command != 0) {
        SendMessageA(handle(), TB_CHECKBUTTON, entries_[index].command, MAKELPARAM(on, 0));
    }
}

int Toolbar::addButtonOfStyle(const std::string& caption, int image, const std::string& tooltip,
                              BYTE style) {
    Entry entry;
    entry.command = nextCommand_++;
    entry.image = image;
    entry.tooltip = tooltip;
    entry.caption = caption;
    entry.style = style;
    entries_.push_back(std::move(entry));
    insertEntry(entries_.back(), false);
    fitHeight();
    return entryCount() - 1;
}

void Toolbar::insertEntry(const Entry& entry, bool checked) {
    TBBUTTON button{};
    if (entry.command == 0) {
        button.iBitmap = 0;
        button.fsStyle = BTNS_SEP;
    } else {
        // The string list wants two NULs at the end.
        std::string strings = entry.caption;
        strings.push_back('\0');
        button.iString =
            SendMessageA(handle(), TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(strings.c_str()));
        button.iBitmap = entry.image;
        button.idCommand = entry.command;
        button.fsState = TBSTATE_ENABLED | (checked ? TBSTATE_CHECKED : 0);
        button.fsStyle = entry.style | BTNS_AUTOSIZE;
    }
    SendMessageA(handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    if (entry.command == 0) {
        return;
    }
    // The button keeps the width it sized itself to as a width of its own. Wine's toolbar,
    // deciding where a wrapping toolbar wraps, counts every button without one as wide as the
    // widest button: ten entries wrapped onto a second row in a toolbar twice their width.
    const int index = static_cast<int>(SendMessageA(handle(), TB_BUTTONCOUNT, 0, 0)) - 1;
    const RECT rect = buttonRect(index);
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(rect.right - rect.left);
    if (info.cx > 0) {
        SendMessageA(handle(), TB_SETBUTTONINFOA, entry.command, reinterpret_cast<LPARAM>(&info));
    }
}

void Toolbar::dpiChanged(int) {
    // The image list keeps the size of its first images, and the buttons that of the list: a
    // toolbar of the new size is made anew, with the same entries, states, style and place.
    if (!handle()) {
        return;
    }
    std::vector<bool> states;
    for (int i = 0; i < entryCount(); ++i) {
        states.push_back(checked(i));
    }
    const auto id = reinterpret_cast<HMENU>(GetWindowLongPtrA(handle(), GWLP_ID));
    const HWND fresh = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, "", static_cast<DWORD>(GetWindowLongA(handle(), GWL_STYLE)), left(),
        top(), width(), height(), GetParent(handle()), id, Application::instance(), nullptr);
    if (!fresh) {
        return;
    }
    setUpWindow(fresh);
    // The new window takes the font at the new DPI; the old one goes with its images.
    replaceWindow(fresh);
    resourceBitmaps_.clear();
    for (const ImageSource& source : images_) {
        loadImages(source);
    }
    for (int i = 0; i < entryCount(); ++i) {
        insertEntry(entries_[i], states[i]);
    }
    fitHeight();
}

void Toolbar::onButtonClick(int index, std::function<void()> slot) {
    if (index >= 0 && index < entryCount() && entries_[index].command != 0) {
        entries_[index].onClick = std::move(slot);
    }
}

bool Toolbar::isSeparator(int index) const {
    return index >= 0 && index < entryCount() && entries_[index].command == 0;
}

int Toolbar::image(int index) const {
    TBBUTTON button{};
    if (!SendMessageA(handle(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) {
        return I_IMAGENONE;
    }
    return button.iBitmap;
}

const std::string& Toolbar::tooltip(int index) const {
    return index >= 0 && index < entryCount() ? entries_[index].tooltip : noTooltip;
}

void Toolbar::setTooltip(int index, const std::string& text) {
    if (index >= 0 && index < entryCount() && entries_[index].command != 0) {
        entries_[index].tooltip = text;
    }
}

RECT Toolbar::buttonRect(int index) const {
    RECT rect{};
    SendMessageA(handle(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void Toolbar::setTransparent(bool on) {
    // Kept apart from the style bit, which the system's toolbar may set by itself for a flat
    // toolbar.
    transparent_ = on;
    if (on) {
        changeStyle(TBSTYLE_TRANSPARENT, 0);
    } else {
        changeStyle(0, TBSTYLE_TRANSPARENT);
    }
}

const Toolbar::Entry* Toolbar::entryFor(int command) const {
    for (const Entry& entry : entries_) {
        if (command != 0 && entry.command == command) {
            return &entry;
        }
    }
    return nullptr;
}

void Toolbar::fitHeight() {
    SendMessageA(handle(), TB_AUTOSIZE, 0, 0);
    // The buttons' own height plus the same gap below them as above.
    int bottom = 0, top = 0;
    for (int i = 0; i < entryCount(); ++i) {
        const RECT rect = buttonRect(i);
        bottom = std::max<int>(bottom, rect.bottom);
        top = i == 0 ? rect.top : std::min<int>(top, rect.top);
    }
    if (entryCount() == 0) {
        const DWORD size = static_cast<DWORD>(SendMessageA(handle(), TB_GETBUTTONSIZE, 0, 0));
        bottom = HIWORD(size);
    }
    const int wanted = bottom + top;
    if (wanted > 0 && wanted != height()) {
        setHeight(wanted);
    }
}

void Toolbar::styleChanged() {
    Control::styleChanged();
    fitHeight();  // wrapping can change the number of rows
}

LRESULT Toolbar::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The system's toolbar class brings no background of its own (a flat one asks its parent,
    // whose own class paints nothing there): a transparent toolbar shows what its parent paints
    // there, an opaque one its colour.
    if (msg == WM_ERASEBKGND) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (transparent_) {
            paintParentBackground(dc);
        } else {
            paintBackground(dc);
        }
        return 1;
    }
    // The toolbar's tooltip asks the toolbar for the text of a button.
    if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        const Entry* entry = entryFor(static_cast<int>(header->idFrom));
        if (header->code == TTN_GETDISPINFOA && entry) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            info->hinst = nullptr;
            info->lpszText = const_cast<char*>(entry->tooltip.c_str());
            return 0;
        }
        if (header->code == TTN_GETDISPINFOW && entry) {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            const int length =
                MultiByteToWideChar(CP_ACP, 0, entry->tooltip.c_str(), -1, nullptr, 0);
            wideTip_.assign(static_cast<std::size_t>(std::max(length, 1)), L'\0');
            MultiByteToWideChar(CP_ACP, 0, entry->tooltip.c_str(), -1, wideTip_.data(), length);
            info->hinst = nullptr;
            info->lpszText = wideTip_.data();
            return 0;
        }
    }
    return Control::handleMessage(msg, wParam, lParam);
}

bool Toolbar::reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND) {
        const Entry* entry = entryFor(LOWORD(wParam));
        if (entry) {
            fire(entry->onClick);
            result = 0;
            return true;
        }
    }
    return Control::reflect(msg, wParam, lParam, result);
}
