#pragma once
#include <string_view>

namespace rules {

// The extension of the file name itself: from the last "." after the last "\" or "/" to the
// end, the "." included; empty when the name has no ".". A "." in a folder name is not the
// file's extension.
std::string_view FileNameExtension(std::string_view path);

// Whether an export to path is written as plain text: the file name's own extension is
// ".txt" in any letter case (the save dialog appends ".TXT" for the text type, a user types
// ".txt"). Every other name is saved as Rich Text.
bool SavesAsPlainText(std::string_view path);

}  // namespace rules
