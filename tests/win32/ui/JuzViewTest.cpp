// Reading by juz on the real main window: the list switched to the 30 juz and back (the
// toolbar's "Juz" and Ctrl+J), a juz shown with a heading before each surah in it, the reader's
// place carried from one list into the other, a search from juz mode and back, and everything
// that works on a surah working on a juz ("Arab", the text size, "Kutip").
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/ArabicLayout.h"
#include "reader/SurahHeading.h"
#include "reader/ViewLines.h"
#include "tests/win32/support/ClipboardText.h"
#include "tests/win32/support/Keyboard.h"
#include "tests/win32/support/ModalAnswer.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Toolbar.h"

namespace {

class JuzView : public ShownReader {
protected:
    void pressCtrlJ() { pressChord(w->SearchBox->handle(), 'J', CtrlKey); }
    // "Juz" clicked on the toolbar, as the toolbar reports it to its parent (the button
    // checks itself first, as a click does).
    void clickJuz() {
        HWND bar = w->ViewToolbar->handle();
        TBBUTTON button{};
        ASSERT_TRUE(
            SendMessageA(bar, TB_GETBUTTON, toolbar::Juz, reinterpret_cast<LPARAM>(&button)));
        SendMessageA(bar, TB_CHECKBUTTON, button.idCommand,
                     MAKELPARAM(!w->ViewToolbar->checked(toolbar::Juz), 0));
        SendMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(button.idCommand, BN_CLICKED),
                     reinterpret_cast<LPARAM>(bar));
        Application::processMessages();
    }
    bool juzChecked() const { return w->ViewToolbar->checked(toolbar::Juz); }
    int currentEntry() const {
        return static_cast<int>(SendMessageA(w->SurahList->handle(), LB_GETCARETINDEX, 0, 0));
    }
    static std::string heading(int s) { return rules::SurahHeading(surah::displayName(s)); }
    static std::string reference(int s, int a) {
        return std::to_string(s) + ":" + std::to_string(a) + ".";
    }
    // The verse line at the top of the view (the translation alone), read from the window.
    std::string topLine() const {
        const std::string text = viewText();
        const auto top = static_cast<std::size_t>(w->ReadingView->firstVisiblePosition());
        return text.substr(top, text.find('\r', top) - top);
    }
    void select(std::size_t from, std::size_t to) {
        CHARRANGE range{static_cast<LONG>(from), static_cast<LONG>(to)};
        SendMessageA(w->ReadingView->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    // Where the line of verse s:a starts in a view text.
    static std::size_t verseStart(const std::string& text, int s, int a) {
        const std::string line = "\n" + reference(s, a) + " ";
        const std::size_t at = text.find(line);
        return at == std::string::npos ? at : at + 1;
    }
};

}  // namespace

TEST_F(JuzView, TheListStartsWithTheSurahsAndCtrlJOrTheButtonSwitchesToTheJuzAndBack) {
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_FALSE(juzChecked());
    const std::string opening = viewText();

    pressCtrlJ();
    const std::vector<std::string> entries = listEntries();
    ASSERT_EQ(entries.size(), 30u);
    EXPECT_EQ(entries[0], "Juz 1 (1:1)");
    EXPECT_EQ(entries[1], "Juz 2 (2:142)");
    EXPECT_EQ(entries[29], "Juz 30 (78:1)");
    EXPECT_TRUE(juzChecked());
    // From the opening, where nothing was chosen, the juz list's own opening: none selected,
    // the same seven verses, the list's count.
    EXPECT_EQ(selectedEntries(), 0);
    EXPECT_EQ(viewText(), opening);
    EXPECT_EQ(surahLabel(), "30 Juz");
    EXPECT_EQ(countLabel(), "6,236 Ayat");

    clickJuz();
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(listEntries()[0], "1. Al-Fatihah");
    EXPECT_FALSE(juzChecked());
    EXPECT_EQ(surahLabel(), "114 Surat");
    clickJuz();
    EXPECT_EQ(listEntries().size(), 30u);
    EXPECT_TRUE(juzChecked());
}

TEST_F(JuzView, Juz2ShowsAlBaqarah142To252UnderOneHeading) {
    pressCtrlJ();
    clickEntry(1);
    const std::vector<std::string> shown = lines(viewText());
    ASSERT_EQ(shown.size(), 112u);
    EXPECT_EQ(shown[0], heading(2));
    for (int a = 142; a <= 252; ++a)
        EXPECT_EQ(shown[a - 141], w->corpus->item(surah::corpusIndex(2, a))) << a;
    EXPECT_EQ(surahLabel(), "Juz 2");
    EXPECT_EQ(countLabel(), "111 Ayat");
    // Every line a line and an empty line, as in a surah view.
    const std::string text = viewText();
    EXPECT_EQ(text.substr(0, heading(2).size() + 4), heading(2) + "\r\n\r\n");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    // Coloured as a surah is (the text colour on every character).
    const CHARFORMATA format = formatOf(0, static_cast<int>(text.size()));
    EXPECT_TRUE(format.dwMask & CFM_COLOR);
    EXPECT_EQ(format.crTextColor, w->textColour);
}

TEST_F(JuzView, Juz30Shows564VersesUnder37Headings) {
    pressCtrlJ();
    clickEntry(29);
    const std::vector<std::string> shown = lines(viewText());
    EXPECT_EQ(surahLabel(), "Juz 30");
    EXPECT_EQ(countLabel(), "564 Ayat");
    int verses = 0;
    int headings = 0;
    int expectedSurah = 78;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (rules::VerseOfLine(shown[i])) {
            ++verses;
            continue;
        }
        // A heading, and right after it the first verse of its surah.
        ASSERT_EQ(shown[i], heading(expectedSurah)) << i;
        ASSERT_LT(i + 1, shown.size());
        EXPECT_EQ(rules::VerseOfLine(shown[i + 1]), (surah::VerseRef{expectedSurah, 1}));
        ++headings;
        ++expectedSurah;
    }
    EXPECT_EQ(verses, 564);
    EXPECT_EQ(headings, 37);
    EXPECT_EQ(shown.back(), w->corpus->item(surah::TotalVerses - 1));
}

TEST_F(JuzView, AJuzArrivesInPiecesAndAChoiceMadeMeanwhileWins) {
    pressCtrlJ();
    // The first piece shows the first screen; the window answers before the rest arrives.
    {
        BetweenPieces counter(1000000, [] {});
        clickEntry(29);
        EXPECT_GE(counter.pieces(), 2);
    }
    const std::string amma = viewText();
    // Juz 2 chosen while juz 1 arrives: juz 2 stands, whole, and juz 1 stops.
    BetweenPieces chooseAnother(1, [this] { clickEntry(1); });
    clickEntry(0);
    EXPECT_TRUE(chooseAnother.ran());
    EXPECT_EQ(surahLabel(), "Juz 2");
    EXPECT_EQ(countLabel(), "111 Ayat");
    const std::vector<std::string> shown = lines(viewText());
    ASSERT_EQ(shown.size(), 112u);
    EXPECT_EQ(shown.back(), w->corpus->item(surah::corpusIndex(2, 252)));
    EXPECT_NE(viewText(), amma);
}

TEST_F(JuzView, SwitchingTheListKeepsTheVerseAtTheTop) {
    clickEntry(17);  // 18. Al-Kahfi
    const std::string kahfi = viewText();
    w->ReadingView->scrollToTop(static_cast<int>(verseStart(kahfi, 18, 80)));
    ASSERT_EQ(topLine().rfind("18:80. ", 0), 0u);

    // 18:80 lies in juz 16 (from 18:75): that juz, current in the list, 18:80 still first.
    pressCtrlJ();
    EXPECT_EQ(listEntries().size(), 30u);
    EXPECT_EQ(currentEntry(), 15);
    EXPECT_EQ(selectedEntries(), 1);
    EXPECT_EQ(surahLabel(), "Juz 16");
    EXPECT_EQ(lines(viewText())[1].rfind("18:75. ", 0), 0u);
    EXPECT_EQ(topLine().rfind("18:80. ", 0), 0u);
    const CHARRANGE caret = selection();
    EXPECT_EQ(caret.cpMin, caret.cpMax);
    EXPECT_EQ(static_cast<std::size_t>(caret.cpMin), verseStart(viewText(), 18, 80));

    // Scrolled on into Maryam within the juz, back to the surahs: Maryam, at the same verse.
    const std::string juz = viewText();
    w->ReadingView->scrollToTop(static_cast<int>(verseStart(juz, 19, 30)));
    clickJuz();
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(currentEntry(), 18);
    EXPECT_EQ(surahLabel(), "19. Maryam");
    EXPECT_EQ(topLine().rfind("19:30. ", 0), 0u);
}

TEST_F(JuzView, ASearchFromJuzModeListsSurahsAndShowAllGoesBackToTheJuz) {
    pressCtrlJ();
    clickEntry(4);
    searchWithEnter("sabar");
    // A search result is a list of surahs, whatever the list showed before.
    const std::vector<std::string> found = listEntries();
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0], "2. Al-Baqarah");
    EXPECT_EQ(surahLabel(), std::to_string(found.size()) + " Surat");
    EXPECT_TRUE(w->searchMode);
    EXPECT_TRUE(juzChecked()) << "the mode to come back to";
    // A surah chosen from the result shows its hits, as in any search.
    clickEntry(0);
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_EQ(lines(viewText())[0].rfind("2:", 0), 0u);

    click(w->ShowAllButton->handle());
    EXPECT_FALSE(w->searchMode);
    EXPECT_EQ(listEntries().size(), 30u);
    EXPECT_EQ(listEntries()[0], "Juz 1 (1:1)");
    EXPECT_EQ(surahLabel(), "30 Juz");
    EXPECT_EQ(countLabel(), "6,236 Ayat");
    EXPECT_EQ(firstLine(viewText()), w->corpus->item(0));

    // A search that finds nothing comes back to the juz as well.
    ModalAnswer notFound(ModalAnswer::Kind::MessageBox,
                         [](HWND box) { ModalAnswer::press(box, IDOK); });
    searchWithEnter("qqqzzz");
    EXPECT_EQ(listEntries().size(), 30u);
    EXPECT_EQ(surahLabel(), "30 Juz");

    // Out of juz mode, "Tampilkan Semua" after a search brings the surahs, as always.
    pressCtrlJ();
    searchWithEnter("sabar");
    click(w->ShowAllButton->handle());
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(surahLabel(), "114 Surat");
}

TEST_F(JuzView, CtrlJOnASearchResultShowsTheJuzOfTheVerseAtItsTop) {
    searchWithEnter("musa");
    const std::string result = viewText();
    const std::size_t verse = verseStart(result, 28, 3);  // in juz 20, 27:56 to 29:45
    ASSERT_NE(verse, std::string::npos);
    w->ReadingView->scrollToTop(static_cast<int>(verse));
    ASSERT_EQ(topLine().rfind("28:3. ", 0), 0u);
    pressCtrlJ();
    EXPECT_FALSE(w->searchMode);
    EXPECT_EQ(listEntries().size(), 30u);
    EXPECT_EQ(surahLabel(), "Juz 20");
    EXPECT_EQ(currentEntry(), 19);
    EXPECT_EQ(topLine().rfind("28:3. ", 0), 0u);
    EXPECT_EQ(countLabel(), "171 Ayat");
}

TEST_F(JuzView, KutipAcrossTwoSurahsOfAJuzCitesEach) {
    ASSERT_TRUE(setClipboardText(nullptr, "sebelum"));
    pressCtrlJ();
    clickEntry(29);
    const std::string text = viewText();
    // From inside 78:39 over the heading of An-Nazi'at to inside 79:2.
    const std::size_t from = verseStart(text, 78, 39) + 8;
    const std::size_t to = verseStart(text, 79, 2) + 12;
    select(from, to);
    pressChord(w->ReadingView->handle(), 'C', CtrlKey | ShiftKey);
    EXPECT_EQ(clipboardText(), text.substr(from, to - from) +
                                   " (QS. An-Naba' [78]: 39-40; QS. An-Nazi'at [79]: 1-2)");
    EXPECT_NE(text.substr(from, to - from).find(heading(79)), std::string::npos);
}

TEST_F(JuzView, WithArabTheJuzComesInPiecesEveryVerseWithItsArabicAndTheSizeChangeKeepsThePlace) {
    pressArab();
    pressCtrlJ();
    // Count the pieces the juz arrives in: 564 verses with their Arabic are several.
    BetweenPieces counter(1000000, [] {});
    clickEntry(29);
    EXPECT_GE(counter.pieces(), 3);
    ASSERT_NE(w->arabicLayout, nullptr);
    int arabicLines = 0;
    for (const rules::ArabicEntry& entry : w->arabicLayout->entries())
        arabicLines += entry.hasArabic() ? 1 : 0;
    EXPECT_EQ(arabicLines, 564);
    EXPECT_EQ(w->arabicLayout->entries().size(), 564u + 37u);
    EXPECT_EQ(surahLabel(), "Juz 30");
    EXPECT_EQ(countLabel(), "564 Ayat");

    // 80:1 at the top, then the text one step larger: still 80:1's Arabic line first.
    w->ShowVerse(80, 1);
    EXPECT_EQ(surahLabel(), "Juz 30") << "a verse of the juz is shown in the juz";
    const rules::ArabicEntry& abasa = w->arabicLayout->entries()[w->arabicLayout->entryAtText(
        rules::FindVerseLine(w->shownText.text, {80, 1})->begin)];
    EXPECT_EQ(w->ReadingView->firstVisiblePosition(), static_cast<int>(abasa.viewBegin));
    pressChord(w->ReadingView->handle(), VK_ADD, CtrlKey);
    EXPECT_EQ(w->textZoom, 110);
    const rules::ArabicEntry& again = w->arabicLayout->entries()[w->arabicLayout->entryAtText(
        rules::FindVerseLine(w->shownText.text, {80, 1})->begin)];
    EXPECT_EQ(w->ReadingView->firstVisiblePosition(), static_cast<int>(again.viewBegin));

    // "Arab" off: the juz's translation alone, 80:1 still first.
    pressArab();
    EXPECT_EQ(topLine().rfind("80:1. ", 0), 0u);
    EXPECT_EQ(lines(viewText()).size(), 564u + 37u);
}
