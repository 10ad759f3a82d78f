#pragma once
#include <string>
#include <string_view>

namespace rules {

// The Arabic text is UTF-8 in the program and UTF-16 at the Win32 boundary (the Unicode view,
// the clipboard, a saved file). Both conversions are strict and exact: every code point
// passes unchanged, and input that is not well-formed (utf8::decodeAt's rule; a UTF-16
// surrogate half without its partner) raises Exception rather than being patched. The text
// has been checked when it was loaded, so a raise here is a fault of the program.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// What a user typed or pasted, as UTF-8. Anything may arrive there: a surrogate half without
// its partner becomes U+FFFD, a character that occurs nowhere in the texts, so that the text
// is searched and found nowhere instead of ending the program. Everything else passes as in
// Utf16ToUtf8.
std::string TypedTextToUtf8(std::u16string_view text);

}  // namespace rules
