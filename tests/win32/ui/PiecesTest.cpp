// A marked result reaches the view in pieces, with the window answering between them: the
// result is whole and marked exactly, and a close, a new search, "Tampilkan Semua", a surah
// choice or a colour choice handled between two pieces behaves as the user expects (the
// newer action wins, a close ends everything).
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/SearchScan.h"
#include "reader/StatusText.h"
#include "reader/ViewText.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "tests/win32/support/ModalAnswer.h"
#include "toolkit/SwatchButton.h"

namespace {

class Pieces : public ShownReader {
protected:
    // After a close the window, and the record with it, are gone.
    void closed() {
        w = nullptr;
        Application::processMessages();  // takes the quit message the close posted
    }
    std::string resultText(const std::string& word) const {
        return rules::ResultText(*w->corpus,
                                 rules::ScanCorpus(*w->corpus, word, false).resultItems);
    }
    // Every character of text bold exactly where one of the occurrences of word covers it.
    void expectMarkedExactly(const std::string& text, const std::string& word) const {
        const std::vector<int> hits = occurrences(text, word);
        ASSERT_FALSE(hits.empty());
        // Hundreds of selections: not drawn, each would scroll and repaint the view.
        HWND view = w->ReadingView->handle();
        SendMessageA(view, WM_SETREDRAW, FALSE, 0);
        int plainFrom = 0;
        for (std::size_t i = 0; i < hits.size();) {
            const int begin = hits[i];
            int end = begin + static_cast<int>(word.size());
            while (++i < hits.size() && hits[i] <= end)
                end = hits[i] + static_cast<int>(word.size());
            EXPECT_TRUE(noneBold(plainFrom, begin - plainFrom)) << "before " << begin;
            EXPECT_TRUE(allBold(begin, end - begin)) << "at " << begin;
            plainFrom = end;
        }
        EXPECT_TRUE(noneBold(plainFrom, static_cast<int>(text.size()) - plainFrom));
        SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    }
    // The whole text, final paragraph mark included, in one colour and in the face and size
    // of the view's default format, as plain text put into the view has them.
    void expectOneColour(Colour colour) const {
        const CHARFORMATA all = formatOf(0, -1);
        EXPECT_TRUE(all.dwMask & CFM_COLOR);
        EXPECT_EQ(all.crTextColor, resolveColour(colour));
        EXPECT_FALSE(all.dwEffects & CFE_AUTOCOLOR);
        CHARFORMATA plain{};
        plain.cbSize = sizeof plain;
        SendMessageA(w->ReadingView->handle(), EM_GETCHARFORMAT, SCF_DEFAULT,
                     reinterpret_cast<LPARAM>(&plain));
        EXPECT_TRUE((all.dwMask & (CFM_FACE | CFM_SIZE | CFM_CHARSET)) ==
                    (CFM_FACE | CFM_SIZE | CFM_CHARSET));
        EXPECT_STREQ(all.szFaceName, plain.szFaceName);
        EXPECT_EQ(all.yHeight, plain.yHeight);
        EXPECT_EQ(all.bCharSet, plain.bCharSet);
        EXPECT_EQ(all.bPitchAndFamily, plain.bPitchAndFamily);
    }
    static std::string countSuffix(std::size_t count) {
        return " ( " + rules::FormatCount(static_cast<long long>(count)) + " Kata )";
    }
};

TEST_F(Pieces, AResultOfSeveralPiecesArrivesWholeAndMarked) {
    w->textColour = RGB(20, 90, 160);
    BetweenPieces counter(1000000, [] {});
    searchWithEnter("bumi");
    // About 100 KB of text: several pieces, each ending with a whole verse entry.
    EXPECT_GE(counter.pieces(), 3);

    const CHARRANGE caret = selection();
    EXPECT_EQ(caret.cpMin, 0);
    EXPECT_EQ(caret.cpMax, 0);
    EXPECT_EQ(GetFocus(), w->ReadingView->handle());
    EXPECT_TRUE(IsWindowVisible(w->ReadingView->handle()));
    const std::string text = viewText();
    ASSERT_EQ(text, resultText("bumi"));
    expectMarkedExactly(text, "bumi");
    expectOneColour(w->textColour);
    EXPECT_EQ(countLabel(), "420 Ayat " + countSuffix(occurrences(text, "bumi").size()));

    // Nothing to undo in the read-only view: the pieces stay.
    HWND view = w->ReadingView->handle();
    EXPECT_EQ(SendMessageA(view, EM_CANUNDO, 0, 0), 0);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    pressKey(view, 'Z');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    SendMessageA(view, EM_UNDO, 0, 0);
    EXPECT_TRUE(viewText() == text) << "the view holds " << viewText().size() << " characters";
}

TEST_F(Pieces, BoldOffCountsEveryOccurrenceAndMarksNone) {
    setChecked(*w->BoldCheck, false);
    w->textColour = RGB(150, 30, 30);
    searchWithEnter("bumi");
    const std::string text = viewText();
    ASSERT_EQ(text, resultText("bumi"));
    EXPECT_TRUE(noneBold(0, -1));
    expectOneColour(w->textColour);
    EXPECT_EQ(countLabel(), "420 Ayat " + countSuffix(occurrences(text, "bumi").size()));
}

TEST_F(Pieces, ACloseBetweenPiecesEndsTheSearch) {
    HWND window = form->handle();
    BetweenPieces close(1, [window] { SendMessageA(window, WM_CLOSE, 0, 0); });
    searchWithEnter("a");
    EXPECT_TRUE(close.ran());
    EXPECT_EQ(close.pieces(), 1) << "no piece after the close";
    EXPECT_FALSE(IsWindow(window));
    closed();
    EXPECT_TRUE(Application::terminated());
}

TEST_F(Pieces, ACloseBeforeTheScanEndsTheSearch) {
    HWND window = form->handle();
    PostMessageA(window, WM_CLOSE, 0, 0);
    ModalAnswer anyBox([](HWND box) { ModalAnswer::press(box, IDOK); });
    BetweenPieces counter(1000000, [] {});
    searchWithEnter("yahya");
    EXPECT_EQ(counter.pieces(), 0);
    EXPECT_EQ(anyBox.answered(), 0);
    EXPECT_TRUE(anyBox.unexpected().empty());
    EXPECT_FALSE(IsWindow(window));
    closed();
}

TEST_F(Pieces, ANewSearchBetweenPiecesTakesOver) {
    BetweenPieces newSearch(2, [this] {
        SetWindowTextA(w->SearchBox->handle(), "yahya");
        SendMessageA(w->SearchBox->handle(), WM_KEYDOWN, VK_RETURN, 1);
    });
    searchWithEnter("allah");
    ASSERT_TRUE(newSearch.ran());

    EXPECT_EQ(selection().cpMin, 0);
    EXPECT_EQ(*w->ResultSurahs, (std::vector<int>{3, 6, 19, 21}));
    EXPECT_EQ(surahLabel(), "4 Surat");
    const std::string text = viewText();
    EXPECT_EQ(text, resultText("yahya"));
    EXPECT_EQ(countLabel(), "5 Ayat " + countSuffix(occurrences(text, "yahya").size()));
    expectMarkedExactly(text, "yahya");
}

TEST_F(Pieces, ShowAllBetweenPiecesLeavesTheStartState) {
    const std::string startText = viewText();
    BetweenPieces showAll(1, [this] { click(w->ShowAllButton->handle()); });
    searchWithEnter("allah");
    ASSERT_TRUE(showAll.ran());

    EXPECT_FALSE(w->searchMode);
    EXPECT_EQ(viewText(), startText);
    EXPECT_TRUE(noneBold(0, -1));
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(surahLabel(), "114 Surat");
    EXPECT_EQ(countLabel(), "6,236 Ayat");
    EXPECT_TRUE(IsWindowVisible(w->ReadingView->handle()));
}

TEST_F(Pieces, ASurahChosenBetweenPiecesIsShownMarked) {
    BetweenPieces choose(1, [this] { clickEntry(3); });
    searchWithEnter("allah");
    ASSERT_TRUE(choose.ran());

    EXPECT_EQ(selection().cpMin, 1) << "the choice puts the caret after the first character";
    const int s = (*w->ResultSurahs)[3];
    EXPECT_EQ(surahLabel(), surah::displayName(s));
    const std::string text = viewText();
    EXPECT_EQ(text, rules::SurahHitsText(*w->corpus, *w->ResultItems, s).text);
    expectMarkedExactly(text, "allah");
    const std::string label = countLabel();
    EXPECT_EQ(label.substr(label.find(" Ayat")),
              " Ayat " + countSuffix(occurrences(text, "allah").size()));
}

TEST_F(Pieces, ATextColourChosenBetweenPiecesColoursTheWholeResult) {
    ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [](HWND chooser) {
        ModalAnswer::setColour(chooser, RGB(200, 40, 40));
        ModalAnswer::press(chooser, IDOK);
    });
    BetweenPieces chooseColour(2, [this] { click(w->FontColourButton->handle()); });
    searchWithEnter("bumi");
    ASSERT_TRUE(chooseColour.ran());
    EXPECT_EQ(answer.answered(), 1);

    const std::string text = viewText();
    EXPECT_EQ(text, resultText("bumi"));
    expectOneColour(RGB(200, 40, 40));
    expectMarkedExactly(text, "bumi");
    EXPECT_EQ(countLabel(), "420 Ayat " + countSuffix(occurrences(text, "bumi").size()));
}

TEST_F(Pieces, TheBoxAndTheChecksChangedBetweenPiecesCountForTheNextSearchOnly) {
    BetweenPieces change(1, [this] {
        SetWindowTextA(w->SearchBox->handle(), "");
        setChecked(*w->BoldCheck, false);
        setChecked(*w->WholeWordCheck, true);
    });
    searchWithEnter("bumi");
    ASSERT_TRUE(change.ran());
    const std::string text = viewText();
    EXPECT_EQ(text, resultText("bumi"));
    expectMarkedExactly(text, "bumi");
    EXPECT_EQ(countLabel(), "420 Ayat " + countSuffix(occurrences(text, "bumi").size()));
}

TEST_F(Pieces, AWholeWordBoxEmptiedBeforeTheScanGoesBackToTheStart) {
    // An empty word read again after the one look at the queue would match every verse.
    setChecked(*w->WholeWordCheck, true);
    HWND box = w->SearchBox->handle();
    SetWindowTextA(box, "musa");
    PostMessageA(box, EM_SETSEL, 0, -1);
    PostMessageA(box, WM_CLEAR, 0, 0);
    ModalAnswer anyBox([](HWND dialog) { ModalAnswer::press(dialog, IDOK); });
    pressKey(box, VK_RETURN);
    EXPECT_EQ(anyBox.answered(), 0);
    EXPECT_FALSE(w->searchMode);
    EXPECT_TRUE(w->ResultItems->empty());
    EXPECT_EQ(surahLabel(), "114 Surat");
    EXPECT_EQ(countLabel(), "6,236 Ayat");
    EXPECT_EQ(SendMessageA(w->SurahList->handle(), LB_GETCOUNT, 0, 0), 114);
}

}  // namespace
