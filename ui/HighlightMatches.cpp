// Puts a result text into the reading view with every occurrence of the search box's text
// counted the way the view finds it and, when asked, bold, in pieces with the window kept
// answering between them.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reader/Occurrences.h"
#include "reader/StatusText.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

bool MainWindow::HighlightMatches(const std::string& text, bool makeBold) {
    const bool wholeWord = WholeWordCheck->checked();
    // The box is read as the search reads it: text the translation's code page cannot hold
    // is found nowhere in it (an empty pattern never is), never taken as its '?'.
    const std::string pattern = SearchBox->exactAnsiText().value_or(std::string());
    CountLabel->setCaption(rules::ProgressSuffix(CountLabel->caption()));

    // Counted in the text as the view will hold it: the view's own find gives the same
    // positions (FindOccurrences follows its rules, whole words included). With the Arabic
    // shown the count is the same: only the translation is searched and marked.
    const std::vector<std::size_t> starts = rules::FindOccurrences(text, pattern, wholeWord);
    ShownText result;
    result.text = text;
    result.bold =
        makeBold ? rules::CoveredRuns(starts, pattern.size()) : std::vector<rules::TextRun>{};
    result.occurrences = static_cast<long long>(starts.size());
    result.coloured = true;
    result.marked = true;

    // Something handled between the pieces that replaced the content, or closed the window,
    // is newer than this result: it stands, and this record may be gone.
    RichView& view = *ReadingView;
    std::size_t shownEnd = 0;
    countPending = true;
    if (!ShowText(std::move(result), nullptr, shownEnd))
        return false;
    countPending = false;

    // What the view holds is what is counted: nothing without a window, the pieces shown so
    // far when a close stopped the work.
    const auto inside = [&](std::size_t start) { return start + pattern.size() <= shownEnd; };
    const long long occurrences =
        std::partition_point(starts.begin(), starts.end(), inside) - starts.begin();
    view.setSelStart(0);
    view.focus();
    CountLabel->setCaption(rules::CountSuffix(CountLabel->caption(), occurrences));
    return true;
}
