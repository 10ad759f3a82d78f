// The search command: scans every verse for the search box's text, shows the hits with a
// heading before each surah, narrows the surah list to the surahs with hits and hands over
// to the marking of the hits. A text that holds Arabic searches the Arabic text instead
// (RunArabicSearch).
#include <windows.h>

#include <string>
#include <utility>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/ArabicSearch.h"
#include "reader/SearchScan.h"
#include "reader/Utf16.h"
#include "reader/StatusText.h"
#include "reader/ViewText.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

void MainWindow::RunSearch() {
    // Whatever was typed or pasted: a lone surrogate half is a character found nowhere.
    const std::wstring typed = SearchBox->unicodeText();
    const std::string typedUtf8 =
        rules::TypedTextToUtf8(std::u16string(typed.begin(), typed.end()));
    if (rules::IsArabicSearchText(typedUtf8)) {
        RunArabicSearch(typedUtf8);
        return;
    }
    std::string searchText = SearchBox->text();
    // Blanks around the text belong to it; only a text of nothing but blanks is ignored.
    if (rules::isBlankSearchText(searchText))
        return;
    // After the close handler has released the data there is nothing to search.
    if (!corpus || !ResultItems || !ResultSurahs)
        return;

    ReadingView->setText("");
    ResultSurahs->clear();
    ResultItems->clear();
    CountLabel->setCaption(rules::ProgressSuffix(CountLabel->caption()));

    // One look at the queue, so the emptied view and the progress text show before the scan.
    // A close handled here destroys the window and may release this record with it, and in
    // any case releases the Corpus and the result lists: the search ends untouched.
    const HWND form = MainForm->handle();
    Application::processMessages();
    if (!IsWindow(form) || closing || !corpus || !ResultItems || !ResultSurahs)
        return;

    // Whole words: the box is read again and MatchWholeWord folds the case itself. A text
    // lowered now or later finds the same lines: the scan compares both sides lowered.
    const bool wholeWord = WholeWordCheck->checked();
    if (wholeWord)
        searchText = SearchBox->text();
    rules::SearchScan scan = rules::ScanCorpus(*corpus, searchText, wholeWord);
    // The box was emptied while the queue was looked at: an empty word would match every
    // verse. The view and the results are already cleared, so go back to the start state.
    if (scan.blank) {
        ResetToAllSurahs();
        return;
    }

    // A character the translation's code page has no place for can never be found in it: its
    // ANSI form would have a '?' in its place, and a search for that would find every
    // question mark.
    if (!EditBox::exactAnsi(typed))
        scan.resultItems.clear();

    if (scan.resultItems.empty()) {
        MessageBoxA(nullptr, "Data yang anda cari tidak ditemukan", "Informasi",
                    MB_ICONINFORMATION);
        // The box runs its own message loop: the window may have been closed meanwhile.
        if (!IsWindow(form))
            return;
        ResetToAllSurahs();
        return;
    }

    *ResultItems = std::move(scan.resultItems);
    *ResultSurahs = std::move(scan.resultSurahs);
    arabicResult.reset();
    SurahLabel->setCaption(std::to_string(ResultSurahs->size()) + " Surat");
    CountLabel->setCaption(rules::FormatCount(scan.hitCount) + " Ayat");
    searchMode = true;

    SurahList->clear();
    {
        ListBox::Batch batch(*SurahList);  // drawn once, not once per entry
        for (int s : *ResultSurahs)
            SurahList->add(surah::displayName(s));
    }

    // The result text arrives in the view with its hits already marked.
    HighlightMatches(rules::ResultText(*corpus, *ResultItems), BoldCheck->checked());
}
