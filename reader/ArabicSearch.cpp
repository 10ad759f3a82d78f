#include "reader/ArabicSearch.h"

#include <algorithm>
#include <array>

#include "corpus/SurahTable.h"

namespace rules {

using arabic::Letter;
using arabic::LetterCount;
using arabic::unitRule;

namespace {

constexpr std::size_t PairCount = std::size_t{LetterCount} * LetterCount;

// Whether each kind of unit may be left out and whether it breaks words, as the scan's inner
// loops look them up: a table at hand rather than a call per unit.
struct UnitKinds {
    std::array<bool, 256> optional{};
    std::array<bool, 256> wordBreak{};
};

const UnitKinds& unitKinds() {
    static const UnitKinds kinds = [] {
        UnitKinds k;
        for (std::size_t u = 0; u < k.optional.size(); ++u) {
            k.optional[u] = unitRule(static_cast<std::uint8_t>(u)).optional;
            k.wordBreak[u] = unitRule(static_cast<std::uint8_t>(u)).wordBreak;
        }
        return k;
    }();
    return kinds;
}

}  // namespace

bool IsArabicSearchText(std::string_view searchText) {
    return arabic::HoldsArabicLetter(searchText);
}

ArabicQuery::ArabicQuery(std::string_view searchText)
    : folded_(arabic::FoldSearchText(searchText)) {
    const std::size_t m = folded_.letters.size();
    words_ = (m + 1 + 63) / 64;
    meets_.assign(arabic::unitKinds() * words_, 0);
    for (std::size_t kind = 0; kind < arabic::unitKinds(); ++kind) {
        const arabic::LetterSet letters = unitRule(static_cast<std::uint8_t>(kind)).letters;
        std::uint64_t* set = &meets_[kind * words_];
        for (std::size_t k = 0; k < m; ++k) {
            if (letters >> folded_.letters[k] & 1)
                set[(k + 1) / 64] |= std::uint64_t{1} << ((k + 1) % 64);
        }
    }
}

ArabicIndex::ArabicIndex(const FastStrList& lines) {
    const UnitKinds& kinds = unitKinds();
    const int count = lines.count();
    lines_.reserve(count);
    for (int i = 0; i < count; ++i) {
        arabic::FoldedVerse folded = arabic::FoldVerse(lines.view(i));
        lines_.push_back({static_cast<std::uint32_t>(units_.size()),
                          static_cast<std::uint32_t>(folded.units.size())});
        longestLine_ = std::max(longestLine_, folded.units.size());
        units_.insert(units_.end(), folded.units.begin(), folded.units.end());
        begin_.insert(begin_.end(), folded.begin.begin(), folded.begin.end());
        end_.insert(end_.end(), folded.end.begin(), folded.end.end());
    }

    // A pair (a, b) is held where a unit meeting a is followed by one meeting b with only
    // units that may be left out between them; a single letter a is kept as the pair (a, a)
    // of that unit with itself.
    lineWords_ = (lines_.size() + 63) / 64;
    pairs_.assign(PairCount * lineWords_, 0);
    const auto mark = [&](std::size_t pair, int line) {
        pairs_[pair * lineWords_ + line / 64] |= std::uint64_t{1} << (line % 64);
    };
    // A line's pairs are gathered first and written to the sets once.
    std::vector<std::uint64_t> held((PairCount + 63) / 64);
    const auto hold = [&](std::size_t pair) { held[pair / 64] |= std::uint64_t{1} << (pair % 64); };
    for (int line = 0; line < count; ++line) {
        std::fill(held.begin(), held.end(), 0);
        // data() + first, not &units_[first]: an empty line's first is the end of the units.
        const std::uint8_t* u = units_.data() + lines_[line].first;
        const std::size_t n = lines_[line].count;
        for (std::size_t i = 0; i < n; ++i) {
            const arabic::LetterSet a = unitRule(u[i]).letters;
            for (arabic::LetterSet x = a; x != 0; x &= x - 1) {
                const std::size_t xl = __builtin_ctzll(x);
                hold(xl * LetterCount + xl);
            }
            for (std::size_t j = i + 1; j < n; ++j) {
                const arabic::LetterSet b = unitRule(u[j]).letters;
                for (arabic::LetterSet x = a; x != 0; x &= x - 1) {
                    const std::size_t xl = __builtin_ctzll(x);
                    for (arabic::LetterSet y = b; y != 0; y &= y - 1)
                        hold(xl * LetterCount + __builtin_ctzll(y));
                }
                if (!kinds.optional[u[j]])
                    break;
            }
        }
        for (std::size_t w = 0; w < held.size(); ++w) {
            for (std::uint64_t bits = held[w]; bits != 0; bits &= bits - 1)
                mark(w * 64 + __builtin_ctzll(bits), line);
        }
    }
}

std::vector<int> ArabicIndex::candidates(const ArabicQuery& query) const {
    std::vector<int> lines;
    const std::vector<Letter>& p = query.letters();
    if (!query.searchable() || p.size() > longestLine_)
        return lines;
    std::vector<std::uint64_t> set(lineWords_, ~std::uint64_t{0});
    const auto keep = [&](std::size_t pair) {
        const std::uint64_t* held = &pairs_[pair * lineWords_];
        for (std::size_t w = 0; w < lineWords_; ++w)
            set[w] &= held[w];
    };
    if (p.size() == 1)
        keep(std::size_t(p[0]) * LetterCount + p[0]);
    for (std::size_t k = 0; k + 1 < p.size(); ++k)
        keep(std::size_t(p[k]) * LetterCount + p[k + 1]);
    for (std::size_t w = 0; w < lineWords_; ++w) {
        for (std::uint64_t bits = set[w]; bits != 0; bits &= bits - 1) {
            const int line = static_cast<int>(w * 64 + __builtin_ctzll(bits));
            if (line < lineCount())
                lines.push_back(line);
        }
    }
    return lines;
}

// Calls found(match) for every occurrence in line i, in order; found returns false to stop.
template <typename Found>
void ArabicIndex::scanLine(int i, const ArabicQuery& query, bool wholeWord, Found&& found) const {
    const UnitKinds& kinds = unitKinds();
    const std::size_t m = query.letters().size();
    // An empty line's first unit is the end of the arrays: a place, never an element.
    const std::uint8_t* u = units_.data() + lines_[i].first;
    const std::uint32_t* begin = begin_.data() + lines_[i].first;
    const std::uint32_t* end = end_.data() + lines_[i].first;
    const std::size_t n = lines_[i].count;
    if (!query.searchable() || m > n)
        return;
    const std::size_t words = query.words_;
    const std::uint64_t* meets = query.meets_.data();
    const std::size_t lastWord = m / 64;
    const std::uint64_t lastBit = std::uint64_t{1} << (m % 64);

    const auto startsWord = [&](std::size_t s) {
        for (std::size_t t = s; t > 0 && !kinds.wordBreak[u[t - 1]]; --t) {
            if (!kinds.optional[u[t - 1]])
                return false;
        }
        return true;
    };
    const auto endsWord = [&](std::size_t e) {
        for (std::size_t t = e; t < n && !kinds.wordBreak[u[t]]; ++t) {
            if (!kinds.optional[u[t]])
                return false;
        }
        return true;
    };

    // The states, on the stack for queries up to 255 letters.
    std::uint64_t local[4];
    std::vector<std::uint64_t> heap(words > 4 ? words : 0);
    std::uint64_t* const state = words > 4 ? heap.data() : local;
    for (std::size_t s = 0; s + m <= n; ++s) {
        // The first letter meets unit s itself: an occurrence starts with a unit it matched.
        if (!(meets[u[s] * words] & 2))
            continue;
        if (wholeWord && !startsWord(s))
            continue;
        std::fill(state, state + words, 0);
        state[0] = 2;
        std::size_t last = 0;  // one past the unit that completed the match
        if (m == 1 && (!wholeWord || endsWord(s + 1)))
            last = s + 1;
        for (std::size_t j = s + 1; last == 0 && j < n; ++j) {
            // Each letter matched so far moves on where unit j meets the next letter; a unit
            // that may be left out also keeps every state as it is.
            const std::uint64_t* meet = &meets[u[j] * words];
            const bool optional = kinds.optional[u[j]];
            std::uint64_t carry = 0;
            std::uint64_t any = 0;
            for (std::size_t w = 0; w < words; ++w) {
                const std::uint64_t old = state[w];
                const std::uint64_t moved = ((old << 1) | carry) & meet[w];
                carry = old >> 63;
                state[w] = moved | (optional ? old : 0);
                any |= state[w];
            }
            if (any == 0)
                break;
            if ((state[lastWord] & lastBit) && (!wholeWord || endsWord(j + 1)))
                last = j + 1;
        }
        if (last == 0)
            continue;
        // The mark takes in the units that may be left out on either side in the same word.
        std::size_t from = s;
        while (from > 0 && kinds.optional[u[from - 1]] && !kinds.wordBreak[u[from - 1]])
            --from;
        std::size_t to = last;
        while (to < n && kinds.optional[u[to]] && !kinds.wordBreak[u[to]])
            ++to;
        ArabicMatch match;
        match.first = static_cast<std::uint32_t>(s);
        match.last = static_cast<std::uint32_t>(last);
        match.begin = begin[from];
        match.end = end[to - 1];
        if (!found(match))
            return;
    }
}

std::vector<ArabicMatch> ArabicIndex::matches(int i, const ArabicQuery& query,
                                              bool wholeWord) const {
    std::vector<ArabicMatch> found;
    scanLine(i, query, wholeWord, [&](const ArabicMatch& match) {
        found.push_back(match);
        return true;
    });
    return found;
}

bool ArabicIndex::holds(int i, const ArabicQuery& query, bool wholeWord) const {
    bool held = false;
    scanLine(i, query, wholeWord, [&](const ArabicMatch&) {
        held = true;
        return false;
    });
    return held;
}

const ArabicVerseHits* ArabicScan::hitsOf(int corpusIndex) const {
    const auto it = std::lower_bound(
        verses.begin(), verses.end(), corpusIndex,
        [](const ArabicVerseHits& hits, int index) { return hits.corpusIndex < index; });
    return it != verses.end() && it->corpusIndex == corpusIndex ? &*it : nullptr;
}

ArabicScan ScanArabic(const ArabicIndex& index, const ArabicQuery& query, bool wholeWord) {
    ArabicScan result;
    result.kind = query.kind();
    int s = 1;
    for (int v : index.candidates(query)) {
        const std::vector<ArabicMatch> found = index.matches(v, query, wholeWord);
        if (found.empty())
            continue;
        ArabicVerseHits hits;
        hits.corpusIndex = v;
        hits.occurrences = static_cast<int>(found.size());
        for (const ArabicMatch& match : found) {
            if (!hits.ranges.empty() && match.begin <= hits.ranges.back().end)
                hits.ranges.back().end = std::max<std::size_t>(hits.ranges.back().end, match.end);
            else
                hits.ranges.push_back({match.begin, match.end});
        }
        while (s < surah::SurahCount && surah::start(s + 1) <= v)
            ++s;
        if (result.scan.resultSurahs.empty() || result.scan.resultSurahs.back() != s) {
            result.scan.resultSurahs.push_back(s);
            result.scan.resultItems.push_back(headingMarker(s));
        }
        result.scan.resultItems.push_back(v);
        ++result.scan.hitCount;
        result.occurrenceCount += hits.occurrences;
        result.verses.push_back(std::move(hits));
    }
    return result;
}

ArabicScan ScanArabic(const ArabicIndex& index, std::string_view searchText, bool wholeWord) {
    return ScanArabic(index, ArabicQuery(searchText), wholeWord);
}

}  // namespace rules
