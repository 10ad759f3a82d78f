#pragma once
// The independent imla'i text the Arabic search is measured against: the field textSimple of
// every verse in data/quran-verses.json of the npm package quran-validator (installed in
// tools/node_modules by scripts/setup.sh; the program never ships it). Read with a small JSON
// reader that knows just what that file uses: arrays, objects, strings with escapes, numbers
// and the three literals.
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/SurahTable.h"

namespace validator {

struct Verse {
    int surah = 0;
    int ayah = 0;
    std::string textSimple;
};

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    // The verses of the file's top-level array, or an empty list with error() set.
    std::vector<Verse> verses() {
        std::vector<Verse> out;
        skipBlanks();
        if (!take('['))
            return fail("no array at the start"), out;
        skipBlanks();
        if (take(']'))
            return out;
        do {
            skipBlanks();
            Verse verse;
            if (!object(verse))
                return {};
            out.push_back(std::move(verse));
            skipBlanks();
        } while (take(','));
        if (!take(']'))
            return fail("the array does not end"), std::vector<Verse>{};
        return out;
    }
    const std::string& error() const { return error_; }

private:
    bool object(Verse& verse) {
        if (!take('{'))
            return fail("a verse is not an object");
        skipBlanks();
        if (take('}'))
            return true;
        do {
            skipBlanks();
            std::string key;
            if (!string(key))
                return false;
            skipBlanks();
            if (!take(':'))
                return fail("no colon after a key");
            skipBlanks();
            if (key == "textSimple") {
                if (!string(verse.textSimple))
                    return false;
            } else if (key == "surah" || key == "ayah") {
                long value = 0;
                if (!number(value))
                    return false;
                (key == "surah" ? verse.surah : verse.ayah) = static_cast<int>(value);
            } else if (!skipValue()) {
                return false;
            }
            skipBlanks();
        } while (take(','));
        return take('}') || fail("an object does not end");
    }

    bool string(std::string& out) {
        if (!take('"'))
            return fail("a string was expected");
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"')
                return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size())
                break;
            const char e = text_[pos_++];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    std::uint32_t code = 0;
                    if (!hex4(code))
                        return false;
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        std::uint32_t low = 0;
                        if (!take('\\') || !take('u') || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                            return fail("a lone surrogate");
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    }
                    appendUtf8(out, code);
                    break;
                }
                default:
                    return fail("an unknown escape");
            }
        }
        return fail("a string does not end");
    }

    bool hex4(std::uint32_t& code) {
        for (int i = 0; i < 4; ++i) {
            if (pos_ >= text_.size())
                return fail("a cut \\u escape");
            const char c = text_[pos_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= c - '0';
            else if (c >= 'a' && c <= 'f')
                code |= c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                code |= c - 'A' + 10;
            else
                return fail("a bad \\u escape");
        }
        return true;
    }

    static void appendUtf8(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    bool number(long& value) {
        const std::size_t start = pos_;
        bool negative = take('-');
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
            value = value * 10 + (text_[pos_++] - '0');
        if (pos_ == start + (negative ? 1 : 0))
            return fail("a number was expected");
        // Fractions and exponents are read over; the fields used are whole numbers.
        while (pos_ < text_.size() &&
               std::string_view(".eE+-0123456789").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
        if (negative)
            value = -value;
        return true;
    }

    bool skipValue() {
        if (pos_ >= text_.size())
            return fail("a value was expected");
        const char c = text_[pos_];
        if (c == '"') {
            std::string ignored;
            return string(ignored);
        }
        if (c == '{' || c == '[') {
            const char close = c == '{' ? '}' : ']';
            ++pos_;
            skipBlanks();
            if (take(close))
                return true;
            do {
                skipBlanks();
                if (c == '{') {
                    std::string key;
                    if (!string(key))
                        return false;
                    skipBlanks();
                    if (!take(':'))
                        return fail("no colon after a key");
                    skipBlanks();
                }
                if (!skipValue())
                    return false;
                skipBlanks();
            } while (take(','));
            return take(close) || fail("a container does not end");
        }
        for (std::string_view literal : {"true", "false", "null"}) {
            if (text_.substr(pos_, literal.size()) == literal) {
                pos_ += literal.size();
                return true;
            }
        }
        long ignored = 0;
        return number(ignored);
    }

    void skipBlanks() {
        while (pos_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
    }
    bool take(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool fail(const char* what) {
        if (error_.empty())
            error_ = std::string(what) + " at byte " + std::to_string(pos_);
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

// The textSimple of every verse in Corpus order, or an empty list with the cause in error.
inline std::vector<std::string> readTextSimple(std::string& error) {
    const std::string path = NURVELA_QURAN_VALIDATOR_VERSES;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path + " (scripts/setup.sh installs it with npm ci in tools/)";
        return {};
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    const std::string text = bytes.str();
    JsonReader reader(text);
    const std::vector<Verse> verses = reader.verses();
    if (!reader.error().empty()) {
        error = path + ": " + reader.error();
        return {};
    }
    if (verses.size() != static_cast<std::size_t>(surah::TotalVerses)) {
        error = path + ": " + std::to_string(verses.size()) + " verses, not 6236";
        return {};
    }
    std::vector<std::string> lines(verses.size());
    for (const Verse& verse : verses) {
        if (verse.surah < 1 || verse.surah > surah::SurahCount || verse.ayah < 1 ||
            verse.ayah > surah::verseCount(verse.surah)) {
            error = path + ": a verse " + std::to_string(verse.surah) + ":" +
                    std::to_string(verse.ayah) + " that does not exist";
            return {};
        }
        std::string& line = lines[surah::corpusIndex(verse.surah, verse.ayah)];
        if (!line.empty()) {
            error = path + ": verse " + std::to_string(verse.surah) + ":" +
                    std::to_string(verse.ayah) + " twice";
            return {};
        }
        line = verse.textSimple;
    }
    return lines;
}

}  // namespace validator
