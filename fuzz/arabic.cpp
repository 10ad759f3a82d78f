// Feeds arbitrary bytes to the folding of the Arabic text and of what is typed, to the index
// and to the scan, and checks what each promises: units that point into their verse, matches
// inside their line and in order, whole-word matches among the substring ones, the index's
// candidates a superset of the lines that match, and a scan whose counts add up.
//
// The input: one byte of flags, then the search text up to the first LF, then verse lines
// separated by LF. Flag 1: the search text is UTF-16 (little-endian), converted the way the
// search box's text is (a lone surrogate half allowed); flag 2: whole words.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "reader/ArabicFold.h"
#include "reader/ArabicSearch.h"
#include "reader/Utf16.h"

namespace {

using rules::arabic::Letter;

void check(bool condition) {
    if (!condition)
        std::abort();
}

// The UTF-16 length of a verse, or SIZE_MAX when it is not UTF-8.
std::size_t utf16Length(std::string_view verse) {
    try {
        return rules::Utf8ToUtf16(verse).size();
    } catch (const Exception&) {
        return SIZE_MAX;
    }
}

void checkVerse(std::string_view verse) {
    const rules::arabic::FoldedVerse folded = rules::arabic::FoldVerse(verse);
    const std::size_t n = folded.units.size();
    check(folded.begin.size() == n && folded.end.size() == n);
    const std::size_t length = utf16Length(verse);
    for (std::size_t i = 0; i < n; ++i) {
        check(folded.units[i] < rules::arabic::unitKinds());
        // A word break stands between characters; every other unit covers one at least.
        if (folded.units[i] == Letter::WordBreak)
            check(folded.begin[i] == folded.end[i]);
        else
            check(folded.begin[i] < folded.end[i]);
        check(i == 0 || folded.begin[i - 1] <= folded.begin[i]);
        // Bytes that are not UTF-8 have no UTF-16 place to check against.
        check(length == SIZE_MAX || folded.end[i] <= length);
    }
    // Word breaks stand between words only.
    const auto isBreak = [&](std::size_t i) { return folded.units[i] == Letter::WordBreak; };
    check(n == 0 || (!isBreak(0) && !isBreak(n - 1)));
    for (std::size_t i = 1; i < n; ++i)
        check(!(isBreak(i - 1) && isBreak(i)));
}

void checkQuery(const rules::ArabicQuery& query) {
    const std::vector<Letter>& letters = query.letters();
    check(query.searchable() == !letters.empty());
    check(query.searchable() == (query.kind() == rules::arabic::SearchTextKind::Letters));
    for (Letter l : letters)
        check(l < Letter::LetterCount);
    if (!letters.empty()) {
        check(letters.front() != Letter::WordBreak && letters.back() != Letter::WordBreak);
        for (std::size_t i = 1; i < letters.size(); ++i)
            check(!(letters[i - 1] == Letter::WordBreak && letters[i] == Letter::WordBreak));
    }
}

void checkScan(const rules::ArabicIndex& index, const rules::ArabicQuery& query, bool wholeWord) {
    const std::vector<int> candidates = index.candidates(query);
    check(std::is_sorted(candidates.begin(), candidates.end()));
    for (int i = 0; i < index.lineCount(); ++i) {
        const std::vector<rules::ArabicMatch> found = index.matches(i, query, wholeWord);
        check(index.holds(i, query, wholeWord) == !found.empty());
        if (!found.empty())
            check(std::binary_search(candidates.begin(), candidates.end(), i));
        for (std::size_t k = 0; k < found.size(); ++k) {
            const rules::ArabicMatch& m = found[k];
            check(m.first < m.last && m.begin < m.end);
            check(k == 0 || found[k - 1].first < m.first);
        }
        // A whole-word match is a substring match too.
        if (wholeWord) {
            const std::vector<rules::ArabicMatch> any = index.matches(i, query, false);
            for (const rules::ArabicMatch& m : found) {
                check(std::any_of(any.begin(), any.end(),
                                  [&](const rules::ArabicMatch& a) { return a.first == m.first; }));
            }
        }
    }

    const rules::ArabicScan scan = rules::ScanArabic(index, query, wholeWord);
    check(scan.scan.hitCount == static_cast<int>(scan.verses.size()));
    int occurrences = 0;
    for (std::size_t v = 0; v < scan.verses.size(); ++v) {
        const rules::ArabicVerseHits& hits = scan.verses[v];
        check(v == 0 || scan.verses[v - 1].corpusIndex < hits.corpusIndex);
        check(hits.occurrences > 0 && !hits.ranges.empty());
        check(static_cast<std::size_t>(hits.occurrences) >= hits.ranges.size());
        for (std::size_t r = 0; r < hits.ranges.size(); ++r) {
            check(hits.ranges[r].begin < hits.ranges[r].end);
            // Merged where they overlap or touch.
            check(r == 0 || hits.ranges[r - 1].end < hits.ranges[r].begin);
        }
        check(scan.hitsOf(hits.corpusIndex) == &hits);
        occurrences += hits.occurrences;
    }
    check(scan.occurrenceCount == occurrences);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t firstBreak = std::min(rest.find('\n'), rest.size());
    const std::string_view typed = rest.substr(0, firstBreak);

    std::string searchText(typed);
    if (flags & 1) {
        std::u16string units;
        for (std::size_t i = 0; i + 1 < typed.size(); i += 2) {
            units.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(typed[i]) |
                                                  static_cast<std::uint8_t>(typed[i + 1]) << 8));
        }
        searchText = rules::TypedTextToUtf8(units);
    }
    const bool wholeWord = (flags & 2) != 0;

    FastStrList lines;
    std::size_t from = firstBreak + 1;
    while (from <= rest.size() && lines.count() < 64) {
        const std::size_t end = std::min(rest.find('\n', from), rest.size());
        lines.add(std::string(rest.substr(from, end - from)));
        checkVerse(lines.view(lines.count() - 1));
        from = end + 1;
    }

    const rules::ArabicQuery query(searchText);
    checkQuery(query);
    const rules::ArabicIndex index(lines);
    check(index.lineCount() == lines.count());
    checkScan(index, query, wholeWord);
    return 0;
}
