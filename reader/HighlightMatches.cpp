// The walk over the reading view that finds every occurrence of the search box's text the
// way the user sees it, counts it and, when asked, makes it bold, with the window kept
// answering between hits.
#include <windows.h>

#include <algorithm>
#include <string>

#include "reader/StatusText.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// Marks show on screen this often while the view does not redraw for each one; when a
// repaint itself is slow (a busy machine), the pause after it grows so that painting never
// takes more than a fifth of the walk.
constexpr DWORD RepaintIntervalMs = 100;
constexpr DWORD PauseToPaintRatio = 4;

// The view redraws after every change of format, and that redrawing, not the finding,
// is what makes a walk over thousands of hits slow. While marks are made the view's
// drawing is switched off (WM_SETREDRAW) and the view is repainted on a clock instead.
//
// Switching the drawing off also clears the window's WS_VISIBLE bit, which is how the
// state is read back each time: a nested walk that ended, or a new window the view made
// for a new text, has the bit set again and is switched off anew.
class PacedRedraw {
public:
    explicit PacedRedraw(RichView& view) : view_(view), lastPaint_(GetTickCount()) {}
    ~PacedRedraw() { resume(); }
    PacedRedraw(const PacedRedraw&) = delete;
    PacedRedraw& operator=(const PacedRedraw&) = delete;

    // Before a change of format: the view does not draw it.
    void hold() {
        const HWND window = view_.handle();
        if (!window || !(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE))
            return;
        SendMessageA(window, WM_SETREDRAW, FALSE, 0);
        held_ = true;
    }

    // After a change of format: the view shows what was marked when the interval is over.
    void paintIfDue() {
        const DWORD start = GetTickCount();
        if (!held_ || start - lastPaint_ < pause_)
            return;
        paint();
        lastPaint_ = GetTickCount();
        pause_ = std::max(RepaintIntervalMs, PauseToPaintRatio * (lastPaint_ - start));
    }

    // Drawing on again and the view painted once (only when this walk switched it off).
    void resume() {
        if (!held_)
            return;
        paint();
        held_ = false;
    }

    // The view went with the window: nothing may be sent any more.
    void abandon() { held_ = false; }

private:
    void paint() {
        const HWND window = view_.handle();
        if (!window)
            return;
        SendMessageA(window, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    }

    RichView& view_;
    DWORD lastPaint_;
    DWORD pause_ = RepaintIntervalMs;
    bool held_ = false;
};

}  // namespace

void MainWindow::HighlightMatches(bool makeBold) {
    long long occurrences = 0;
    const bool wholeWord = WholeWordCheck->checked();

    ReadingView->selectAll();
    ReadingView->setSelTextColor(textColour);
    CountLabel->setCaption(rules::ProgressSuffix(CountLabel->caption()));

    // A close handled in one of the pumps below destroys the main window and may release
    // this record with it; the window is looked up through these locals after each pump,
    // before any member is touched again.
    const HWND form = MainForm->handle();
    RichView& view = *ReadingView;
    PacedRedraw redraw(view);

    // The next find starts one past the start of the last occurrence, so overlapping
    // occurrences are all found. Whatever ran in a pump may have replaced the text or the
    // search box: every find works on both as they are now.
    int nextStart = 0;
    for (;;) {
        if (closing)
            break;
        const std::string pattern = SearchBox->text();
        const int found = view.findText(pattern, nextStart, wholeWord);
        if (found < 0)
            break;
        if (closing)
            break;
        nextStart = found + 1;
        ++occurrences;
        if (makeBold) {
            redraw.hold();
            view.setSelStart(found);
            view.setSelLength(static_cast<int>(pattern.size()));
            view.setSelBold();
            redraw.paintIfDue();
        }
        Application::processMessages();
        if (!IsWindow(form)) {
            redraw.abandon();
            return;
        }
    }
    redraw.resume();

    view.setSelStart(0);
    view.focus();
    CountLabel->setCaption(rules::CountSuffix(CountLabel->caption(), occurrences));
}
