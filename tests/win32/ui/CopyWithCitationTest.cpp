// "Kutip" on the real main window: the selection as the view holds it, put on the clipboard
// with the citation of the verses it touches; from the toolbar and from Ctrl+Shift+C.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/ui/ReaderDriver.h"
#include "tests/win32/support/ClipboardText.h"
#include "tests/win32/support/Keyboard.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Toolbar.h"

namespace {

class CopyWithCitation : public ShownReader {
protected:
    void SetUp() override {
        ShownReader::SetUp();
        ASSERT_TRUE(setClipboardText(nullptr, "sebelum"));
    }
    // A click on "Kutip", as the toolbar reports it to its parent.
    void clickKutip() {
        Toolbar& bar = *w->ViewToolbar;
        TBBUTTON button{};
        ASSERT_TRUE(SendMessageA(bar.handle(), TB_GETBUTTON, 5, reinterpret_cast<LPARAM>(&button)));
        SendMessageA(GetParent(bar.handle()), WM_COMMAND, MAKEWPARAM(button.idCommand, BN_CLICKED),
                     reinterpret_cast<LPARAM>(bar.handle()));
    }
    void select(std::size_t from, std::size_t to) {
        CHARRANGE range{static_cast<LONG>(from), static_cast<LONG>(to)};
        SendMessageA(w->ReadingView->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    // Where the line of verse s:a starts in the view's text.
    std::size_t verseStart(const std::string& text, const std::string& reference) {
        const std::size_t at = text.find("\n" + reference + ". ");
        EXPECT_NE(at, std::string::npos) << reference;
        return at + 1;
    }
};

TEST_F(CopyWithCitation, ASelectionAcrossSurahsOfASearchResultIsCitedSurahBySurah) {
    searchWithEnter("yahya");
    const std::string text = viewText();
    // From inside 3:39 to inside 19:7, over the headings between them.
    const std::size_t from = verseStart(text, "3:39") + 10;
    const std::size_t to = verseStart(text, "19:7") + 12;
    select(from, to);
    clickKutip();
    EXPECT_EQ(clipboardText(),
              text.substr(from, to - from) +
                  " (QS. Al-Imron [3]: 39; QS. Al-An'aam [6]: 85; QS. Maryam [19]: 7)");

    // Two verses of one surah, whole, with the empty line after them: the citation follows
    // the last word, and the plain "Copy" still copies the text alone.
    const std::size_t first = verseStart(text, "19:7");
    const std::size_t afterLast = text.find("\r\n", verseStart(text, "19:12"));
    select(first, afterLast + 4);
    pressChord(w->ReadingView->handle(), 'C', CtrlKey | ShiftKey);
    EXPECT_EQ(clipboardText(), text.substr(first, afterLast - first) + " (QS. Maryam [19]: 7, 12)");
    w->CopyCommand();
    EXPECT_EQ(clipboardText().substr(0, afterLast - first), text.substr(first, afterLast - first));
    EXPECT_EQ(clipboardText().find("(QS."), std::string::npos);
    // So does Ctrl+C, which the view handles itself.
    setClipboardText(nullptr, "sebelum");
    pressChord(w->ReadingView->handle(), 'C', CtrlKey);
    EXPECT_EQ(clipboardText().substr(0, afterLast - first), text.substr(first, afterLast - first));
    EXPECT_EQ(clipboardText().find("(QS."), std::string::npos);
}

TEST_F(CopyWithCitation, WithNothingSelectedTheVerseAtTheCaretIsCopiedWhole) {
    clickEntry(111);  // Al-Ikhlas; the caret after the first character of 112:1
    const std::string text = viewText();
    const std::string firstVerse = text.substr(0, text.find('\r'));
    clickKutip();
    EXPECT_EQ(clipboardText(), firstVerse + " (QS. Al-Ikhlas [112]: 1)");

    // On an empty line there is no verse: the clipboard stays as it was.
    setClipboardText(nullptr, "sebelum");
    w->ReadingView->setSelStart(static_cast<int>(firstVerse.size()) + 2);
    pressChord(w->ReadingView->handle(), 'C', CtrlKey | ShiftKey);
    EXPECT_EQ(clipboardText(), "sebelum");
}

}  // namespace
