// Puts a result of the search in the Arabic into the reading view: the verses found, their
// occurrences counted and, when asked, the words that hold them bold in the Arabic lines, in
// pieces with the window kept answering between them.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "corpus/SurahTable.h"
#include "reader/StatusText.h"
#include "reader/ViewLines.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// The occurrences in the verse lines of text[0, end): each verse counts once its line is in.
long long occurrencesIn(std::string_view text, std::size_t end, const ArabicResult& result) {
    long long count = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t found = text.find("\r\n", at);
        const std::size_t lineEnd = found == std::string_view::npos ? text.size() : found;
        if (lineEnd > end)
            break;
        if (const auto verse = rules::VerseOfLine(text.substr(at, lineEnd - at))) {
            const auto hits =
                result.occurrences.find(surah::corpusIndex(verse->surah, verse->verse));
            if (hits != result.occurrences.end())
                count += hits->second;
        }
        at = lineEnd + 2;
    }
    return count;
}

}  // namespace

bool MainWindow::HighlightArabicMatches(const std::string& text, bool makeBold) {
    const std::shared_ptr<const ArabicResult> result = arabicResult;
    if (!result)
        return false;
    CountLabel->setCaption(rules::ProgressSuffix(CountLabel->caption()));

    ShownText shown;
    shown.text = text;
    shown.occurrences = occurrencesIn(text, text.size(), *result);
    shown.coloured = true;
    shown.marked = true;
    if (makeBold)
        shown.arabicBold = std::shared_ptr<const rules::ArabicMarks>(result, &result->words);

    // Something handled between the pieces that replaced the content, or closed the window,
    // is newer than this result: it stands, and this record may be gone.
    RichView& view = *ReadingView;
    std::size_t shownEnd = 0;
    countPending = true;
    if (!ShowText(std::move(shown), nullptr, shownEnd))
        return false;
    countPending = false;

    // What the view holds is what is counted: the pieces shown so far when a close stopped
    // the work.
    view.setSelStart(0);
    view.focus();
    CountLabel->setCaption(
        rules::CountSuffix(CountLabel->caption(), occurrencesIn(text, shownEnd, *result)));
    return true;
}
