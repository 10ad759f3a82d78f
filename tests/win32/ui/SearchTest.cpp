// The search as the user runs it: text in the search box, Enter or "Cari", then the result
// text with its headings, the narrowed surah list, the status counts and the marked hits.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "tests/win32/support/ModalAnswer.h"

namespace {

constexpr const char* NotFound = "Data yang anda cari tidak ditemukan";

class Search : public ShownReader {
protected:
    // The verse count at the front of the status text ("12 Ayat" of "12 Ayat  ( 15 Kata )").
    std::string versePart() const {
        const std::string label = countLabel();
        return label.substr(0, label.find(" Ayat") + 5);
    }
    // The occurrence count at the end of the status text, or -1 when it has none.
    int wordCount() const {
        const std::string label = countLabel();
        const std::size_t open = label.rfind("( ");
        const std::size_t close = label.rfind(" Kata )");
        if (open == std::string::npos || close == std::string::npos || close < open)
            return -1;
        std::string digits;
        for (char c : label.substr(open + 2, close - open - 2)) {
            if (c != ',')
                digits.push_back(c);
        }
        return std::stoi(digits);
    }
    std::vector<std::string> namesOf(const std::vector<int>& surahs) const {
        std::vector<std::string> names;
        for (int s : surahs)
            names.push_back(surah::displayName(s));
        return names;
    }
};

TEST_F(Search, SubstringSearchShowsHeadingsHitsAndBoldMarks) {
    searchWithEnter("yahya");

    EXPECT_TRUE(w->searchMode);
    EXPECT_EQ(*w->ResultSurahs, (std::vector<int>{3, 6, 19, 21}));
    EXPECT_EQ(listEntries(), namesOf({3, 6, 19, 21}));
    EXPECT_EQ(selectedEntries(), 0);
    EXPECT_EQ(surahLabel(), "4 Surat");

    const std::string text = viewText();
    EXPECT_EQ(firstLine(text), "S U R A T   A L - I M R O N ");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    // Four headings and five verses, each line followed by an empty one.
    const std::vector<std::string> shown = lines(text);
    ASSERT_EQ(shown.size(), 9u);
    EXPECT_EQ(shown[2], "S U R A T   A L - A N ' A A M ");
    for (const std::string& line : shown) {
        if (line.rfind("S U R A T", 0) == 0)
            continue;
        EXPECT_NE(occurrences(line, "yahya").size(), 0u) << line;
    }

    // Every occurrence in the view is counted and bold; the text before each is not.
    const std::vector<int> hits = occurrences(text, "yahya");
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(countLabel(), "5 Ayat  ( " + std::to_string(hits.size()) + " Kata )");
    EXPECT_EQ(GetFocus(), w->ReadingView->handle());
    const CHARRANGE caret = selection();
    EXPECT_EQ(caret.cpMin, 0);
    EXPECT_EQ(caret.cpMax, 0);
    for (int at : hits) {
        EXPECT_TRUE(allBold(at, 5)) << "at " << at;
        EXPECT_TRUE(noneBold(at - 3, 3)) << "before " << at;
    }
    EXPECT_TRUE(IsWindowVisible(w->ReadingView->handle()));
}

TEST_F(Search, WholeWordsLeaveOutLongerWords) {
    setChecked(*w->BoldCheck, false);
    searchWithEnter("nabi");
    EXPECT_EQ(versePart(), "101 Ayat");
    const int substringWords = wordCount();
    EXPECT_EQ(substringWords, static_cast<int>(occurrences(viewText(), "nabi").size()));

    setChecked(*w->WholeWordCheck, true);
    searchWithEnter("nabi");
    EXPECT_EQ(versePart(), "89 Ayat");
    EXPECT_GT(wordCount(), 0);
    EXPECT_LT(wordCount(), substringWords);
    // No verse shown holds "nabi" only inside a longer word such as "nabinya".
    for (const std::string& line : lines(viewText())) {
        if (line.rfind("S U R A T", 0) == 0)
            continue;
        bool whole = false;
        for (int at : occurrences(line, "nabi")) {
            const std::size_t end = static_cast<std::size_t>(at) + 4;
            whole |= (at == 0 || !std::isalnum(static_cast<unsigned char>(line[at - 1]))) &&
                     (end >= line.size() || !std::isalnum(static_cast<unsigned char>(line[end])));
        }
        EXPECT_TRUE(whole) << line;
    }
}

TEST_F(Search, CapitalsFindTheSameAsSmallLetters) {
    setChecked(*w->BoldCheck, false);
    for (bool wholeWord : {false, true}) {
        setChecked(*w->WholeWordCheck, wholeWord);
        searchWithEnter("allah");
        const std::vector<int> items = *w->ResultItems;
        const std::string label = countLabel();
        searchWithEnter("ALLAH");
        EXPECT_EQ(*w->ResultItems, items) << "whole words: " << wholeWord;
        EXPECT_EQ(countLabel(), label);
        EXPECT_GT(items.size(), 2000u);
    }
}

TEST_F(Search, BlanksAroundTheTextArePartOfIt) {
    setChecked(*w->BoldCheck, false);
    searchWithEnter("musa");
    EXPECT_EQ(versePart(), "206 Ayat");
    searchWithEnter("musa ");
    EXPECT_EQ(versePart(), "85 Ayat");
    for (const std::string& line : lines(viewText())) {
        if (line.rfind("S U R A T", 0) != 0) {
            EXPECT_FALSE(occurrences(line, "musa ").empty()) << line;
        }
    }
    setChecked(*w->WholeWordCheck, true);
    searchWithEnter("musa ");
    EXPECT_EQ(versePart(), "5 Ayat");
}

TEST_F(Search, AWordOfOneSurahOnly) {
    searchWithEnter("diperanakkan");
    EXPECT_EQ(*w->ResultSurahs, std::vector<int>{112});
    EXPECT_EQ(*w->ResultItems, (std::vector<int>{10112, surah::start(112) + 2}));
    EXPECT_EQ(listEntries(), std::vector<std::string>{"112. Al-Ikhlas"});
    EXPECT_EQ(surahLabel(), "1 Surat");
    EXPECT_EQ(countLabel(), "1 Ayat  ( 1 Kata )");
    EXPECT_EQ(viewText(), "S U R A T   A L - I K H L A S \r\n\r\n" +
                              w->corpus->item(surah::start(112) + 2) + "\r\n\r\n");
}

TEST_F(Search, NothingFoundSaysSoAndReturnsToTheStart) {
    const std::string startText = viewText();
    searchWithEnter("yahya");
    ASSERT_TRUE(w->searchMode);

    std::string caption;
    ModalAnswer answer(NotFound, [&caption](HWND box) {
        caption = ModalAnswer::caption(box);
        ModalAnswer::press(box, IDOK);
    });
    searchWithEnter("qqzzxq");
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_TRUE(answer.unexpected().empty());
    EXPECT_EQ(caption, "Informasi");

    EXPECT_FALSE(w->searchMode);
    EXPECT_TRUE(w->ResultItems->empty());
    EXPECT_TRUE(w->ResultSurahs->empty());
    EXPECT_EQ(viewText(), startText);
    EXPECT_EQ(surahLabel(), "114 Surat");
    EXPECT_EQ(countLabel(), "6,236 Ayat");
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(selectedEntries(), 0);
}

TEST_F(Search, ABlankTextChangesNothing) {
    clickEntry(1);
    const std::string text = viewText();
    const std::string count = countLabel();
    ModalAnswer anyBox([](HWND box) { ModalAnswer::press(box, IDOK); });
    searchWithEnter("   ");
    EXPECT_EQ(anyBox.answered(), 0);
    EXPECT_TRUE(anyBox.unexpected().empty());
    EXPECT_EQ(viewText(), text);
    EXPECT_EQ(countLabel(), count);
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_FALSE(w->searchMode);
}

TEST_F(Search, ChoosingASurahWithHitsShowsOnlyItsHitsMarkedAgain) {
    searchWithEnter("yahya");
    clickEntry(1);

    const std::string text = viewText();
    const std::vector<std::string> shown = lines(text);
    ASSERT_FALSE(shown.empty());
    for (const std::string& line : shown)
        EXPECT_EQ(line.substr(0, 2), "6:") << line;
    EXPECT_EQ(surahLabel(), "6. Al-An'aam");
    const std::vector<int> hits = occurrences(text, "yahya");
    EXPECT_EQ(countLabel(),
              std::to_string(shown.size()) + " Ayat  ( " + std::to_string(hits.size()) + " Kata )");
    for (int at : hits)
        EXPECT_TRUE(allBold(at, 5)) << "at " << at;
    EXPECT_EQ(listEntries().size(), 4u) << "the list stays narrowed";
}

TEST_F(Search, TheChoiceMarksTheSearchBoxTextAsItIsNowOverlapsIncluded) {
    searchWithEnter("keadaaan");
    ASSERT_EQ(listEntries().size(), 1u);
    // Changed after the search: the choice marks "aa", which overlaps itself in "aaa".
    SetWindowTextA(w->SearchBox->handle(), "aa");
    clickEntry(0);

    const std::string text = viewText();
    const std::vector<int> hits = occurrences(text, "aa");
    int apart = 0;  // occurrences that do not overlap the one before
    for (std::size_t i = 0, end = 0; i < hits.size(); ++i) {
        if (static_cast<std::size_t>(hits[i]) >= end) {
            ++apart;
            end = static_cast<std::size_t>(hits[i]) + 2;
        }
    }
    ASSERT_GT(static_cast<int>(hits.size()), apart);
    EXPECT_EQ(wordCount(), static_cast<int>(hits.size()));
    for (int at : hits)
        EXPECT_TRUE(allBold(at, 2)) << "at " << at;
    EXPECT_TRUE(noneBold(0, 2));
}

TEST_F(Search, TheChoiceFindsNothingForTextTheTranslationCannotHold) {
    // "apakah" finds eleven question marks' worth of verses; a box edited to text outside the
    // ANSI code page (an Arabic letter, a lone surrogate half) must not turn into "?" and
    // mark every question mark of the surah chosen.
    for (const wchar_t* edited : {L"\x0628", L"\xD800", L"apa\xDC00kah"}) {
        searchWithEnter("apakah");
        ASSERT_TRUE(w->searchMode);
        SetWindowTextW(w->SearchBox->handle(), edited);
        clickEntry(0);
        const std::string text = viewText();
        ASSERT_NE(text.find('?'), std::string::npos) << "the surah shown has question marks";
        EXPECT_EQ(countLabel(), std::to_string(lines(text).size()) + " Ayat  ( 0 Kata )");
        EXPECT_EQ(wordCount(), 0);
        for (int at : occurrences(text, "?"))
            EXPECT_TRUE(noneBold(at, 1)) << "at " << at;
    }
}

TEST_F(Search, ALoneSurrogateHalfIsFoundNowhereAndTheReaderGoesOn) {
    // Pasted alone or among letters of either script, with or without whole words: the
    // not-found box, then the start state, as for any text not found.
    int boxes = 0;
    ModalAnswer answer(NotFound, [&boxes](HWND box) {
        ++boxes;
        ModalAnswer::press(box, IDOK);
    });
    const wchar_t* const texts[] = {L"\xD800", L"\xDC00\xD83D", L"sabar\xD800",
                                    L"\x0627\x0644\x0644\x0647\xDFFF"};
    for (bool wholeWord : {false, true}) {
        setChecked(*w->WholeWordCheck, wholeWord);
        for (const wchar_t* text : texts) {
            SetWindowTextW(w->SearchBox->handle(), text);
            pressKey(w->SearchBox->handle(), VK_RETURN);
            EXPECT_FALSE(w->searchMode);
            EXPECT_EQ(surahLabel(), "114 Surat");
        }
    }
    EXPECT_EQ(boxes, 8);
    EXPECT_TRUE(answer.unexpected().empty());
}

TEST_F(Search, OnlyTheButtonClearsTheClosingFlag) {
    // A window that is closing searches nothing: Enter leaves the flag and stops before the
    // scan; "Cari" clears it and searches.
    w->closing = true;
    searchWithEnter("yahya");
    EXPECT_TRUE(w->closing);
    EXPECT_FALSE(w->searchMode);
    EXPECT_TRUE(w->ResultItems->empty());

    SetWindowTextA(w->SearchBox->handle(), "zakaria");
    click(w->SearchButton->handle());
    EXPECT_FALSE(w->closing);
    EXPECT_TRUE(w->searchMode);
    EXPECT_EQ(versePart(), "11 Ayat");
    EXPECT_GT(wordCount(), 0);
}

}  // namespace
