#pragma once

#include "corpus/SurahTable.h"

// The divisions of the mushaf beyond the surahs, for the Hafs reading: the 30 juz, the 604
// pages of the Madinah mushaf and the verses of prostration. Constant data generated from a
// package (corpus/MushafData.h); places are Corpus indices, as in the surah table.
namespace mushaf {

inline constexpr int JuzCount = 30;
inline constexpr int PageCount = 604;
inline constexpr int SajdaCount = 15;

// j in 1..31: Corpus index of the first verse of juz j; juzStart(31) is surah::TotalVerses.
int juzStart(int j);
// p in 1..605: Corpus index of the first verse on page p; pageStart(605) is the total.
int pageStart(int p);
// index in 0..TotalVerses-1: the juz, and the page, that holds the verse.
int juzOf(int index);
int pageOf(int index);
// k in 0..SajdaCount-1: the Corpus index of the k-th verse of prostration, in mushaf order.
int sajdaVerse(int k);

// "Juz 1" ... "Juz 30".
const char* juzName(int j);

}  // namespace mushaf
