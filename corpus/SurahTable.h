#pragma once

// The fixed structure of the translation: the display name of every surah and where
// its verses lie in the Corpus (zero-based line indices, in mushaf order).
namespace surah {

inline constexpr int SurahCount = 114;
inline constexpr int TotalVerses = 6236;

// s in 1..114: "1. Al-Fatihah" ... "114. An-Naas".
const char* displayName(int s);
// s in 1..115: Corpus index of the first verse of surah s; start(115) is TotalVerses.
int start(int s);
// s in 1..114.
int verseCount(int s);

struct VerseRef {
    int surah;
    int verse;
    bool operator==(const VerseRef&) const = default;
};
// Verse a of surah s lies at start(s) + a - 1.
int corpusIndex(int s, int a);
// index in 0..TotalVerses-1.
VerseRef verseAt(int index);

}  // namespace surah
