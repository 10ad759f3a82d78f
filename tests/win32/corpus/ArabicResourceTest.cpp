#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "corpus/ArabicFont.h"
#include "corpus/FastStrList.h"
#include "corpus/LoadArabicText.h"
#include "corpus/MemoryStream.h"
#include "corpus/ResourceStream.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string contentOf(const MemoryStream& stream) {
    return std::string(stream.data(), static_cast<std::size_t>(stream.size()));
}

}  // namespace

TEST(LoadArabicText, FillsTheListWithTheCommittedVerseLines) {
    const std::string text =
        readFile(std::string("Z:") + NURVELA_SOURCE_DIR + "/resources/quran_ar.txt");
    ASSERT_FALSE(text.empty());
    FastStrList arabic;
    arabic.add("stale");
    LoadArabicText(arabic);
    ASSERT_EQ(arabic.count(), 6236);
    EXPECT_TRUE(arabic.text() == text);
}

TEST(ArabicFont, TheResourceIsTheInstalledFontFile) {
    const std::string font = readFile(std::string("Z:") + NURVELA_ARABIC_FONT);
    ASSERT_GT(font.size(), 100'000u);
    MemoryStream stream;
    resourceToStream(stream, GetModuleHandleA(nullptr), "AMIRIQURAN", "TTF");
    EXPECT_TRUE(contentOf(stream) == font);
}

TEST(ArabicFont, LoadsForThisProcessAndDrawsTheDrawnForms) {
    HANDLE handle = LoadArabicFont();
    ASSERT_NE(handle, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font =
        CreateFontW(-32, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, ArabicFontFace);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    EXPECT_STREQ(face, ArabicFontFace);
    // Meem, the open and the plain dammatan have glyphs; the package's U+065E has none.
    const wchar_t characters[] = {0x0645, 0x08F1, 0x064C, 0x065E};
    WORD glyphs[4] = {};
    EXPECT_EQ(GetGlyphIndicesW(dc, characters, 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 4u);
    EXPECT_NE(glyphs[0], 0xFFFF);
    EXPECT_NE(glyphs[1], 0xFFFF);
    EXPECT_NE(glyphs[2], 0xFFFF);
    EXPECT_EQ(glyphs[3], 0xFFFF);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    EXPECT_TRUE(RemoveFontMemResourceEx(handle));
}
