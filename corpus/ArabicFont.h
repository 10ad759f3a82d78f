#pragma once
#include <windows.h>

// The family name of the embedded Arabic font, as the Arabic view asks for it.
inline constexpr wchar_t ArabicFontFace[] = L"Amiri Quran";

// Makes the font embedded as the "TTF"/"AMIRIQURAN" resource (Amiri Quran) available to this
// process alone (AddFontMemResourceEx): nothing is installed, and other programs do not see
// it. Called when the Arabic view is first asked for, never at start-up. Returns the handle
// that RemoveFontMemResourceEx takes back; the font stays until then or until the process
// ends. A missing resource or a font the system refuses raises Exception.
HANDLE LoadArabicFont();
