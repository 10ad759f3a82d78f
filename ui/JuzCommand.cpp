// The juz list (the toolbar's "Juz" and Ctrl+J): the list shows the 30 juz or the 114 surahs.
// The reader's place goes over into the other list, and a juz asked for by "Ke Ayat" is shown
// with the list showing the juz.
#include <windows.h>

#include <optional>

#include "corpus/MushafTable.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/Toolbar.h"
#include "ui/Unit1.h"

void MainWindow::JuzCommand() {
    SetListMode(!juzMode);
}

void MainWindow::SetListMode(bool juz) {
    // Once the close handler has released the Corpus there is nothing left to show.
    if (!corpus)
        return;
    // What the view shows goes on from the verse at its top; a reset (the opening, with no
    // entry chosen) becomes the other list's reset.
    const std::optional<surah::VerseRef> place =
        searchMode || entryShown ? VerseAtTop() : std::nullopt;
    juzMode = juz;
    ViewToolbar->setChecked(toolbar::Juz, juz);
    if (!place) {
        ResetToAllSurahs();
        return;
    }
    // Out of a search result as "Tampilkan Semua" leads out, without showing the opening
    // first.
    searchMode = false;
    arabicResult.reset();
    FillList();
    ShowEntryOfVerse(*place, false);
}

void MainWindow::ShowJuz(int j) {
    if (!corpus || j < 1 || j > mushaf::JuzCount)
        return;
    if (searchMode || !juzMode) {
        juzMode = true;
        ViewToolbar->setChecked(toolbar::Juz, true);
        searchMode = false;
        arabicResult.reset();
        FillList();
    }
    SurahList->setItemIndex(j - 1);
    // From its first line, the view focused, as a verse gone to is.
    const ViewAnchor start{0, 0, 0, true};
    ShowSelectedSurah(&start);
}
