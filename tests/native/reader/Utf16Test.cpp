#include "reader/Utf16.h"

#include <gtest/gtest.h>

#include <string>

#include "corpus/Exception.h"

using rules::Utf16ToUtf8;
using rules::Utf8ToUtf16;

TEST(Utf16, TakesEveryLengthOfSequenceAndRefusesTheMalformed) {
    const std::string utf8 = "A\xC3\xA9\xD9\xB0\xE2\x80\x89\xF0\x9F\x98\x80";
    const std::u16string utf16 = u"A\u00E9\u0670\u2009\U0001F600";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
    EXPECT_THROW(Utf8ToUtf16("\xD8\xA8\xC0\xAF"), Exception);
    EXPECT_THROW(Utf8ToUtf16("\xED\xA0\x80"), Exception);
    const char16_t lowAlone[] = {0x0628, 0xDC00, 0};
    const char16_t highAtEnd[] = {0x0628, 0xD83D, 0};
    const char16_t highThenLetter[] = {0xD83D, 0x0628, 0};
    for (const char16_t* bad : {lowAlone, highAtEnd, highThenLetter}) {
        EXPECT_THROW(Utf16ToUtf8(bad), Exception);
    }
}

TEST(Utf16, TypedTextTakesAnyUnitsALoneHalfBecomingTheReplacementCharacter) {
    // What a user pastes may hold surrogate halves in any order: each one alone becomes
    // U+FFFD; pairs and everything else pass as the strict conversion gives them.
    const std::string replacement = "\xEF\xBF\xBD";
    const std::string ba = "\xD8\xA8";
    const char16_t lowAlone[] = {0x0628, 0xDC00, 0};
    const char16_t highAtEnd[] = {0x0628, 0xD83D, 0};
    const char16_t reversed[] = {0xDE00, 0xD83D, 0x0628, 0};
    const char16_t onlyHalf[] = {0xD800, 0};
    EXPECT_EQ(rules::TypedTextToUtf8(lowAlone), ba + replacement);
    EXPECT_EQ(rules::TypedTextToUtf8(highAtEnd), ba + replacement);
    EXPECT_EQ(rules::TypedTextToUtf8(reversed), replacement + replacement + ba);
    EXPECT_EQ(rules::TypedTextToUtf8(onlyHalf), replacement);
    const std::u16string good = u"A\u00E9\u0670\u2009\U0001F600\uFEFF\uFFFF";
    EXPECT_EQ(rules::TypedTextToUtf8(good), Utf16ToUtf8(good));
    EXPECT_EQ(Utf8ToUtf16(rules::TypedTextToUtf8(reversed)), u"\uFFFD\uFFFD\u0628");
}
