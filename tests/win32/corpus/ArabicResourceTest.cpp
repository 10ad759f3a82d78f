#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "corpus/ArabicFont.h"
#include "corpus/FastStrList.h"
#include "corpus/LoadArabicText.h"

TEST(LoadArabicText, FillsTheListWithTheCommittedVerseLines) {
    std::ifstream file(std::string("Z:") + NURVELA_SOURCE_DIR + "/resources/quran_ar.txt",
                       std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    FastStrList arabic;
    arabic.add("stale");
    LoadArabicText(arabic);
    ASSERT_EQ(arabic.count(), 6236);
    EXPECT_TRUE(arabic.text() == text.str());
}

TEST(ArabicFont, LoadsForThisProcessWithTheGlyphsTheDrawnFormsNeed) {
    HANDLE handle = LoadArabicFont();
    ASSERT_NE(handle, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font =
        CreateFontW(-32, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, ArabicFontFace);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    EXPECT_STREQ(face, ArabicFontFace);
    // Open and plain dammatan have glyphs; the package's U+065E has none.
    const wchar_t marks[] = {0x08F1, 0x064C, 0x065E};
    WORD glyphs[3] = {};
    EXPECT_EQ(GetGlyphIndicesW(dc, marks, 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 3u);
    EXPECT_NE(glyphs[0], 0xFFFF);
    EXPECT_NE(glyphs[1], 0xFFFF);
    EXPECT_EQ(glyphs[2], 0xFFFF);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    EXPECT_TRUE(RemoveFontMemResourceEx(handle));
}
