// The reader's place: the juz and the page of the Madinah mushaf of the verse at the top of the
// view, at the right of the status line, kept current as the view scrolls and its content
// changes. The labels at the left keep saying what was chosen (a surah, a juz, a result).
#include <windows.h>

#include <string>

#include "reader/MushafPlace.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "ui/Unit1.h"

namespace {

// The status line's texts keep this far from its right edge, and twice this from each other.
constexpr int RightMargin = 8;

}  // namespace

std::optional<surah::VerseRef> MainWindow::VerseAtTop() {
    if (!ReadingView)
        return std::nullopt;
    return rules::VerseFrom(shownText.text, CurrentAnchor().top);
}

void MainWindow::ShowPlace() {
    // After the close handler there is no place to name.
    if (!corpus)
        return;
    const std::optional<surah::VerseRef> verse = VerseAtTop();
    const std::string place =
        verse ? rules::PlaceText(surah::corpusIndex(verse->surah, verse->verse)) : std::string();
    if (place == PlaceLabel->caption())
        return;
    PlaceLabel->setCaption(place);
    ArrangeStatusRight();
}

void MainWindow::ArrangeStatusRight() {
    const int margin = StatusPanel->scaled(RightMargin);
    int right = StatusPanel->width() - margin;
    PlaceLabel->setLeft(right - PlaceLabel->width());
    if (!PlaceLabel->caption().empty())
        right = PlaceLabel->left() - 2 * margin;
    ZoomLabel->setLeft(right - ZoomLabel->width());
}
