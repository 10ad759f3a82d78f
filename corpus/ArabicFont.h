#pragma once
#include <windows.h>

// The family name of the embedded Arabic font, as the Arabic view asks for it: the build's own
// copy of Amiri Quran, with the same glyphs and lines fitted to the ink of the text
// (cmake/ArabicFont.cmake). Its name is its own, so that it never stands in for an Amiri
// Quran the user has installed.
inline constexpr wchar_t ArabicFontFace[] = L"Nurvela Quran";
// The family the copy is made from, which office software knows: what leaves the program (a
// saved file, "Kutip") names it for the Arabic.
inline constexpr char ArabicFontSourceFace[] = "Amiri Quran";

// Makes the font embedded as the "TTF"/"ARABICFONT" resource available to this process alone
// (AddFontMemResourceEx): nothing is installed, and other programs do not see it. Called when
// the Arabic view is first asked for, never at start-up. Returns the handle that
// RemoveFontMemResourceEx takes back; the font stays until then or until the process ends. A
// missing resource or a font the system refuses raises Exception.
HANDLE LoadArabicFont();
