#include "toolkit/Toolbar.h"

#include "toolkit/CommonControls.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const std::string noTooltip;

}  // namespace

Toolbar::Toolbar(Control& parent) : Control(&parent) {
    initCommonControls(ICC_BAR_CLASSES);
    setBounds(0, 0, 150, 29);
    // The layout places the toolbar: it neither moves itself to the top of its parent nor
    // sizes itself.
    createStockWindow(TOOLBARCLASSNAMEA,
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                          TBSTYLE_LIST | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                      0);
    SendMessageA(handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(handle(), TB_SETINDENT, 2, 0);
    fitHeight();
}

void Toolbar::addStandardImages(int imageSet) {
    SendMessageA(handle(), TB_LOADIMAGES, static_cast<WPARAM>(imageSet),
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    fitHeight();
}

int Toolbar::addImages(BitmapHandle bitmap, int count) {
    TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(bitmap.get())};
    const auto first = static_cast<int>(
        SendMessageA(handle(), TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&images)));
    bitmaps_.push_back(std::move(bitmap));
    fitHeight();
    return first;
}

int Toolbar::imageCount() const {
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageA(handle(), TB_GETIMAGELIST, 0, 0));
    return list ? ImageList_GetImageCount(list) : 0;
}

int Toolbar::addSeparator() {
    TBBUTTON button{};
    button.iBitmap = 0;
    button.fsStyle = BTNS_SEP;
    SendMessageA(handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    entries_.push_back(Entry{});
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
    // The string list wants two NULs at the end.
    std::string strings = caption;
    strings.push_back('\0');
    const LRESULT text =
        SendMessageA(handle(), TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(strings.c_str()));

    Entry entry;
    entry.command = nextCommand_++;
    entry.image = image;
    entry.tooltip = tooltip;

    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = entry.command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style | BTNS_AUTOSIZE;
    button.iString = text;
    entries_.push_back(std::move(entry));
    SendMessageA(handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    fitHeight();
    return entryCount() - 1;
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
