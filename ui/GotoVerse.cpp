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
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "ui/UGotoVerse.h"
#include "ui/Unit1.h"

namespace {

// The reference of the verse line that holds the view's caret (the start of its
// selection), or "" when the caret stands elsewhere.
std::string referenceAtCaret(RichView& view) {
    const std::string text = view.text();
    const CHARRANGE selection = view.getSelection();
    const std::size_t caret = static_cast<std::size_t>(std::max<LONG>(0, selection.cpMin));
    const rules::LineSpan line = rules::LineAround(text, caret);
    const std::optional<surah::VerseRef> verse =
        rules::VerseOfLine(std::string_view(text).substr(line.begin, line.end - line.begin));
    return verse ? rules::ShortReference(*verse) : std::string();
}

}  // namespace

void MainWindow::GotoVerseCommand() {
    const HWND form = MainForm->handle();
    const std::optional<surah::VerseRef> verse =
        AskVerse(*MainForm, referenceAtCaret(*ReadingView));
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
    if (searchMode)
        ResetToAllSurahs();
    SurahList->setItemIndex(s - 1);
    ShowSelectedSurah();

    const std::string text = ReadingView->text();
    const std::optional<rules::LineSpan> line = rules::FindVerseLine(text, {s, a});
    if (!line)
        return;
    const int begin = static_cast<int>(line->begin);
    ReadingView->focus();
    ReadingView->setSelStart(begin);
    ReadingView->setSelLength(static_cast<int>(line->end - line->begin));
    // After the selection, which scrolls only as far as it needs to be seen.
    ReadingView->scrollToTop(begin);
}
