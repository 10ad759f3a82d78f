#include "toolkit/Clipboard.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Movable memory holding the characters of text and a terminating NUL; null on failure.
template <class Char>
HGLOBAL globalCopy(std::basic_string_view<Char> text) {
    text = text.substr(0, text.find(Char{}));
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(Char));
    if (!memory)
        return nullptr;
    auto* chars = static_cast<Char*>(GlobalLock(memory));
    if (!chars) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(chars, text.data(), text.size() * sizeof(Char));
    chars[text.size()] = Char{};
    GlobalUnlock(memory);
    return memory;
}

// Puts every (format, memory) on the cleared clipboard; all or nothing.
bool place(HWND owner, const std::vector<std::pair<UINT, HGLOBAL>>& items) {
    const auto freeAll = [&](std::size_t from) {
        for (std::size_t i = from; i < items.size(); ++i) {
            if (items[i].second)
                GlobalFree(items[i].second);
        }
    };
    for (const auto& item : items) {
        if (!item.second) {
            freeAll(0);
            return false;
        }
    }
    if (!OpenClipboard(owner)) {
        freeAll(0);
        return false;
    }
    EmptyClipboard();
    bool placed = true;
    for (std::size_t i = 0; i < items.size(); ++i) {
        // On success the clipboard owns the memory.
        if (!SetClipboardData(items[i].first, items[i].second)) {
            placed = false;
            freeAll(i);
            break;
        }
    }
    if (!placed)
        EmptyClipboard();
    CloseClipboard();
    return placed;
}

}  // namespace

bool setClipboardText(HWND owner, std::string_view text) {
    return place(owner, {{CF_TEXT, globalCopy(text)}});
}

bool setClipboardUnicode(HWND owner, std::u16string_view text, std::string_view rtf) {
    static_assert(sizeof(char16_t) == sizeof(WCHAR));
    std::vector<std::pair<UINT, HGLOBAL>> items{{CF_UNICODETEXT, globalCopy(text)}};
    if (!rtf.empty())
        items.emplace_back(RegisterClipboardFormatA("Rich Text Format"), globalCopy(rtf));
    return place(owner, items);
}
