#include "reader/SurahNameMatch.h"

#include <algorithm>
#include <array>

#include "corpus/SurahTable.h"
#include "reader/AsciiCase.h"

namespace rules {

namespace {

// The articles the surah names start with, written before a hyphen or a blank.
constexpr std::array<std::string_view, 12> Articles = {"al", "an", "ar", "as",  "asy", "ash",
                                                       "at", "az", "ad", "adz", "ath", "adh"};

// Fewer letters than this find a surah only when they are its whole key.
constexpr std::size_t ShortestPrefix = 3;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isArticle(std::string_view word) {
    const std::string lowered = lowerAZCopy(word);
    return std::find(Articles.begin(), Articles.end(), lowered) != Articles.end();
}

std::string lettersOf(std::string_view text) {
    std::string letters;
    for (char c : text) {
        if (isLetter(c))
            letters.push_back(lowerAZ(c));
    }
    return letters;
}

// Drops a leading article that stands apart from the rest, as in "Al-Baqarah" or "at tahrim".
std::string_view withoutArticle(std::string_view name) {
    const std::size_t gap = name.find_first_of("- ");
    if (gap == std::string_view::npos || !isArticle(name.substr(0, gap)))
        return name;
    return name.substr(gap + 1);
}

// Every surah's key, built once.
const std::array<std::string, surah::SurahCount>& keys() {
    static const std::array<std::string, surah::SurahCount> table = [] {
        std::array<std::string, surah::SurahCount> built;
        for (int s = 1; s <= surah::SurahCount; ++s)
            built[s - 1] = SurahNameKey(surah::displayName(s));
        return built;
    }();
    return table;
}

// The surah whose key is letters, then the surahs whose keys start with letters.
SurahNameMatch lookUp(std::string_view letters) {
    SurahNameMatch match;
    for (int s = 1; s <= surah::SurahCount; ++s) {
        if (keys()[s - 1] == letters) {
            match.surahs.push_back(s);
            return match;
        }
    }
    if (letters.size() < ShortestPrefix) {
        match.tooShort = true;
        return match;
    }
    for (int s = 1; s <= surah::SurahCount; ++s) {
        if (keys()[s - 1].starts_with(letters))
            match.surahs.push_back(s);
    }
    return match;
}

}  // namespace

std::string SurahNameKey(std::string_view displayName) {
    const std::size_t dot = displayName.find(". ");
    std::string_view name =
        dot == std::string_view::npos ? displayName : displayName.substr(dot + 2);
    return lettersOf(withoutArticle(name));
}

SurahNameMatch MatchSurahName(std::string_view typed) {
    const std::string letters = lettersOf(withoutArticle(typed));
    SurahNameMatch match = lookUp(letters);
    if (!match.surahs.empty())
        return match;

    // An article written together with the name ("albaqarah", "asysyams").
    SurahNameMatch joined;
    for (std::string_view article : Articles) {
        if (letters.size() <= article.size() || !letters.starts_with(article))
            continue;
        const SurahNameMatch rest = lookUp(std::string_view(letters).substr(article.size()));
        joined.surahs.insert(joined.surahs.end(), rest.surahs.begin(), rest.surahs.end());
    }
    if (joined.surahs.empty())
        return match;
    std::sort(joined.surahs.begin(), joined.surahs.end());
    joined.surahs.erase(std::unique(joined.surahs.begin(), joined.surahs.end()),
                        joined.surahs.end());
    return joined;
}

}  // namespace rules
