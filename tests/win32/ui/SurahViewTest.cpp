// The reading view outside a search: the state right after start-up, and the surah the user
// picks from the list by mouse, double-click or Enter.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "tests/win32/ui/ReaderDriver.h"

namespace {

using SurahView = ShownReader;

// The verse lines of surah s as the Corpus holds them.
std::vector<std::string> versesOf(const FastStrList& corpus, int s) {
    std::vector<std::string> verses;
    for (int i = surah::start(s); i < surah::start(s + 1); ++i)
        verses.push_back(corpus.item(i));
    return verses;
}

std::string viewTextOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n\r\n";
    return text;
}

TEST_F(SurahView, StartsWithSurahOneAndTheFullList) {
    EXPECT_EQ(viewText(), viewTextOf(versesOf(*w->corpus, 1)));
    EXPECT_EQ(firstLine(viewText()).substr(0, 4), "1:1.");
    EXPECT_EQ(lines(viewText()).size(), 7u);

    EXPECT_EQ(surahLabel(), "114 Surat");
    EXPECT_EQ(countLabel(), "6,236 Ayat");

    const std::vector<std::string> entries = listEntries();
    ASSERT_EQ(entries.size(), 114u);
    EXPECT_EQ(entries.front(), "1. Al-Fatihah");
    EXPECT_EQ(entries[1], "2. Al-Baqarah");
    EXPECT_EQ(entries.back(), "114. An-Naas");
    EXPECT_EQ(selectedEntries(), 0);
    EXPECT_FALSE(w->searchMode);

    EXPECT_EQ(GetFocus(), w->SearchBox->handle());

    // The text keeps a 10-pixel margin inside the view.
    RECT client{}, format{};
    GetClientRect(w->ReadingView->handle(), &client);
    SendMessageA(w->ReadingView->handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_GE(format.left - client.left, 10);
    EXPECT_GE(format.top - client.top, 10);
    EXPECT_GE(client.right - format.right, 10);
}

TEST_F(SurahView, ChoosingTheSecondSurahShowsItsVersesInTheTextColour) {
    w->textColour = RGB(20, 90, 160);
    clickEntry(1);

    const std::string text = viewText();
    EXPECT_EQ(text, viewTextOf(versesOf(*w->corpus, 2)));
    const std::vector<std::string> shown = lines(text);
    ASSERT_EQ(shown.size(), 286u);
    EXPECT_EQ(shown.front().substr(0, 4), "2:1.");
    EXPECT_EQ(shown.back().substr(0, 6), "2:286.");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");

    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_EQ(countLabel(), "286 Ayat");

    const CHARRANGE caret = selection();
    EXPECT_EQ(caret.cpMin, 1);
    EXPECT_EQ(caret.cpMax, 1);

    const CHARFORMATA all = formatOf(0, static_cast<int>(text.size()));
    EXPECT_TRUE(all.dwMask & CFM_COLOR) << "the whole text has one colour";
    EXPECT_EQ(all.crTextColor, RGB(20, 90, 160));
    EXPECT_FALSE(all.dwEffects & CFE_AUTOCOLOR);
}

TEST_F(SurahView, TheLastSurahHasSixVerses) {
    clickEntry(113);
    EXPECT_EQ(viewText(), viewTextOf(versesOf(*w->corpus, 114)));
    EXPECT_EQ(lines(viewText()).back(), w->corpus->item(surah::TotalVerses - 1));
    EXPECT_EQ(surahLabel(), "114. An-Naas");
    EXPECT_EQ(countLabel(), "6 Ayat");
}

TEST_F(SurahView, EnterInTheListBeforeAnyChoiceShowsSurahOne) {
    // Something else in the view first, so that showing surah 1 is a change.
    w->ReadingView->setText("x");
    w->SurahLabel->setCaption("");
    pressKey(w->SurahList->handle(), VK_RETURN);
    EXPECT_EQ(viewText(), viewTextOf(versesOf(*w->corpus, 1)));
    EXPECT_EQ(surahLabel(), "1. Al-Fatihah");
    EXPECT_EQ(countLabel(), "7 Ayat");
}

TEST_F(SurahView, EnterAndDoubleClickShowTheCurrentEntryAgain) {
    clickEntry(4);
    EXPECT_EQ(surahLabel(), "5. Al-Maaidah");
    w->ReadingView->setText("x");
    pressKey(w->SurahList->handle(), VK_RETURN);
    EXPECT_EQ(viewText(), viewTextOf(versesOf(*w->corpus, 5)));

    w->ReadingView->setText("x");
    clickEntry(4, true);
    EXPECT_EQ(viewText(), viewTextOf(versesOf(*w->corpus, 5)));
}

TEST_F(SurahView, OnlyTheCurrentOfSeveralSelectedEntriesIsShown) {
    clickEntry(2);
    // Shift with the down arrow extends the selection to the next entry, which becomes the
    // current one.
    HWND list = w->SurahList->handle();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    pressKey(list, VK_DOWN);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);

    EXPECT_EQ(selectedEntries(), 2);
    EXPECT_EQ(surahLabel(), "4. An-Nisa'") << "shown: " << firstLine(viewText());
    EXPECT_EQ(firstLine(viewText()).substr(0, 4), "4:1.");
}

TEST_F(SurahView, ShowAllBringsBackTheStartState) {
    clickEntry(1);
    click(w->ShowAllButton->handle());
    EXPECT_EQ(viewText(), viewTextOf(versesOf(*w->corpus, 1)));
    EXPECT_EQ(surahLabel(), "114 Surat");
    EXPECT_EQ(countLabel(), "6,236 Ayat");
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(selectedEntries(), 0);
}

}  // namespace
