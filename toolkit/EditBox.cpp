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

std::optional<std::string> EditBox::exactAnsi(const std::wstring& typed) {
    // A surrogate, paired or not, is outside every ANSI code page; the conversion is not
    // asked about halves, which systems treat differently.
    for (wchar_t c : typed) {
        if (c >= 0xD800 && c <= 0xDFFF)
            return std::nullopt;
    }
    if (typed.empty())
        return std::string();
    BOOL lost = FALSE;
    const int size = static_cast<int>(typed.size());
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, typed.data(), size,
                                           nullptr, 0, nullptr, &lost);
    if (length <= 0 || lost)
        return std::nullopt;
    std::string value(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, typed.data(), size, value.data(), length,
                        nullptr, &lost);
    return lost ? std::nullopt : std::optional<std::string>(std::move(value));
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
