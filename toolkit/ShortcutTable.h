// ShortcutTable: the keyboard shortcuts of one form. A key pressed with the given modifier
// keys while the focus is anywhere in the form runs the shortcut's action instead of
// reaching the focused control. The message pumps (Application::processMessages and a
// modal form's loop) ask dispatchShortcut before they translate and dispatch a message; a
// disabled form, such as the owner of a running modal form, runs none of its shortcuts.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

enum KeyModifier : unsigned {
    NoModifier = 0,
    CtrlKey = 1,
    ShiftKey = 2,
    AltKey = 4,
};

// A virtual-key code with the exact set of modifier keys held with it: Ctrl+G is not
// Ctrl+Shift+G, nor Ctrl+Alt+G (AltGr on many keyboards).
struct KeyChord {
    WORD key = 0;
    unsigned modifiers = NoModifier;
    bool operator==(const KeyChord&) const = default;
};

class ShortcutTable {
public:
    // A later action for the same chord replaces the earlier one.
    void add(KeyChord chord, std::function<void()> action);
    bool empty() const { return entries_.empty(); }
    // Runs the action of chord; false when the chord has none.
    bool run(KeyChord chord) const;

private:
    struct Entry {
        KeyChord chord;
        std::function<void()> action;
    };
    std::vector<Entry> entries_;
};

// The chord of a key-down message, with the modifier keys as they were when it was taken
// from the queue.
KeyChord chordOf(const MSG& msg);

// A key-down meant for a window of an enabled form that has a shortcut for it runs the
// shortcut; true when it did, and the message must then go no further. An exception thrown
// by the action goes to Application::handleException, as one thrown in a slot does.
bool dispatchShortcut(const MSG& msg);
