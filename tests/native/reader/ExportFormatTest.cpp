#include "reader/ExportFormat.h"

#include <gtest/gtest.h>

using namespace rules;

TEST(FileNameExtension, IsTakenFromTheFileNameOnly) {
    EXPECT_EQ(FileNameExtension("C:\\data\\ayat.TXT"), ".TXT");
    EXPECT_EQ(FileNameExtension("C:\\data\\ayat.tar.rtf"), ".rtf");
    EXPECT_EQ(FileNameExtension("ayat.txt"), ".txt");
    EXPECT_EQ(FileNameExtension("ayat."), ".");
    EXPECT_EQ(FileNameExtension(".txt"), ".txt");
    // A dot in a folder name is not the file's extension, with either separator.
    EXPECT_EQ(FileNameExtension("C:\\catatan.txt\\ayat"), "");
    EXPECT_EQ(FileNameExtension("/tmp/v1.5/ayat"), "");
    EXPECT_EQ(FileNameExtension("C:\\a.b/c\\d"), "");
    EXPECT_EQ(FileNameExtension(""), "");
    EXPECT_EQ(FileNameExtension("C:\\data\\"), "");
}

TEST(SavesAsPlainText, TxtInAnyLetterCaseSelectsText) {
    EXPECT_TRUE(SavesAsPlainText("C:\\data\\ayat.TXT"));
    EXPECT_TRUE(SavesAsPlainText("C:\\data\\ayat.txt"));
    EXPECT_TRUE(SavesAsPlainText("C:\\data\\ayat.Txt"));
    EXPECT_TRUE(SavesAsPlainText("Z:/tmp/dir.rtf/ayat.tXT"));
    EXPECT_TRUE(SavesAsPlainText("ayat.rtf.txt"));
}

TEST(SavesAsPlainText, EverythingElseIsRichText) {
    EXPECT_FALSE(SavesAsPlainText("C:\\data\\ayat.RTF"));
    EXPECT_FALSE(SavesAsPlainText("C:\\data\\ayat"));
    EXPECT_FALSE(SavesAsPlainText("C:\\data\\ayat.txt.rtf"));
    EXPECT_FALSE(SavesAsPlainText("C:\\data\\ayat.text"));
    EXPECT_FALSE(SavesAsPlainText("C:\\data\\ayat.tx"));
    EXPECT_FALSE(SavesAsPlainText("C:\\data\\ayattxt"));
    EXPECT_FALSE(SavesAsPlainText("C:\\catatan.txt\\ayat"));
    EXPECT_FALSE(SavesAsPlainText("C:\\catatan.TXT\\ayat.rtf"));
    EXPECT_FALSE(SavesAsPlainText(""));
    // Only A..Z fold: a byte above 127 never stands for a letter of ".txt".
    EXPECT_FALSE(SavesAsPlainText("ayat.t\xD8t"));
}
