#include "reader/AlphaNumeric.h"

#include <array>

#ifdef _WIN32
#include <windows.h>
#endif

namespace rules {

namespace {

// Measured byte by byte: the ASCII digits and letters, the letters and letter-like signs
// of 0x80..0xBF (f with hook, modifier circumflex, S/Z/OE with caron or ligature, Y with
// diaeresis, the ordinal indicators, superscript digits, micro sign) and all of
// 0xC0..0xFF except the multiplication and division signs.
constexpr std::array<bool, 256> makeTable() {
    std::array<bool, 256> table{};
    for (int c = '0'; c <= '9'; ++c)
        table[c] = true;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = true;
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = true;
    for (int c : {0x83, 0x88, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB2, 0xB3, 0xB5,
                  0xB9, 0xBA}) {
        table[c] = true;
    }
    for (int c = 0xC0; c <= 0xFF; ++c)
        table[c] = c != 0xD7 && c != 0xF7;
    return table;
}

constexpr std::array<bool, 256> codePage1252Table = makeTable();

}  // namespace

bool alphaNumericInCodePage1252(unsigned char c) {
    return codePage1252Table[c];
}

bool isAlphaNumeric(unsigned char c) {
#ifdef _WIN32
    return IsCharAlphaNumericA(static_cast<CHAR>(c)) != FALSE;
#else
    return alphaNumericInCodePage1252(c);
#endif
}

}  // namespace rules
