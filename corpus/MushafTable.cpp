#include "corpus/MushafTable.h"

#include <algorithm>
#include <array>

#include "corpus/MushafData.h"

namespace mushaf {
namespace {

using data::JuzStarts;
using data::PageStarts;
using data::SajdaVerses;

static_assert(JuzStarts.size() == JuzCount + 1 && PageStarts.size() == PageCount + 1);
static_assert(SajdaVerses.size() == SajdaCount);
static_assert(JuzStarts.front() == 0 && JuzStarts.back() == surah::TotalVerses);
static_assert(PageStarts.front() == 0 && PageStarts.back() == surah::TotalVerses);

// The division that holds index: the last one whose first verse lies at or before it.
template <std::size_t N>
int divisionOf(const std::array<int, N>& starts, int index) {
    const auto next = std::upper_bound(starts.begin(), starts.end() - 1, index);
    return static_cast<int>(next - starts.begin());
}

constexpr std::array<const char*, JuzCount> names = {
    "Juz 1",  "Juz 2",  "Juz 3",  "Juz 4",  "Juz 5",  "Juz 6",  "Juz 7",  "Juz 8",
    "Juz 9",  "Juz 10", "Juz 11", "Juz 12", "Juz 13", "Juz 14", "Juz 15", "Juz 16",
    "Juz 17", "Juz 18", "Juz 19", "Juz 20", "Juz 21", "Juz 22", "Juz 23", "Juz 24",
    "Juz 25", "Juz 26", "Juz 27", "Juz 28", "Juz 29", "Juz 30"};

}  // namespace

int juzStart(int j) {
    return JuzStarts[j - 1];
}

int pageStart(int p) {
    return PageStarts[p - 1];
}

int juzOf(int index) {
    return divisionOf(JuzStarts, index);
}

int pageOf(int index) {
    return divisionOf(PageStarts, index);
}

int sajdaVerse(int k) {
    return SajdaVerses[k];
}

const char* juzName(int j) {
    return names[j - 1];
}

}  // namespace mushaf
