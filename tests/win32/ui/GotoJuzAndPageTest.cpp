// "Ke Ayat" with a juz or a page: "juz 30" shows the juz with the list showing the juz, a page
// goes to its first verse as a verse reference does, a number outside the mushaf is named with
// the range and the window stays open; while the list shows the juz, a verse or a page is shown
// in its juz.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/FastStrList.h"
#include "reader/SurahHeading.h"
#include "tests/win32/support/Keyboard.h"
#include "tests/win32/support/ModalAnswer.h"
#include "tests/win32/ui/GotoVerseDriver.h"
#include "toolkit/Toolbar.h"

namespace {

class GotoJuzAndPage : public ReaderWithGotoVerse {
protected:
    bool juzChecked() const { return w->ViewToolbar->checked(toolbar::Juz); }
    // The verse at s:a is the first line in view and selected whole, the view focused.
    void expectVerseFirstAndSelected(int s, int a) {
        const CHARRANGE verse = lineOfVerse(s, a);
        ASSERT_GE(verse.cpMin, 0) << s << ":" << a;
        EXPECT_EQ(selection().cpMin, verse.cpMin);
        EXPECT_EQ(selection().cpMax, verse.cpMax);
        EXPECT_EQ(firstVisibleLine(), lineOf(verse.cpMin));
        EXPECT_EQ(GetFocus(), view());
    }
};

}  // namespace

TEST_F(GotoJuzAndPage, Juz30ShowsTheJuzFromItsStartWithTheListShowingTheJuz) {
    gotoVerse("juz 30");
    EXPECT_TRUE(w->juzMode);
    EXPECT_TRUE(juzChecked());
    EXPECT_EQ(listEntries().size(), 30u);
    EXPECT_EQ(w->SurahList->itemIndex(), 29);
    EXPECT_EQ(selectedEntries(), 1);
    EXPECT_EQ(surahLabel(), "Juz 30");
    EXPECT_EQ(countLabel(), "564 Ayat");
    EXPECT_EQ(firstLine(viewText()), rules::SurahHeading(surah::displayName(78)));
    EXPECT_EQ(firstVisibleLine(), 0);
    EXPECT_EQ(GetFocus(), view());

    // "juz amma" is the same juz; from a search result it leaves the result.
    searchWithEnter("sabar");
    ASSERT_TRUE(w->searchMode);
    gotoVerse("Juz 'Amma");
    EXPECT_FALSE(w->searchMode);
    EXPECT_EQ(surahLabel(), "Juz 30");
    EXPECT_EQ(listEntries().size(), 30u);
}

TEST_F(GotoJuzAndPage, APageGoesToItsFirstVerseInItsSurah) {
    gotoVerse("hal 604");
    EXPECT_FALSE(w->juzMode);
    EXPECT_EQ(surahLabel(), "112. Al-Ikhlas");
    EXPECT_EQ(w->SurahList->itemIndex(), 111);
    expectVerseFirstAndSelected(112, 1);

    gotoVerse("hal 1");
    EXPECT_EQ(surahLabel(), "1. Al-Fatihah");
    expectVerseFirstAndSelected(1, 1);

    gotoVerse("halaman 50");  // 3:1 opens Ali 'Imran, page 50
    EXPECT_EQ(surahLabel(), "3. Al-Imron");
    expectVerseFirstAndSelected(3, 1);

    gotoVerse("hal. 42");
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    expectVerseFirstAndSelected(2, 253);
}

TEST_F(GotoJuzAndPage, WhileTheListShowsTheJuzAVerseOrAPageIsShownInItsJuz) {
    pressChord(w->SearchBox->handle(), 'J', CtrlKey);
    gotoVerse("2:255");
    EXPECT_TRUE(w->juzMode);
    EXPECT_EQ(surahLabel(), "Juz 3");
    EXPECT_EQ(w->SurahList->itemIndex(), 2);
    expectVerseFirstAndSelected(2, 255);

    gotoVerse("hal 582");
    EXPECT_EQ(surahLabel(), "Juz 30");
    expectVerseFirstAndSelected(78, 1);
}

TEST_F(GotoJuzAndPage, NumbersOutsideTheMushafAreNamedWithTheRangeAndTheWindowStaysOpen) {
    clickEntry(1);
    const std::string before = viewText();
    std::vector<std::string> messages;
    ModalAnswer boxes(ModalAnswer::Kind::MessageBox, [&](HWND box) {
        messages.push_back(ModalAnswer::messageText(box));
        ModalAnswer::press(box, IDOK);
    });
    std::vector<bool> selectedAfter;
    const auto type = [](const std::string& text) {
        return [text](const OpenGotoVerse& open) {
            open.type(text);
            open.enter();
        };
    };
    const auto checkAndType = [&](const std::string& next) {
        return [&, next](const OpenGotoVerse& open) {
            selectedAfter.push_back(open.wholeTextSelected());
            open.type(next);
            open.enter();
        };
    };
    gotoVerse({type("juz 31"), checkAndType("hal 605"), checkAndType("juz 0"), checkAndType("juz"),
               [&](const OpenGotoVerse& open) {
                   selectedAfter.push_back(open.wholeTextSelected());
                   PostMessageA(open.cancel, BM_CLICK, 0, 0);
               }});
    EXPECT_EQ(messages,
              (std::vector<std::string>{
                  "Juz 31 tidak ada; juz 1 sampai 30",
                  "Halaman 605 tidak ada; halaman 1 sampai 604", "Juz 0 tidak ada; juz 1 sampai 30",
                  "\"juz\" bukan rujukan juz; contoh: juz 30 atau juz amma"}));
    EXPECT_EQ(selectedAfter, std::vector<bool>(4, true));
    EXPECT_TRUE(boxes.unexpected().empty());
    EXPECT_EQ(viewText(), before);
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_FALSE(w->juzMode);
}
