#pragma once
#include <cstddef>
#include <string_view>

// UTF-8 read strictly: the shortest form only, no surrogate halves (U+D800..U+DFFF), nothing
// above U+10FFFF. The Arabic text is checked with this once, when it is loaded; everything
// that converts it later relies on that and reads it with the same rule.
namespace utf8 {

// The result of decodeAt for bytes that are not one well-formed code point.
inline constexpr char32_t Invalid = 0xFFFFFFFF;

// Decodes the code point that starts at text[pos] and moves pos past it. On a malformed or
// cut-off sequence returns Invalid and leaves pos where it was. pos must be below the size.
inline char32_t decodeAt(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length;
    char32_t value;
    char32_t least;  // the smallest value this length may carry
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return Invalid;  // a continuation byte, C0, C1 or F5..FF
    }
    if (text.size() - pos < length) {
        return Invalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            return Invalid;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return Invalid;
    }
    pos += length;
    return value;
}

// The offset of the first byte where text stops being well-formed UTF-8, or npos.
inline std::size_t firstInvalid(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (decodeAt(text, pos) == Invalid) {
            return pos;
        }
    }
    return std::string_view::npos;
}

}  // namespace utf8
