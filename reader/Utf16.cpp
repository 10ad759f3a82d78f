#include "reader/Utf16.h"

#include "corpus/Exception.h"
#include "corpus/Utf8.h"

namespace rules {

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());  // never more units than bytes
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = utf8::decodeAt(text, pos);
        if (c == utf8::Invalid) {
            raiseExceptionF("UTF-8 tidak sah pada byte ke-%u.", static_cast<unsigned>(pos + 1));
        }
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

enum class LoneSurrogate { Raise, Replace };

std::string toUtf8(std::u16string_view text, LoneSurrogate lone) {
    std::string out;
    out.reserve(text.size() * 2);  // the Arabic block takes two bytes a unit
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            const bool paired = c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                                text[i + 1] <= 0xDFFF;
            if (paired) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
            } else if (lone == LoneSurrogate::Replace) {
                c = ReplacementCharacter;
            } else {
                raiseExceptionF("UTF-16 tidak sah pada unit ke-%u.", static_cast<unsigned>(i + 1));
            }
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
    return toUtf8(text, LoneSurrogate::Raise);
}

std::string TypedTextToUtf8(std::u16string_view text) {
    return toUtf8(text, LoneSurrogate::Replace);
}

}  // namespace rules
