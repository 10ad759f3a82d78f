// Puts a result text into the reading view with every occurrence of the search box's text
// counted the way the view finds it and, when asked, bold, in pieces with the window kept
// answering between them.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "reader/MarkedRtf.h"
#include "reader/Occurrences.h"
#include "reader/StatusText.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// Measured here, the view takes a piece of 32 KB of plain text in about 30 ms and one of
// 1,500 bold runs (some 9 KB of a search for one letter) in about 15 ms; with the repaint
// after it the window answers well within a tenth of a second. The first piece is smaller:
// it may need a fresh window, and it follows the scan and the filling of the list without a
// look at the queue in between.
constexpr rules::PieceLimits FirstPiece{8 * 1024, 400};
constexpr rules::PieceLimits LaterPieces{32 * 1024, 1500};

rules::TextColour rgbOf(Colour colour) {
    const COLORREF rgb = resolveColour(colour);
    return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

}  // namespace

bool MainWindow::HighlightMatches(const std::string& text, bool makeBold) {
    const bool wholeWord = WholeWordCheck->checked();
    const std::string pattern = SearchBox->text();
    CountLabel->setCaption(rules::ProgressSuffix(CountLabel->caption()));

    // Counted in the text as the view will hold it: the view's own find gives the same
    // positions (FindOccurrences follows its rules, whole words included).
    const std::vector<std::size_t> starts = rules::FindOccurrences(text, pattern, wholeWord);
    const std::vector<rules::TextRun> runs =
        makeBold ? rules::CoveredRuns(starts, pattern.size()) : std::vector<rules::TextRun>{};
    const std::vector<rules::TextPiece> pieces =
        rules::CutIntoPieces(text, runs, FirstPiece, LaterPieces);

    // A close handled in a pump destroys the main window and may release this record with
    // it; the window is looked up through these locals after each pump, before any member is
    // touched again. Anything run there that replaces the view's content (a new search, a
    // surah chosen, "Tampilkan Semua") is newer than this result and wins: this one stops.
    // A text colour chosen there colours what is shown already, and the pieces after it
    // carry the new colour.
    const HWND form = MainForm->handle();
    RichView& view = *ReadingView;
    bool shown = true;
    std::size_t shownEnd = text.size();
    if (pieces.empty()) {
        view.setText("");
        shown = view.handle() != nullptr;
    }
    std::uint32_t generation = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const bool first = i == 0;
        const std::string rtf = rules::PieceRtf(text, pieces[i], runs, rgbOf(textColour), first);
        if (first) {
            shown = view.setRtf(rtf);
            generation = view.contentGeneration();
        } else {
            view.appendRtf(rtf);
        }
        if (!shown || i + 1 == pieces.size())
            break;
        Application::processMessages();
        if (!IsWindow(form) || view.contentGeneration() != generation)
            return false;
        if (closing) {
            shownEnd = pieces[i].end;
            break;
        }
    }

    // What the view holds is what is counted: nothing without a window, the pieces shown so
    // far when a close stopped the work.
    long long occurrences = 0;
    if (shown) {
        const auto inside = [&](std::size_t start) { return start + pattern.size() <= shownEnd; };
        occurrences = std::partition_point(starts.begin(), starts.end(), inside) - starts.begin();
    }
    view.setSelStart(0);
    view.focus();
    CountLabel->setCaption(rules::CountSuffix(CountLabel->caption(), occurrences));
    return true;
}
