// Putting content into the reading view: the translation alone as it always was, or with the
// Arabic of every verse above it in the Unicode view; long content in pieces with the window
// answering between them; and the places in it (selection, top line) carried across.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "corpus/ArabicFont.h"
#include "corpus/FastStrList.h"
#include "reader/ArabicLayout.h"
#include "reader/ArabicRtf.h"
#include "reader/MarkedRtf.h"
#include "reader/ViewLines.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// The translation alone: the view takes a piece of 32 KB of plain text in about 30 ms and one
// of 1,500 bold runs (some 9 KB of a search for one letter) in about 15 ms; with the repaint
// after it the window answers well within a tenth of a second. The first piece is smaller: it
// may need a fresh window, and it follows the scan and the filling of the list without a look
// at the queue in between.
constexpr rules::PieceLimits FirstPiece{8 * 1024, 400};
constexpr rules::PieceLimits LaterPieces{32 * 1024, 1500};

// With the Arabic, shaping the Arabic lines costs most of the time (Wine shapes Amiri Quran
// some 17 times slower than Arial), and Wine shapes a paragraph again from every line break
// to its end, so an Arabic line costs with the square of its length. Measured here
// (ArabicBench --pieces, the window at its first size, some 3,400 pieces of surah views and
// searches), the view takes a later piece in 6 ms plus 0.062 ms per thousand squared UTF-16
// units of every drawn Arabic line, about 0.1 ms per entry, 0.001 ms per character of its lines
// and 0.014 ms per bold run, and 3.5 ms more per million characters already in the view.
// Cut by the length of the translation, as without the Arabic, pieces took 45 ms at the end
// of the book and 100 to 150 ms in surahs 2 to 5, whose verses are long. So the later pieces
// are cut by that cost, counted in 1/40 ms, to 1800 (45 ms): with the fixed cost of a piece
// (the repaint after it and the look at the queue, 20 to 30 ms) the window answers within
// about 100 ms, except while 2:282 goes in (1,189 units of Arabic, 85 to 90 ms on its own; an
// entry is never split). They do not grow with the view: the fixed cost does, from about 25 to
// about 35 ms over the whole book, but larger pieces late in a long result would cost more
// waiting than the seconds they save. The first piece, about three verses, fills the first
// screen.
constexpr rules::PieceLimits FirstArabicPiece{600, 400};
constexpr std::size_t Unbounded = std::numeric_limits<std::size_t>::max();
constexpr rules::PieceLimits LaterArabicPieces{Unbounded, Unbounded, 1800};

// The cost of the entry [textBegin, textEnd) with runs bold runs, in 1/40 ms, as above.
std::size_t arabicEntryCost(const rules::ArabicLayout& layout, std::size_t textBegin,
                            std::size_t textEnd, std::size_t runs) {
    const std::size_t arabic = layout.entries()[layout.entryAtText(textBegin)].arabicLength;
    return arabic * arabic / 400 + (textEnd - textBegin) / 25 + runs / 2 + 4;
}

// The Arabic is drawn at 21 points (28 pixels): see the design notes.
constexpr int ArabicHalfPoints = 42;

rules::TextColour rgbOf(Colour colour) {
    const COLORREF rgb = resolveColour(colour);
    return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

// Wine shapes Arabic with its own engine, which needs a few more drawing-only changes than
// the system's (see rules::ArabicShaper). Wine's ntdll exports its version; Windows' does not.
rules::ArabicShaper shaperInUse() {
    static const bool wine =
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine ? rules::ArabicShaper::Wine : rules::ArabicShaper::Standard;
}

}  // namespace

rules::ArabicStyle MainWindow::ArabicStyle(bool coloured, rules::ArabicForm form) {
    rules::ArabicStyle style;
    style.textFace = ReadingView->font().face;
    style.textHalfPoints = std::max(1, (ReadingView->fontSizeTwips() + 5) / 10);
    // The program's copy of the font (loaded when arabicFont is there) is known to this process
    // alone; a file or the clipboard names the font it is made from, which has the same glyphs.
    style.arabicFace =
        form == rules::ArabicForm::Source && arabicFont ? ArabicFontSourceFace : arabicFace;
    style.arabicHalfPoints = ArabicHalfPoints;
    style.coloured = coloured;
    style.colour = rgbOf(textColour);
    return style;
}

bool MainWindow::ShowText(ShownText content, const ViewAnchor* anchor, std::size_t& shownEnd) {
    shownText = std::move(content);
    arabicLayout.reset();
    // Until the view has come to the place, the place is this anchor, not what the view
    // shows now: a change of form or size meanwhile keeps it.
    pendingAnchor.reset();
    if (anchor)
        pendingAnchor = *anchor;
    if (!shownText.marked)
        countPending = false;
    RichView& view = *ReadingView;
    const std::string& text = shownText.text;
    shownEnd = text.size();

    if (!arabicShown && !shownText.marked && !shownText.inPieces) {
        view.setText(text);
        if (shownText.coloured) {
            view.selectAll();
            view.setSelTextColor(textColour);
        }
        if (anchor)
            ApplyAnchor(*anchor);
        pendingAnchor.reset();
        ShowPlace();
        if (!view.handle())
            shownEnd = 0;
        return true;
    }

    std::vector<rules::TextPiece> pieces;
    if (arabicShown) {
        arabicLayout = std::make_unique<rules::ArabicLayout>(text, *arabic, shaperInUse());
        const rules::ArabicLayout& layout = *arabicLayout;
        const auto cost = [&layout](std::size_t begin, std::size_t end, std::size_t runs) {
            return arabicEntryCost(layout, begin, end, runs);
        };
        pieces =
            rules::CutIntoPieces(text, shownText.bold, FirstArabicPiece, LaterArabicPieces, cost);
    } else {
        pieces = rules::CutIntoPieces(text, shownText.bold, FirstPiece, LaterPieces);
    }
    if (pieces.empty()) {
        view.setText("");
        ShowPlace();
        if (!view.handle())
            shownEnd = 0;
        return true;
    }

    // A close handled in a pump destroys the main window and may release this record with
    // it; the window is looked up through these locals after each pump, before any member is
    // touched again. Anything run there that replaces the view's content (a new search, a
    // surah chosen, "Tampilkan Semua", "Arab") is newer than this content and wins: this one
    // stops. A text colour chosen there colours what is shown already, and the pieces after it
    // carry the new colour.
    const HWND form = MainForm->handle();
    // The anchor is applied once the view holds its text and a piece beyond, so that its line
    // can come to the top.
    const std::size_t anchorEnd = anchor ? std::max(anchor->top, anchor->to) : 0;
    std::size_t anchorPiece = pieces.size();
    std::uint32_t generation = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == pieces.size();
        const std::string rtf =
            arabicShown
                ? rules::ArabicPieceRtf(*arabicLayout, pieces[i], shownText.bold,
                                        ArabicStyle(shownText.coloured, rules::ArabicForm::Drawn),
                                        rules::ArabicForm::Drawn, shownText.arabicBold.get())
                : rules::PieceRtf(text, pieces[i], shownText.bold, rgbOf(textColour), first);
        if (first) {
            if (!view.setRtf(rtf)) {
                shownEnd = 0;
                return true;
            }
            generation = view.contentGeneration();
            // The place the view is coming to (the anchor's, until it is reached).
            ShowPlace();
        } else {
            view.appendRtf(rtf);
        }
        if (anchor && anchorPiece == pieces.size() && pieces[i].end > anchorEnd)
            anchorPiece = i;
        if (anchor && (i == anchorPiece + 1 || (last && anchorPiece + 1 >= i))) {
            ApplyAnchor(*anchor);
            anchor = nullptr;
            pendingAnchor.reset();
        }
        if (last)
            break;
        Application::processMessages();
        if (!IsWindow(form) || view.contentGeneration() != generation)
            return false;
        if (closing) {
            shownEnd = pieces[i].end;
            break;
        }
    }
    return true;
}

int MainWindow::ViewPosition(std::size_t textPosition) {
    if (arabicShown && arabicLayout)
        return static_cast<int>(arabicLayout->toView(textPosition));
    return static_cast<int>(textPosition);
}

ViewAnchor MainWindow::CurrentAnchor() {
    if (pendingAnchor)
        return *pendingAnchor;
    const CHARRANGE selection = ReadingView->getSelection();
    const auto position = [](LONG p) { return static_cast<std::size_t>(std::max<LONG>(0, p)); };
    std::size_t top = position(ReadingView->firstVisiblePosition());
    std::size_t from = position(std::min(selection.cpMin, selection.cpMax));
    std::size_t to = position(std::max(selection.cpMin, selection.cpMax));
    if (arabicShown && arabicLayout) {
        top = arabicLayout->toText(top);
        from = arabicLayout->toText(from);
        to = arabicLayout->toText(to, true);
    }
    const std::size_t end = shownText.text.size();
    return ViewAnchor{std::min(top, end), std::min(from, end), std::min(to, end), false};
}

void MainWindow::ApplyAnchor(const ViewAnchor& anchor) {
    const std::string_view text = shownText.text;
    // The verse whose line holds top comes first, from its start.
    const std::size_t topLine = rules::LineAround(text, anchor.top).begin;
    int top = static_cast<int>(topLine);
    int from = static_cast<int>(anchor.from);
    int to = static_cast<int>(anchor.to);
    if (arabicShown && arabicLayout && !arabicLayout->entries().empty()) {
        const rules::ArabicLayout& layout = *arabicLayout;
        const auto& entries = layout.entries();
        top = static_cast<int>(entries[layout.entryAtText(topLine)].viewBegin);
        // A selection that starts with a verse line starts with its Arabic line.
        const rules::ArabicEntry& first = entries[layout.entryAtText(anchor.from)];
        from = static_cast<int>(first.textBegin == anchor.from ? first.viewBegin
                                                               : layout.toView(anchor.from));
        to = static_cast<int>(layout.toView(anchor.to));
    }
    RichView& view = *ReadingView;
    if (anchor.focus)
        view.focus();
    view.setSelStart(from);
    view.setSelLength(to - from);
    // After the selection, which scrolls only as far as it needs to be seen.
    view.scrollToTop(top);
    ShowPlace();
}
