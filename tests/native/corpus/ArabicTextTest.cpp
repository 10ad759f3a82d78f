#include "corpus/ArabicText.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "Bzip2Pack.h"
#include "QuranText.h"
#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "corpus/MemoryStream.h"
#include "corpus/SurahTable.h"
#include "corpus/Utf8.h"

namespace {

// The message UnpackArabicText raises for the packed bytes, or "" when it accepts them;
// arabic holds one stale line before and must still hold it after a refusal.
std::string refusalOf(const std::string& packedBytes, FastStrList& arabic) {
    arabic.clear();
    arabic.add("stale");
    MemoryStream packed;
    packed.write(packedBytes.data(), packedBytes.size());
    packed.seek(0, Stream::Origin::Begin);
    try {
        UnpackArabicText(packed, arabic);
    } catch (const Exception& e) {
        EXPECT_EQ(arabic.count(), 1);
        EXPECT_EQ(arabic.item(0), "stale");
        return e.message();
    }
    return "";
}

// The committed text with the line of verse s:a replaced by line.
std::string withVerse(int s, int a, std::string_view line) {
    const std::string text = readArabicText();
    const int index = surah::corpusIndex(s, a);
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        begin = text.find("\r\n", begin) + 2;
    }
    const std::size_t end = text.find("\r\n", begin);
    return text.substr(0, begin) + std::string(line) + text.substr(end);
}

}  // namespace

TEST(UnpackArabicText, TheCommittedTextArrivesWholeAndReplacesTheList) {
    const std::string text = readArabicText();
    ASSERT_FALSE(text.empty());
    FastStrList arabic;
    EXPECT_EQ(refusalOf(pack(text), arabic), "");
    ASSERT_EQ(arabic.count(), surah::TotalVerses);
    EXPECT_EQ(arabic.text(), text);
    // 1:1, the first line, begins with beh and kasra.
    EXPECT_EQ(arabic.view(0).substr(0, 4), "\xD8\xA8\xD9\x90");
}

TEST(UnpackArabicText, RefusesADamagedStreamAndKeepsTheList) {
    const std::string packed = pack(readArabicText());
    FastStrList arabic;
    EXPECT_EQ(refusalOf(packed.substr(0, packed.size() / 2), arabic),
              "Teks Arab tidak dapat dibaca: Compression Error -7 - BZ_UNEXPECTED_EOF");
    EXPECT_EQ(refusalOf("", arabic),
              "Teks Arab tidak dapat dibaca: Compression Error -7 - BZ_UNEXPECTED_EOF");
    std::string flipped = packed;
    flipped[packed.size() / 2] ^= 0x10;
    EXPECT_NE(refusalOf(flipped, arabic), "");
}

TEST(UnpackArabicText, RefusesAWrongNumberOfLines) {
    const std::string text = readArabicText();
    FastStrList arabic;
    const std::size_t lastLine = text.rfind("\r\n", text.size() - 3) + 2;
    EXPECT_EQ(refusalOf(pack(text.substr(0, lastLine)), arabic),
              "Teks Arab tidak dapat dibaca: 6235 baris, seharusnya 6236.");
    EXPECT_EQ(refusalOf(pack(text + "\xD8\xA8\r\n"), arabic),
              "Teks Arab tidak dapat dibaca: 6237 baris, seharusnya 6236.");
    // A verse split in two by a stray CR is one line too many as well.
    EXPECT_EQ(refusalOf(pack(withVerse(2, 255, "\xD8\xA8\r\xD8\xA8")), arabic),
              "Teks Arab tidak dapat dibaca: 6237 baris, seharusnya 6236.");
}

TEST(UnpackArabicText, RefusesMalformedUtf8NamingTheVerseAndByte) {
    struct Case {
        const char* bytes;
        const char* what;
    };
    const Case cases[] = {
        {"\xD8\xA8\xC0\xAF", "overlong slash"},
        {"\xD8\xA8\xE0\x99\x84", "overlong U+0644"},
        {"\xD8\xA8\xED\xA0\x80", "high surrogate"},
        {"\xD8\xA8\xED\xBF\xBF", "low surrogate"},
        {"\xD8\xA8\xF4\x90\x80\x80", "above U+10FFFF"},
        {"\xD8\xA8\x99", "stray continuation byte"},
        {"\xD8\xA8\xD9", "sequence cut off by the line end"},
        {"\xD8\xA8\xFF", "byte FF"},
    };
    FastStrList arabic;
    for (const Case& c : cases) {
        EXPECT_EQ(refusalOf(pack(withVerse(2, 255, c.bytes)), arabic),
                  "Teks Arab tidak dapat dibaca: ayat 2:255 bukan UTF-8 yang sah (byte ke-3).")
            << c.what;
    }
}

TEST(Utf8, FirstInvalidFindsTheLeadOfTheFirstBadSequence) {
    // Every boundary of the shortest forms is accepted.
    for (std::string_view good :
         {"", "\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
          "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_EQ(utf8::firstInvalid(good), std::string_view::npos) << testing::PrintToString(good);
    }
    struct Bad {
        std::string_view bytes;
        std::size_t at;
    };
    for (const Bad& bad :
         {Bad{"a\xC1\xBF", 1}, Bad{"ab\xE0\x9F\xBF", 2}, Bad{"\xF0\x8F\xBF\xBF", 0},
          Bad{"\xD8\xA8\xED\xA0\x80", 2}, Bad{"\xF5\x80\x80\x80", 0}, Bad{"\xE2\x80", 0},
          Bad{"\xD8\xA8\xE2\x28\xA1", 2}, Bad{"\x80", 0}}) {
        EXPECT_EQ(utf8::firstInvalid(bad.bytes), bad.at) << testing::PrintToString(bad.bytes);
    }
}
