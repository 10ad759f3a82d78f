// The reading view's text size (Ctrl with +, - and 0, Ctrl with the wheel over the view), and
// the view shown again when the window moves to a monitor of another DPI. The size is the
// control's zoom: the text keeps its character format, so what is copied, cited and saved
// keeps its size; only the drawing changes.
#include <windows.h>

#include <string>

#include "reader/StatusText.h"
#include "reader/TextZoom.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// How long the status line shows the new size.
constexpr UINT ZoomMessageTime = 2000;

}  // namespace

void MainWindow::ZoomCommand(int steps) {
    SetTextZoom(rules::StepTextZoom(textZoom, steps));
}

void MainWindow::ResetZoomCommand() {
    SetTextZoom(rules::NormalTextZoom);
}

void MainWindow::SetTextZoom(int percent) {
    ZoomLabel->setCaption(rules::TextZoomMessage(percent));
    ArrangeStatusRight();
    ZoomLabel->showFor(ZoomMessageTime);
    if (percent == textZoom)
        return;
    textZoom = percent;
    const ViewAnchor anchor = CurrentAnchor();
    // The control lays out everything it holds again at a new size, in one go (surah 2 with
    // the Arabic: 840 ms), and under Wine with the old size's line heights in part (lines
    // land some pixels off those of the same text zoomed before it came in, and scrolling by
    // lines misses its line). So the view is emptied first (a fresh window for a long
    // content), and the content comes in again, in pieces where ShowText cuts it, with the
    // window answering between them.
    ReadingView->setText("");
    ReadingView->setZoom(textZoom);
    ShowAgain(anchor);
}

void MainWindow::ShowAgain(const ViewAnchor& anchor) {
    ShownText again = shownText;
    std::size_t shownEnd = 0;
    if (!ShowText(std::move(again), &anchor, shownEnd))
        return;
    // A result whose pieces this interrupted is complete now: its count stands.
    if (shownText.marked && countPending) {
        countPending = false;
        CountLabel->setCaption(rules::CountSuffix(CountLabel->caption(), shownText.occurrences));
    }
}

void MainWindow::BeforeDpiChange() {
    dpiAnchor = CurrentAnchor();
    ReadingView->setText("");
}

void MainWindow::AfterDpiChange() {
    KeepAboutButtonRight();
    ArrangeStatusRight();
    ShowAgain(dpiAnchor);
}
