// The occurrences the reader computes for a result text are exactly those the reading view's
// own find reports when it is asked again and again, each time from one past the last
// occurrence: substring and whole words, over the real text, with letters, digits, blanks
// and punctuation at the edges of the searched text.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/FastStrList.h"
#include "reader/Occurrences.h"
#include "reader/SearchScan.h"
#include "reader/ViewText.h"
#include "tests/win32/ui/ReaderDriver.h"

namespace {

using ViewFinds = ShownReader;

// The view's find costs more the further into the text it looks: a text of every verse with
// an "a" would take a quarter of a minute of finds, so each text is cut after this much.
constexpr std::size_t TextCut = 150 * 1024;

TEST_F(ViewFinds, AreTheComputedOccurrences) {
    const std::vector<std::string> words{
        "a",    "allah", "ALLAH", "musa ", " musa", "Musa", "1", "1:1",          "'",
        "'a",   "aa",    ".",     ". ",    "(",     "-",    ":", "S U R A T   ", "L - F",
        "yang", "nabi",  "t a",   "5.",    "z"};
    for (const std::string& word : words) {
        // The result text of a substring search for the word: the real text around every
        // place where it stands, headings and verse references included (for a piece of a
        // heading, the result text of "allah").
        rules::SearchScan scan = rules::ScanCorpus(*w->corpus, word, false);
        if (scan.resultItems.empty())
            scan = rules::ScanCorpus(*w->corpus, "allah", false);
        std::string text = rules::ResultText(*w->corpus, scan.resultItems);
        if (text.size() > TextCut)
            text.resize(text.find("\r\n\r\n", TextCut) + 4);
        ASSERT_FALSE(text.empty()) << '"' << word << '"';
        w->ReadingView->setText(text);
        ASSERT_EQ(viewText(), text);
        for (bool wholeWord : {false, true}) {
            std::vector<std::size_t> found;
            for (int at = w->ReadingView->findText(word, 0, wholeWord); at >= 0;
                 at = w->ReadingView->findText(word, at + 1, wholeWord)) {
                found.push_back(static_cast<std::size_t>(at));
            }
            EXPECT_EQ(rules::FindOccurrences(text, word, wholeWord), found)
                << '"' << word << "\" whole words: " << wholeWord;
            if (word == "allah" || word == "a" || word == "1") {
                EXPECT_FALSE(found.empty()) << '"' << word << "\" whole words: " << wholeWord;
            }
        }
    }
}

}  // namespace
