#pragma once
// Keys as the keyboard delivers them to the program: the modifier keys held in the thread's
// keyboard state (which the program reads along with the key), the key-down and key-up
// posted to a window, and the queue pumped as the message loop pumps it.
#include <windows.h>

#include "toolkit/Application.h"
#include "toolkit/ShortcutTable.h"

// Sets Ctrl, Shift and Alt in the thread's keyboard state: held when named in modifiers,
// released otherwise.
inline void holdModifiers(unsigned modifiers) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    const auto set = [&](int key, bool down) { state[key] = down ? 0x80 : 0; };
    for (int key : {VK_CONTROL, VK_LCONTROL})
        set(key, modifiers & CtrlKey);
    for (int key : {VK_SHIFT, VK_LSHIFT})
        set(key, modifiers & ShiftKey);
    for (int key : {VK_MENU, VK_LMENU})
        set(key, modifiers & AltKey);
    SetKeyboardState(state);
}

inline void postKey(HWND target, WORD key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// The chord pressed while the focus is in target, handled by the program's own pump; the
// modifiers are released again afterwards. A shortcut that opens a modal window returns
// only when that window closes: whatever answers it should hold the modifiers it needs.
inline void pressChord(HWND target, WORD key, unsigned modifiers) {
    holdModifiers(modifiers);
    postKey(target, key);
    Application::processMessages();
    holdModifiers(NoModifier);
}
