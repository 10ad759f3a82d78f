#pragma once
#include <string>
#include <string_view>

namespace rules {

// Case folding in this system touches only the letters A to Z; every other byte,
// including those above 127, stays as it is.
inline char lowerAZ(char c) {
    // Written without a branch (A..Z differ from a..z only in bit 5) so that loops over
    // whole lines vectorise.
    const auto code = static_cast<unsigned char>(c);
    return static_cast<char>(code | (static_cast<unsigned char>(code - 'A') < 26 ? 0x20 : 0));
}

inline char upperAZ(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Replaces the content of out by text with A..Z lowered, keeping out's capacity so
// that a loop over many lines allocates only when a longer line comes along.
inline void assignLowerAZ(std::string& out, std::string_view text) {
    out.resize(text.size());
    char* to = out.data();
    const char* from = text.data();
    for (std::size_t i = 0, size = text.size(); i < size; ++i)
        to[i] = lowerAZ(from[i]);
}

inline std::string lowerAZCopy(std::string_view text) {
    std::string out;
    assignLowerAZ(out, text);
    return out;
}

}  // namespace rules
