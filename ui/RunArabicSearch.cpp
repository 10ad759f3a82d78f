// The search in the Arabic text: a search text that holds Arabic is matched against every
// verse's Arabic by the folding rules of the search, and the verses found show as every result
// shows, with the Arabic above them (the view switches to it) and the words that hold a hit
// bold in the Arabic lines.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/ArabicMarks.h"
#include "reader/ArabicSearch.h"
#include "reader/StatusText.h"
#include "reader/Utf16.h"
#include "reader/ViewText.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// The occurrences of every verse found and the whole words that hold them.
std::shared_ptr<const ArabicResult> resultOf(const rules::ArabicScan& scan,
                                             const FastStrList& arabic) {
    auto result = std::make_shared<ArabicResult>();
    for (const rules::ArabicVerseHits& verse : scan.verses) {
        result->occurrences[verse.corpusIndex] = verse.occurrences;
        const std::u16string text = rules::Utf8ToUtf16(arabic.view(verse.corpusIndex));
        result->words[verse.corpusIndex] = rules::WholeWordRuns(text, verse.ranges);
    }
    return result;
}

}  // namespace

void MainWindow::RunArabicSearch(const std::string& searchText) {
    // After the close handler has released the data there is nothing to search.
    if (!corpus || !ResultItems || !ResultSurahs)
        return;
    const HWND form = MainForm->handle();
    const auto notFound = [&] {
        MessageBoxA(nullptr, "Data yang anda cari tidak ditemukan", "Informasi",
                    MB_ICONINFORMATION);
        // The box runs its own message loop: the window may have been closed meanwhile.
        if (IsWindow(form))
            ResetToAllSurahs();
    };
    // A text with nothing to search, or with a letter the Arabic text cannot hold (a Latin
    // one beside the Arabic), is answered at once, the Arabic text not even unpacked for it.
    const rules::ArabicQuery query(searchText);
    if (!query.searchable()) {
        notFound();
        return;
    }
    // The Arabic text is unpacked on the first need, as for "Arab"; a damaged one has been
    // reported and leaves everything as it was.
    if (!LoadArabic() || !IsWindow(form) || !arabic)
        return;

    ReadingView->setText("");
    ResultSurahs->clear();
    ResultItems->clear();
    CountLabel->setCaption(rules::ProgressSuffix(CountLabel->caption()));

    // One look at the queue, as the search of the translation takes, so that the emptied view
    // and the progress text show; a close handled here ends the search untouched.
    const auto stillHere = [&] {
        Application::processMessages();
        return IsWindow(form) && !closing && corpus && ResultItems && ResultSurahs && arabic;
    };
    if (!stillHere())
        return;
    // The folded text is made once and kept with the Arabic text. It takes about as long as
    // the unpacking before it, so the queue is looked at once more after it and the scan, and
    // before the result goes in.
    const bool firstSearch = !arabicIndex;
    if (firstSearch)
        arabicIndex = std::make_unique<rules::ArabicIndex>(*arabic);
    const rules::ArabicScan scan =
        rules::ScanArabic(*arabicIndex, query, WholeWordCheck->checked());
    if (firstSearch && !stillHere())
        return;

    // No verse found: the usual message, and the start again.
    if (scan.scan.resultItems.empty()) {
        notFound();
        return;
    }

    *ResultItems = scan.scan.resultItems;
    *ResultSurahs = scan.scan.resultSurahs;
    arabicResult = resultOf(scan, *arabic);
    SurahLabel->setCaption(std::to_string(ResultSurahs->size()) + " Surat");
    CountLabel->setCaption(rules::FormatCount(scan.scan.hitCount) + " Ayat");
    searchMode = true;

    SurahList->clear();
    {
        ListBox::Batch batch(*SurahList);  // drawn once, not once per entry
        for (int s : *ResultSurahs)
            SurahList->add(surah::displayName(s));
    }

    // The hits are in the Arabic: the view shows it.
    if (!arabicShown && !SwitchArabicView(true))
        return;
    HighlightArabicMatches(rules::ResultText(*corpus, *ResultItems), BoldCheck->checked());
}
