// What the reading view shows outside a search: surah 1 after a reset, or the surah or juz
// chosen in the list (in search mode only that surah's hits, marked again).
#include <windows.h>

#include <algorithm>
#include <string>

#include "corpus/FastStrList.h"
#include "corpus/MushafTable.h"
#include "corpus/SurahTable.h"
#include "reader/MushafPlace.h"
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
    ReadingView->insetFormatRect(ReadingView->scaled(ViewMargin));
    ResetToAllSurahs();
}

void MainWindow::ResetToAllSurahs() {
    // Once the close handler has released the Corpus there is nothing left to show.
    if (!corpus)
        return;

    searchMode = false;
    entryShown = false;
    arabicResult.reset();
    ReadingView->setText("");
    FillList();

    // The seven verses of surah 1, in the view's own colour.
    ShownText opening;
    for (int i = 0; i < std::min(OpeningVerses, corpus->count()); ++i)
        rules::appendViewLine(opening.text, corpus->view(i));
    std::size_t shownEnd = 0;
    const HWND form = MainForm->handle();
    // With the Arabic they may arrive in pieces; whatever replaced them meanwhile stands.
    if (!ShowText(std::move(opening), nullptr, shownEnd) || !IsWindow(form))
        return;

    SurahLabel->setCaption(juzMode ? std::to_string(mushaf::JuzCount) + " Juz" : "114 Surat");
    CountLabel->setCaption(verseCountText(surah::TotalVerses));
}

void MainWindow::FillList() {
    SurahList->clear();
    ListBox::Batch batch(*SurahList);  // drawn once, not once per entry
    if (juzMode) {
        for (int j = 1; j <= mushaf::JuzCount; ++j)
            SurahList->add(rules::JuzListEntry(j));
    } else {
        for (int s = 1; s <= surah::SurahCount; ++s)
            SurahList->add(surah::displayName(s));
    }
}

void MainWindow::ShowSelectedSurah(const ViewAnchor* anchor) {
    if (SurahList->count() == 0)
        return;
    // The current entry (the one with the focus rectangle); a list that reports none has
    // nothing to show.
    const int k = SurahList->itemIndex();
    if (k < 0 || !corpus || !ResultItems || !ResultSurahs)
        return;

    // A surah, or outside a search in juz mode a juz.
    int s = 0;
    int j = 0;
    if (!searchMode && juzMode) {
        j = k + 1;
        if (j > mushaf::JuzCount)
            return;
    } else if (!searchMode) {
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
    const rules::ViewText view = searchMode ? rules::SurahHitsText(*corpus, *ResultItems, s)
                                 : j        ? rules::JuzText(*corpus, j)
                                            : rules::SurahText(*corpus, s);
    SurahLabel->setCaption(j ? mushaf::juzName(j) : surah::displayName(s));
    CountLabel->setCaption(verseCountText(view.verseLines));
    entryShown = true;

    // The hits arrive marked, and a surah with the Arabic arrives too, in pieces with the
    // queue looked at between them: a close or a newer choice handled there stands, and
    // nothing more is done here.
    if (searchMode && arabicResult) {
        if (!HighlightArabicMatches(view.text, BoldCheck->checked()))
            return;
    } else if (searchMode) {
        if (!HighlightMatches(view.text, BoldCheck->checked()))
            return;
    } else {
        ShownText surahText;
        surahText.text = view.text;
        surahText.coloured = true;
        // A juz is up to twice the length of Al-Baqarah: its first screen comes first, as a
        // result's does. A surah goes in in one call, as it always has.
        surahText.inPieces = j != 0;
        std::size_t shownEnd = 0;
        if (!ShowText(std::move(surahText), anchor, shownEnd))
            return;
    }
    if (!anchor)
        ReadingView->setSelStart(ViewPosition(1));
}
