// What the reading view shows outside a search: surah 1 after a reset, or the surah chosen in
// the list (in search mode only that surah's hits, marked again).
#include <windows.h>

#include <algorithm>
#include <string>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/StatusText.h"
#include "reader/ViewText.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// The view keeps a margin of this many pixels around its text.
constexpr int ViewMargin = 10;

// Verses of surah 1, which a reset shows.
constexpr int OpeningVerses = 7;

std::string verseCountText(int verses) {
    return rules::FormatCount(verses) + " Ayat";
}

}  // namespace

void MainWindow::PrepareReadingView() {
    SearchBox->setFocus();
    ReadingView->insetFormatRect(ViewMargin);
    ResetToAllSurahs();
}

void MainWindow::ResetToAllSurahs() {
    // Once the close handler has released the Corpus there is nothing left to show.
    if (!corpus)
        return;

    searchMode = false;
    SurahList->clear();
    ReadingView->setText("");
    {
        ListBox::Batch batch(*SurahList);  // drawn once, not once per entry
        for (int s = 1; s <= surah::SurahCount; ++s)
            SurahList->add(surah::displayName(s));
    }

    // Seven short lines: appending them one by one costs nothing worth building a text for.
    const int opening = std::min(OpeningVerses, corpus->count());
    for (int i = 0; i < opening; ++i) {
        std::string line;
        rules::appendViewLine(line, corpus->view(i));
        ReadingView->appendText(line);
    }

    SurahLabel->setCaption("114 Surat");
    CountLabel->setCaption(verseCountText(surah::TotalVerses));
}

void MainWindow::ShowSelectedSurah() {
    if (SurahList->count() == 0)
        return;
    // The current entry (the one with the focus rectangle); a list that reports none has
    // nothing to show.
    const int k = SurahList->itemIndex();
    if (k < 0 || !corpus || !ResultItems || !ResultSurahs)
        return;

    int s = 0;
    if (!searchMode) {
        s = k + 1;
        if (s > surah::SurahCount)
            return;
    } else {
        if (k >= static_cast<int>(ResultSurahs->size()))
            return;
        s = (*ResultSurahs)[k];
        if (s < 1 || s > surah::SurahCount)
            return;
    }

    ReadingView->setFontFace("Arial");
    const rules::ViewText view =
        searchMode ? rules::SurahHitsText(*corpus, *ResultItems, s) : rules::SurahText(*corpus, s);
    SurahLabel->setCaption(surah::displayName(s));
    CountLabel->setCaption(verseCountText(view.verseLines));

    if (searchMode) {
        // The hits arrive marked, in pieces with the queue looked at between them: a close
        // or a newer choice handled there stands, and nothing more is done here.
        if (!HighlightMatches(view.text, BoldCheck->checked()))
            return;
    } else {
        ReadingView->setText(view.text);
        ReadingView->selectAll();
        ReadingView->setSelTextColor(textColour);
    }
    ReadingView->setSelStart(1);
}
