#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "corpus/FastStrList.h"
#include "reader/ArabicFold.h"
#include "reader/Occurrences.h"
#include "reader/SearchScan.h"

// The search in the Arabic text. A search text that holds an Arabic letter searches the
// Arabic text (IsArabicSearchText); every other text stays the search of the translation.
//
// What is searched: only the Arabic letters of the text, folded by the rules of
// reader/ArabicFold.h. Vowel and Qur'anic marks, tatweel and the annotation signs are passed
// over wherever they stand; blanks, punctuation and digits (Western or Arabic-Indic) break
// words, and those at either end are dropped. A text left with no letter has nothing to
// search; a text that also holds a letter of another script (a Latin letter, say), which can
// never occur in the Arabic text, finds nothing. Both end in the usual not-found message.
//
// The caller builds an ArabicIndex once from the Arabic text (6236 UTF-8 lines, Corpus order)
// when the first Arabic search asks for it, keeps it while that text stays loaded, and calls
// ScanArabic for every Arabic search.
namespace rules {

bool IsArabicSearchText(std::string_view searchText);

// A search text folded once, for one or many scans.
class ArabicQuery {
public:
    explicit ArabicQuery(std::string_view searchText);
    arabic::SearchTextKind kind() const { return folded_.kind; }
    // Whether there is anything that could be found.
    bool searchable() const { return folded_.kind == arabic::SearchTextKind::Letters; }
    const std::vector<arabic::Letter>& letters() const { return folded_.letters; }

private:
    friend class ArabicIndex;
    arabic::FoldedSearch folded_;
    // For each kind of verse unit, the set of query positions k + 1 whose letter k it meets,
    // words_ 64-bit words each.
    std::size_t words_ = 0;
    std::vector<std::uint64_t> meets_;
};

// One occurrence: the verse units [first, last) it covers, and the verse's UTF-16 range
// [begin, end) that is marked for it.
struct ArabicMatch {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
};

// The Arabic text folded, with a list of the verses that hold each pair of letters that can
// follow one another, so that a scan looks only at verses that can match.
class ArabicIndex {
public:
    // lines: the Arabic text, one verse a line, UTF-8; any list of lines can be indexed.
    explicit ArabicIndex(const FastStrList& lines);

    int lineCount() const { return static_cast<int>(lines_.size()); }

    // Every occurrence of the query in line i, in order of their starts. An occurrence starts
    // at each unit where the query's first letter can match and a match follows (so that
    // overlapping occurrences all count, as in the translation's search); in wholeWord mode it
    // must start and end at word edges. Its marked range covers the characters of the units
    // it matched and the units that may be left out next to them in the same word.
    std::vector<ArabicMatch> matches(int i, const ArabicQuery& query, bool wholeWord) const;

    // Whether line i holds the query at all.
    bool holds(int i, const ArabicQuery& query, bool wholeWord) const;

    // The lines that can hold the query: a superset of those that do, ascending.
    std::vector<int> candidates(const ArabicQuery& query) const;

private:
    struct Line {
        std::uint32_t first;  // its units in units_, begin_, end_
        std::uint32_t count;
    };
    template <typename Found>
    void scanLine(int i, const ArabicQuery& query, bool wholeWord, Found&& found) const;

    std::vector<Line> lines_;
    std::vector<std::uint8_t> units_;
    std::vector<std::uint32_t> begin_;
    std::vector<std::uint32_t> end_;
    std::size_t longestLine_ = 0;
    std::size_t lineWords_ = 0;         // 64-bit words in one set of lines
    std::vector<std::uint64_t> pairs_;  // per letter pair, the set of lines that hold it
};

// The occurrences found in one verse.
struct ArabicVerseHits {
    int corpusIndex = 0;
    int occurrences = 0;          // matches counted as the translation's search counts them
    std::vector<TextRun> ranges;  // UTF-16 ranges of the verse's own text, merged where they
                                  // overlap or touch, ascending
};

struct ArabicScan {
    SearchScan scan;                      // as the translation's scan gives it (blank stays false)
    std::vector<ArabicVerseHits> verses;  // one per verse found, ascending Corpus index
    int occurrenceCount = 0;              // over all verses found
    arabic::SearchTextKind kind = arabic::SearchTextKind::NothingToSearch;

    // The hits of one verse, or null when it has none.
    const ArabicVerseHits* hitsOf(int corpusIndex) const;
};

// Scans every verse of the index, surah by surah, as ScanCorpus does the translation.
ArabicScan ScanArabic(const ArabicIndex& index, const ArabicQuery& query, bool wholeWord);
ArabicScan ScanArabic(const ArabicIndex& index, std::string_view searchText, bool wholeWord);

}  // namespace rules
