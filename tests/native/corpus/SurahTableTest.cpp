#include "corpus/SurahTable.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "QuranText.h"

using namespace surah;

TEST(SurahTable, StartsRiseFromZeroToTheVerseTotal) {
    EXPECT_EQ(start(1), 0);
    EXPECT_EQ(start(2), 7);
    EXPECT_EQ(start(3), 293);
    EXPECT_EQ(start(114), 6230);
    EXPECT_EQ(start(SurahCount + 1), TotalVerses);
    int sum = 0;
    for (int s = 1; s <= SurahCount; ++s) {
        EXPECT_LT(start(s), start(s + 1)) << "surah " << s;
        EXPECT_EQ(verseCount(s), start(s + 1) - start(s));
        sum += verseCount(s);
    }
    EXPECT_EQ(sum, 6236);
}

TEST(SurahTable, LongestAndShortestSurahs) {
    EXPECT_EQ(verseCount(1), 7);
    EXPECT_EQ(verseCount(114), 6);
    int longest = 1;
    std::string shortest;
    for (int s = 1; s <= SurahCount; ++s) {
        if (verseCount(s) > verseCount(longest)) {
            longest = s;
        }
        if (verseCount(s) == 3) {
            shortest += std::to_string(s) + " ";
        }
        EXPECT_GE(verseCount(s), 3) << "surah " << s;
    }
    EXPECT_EQ(longest, 2);
    EXPECT_EQ(verseCount(2), 286);
    EXPECT_EQ(shortest, "103 108 110 ");
}

TEST(SurahTable, DisplayNamesHaveTheirNumberAndOneFullStop) {
    for (int s = 1; s <= SurahCount; ++s) {
        const std::string name = displayName(s);
        const std::string prefix = std::to_string(s) + ". ";
        EXPECT_EQ(name.rfind(prefix, 0), 0u) << name;
        EXPECT_GE(name.size(), 7u) << name;
        EXPECT_LE(name.size(), 18u) << name;
        EXPECT_EQ(name.find('.'), name.rfind('.')) << name;
        for (char c : name) {
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || std::strchr(" .-'", c))
                << name;
        }
    }
    EXPECT_STREQ(displayName(1), "1. Al-Fatihah");
    EXPECT_STREQ(displayName(29), "29. Al-'Ankabut");
    EXPECT_STREQ(displayName(48), "48. Al-fath");
    EXPECT_STREQ(displayName(66), "66. At Tahrim");
    EXPECT_STREQ(displayName(114), "114. An-Naas");
}

TEST(SurahTable, IndexAndVerseMapBothWays) {
    EXPECT_EQ(verseAt(0), (VerseRef{1, 1}));
    EXPECT_EQ(verseAt(6), (VerseRef{1, 7}));
    EXPECT_EQ(verseAt(7), (VerseRef{2, 1}));
    EXPECT_EQ(verseAt(292), (VerseRef{2, 286}));
    EXPECT_EQ(verseAt(6235), (VerseRef{114, 6}));
    EXPECT_EQ(corpusIndex(2, 1), 7);
    EXPECT_EQ(corpusIndex(114, 6), 6235);
    for (int i = 0; i < TotalVerses; ++i) {
        const VerseRef ref = verseAt(i);
        ASSERT_GE(ref.verse, 1) << i;
        ASSERT_LE(ref.verse, verseCount(ref.surah)) << i;
        ASSERT_EQ(corpusIndex(ref.surah, ref.verse), i);
    }
}

TEST(SurahTable, AgreesWithEveryLineOfTheTranslation) {
    const std::string text = readQuranText();
    ASSERT_FALSE(text.empty()) << "resources/quran_id.txt is missing";
    std::size_t pos = 0;
    int i = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "line " << i << " has no CR LF";
        ASSERT_LT(i, TotalVerses) << "more lines than verses";
        const VerseRef ref = verseAt(i);
        const std::string prefix =
            std::to_string(ref.surah) + ":" + std::to_string(ref.verse) + ". ";
        ASSERT_EQ(text.compare(pos, prefix.size(), prefix), 0)
            << "line " << i << ": " << text.substr(pos, 20);
        pos = end + 2;
        ++i;
    }
    EXPECT_EQ(i, TotalVerses);
}
