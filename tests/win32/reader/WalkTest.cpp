// The marking walk with other work running inside it: a close, a new search, "Tampilkan
// Semua" and a surah choice arrive while hits are still being found and made bold.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "tests/win32/reader/ReaderDriver.h"
#include "tests/win32/support/ModalAnswer.h"

namespace {

class Walk : public ShownReader {
protected:
    // After a close the window, and the record with it, are gone.
    void closed() {
        w = nullptr;
        Application::processMessages();  // takes the quit message the close posted
    }
    bool endsWithCount(const std::string& label) const {
        const std::string end = " Kata )";
        return label.size() > end.size() &&
               label.compare(label.size() - end.size(), end.size(), end) == 0;
    }
};

TEST_F(Walk, ACloseEndsTheWalkBeforeTheNextFind) {
    HWND window = form->handle();
    DuringWalk closeAfter30(30, [window] { SendMessageA(window, WM_CLOSE, 0, 0); });
    searchWithEnter("a");
    EXPECT_TRUE(closeAfter30.ran());
    EXPECT_EQ(closeAfter30.finds(), 30);
    EXPECT_FALSE(IsWindow(window));
    closed();
    EXPECT_TRUE(Application::terminated());
}

TEST_F(Walk, ACloseBeforeTheScanEndsTheSearch) {
    HWND window = form->handle();
    PostMessageA(window, WM_CLOSE, 0, 0);
    ModalAnswer anyBox([](HWND box) { ModalAnswer::press(box, IDOK); });
    DuringWalk counter(1000000, [] {});
    searchWithEnter("yahya");
    EXPECT_EQ(counter.finds(), 0);
    EXPECT_EQ(anyBox.answered(), 0);
    EXPECT_TRUE(anyBox.unexpected().empty());
    EXPECT_FALSE(IsWindow(window));
    closed();
}

TEST_F(Walk, ANewSearchInsideTheWalkTakesOver) {
    DuringWalk newSearch(20, [this] {
        SetWindowTextA(w->SearchBox->handle(), "yahya");
        SendMessageA(w->SearchBox->handle(), WM_KEYDOWN, VK_RETURN, 1);
    });
    searchWithEnter("musa");
    ASSERT_TRUE(newSearch.ran());

    EXPECT_EQ(*w->ResultSurahs, (std::vector<int>{3, 6, 19, 21}));
    EXPECT_EQ(surahLabel(), "4 Surat");
    const std::string text = viewText();
    EXPECT_EQ(firstLine(text), "S U R A T   A L - I M R O N ");
    const std::string label = countLabel();
    // The nested search's text, cut before its "(" by the outer walk, which keeps the blanks.
    EXPECT_EQ(label.rfind("5 Ayat  ", 0), 0u) << label;
    EXPECT_TRUE(endsWithCount(label)) << label;
    for (int at : occurrences(text, "yahya"))
        EXPECT_TRUE(allBold(at, 5)) << "at " << at;
    EXPECT_TRUE(IsWindowVisible(w->ReadingView->handle()));
}

TEST_F(Walk, ShowAllInsideTheWalkLeavesTheStartText) {
    std::string startText = viewText();
    DuringWalk showAll(20, [this] { click(w->ShowAllButton->handle()); });
    searchWithEnter("musa");
    ASSERT_TRUE(showAll.ran());

    EXPECT_FALSE(w->searchMode);
    EXPECT_EQ(viewText(), startText);
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(surahLabel(), "114 Surat");
    const std::string label = countLabel();
    EXPECT_EQ(label.rfind("6,236 Ayat ( ", 0), 0u) << label;
    EXPECT_TRUE(endsWithCount(label)) << label;
    EXPECT_TRUE(IsWindowVisible(w->ReadingView->handle()));
}

TEST_F(Walk, ASurahChoiceInsideTheWalkShowsThatSurah) {
    DuringWalk choose(20, [this] { clickEntry(3); });
    searchWithEnter("musa");
    ASSERT_TRUE(choose.ran());

    const int s = (*w->ResultSurahs)[3];
    EXPECT_EQ(surahLabel(), surah::displayName(s));
    const std::string text = viewText();
    for (const std::string& line : lines(text)) {
        EXPECT_EQ(line.substr(0, line.find(':')), std::to_string(s)) << line;
    }
    for (int at : occurrences(text, "musa"))
        EXPECT_TRUE(allBold(at, 4)) << "at " << at;
    EXPECT_TRUE(endsWithCount(countLabel())) << countLabel();
    EXPECT_TRUE(IsWindowVisible(w->ReadingView->handle()));
}

TEST_F(Walk, AnEmptiedSearchBoxEndsTheWalk) {
    DuringWalk empty(10, [this] { SetWindowTextA(w->SearchBox->handle(), ""); });
    searchWithEnter("musa");
    ASSERT_TRUE(empty.ran());
    EXPECT_TRUE(endsWithCount(countLabel())) << countLabel();
    EXPECT_LT(empty.finds(), 1000);
}

TEST_F(Walk, AWholeWordBoxEmptiedBeforeTheScanGoesBackToTheStart) {
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
