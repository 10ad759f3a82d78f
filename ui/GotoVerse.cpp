// Going to a verse by its reference: the "Ke Ayat" window asks for it, then the verse's
// surah (its juz, while the list shows the juz) is shown as a click on it in the list shows
// it, scrolled so that the verse's line comes first, with that line selected. A page goes to
// its first verse that way; a juz is shown from its start.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "corpus/MushafTable.h"
#include "corpus/SurahTable.h"
#include "reader/VerseReference.h"
#include "reader/ViewLines.h"
#include "reader/ViewText.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "ui/UGotoVerse.h"
#include "ui/Unit1.h"

namespace {

// The reference of the verse line that holds caret in text, or "" when the caret stands
// elsewhere.
std::string referenceAt(std::string_view text, std::size_t caret) {
    const rules::LineSpan line = rules::LineAround(text, caret);
    const std::optional<surah::VerseRef> verse =
        rules::VerseOfLine(std::string_view(text).substr(line.begin, line.end - line.begin));
    return verse ? rules::ShortReference(*verse) : std::string();
}

}  // namespace

void MainWindow::GotoVerseCommand() {
    const HWND form = MainForm->handle();
    // The verse at the caret (the start of the selection) is offered first; with the Arabic
    // shown, its Arabic line counts as the verse's too.
    const CHARRANGE selection = ReadingView->getSelection();
    const std::size_t caret = static_cast<std::size_t>(std::max<LONG>(0, selection.cpMin));
    const std::string offered = arabicShown && arabicLayout
                                    ? referenceAt(shownText.text, arabicLayout->toText(caret))
                                    : referenceAt(ReadingView->text(), caret);
    const std::optional<rules::VerseReference> reference = AskVerse(*MainForm, offered);
    // The window ran its own message loop: the main window may be gone, and this record
    // with it.
    if (!reference || !IsWindow(form))
        return;
    if (reference->kind == rules::VerseReference::Kind::Juz)
        ShowJuz(reference->part);
    else
        ShowVerse(reference->verse.surah, reference->verse.verse);
}

void MainWindow::ShowVerse(int s, int a) {
    if (!corpus || s < 1 || s > surah::SurahCount)
        return;
    // Out of the search results as "Tampilkan Semua" leads out, then the surah as a click
    // on its entry shows it. Neither pumps messages outside search mode.
    // The verse comes first in the view and selected (with the Arabic, its Arabic line and
    // its line), as soon as the part of the surah that holds it is in.
    if (searchMode) {
        const HWND form = MainForm->handle();
        ResetToAllSurahs();
        if (!IsWindow(form))
            return;
    }
    ShowEntryOfVerse({s, a}, true);
}

void MainWindow::ShowEntryOfVerse(surah::VerseRef verse, bool select) {
    if (!corpus)
        return;
    const int index = surah::corpusIndex(verse.surah, verse.verse);
    const int j = mushaf::juzOf(index);
    SurahList->setItemIndex(juzMode ? j - 1 : verse.surah - 1);
    const std::string text =
        juzMode ? rules::JuzText(*corpus, j).text : rules::SurahText(*corpus, verse.surah).text;
    const std::optional<rules::LineSpan> line = rules::FindVerseLine(text, verse);
    if (!line) {
        ShowSelectedSurah();
        return;
    }
    const ViewAnchor anchor = select ? ViewAnchor{line->begin, line->begin, line->end, true}
                                     : ViewAnchor{line->begin, line->begin, line->begin, false};
    ShowSelectedSurah(&anchor);
}
