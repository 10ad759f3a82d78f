#include "toolkit/EditBox.h"

EditBox::EditBox(Control& parent, const std::string& text, Characters characters)
    : Control(&parent) {
    setCaption(text);
    setBounds(0, 0, 121, 22);
    createStockWindow("EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL,
                      WS_EX_CLIENTEDGE, characters == Characters::Unicode);
}

std::string EditBox::text() const {
    if (!handle()) {
        return caption();
    }
    const int length = GetWindowTextLengthA(handle());
    std::string value(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(handle(), value.data(), length + 1);
    value.resize(static_cast<std::size_t>(copied));
    return value;
}

std::wstring EditBox::unicodeText() const {
    if (!handle()) {
        std::wstring value(caption().size(), L'\0');
        const int n =
            MultiByteToWideChar(CP_ACP, 0, caption().data(), static_cast<int>(caption().size()),
                                value.data(), static_cast<int>(value.size()));
        value.resize(static_cast<std::size_t>(n > 0 ? n : 0));
        return value;
    }
    const int length = GetWindowTextLengthW(handle());
    std::wstring value(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle(), value.data(), length + 1);
    value.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return value;
}

void EditBox::selectAll() {
    if (handle()) {
        SendMessageA(handle(), EM_SETSEL, 0, -1);
    }
}

bool EditBox::edge3D() const {
    return handle() && (GetWindowLongA(handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

void EditBox::setEdge3D(bool on) {
    // Two steps, so the frame is recomputed once both styles are in place.
    if (on) {
        changeStyle(0, WS_BORDER);
        changeExStyle(WS_EX_CLIENTEDGE, 0);
    } else {
        changeExStyle(0, WS_EX_CLIENTEDGE);
        changeStyle(WS_BORDER, 0);
    }
}
