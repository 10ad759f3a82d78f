#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace rules {

// The letters by which a surah is found: its display name without the number and without
// the article ("Al-", "An-", "Asy-", "At " ...), letters only, lowered. "2. Al-Baqarah"
// gives "baqarah", "4. An-Nisa'" gives "nisa", "66. At Tahrim" gives "tahrim".
std::string SurahNameKey(std::string_view displayName);

// The surahs a typed name stands for, in ascending order. Letter case, blanks, hyphens,
// apostrophes and a leading article ("al-baqarah", "Al Baqarah", "albaqarah") make no
// difference. A typed name that is a whole key finds that surah alone ("mumin" is
// Al-Mu'min, not also Al-Mu'minun); otherwise 3 letters or more find every surah whose key
// starts with them.
struct SurahNameMatch {
    std::vector<int> surahs;
    // Fewer than 3 letters that are no whole key: too little to look for.
    bool tooShort = false;
};
SurahNameMatch MatchSurahName(std::string_view typed);

}  // namespace rules
