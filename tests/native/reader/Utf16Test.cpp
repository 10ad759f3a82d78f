#include "reader/Utf16.h"

#include <gtest/gtest.h>

#include "RealArabic.h"
#include "corpus/Exception.h"

using rules::Utf16ToUtf8;
using rules::Utf8ToUtf16;

TEST(Utf16, EveryVerseGoesThereAndBackByteForByte) {
    const FastStrList& arabic = realArabic();
    ASSERT_EQ(arabic.count(), surah::TotalVerses);
    std::size_t units = 0;
    for (int i = 0; i < arabic.count(); ++i) {
        const std::u16string wide = Utf8ToUtf16(arabic.view(i));
        units += wide.size();
        ASSERT_EQ(Utf16ToUtf8(wide), arabic.view(i)) << "line " << i;
    }
    // The package's texts are 700,236 UTF-16 units long (their length in JavaScript).
    EXPECT_EQ(units, 700'236u);
}

TEST(Utf16, ConvertsEachLengthOfSequence) {
    // 1:1 begins with beh, kasra, seen, small high dotless head of khah.
    EXPECT_EQ(arabicVerse(1, 1).substr(0, 4), u"\u0628\u0650\u0633\u06E1");
    const std::string utf8 = "A\xC3\xA9\xD9\xB0\xE2\x80\x89\xF0\x9F\x98\x80";
    const std::u16string utf16 = u"A\u00E9\u0670\u2009\U0001F600";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
    EXPECT_EQ(Utf8ToUtf16(""), u"");
    EXPECT_EQ(Utf16ToUtf8(u""), "");
}

TEST(Utf16, RefusesWhatIsNotWellFormed) {
    EXPECT_THROW(Utf8ToUtf16("\xD8\xA8\xC0\xAF"), Exception);
    EXPECT_THROW(Utf8ToUtf16("\xED\xA0\x80"), Exception);
    EXPECT_THROW(Utf8ToUtf16("\xD9"), Exception);
    const char16_t lowAlone[] = {0x0628, 0xDC00, 0};
    const char16_t highAtEnd[] = {0x0628, 0xD83D, 0};
    const char16_t highThenLetter[] = {0xD83D, 0x0628, 0};
    EXPECT_THROW(Utf16ToUtf8(lowAlone), Exception);
    EXPECT_THROW(Utf16ToUtf8(highAtEnd), Exception);
    EXPECT_THROW(Utf16ToUtf8(highThenLetter), Exception);
}
