#include "reader/Occurrences.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "reader/SearchScan.h"
#include "reader/ViewText.h"
#include "tests/native/reader/RealCorpus.h"

using rules::CoveredRuns;
using rules::FindOccurrences;
using rules::TextRun;

namespace {

using Starts = std::vector<std::size_t>;

// A plain second reading of the rule: every position, letters compared through the C
// library's tolower, neighbours judged with isalnum (the texts are 7-bit ASCII).
Starts naive(const std::string& text, const std::string& pattern, bool wholeWord) {
    Starts out;
    for (std::size_t at = 0; !pattern.empty() && at + pattern.size() <= text.size(); ++at) {
        bool same = true;
        for (std::size_t j = 0; j < pattern.size() && same; ++j) {
            same = std::tolower(static_cast<unsigned char>(text[at + j])) ==
                   std::tolower(static_cast<unsigned char>(pattern[j]));
        }
        if (!same)
            continue;
        const std::size_t after = at + pattern.size();
        if (wholeWord &&
            ((at > 0 && std::isalnum(static_cast<unsigned char>(text[at - 1]))) ||
             (after < text.size() && std::isalnum(static_cast<unsigned char>(text[after]))))) {
            continue;
        }
        out.push_back(at);
    }
    return out;
}

TEST(Occurrences, SearchResultsOfTheRealTextInBothModes) {
    for (const char* word : {"allah", "Musa", "musa ", "nabi", "a", "1", "'", ". ", "S U R"}) {
        for (bool wholeWord : {false, true}) {
            const rules::SearchScan scan = rules::ScanCorpus(realCorpus(), word, wholeWord);
            const std::string text = rules::ResultText(realCorpus(), scan.resultItems);
            EXPECT_EQ(FindOccurrences(text, word, wholeWord), naive(text, word, wholeWord))
                << '"' << word << "\" whole words: " << wholeWord;
        }
    }
}

TEST(Occurrences, OverlapsEdgesAndCase) {
    EXPECT_EQ(FindOccurrences("aaaa", "aa", false), (Starts{0, 1, 2}));
    EXPECT_EQ(FindOccurrences("aaaa", "aa", true), Starts{});
    EXPECT_EQ(FindOccurrences("Allah, ALLAH dan allahu", "allah", false), (Starts{0, 7, 17}));
    EXPECT_EQ(FindOccurrences("Allah, ALLAH dan allahu", "allah", true), (Starts{0, 7}));
    // Blanks and punctuation at the pattern's edges are not tested, its neighbours are.
    EXPECT_EQ(FindOccurrences("musa a", "musa ", true), Starts{});
    EXPECT_EQ(FindOccurrences("musa , musa  b", "musa ", true), (Starts{0, 7}));
    EXPECT_EQ(FindOccurrences("x'zq 'zq", "'zq", true), Starts{5});
    EXPECT_EQ(FindOccurrences("1:1. 2:10. 2:1.", "1", true), (Starts{0, 2, 13}));
    EXPECT_EQ(FindOccurrences("x_y", "x", true), Starts{0});
    // CR LF counts as two characters, as in the view.
    EXPECT_EQ(FindOccurrences("a\r\n\r\nb", "b", true), Starts{5});
}

TEST(Occurrences, WhatTheViewNeverFinds) {
    EXPECT_EQ(FindOccurrences("abc", "", false), Starts{});
    EXPECT_EQ(FindOccurrences("abc", "", true), Starts{});
    EXPECT_EQ(FindOccurrences("", "a", false), Starts{});
    EXPECT_EQ(FindOccurrences("ab", "abc", false), Starts{});
    // The pattern reaches the view as a C string.
    EXPECT_EQ(FindOccurrences("ab ab", std::string("ab\0zz", 5), false), (Starts{0, 3}));
    EXPECT_EQ(FindOccurrences("ab", std::string("\0a", 2), false), Starts{});
}

TEST(Occurrences, CoveredRunsJoinWhatOverlapsOrTouches) {
    EXPECT_EQ(CoveredRuns({0, 1, 2}, 2), (std::vector<TextRun>{{0, 4}}));
    EXPECT_EQ(CoveredRuns({0, 2, 7}, 2), (std::vector<TextRun>{{0, 4}, {7, 9}}));
    EXPECT_EQ(CoveredRuns({3, 10}, 5), (std::vector<TextRun>{{3, 8}, {10, 15}}));
    EXPECT_EQ(CoveredRuns({}, 5), std::vector<TextRun>{});
    EXPECT_EQ(CoveredRuns({1, 2}, 0), std::vector<TextRun>{});
}

}  // namespace
