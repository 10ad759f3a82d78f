#include "toolkit/ShortcutTable.h"

#include <algorithm>
#include <exception>

#include "toolkit/Application.h"
#include "toolkit/Form.h"

void ShortcutTable::add(KeyChord chord, std::function<void()> action) {
    const auto same = [&](const Entry& entry) { return entry.chord == chord; };
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), same), entries_.end());
    entries_.push_back(Entry{chord, std::move(action)});
}

bool ShortcutTable::run(KeyChord chord) const {
    for (const Entry& entry : entries_) {
        if (entry.chord == chord && entry.action) {
            // A copy: the action may destroy the form and this table with it.
            const std::function<void()> action = entry.action;
            action();
            return true;
        }
    }
    return false;
}

KeyChord chordOf(const MSG& msg) {
    const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    unsigned modifiers = NoModifier;
    if (held(VK_CONTROL))
        modifiers |= CtrlKey;
    if (held(VK_SHIFT))
        modifiers |= ShiftKey;
    if (held(VK_MENU))
        modifiers |= AltKey;
    return KeyChord{static_cast<WORD>(msg.wParam), modifiers};
}

bool dispatchShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !msg.hwnd)
        return false;
    const HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    auto* form = dynamic_cast<Form*>(Control::fromHandle(top));
    if (!form || form->shortcuts.empty() || !IsWindowEnabled(top))
        return false;
    try {
        return form->shortcuts.run(chordOf(msg));
    } catch (...) {
        Application::handleException(std::current_exception());
        return true;
    }
}
