#pragma once
// The clipboard's plain text as any reader of it would take it (CF_TEXT), for the tests of
// what the program copies; the clipboard is seeded with the program's own setClipboardText.
#include <windows.h>

#include <string>

inline std::string clipboardText() {
    if (!OpenClipboard(nullptr)) {
        return "(clipboard busy)";
    }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}
