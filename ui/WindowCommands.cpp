// The main window's own commands and events: moving the window by its surface, keeping the
// About button at the right edge, painting the bands, the keyboard shortcuts of the search
// box and the surah list, the search button, the two colour commands and the search box
// reached from the keyboard.
#include <windows.h>

#include "toolkit/Bitmap.h"
#include "toolkit/ColourDialog.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/PushButton.h"
#include "toolkit/RichView.h"
#include "toolkit/SwatchButton.h"
#include "ui/ContrastColour.h"
#include "ui/Unit1.h"

namespace {

// The system command that moves a window as if its caption were dragged (SC_MOVE together
// with the caption hit-test code).
constexpr WPARAM MoveByCaption = SC_MOVE | HTCAPTION;
static_assert(MoveByCaption == 0xF012);

// The About button keeps this distance from the window's outer right edge.
constexpr int AboutButtonFromRight = 50;

constexpr Colour HotSearchButton = 0x000000FF;  // RGB(255, 0, 0)

}  // namespace

void MainWindow::BeginWindowMove() {
    ReleaseCapture();
    SendMessageA(MainForm->handle(), WM_SYSCOMMAND, MoveByCaption, 0);
}

void MainWindow::KeepAboutButtonRight() {
    // The outer width, frame included, not the client width.
    RECT outer{};
    if (!GetWindowRect(MainForm->handle(), &outer))
        return;
    AboutButton->setLeft(outer.right - outer.left - MainForm->scaled(AboutButtonFromRight));
}

void MainWindow::PaintHeaderBand(Control& panel, HDC dc) {
    // The close handler releases the bitmap; a paint after that draws nothing.
    if (!headerBitmap || headerBitmap->empty())
        return;
    const RECT band{0, 0, panel.width(), panel.height()};
    headerBitmap->draw(dc, band);
}

void MainWindow::SearchBoxKeyDown(WORD& key) {
    if (key == VK_RETURN)
        RunSearch();
}

void MainWindow::SearchCommand() {
    closing = false;
    RunSearch();
}

void MainWindow::MarkSearchButtonHot(Control& sender) {
    // Once red, it stays red: nothing sets it back.
    sender.setColour(HotSearchButton);
}

void MainWindow::FocusSearchBox() {
    SearchBox->setFocus();
    SearchBox->selectAll();
}

void MainWindow::SurahListKeyDown(WORD& key) {
    if (key == VK_RETURN)
        ShowSelectedSurah();
}

void MainWindow::ChooseBackColour() {
    const HWND form = MainForm->handle();
    ColourDialog->owner = form;
    // The chooser runs its own message loop: the window (and this record) may be gone after.
    if (!ColourDialog->execute() || !IsWindow(form))
        return;
    const Colour chosen = ColourDialog->colour;
    BackColourButton->setColour(chosen);
    BackColourButton->setFontColour(ContrastColour(chosen));
    ReadingView->setBackgroundColor(chosen);
    SurahList->setColour(chosen);
}

void MainWindow::ChooseTextColour() {
    const HWND form = MainForm->handle();
    ColourDialog->owner = form;
    if (!ColourDialog->execute() || !IsWindow(form))
        return;
    const Colour chosen = ColourDialog->colour;
    FontColourButton->setColour(chosen);
    FontColourButton->setFontColour(ContrastColour(chosen));
    SurahList->setFontColour(chosen);
    textColour = chosen;
    // The selection is left covering the whole text, which is in the chosen colour from now
    // on, shown again with or without the Arabic too.
    ReadingView->selectAll();
    ReadingView->setSelTextColor(textColour);
    shownText.coloured = true;
}
