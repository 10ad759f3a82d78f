// Going to a verse by its reference: the "Ke Ayat" window asks for it, then the verse's
// surah is shown as a click on it in the list shows it, scrolled so that the verse's line
// comes first, with that line selected.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

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
    const std::optional<surah::VerseRef> verse = AskVerse(*MainForm, offered);
    // The window ran its own message loop: the main window may be gone, and this record
    // with it.
    if (!verse || !IsWindow(form))
        return;
    ShowVerse(verse->surah, verse->verse);
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
    SurahList->setItemIndex(s - 1);
    const std::string text = rules::SurahText(*corpus, s).text;
    const std::optional<rules::LineSpan> line = rules::FindVerseLine(text, {s, a});
    if (!line) {
        ShowSelectedSurah();
        return;
    }
    const ViewAnchor verse{line->begin, line->begin, line->end, true};
    ShowSelectedSurah(&verse);
}
