#include "corpus/ArabicText.h"

#include <gtest/gtest.h>

#include <string>

#include "Bzip2Pack.h"
#include "QuranText.h"
#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "corpus/MemoryStream.h"
#include "corpus/SurahTable.h"

namespace {

const std::string Unreadable = "Teks Arab tidak dapat dibaca: ";

// The message UnpackArabicText raises for the packed bytes, or "" when it takes them. A list
// that held one stale line holds just that line after a refusal, and every verse otherwise.
std::string refusalOf(const std::string& packedBytes) {
    FastStrList arabic;
    arabic.add("stale");
    MemoryStream packed;
    packed.write(packedBytes.data(), packedBytes.size());
    packed.seek(0, Stream::Origin::Begin);
    try {
        UnpackArabicText(packed, arabic);
    } catch (const Exception& e) {
        EXPECT_EQ(arabic.text(), "stale\r\n");
        return e.message();
    }
    EXPECT_EQ(arabic.count(), surah::TotalVerses);
    return "";
}

// The committed text with the line of verse 2:255 replaced by line.
std::string withAyatAlKursi(const std::string& line) {
    std::string text = readArabicText();
    std::size_t begin = 0;
    for (int i = 0; i < surah::corpusIndex(2, 255); ++i) {
        begin = text.find("\r\n", begin) + 2;
    }
    return text.replace(begin, text.find("\r\n", begin) - begin, line);
}

}  // namespace

TEST(UnpackArabicText, TakesTheCommittedTextAndRefusesADamagedOneWhole) {
    const std::string text = readArabicText();
    const std::string packed = pack(text);
    EXPECT_EQ(refusalOf(packed), "");
    EXPECT_EQ(refusalOf(packed.substr(0, packed.size() / 2)),
              Unreadable + "Compression Error -7 - BZ_UNEXPECTED_EOF");
    const std::size_t lastLine = text.rfind("\r\n", text.size() - 3) + 2;
    EXPECT_EQ(refusalOf(pack(text.substr(0, lastLine))),
              Unreadable + "6235 baris, seharusnya 6236.");
    EXPECT_EQ(refusalOf(pack(text + "\xD8\xA8\r\n")), Unreadable + "6237 baris, seharusnya 6236.");
    // A stray CR inside a verse splits it: one line too many as well.
    EXPECT_EQ(refusalOf(pack(withAyatAlKursi("\xD8\xA8\r\xD8\xA8"))),
              Unreadable + "6237 baris, seharusnya 6236.");
}

TEST(UnpackArabicText, RefusesMalformedUtf8NamingTheVerseAndByte) {
    // Each after a beh (2 bytes): overlong "/", overlong U+0644, a high and a low surrogate,
    // past U+10FFFF, a stray continuation byte, FF, a sequence cut off by the line end.
    for (const char* bad : {"\xC0\xAF", "\xE0\x99\x84", "\xED\xA0\x80", "\xED\xBF\xBF",
                            "\xF4\x90\x80\x80", "\x99", "\xFF", "\xD9"}) {
        EXPECT_EQ(refusalOf(pack(withAyatAlKursi(std::string("\xD8\xA8") + bad))),
                  Unreadable + "ayat 2:255 bukan UTF-8 yang sah (byte ke-3).")
            << testing::PrintToString(bad);
    }
}
