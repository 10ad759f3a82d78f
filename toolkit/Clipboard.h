// The system clipboard, for text the program writes itself (the controls' own copy goes
// through the controls).
#pragma once

#include <windows.h>

#include <string_view>

// Replaces the clipboard's content with text (CF_TEXT, up to its first NUL). owner is the
// window that holds the clipboard open meanwhile. False when the clipboard could not be
// opened or the memory not had; the clipboard is then as it was, or empty.
bool setClipboardText(HWND owner, std::string_view text);
// Replaces the clipboard's content with Unicode text (CF_UNICODETEXT; the system offers it
// as ANSI text too) and, when rtf is not empty, the same content as "Rich Text Format".
// Text outside the ANSI code page (Arabic) must leave the program this way.
bool setClipboardUnicode(HWND owner, std::u16string_view text, std::string_view rtf = {});
