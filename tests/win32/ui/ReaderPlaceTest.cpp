// Where the reader is: the juz and the page of the verse at the top of the view, at the right
// of the status line, kept current as the view scrolls by bar, wheel and keys, with or without
// the Arabic, while the labels at the left keep what was chosen.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>

#include "corpus/MushafTable.h"
#include "corpus/SurahTable.h"
#include "reader/ViewLines.h"
#include "tests/win32/support/Keyboard.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

namespace {

class ReaderPlace : public ShownReader {
protected:
    std::string place() const { return textOf(w->PlaceLabel->handle()); }
    // The place of the verse at the top, found from the window's own text (with the Arabic,
    // its Arabic lines too): the verse whose paragraph holds the first character in view, or
    // when that is no verse line (a heading, an empty line, an Arabic line), the next verse
    // line.
    std::string placeOfTopVerse() const {
        const std::wstring wide = w->ReadingView->unicodeText();
        const std::string text(wide.begin(), wide.end());  // the verse lines are plain ASCII
        const auto top = static_cast<std::size_t>(w->ReadingView->firstVisiblePosition());
        const std::size_t paragraph =
            top == 0 ? std::string::npos : text.find_last_of("\r\n", top - 1);
        std::size_t at = paragraph == std::string::npos ? 0 : paragraph + 1;
        while (at < text.size()) {
            const std::size_t end = std::min(text.find('\r', at), text.size());
            if (const auto verse = rules::VerseOfLine(text.substr(at, end - at))) {
                const int index = surah::corpusIndex(verse->surah, verse->verse);
                return "Juz " + std::to_string(mushaf::juzOf(index)) + ", hal. " +
                       std::to_string(mushaf::pageOf(index));
            }
            at = text.find_first_not_of("\r\n", end);
        }
        return "(no verse in view)";
    }
    void scrollBy(UINT code, int times = 1) {
        for (int i = 0; i < times; ++i)
            SendMessageA(w->ReadingView->handle(), WM_VSCROLL, code, 0);
        Application::processMessages();
    }
    void wheel(int notches) {
        RECT r{};
        GetWindowRect(w->ReadingView->handle(), &r);
        SendMessageA(w->ReadingView->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA * notches),
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        Application::processMessages();
    }
};

}  // namespace

TEST_F(ReaderPlace, TheOpeningAndAChosenSurahNameTheirPlaceAndTheLeftLabelsStay) {
    EXPECT_EQ(place(), "Juz 1, hal. 1");
    EXPECT_EQ(surahLabel(), "114 Surat");
    clickEntry(1);  // Al-Baqarah, from page 2
    EXPECT_EQ(place(), "Juz 1, hal. 2");
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_EQ(countLabel(), "286 Ayat");
    clickEntry(35);  // Yasin, page 440, juz 22
    EXPECT_EQ(place(), "Juz 22, hal. 440");
    EXPECT_EQ(surahLabel(), "36. Yasin");
}

TEST_F(ReaderPlace, ScrollingByBarWheelAndKeysKeepsThePlaceCurrent) {
    clickEntry(1);
    // Page by page down the scroll bar: every place shown is the top verse's, and the place
    // passes from juz 1 into juz 2 and on to juz 3.
    std::string last = place();
    int changes = 0;
    for (int step = 0; step < 400 && place().rfind("Juz 3", 0) != 0; ++step) {
        scrollBy(SB_PAGEDOWN);
        ASSERT_EQ(place(), placeOfTopVerse()) << "after " << step + 1 << " pages";
        changes += place() != last ? 1 : 0;
        last = place();
    }
    EXPECT_EQ(place().rfind("Juz 3, hal. ", 0), 0u);
    EXPECT_GT(changes, 20) << "a change for every page of the mushaf passed";
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_EQ(countLabel(), "286 Ayat");

    // The wheel and the keys (in the view, which has the focus after a click in it).
    wheel(-30);
    EXPECT_EQ(place(), placeOfTopVerse());
    w->ReadingView->focus();
    pressChord(w->ReadingView->handle(), VK_HOME, CtrlKey);
    EXPECT_EQ(place(), "Juz 1, hal. 2");
    pressChord(w->ReadingView->handle(), VK_END, CtrlKey);
    EXPECT_EQ(place(), placeOfTopVerse());
    EXPECT_EQ(place(), "Juz 3, hal. 49");
    scrollBy(SB_TOP);
    EXPECT_EQ(place(), "Juz 1, hal. 2");
}

TEST_F(ReaderPlace, WithTheArabicAndInAJuzThePlaceFollowsTheVerseAtTheTop) {
    pressArab();
    pressChord(w->SearchBox->handle(), 'J', CtrlKey);
    clickEntry(29);
    EXPECT_EQ(place(), "Juz 30, hal. 582");
    for (int step = 0; step < 30; ++step)
        scrollBy(SB_PAGEDOWN);
    EXPECT_EQ(place(), placeOfTopVerse());
    EXPECT_NE(place(), "Juz 30, hal. 582");
    EXPECT_EQ(surahLabel(), "Juz 30");
    w->ShowVerse(112, 1);
    EXPECT_EQ(place(), "Juz 30, hal. 604");
}

TEST_F(ReaderPlace, ThePlaceStandsAtTheRightOfTheStatusLineClearOfTheOtherTexts) {
    clickEntry(113);
    searchWithEnter("sabar");  // the longest count the status line shows: "( n Kata )"
    const RECT status = w->StatusPanel->clientRect();
    const Label& placeLabel = *w->PlaceLabel;
    EXPECT_FALSE(place().empty());
    EXPECT_EQ(placeLabel.left() + placeLabel.width(), status.right - w->StatusPanel->scaled(8));
    EXPECT_GT(placeLabel.left(), w->CountLabel->left() + w->CountLabel->width());
    EXPECT_LE(placeLabel.top() + placeLabel.height(), status.bottom);
    // The text size's message, while it shows, stands left of the place.
    pressChord(w->SearchBox->handle(), VK_ADD, CtrlKey);
    ASSERT_TRUE(w->ZoomLabel->visible());
    EXPECT_LT(w->ZoomLabel->left() + w->ZoomLabel->width(), placeLabel.left());
    EXPECT_GT(w->ZoomLabel->left(), w->CountLabel->left() + w->CountLabel->width());
    // A wider window: the place follows the right edge.
    RECT outer{};
    GetWindowRect(form->handle(), &outer);
    SetWindowPos(form->handle(), nullptr, 0, 0, outer.right - outer.left + 200,
                 outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    Application::processMessages();
    EXPECT_EQ(placeLabel.left() + placeLabel.width(),
              w->StatusPanel->clientRect().right - w->StatusPanel->scaled(8));
}
