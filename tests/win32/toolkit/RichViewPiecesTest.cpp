// A content built from RTF documents: one that replaces the content, then others added at its
// end while the user may be reading, scrolling or selecting.
#include "toolkit/RichView.h"

#include "tests/win32/toolkit/RichViewTestHost.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A document of plain paragraphs, each line followed by an empty one. One that replaces the
// content needs one paragraph mark more: this control drops the last one of such a document.
std::string documentOf(int firstLine, int lines, bool replacing = false) {
    std::string rtf = "{\\rtf1\\ansi ";
    for (int i = firstLine; i < firstLine + lines; ++i)
        rtf += "Baris " + std::to_string(i) + " dari teks yang panjang\\par\n\\par\n";
    return rtf + (replacing ? "\\par}" : "}");
}

std::string textOf(int firstLine, int lines) {
    std::string text;
    for (int i = firstLine; i < firstLine + lines; ++i)
        text += "Baris " + std::to_string(i) + " dari teks yang panjang\r\n\r\n";
    return text;
}

class RichViewPiecesTest : public RichViewSuite {
protected:
    void SetUp() override { view.setBounds(0, 0, 400, 300); }
    void TearDown() override { ShowWindow(view.handle(), SW_HIDE); }

    RichView& view = createRichView(*host, RichView::Path::Plain);
};

TEST_F(RichViewPiecesTest, DocumentsAddedAtTheEndMakeOneText) {
    const std::uint32_t before = view.contentGeneration();
    ASSERT_TRUE(view.setRtf(documentOf(0, 100, true)));
    EXPECT_EQ(view.contentGeneration(), before + 1);
    ASSERT_TRUE(view.appendRtf(documentOf(100, 50)));
    ASSERT_TRUE(view.appendRtf(documentOf(150, 50)));
    EXPECT_EQ(view.contentGeneration(), before + 1) << "adding is no replacement";
    EXPECT_EQ(view.text(), textOf(0, 200));

    view.setText("x");
    EXPECT_EQ(view.contentGeneration(), before + 2);
}

TEST_F(RichViewPiecesTest, AddingKeepsTheReadersPlaceAndSelection) {
    view.setRtf(documentOf(0, 100, true));
    ShowWindow(view.handle(), SW_SHOWNA);
    SendMessageA(view.handle(), EM_LINESCROLL, 0, 40);
    CHARRANGE chosen{120, 160};
    SendMessageA(view.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chosen));
    const LRESULT firstLine = SendMessageA(view.handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
    ASSERT_GT(firstLine, 0);

    ASSERT_TRUE(view.appendRtf(documentOf(100, 100)));
    EXPECT_EQ(SendMessageA(view.handle(), EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
    EXPECT_EQ(view.getSelection().cpMin, 120);
    EXPECT_EQ(view.getSelection().cpMax, 160);
    EXPECT_TRUE(IsWindowVisible(view.handle())) << "drawing is on again";
    EXPECT_EQ(view.text(), textOf(0, 200));

    // A view that was hidden stays hidden.
    ShowWindow(view.handle(), SW_HIDE);
    view.appendRtf(documentOf(200, 1));
    EXPECT_FALSE(GetWindowLongA(view.handle(), GWL_STYLE) & WS_VISIBLE);
}

// Past 65,535 pixels the control reports its scroll position scaled down to 16 bits; the
// place must come back in pixels, or every added document moves the reader up.
TEST_F(RichViewPiecesTest, AddingKeepsTheReadersPlaceDeepInATallText) {
    view.setRtf(documentOf(0, 3000, true));
    ShowWindow(view.handle(), SW_SHOWNA);
    SendMessageA(view.handle(), EM_LINESCROLL, 0, 5000);
    const LRESULT firstLine = SendMessageA(view.handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
    POINTL start{0, 0};
    SendMessageA(view.handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&start), 0);
    ASSERT_LT(start.y, -65535) << "not scrolled far enough to test this";

    view.appendRtf(documentOf(3000, 100));
    view.appendRtf(documentOf(3100, 100));
    EXPECT_EQ(SendMessageA(view.handle(), EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
}

TEST_F(RichViewPiecesTest, NothingAddedCanBeUndone) {
    view.setRtf(documentOf(0, 2, true));
    view.appendRtf(documentOf(2, 2));
    EXPECT_EQ(SendMessageA(view.handle(), EM_CANUNDO, 0, 0), 0);
    SendMessageA(view.handle(), EM_UNDO, 0, 0);
    EXPECT_EQ(view.text(), textOf(0, 4));
}

}  // namespace

// A replaced content is read from its start, as the reader sees it: text asked for before
// the rest arrives (a citation of the verse at the caret) must not come from where the
// first document happened to end.
TEST_F(RichViewPiecesTest, AReplacedContentHasTheCaretAtItsStartInEitherWindow) {
    for (const bool unicode : {false, true}) {
        ASSERT_TRUE(view.setUnicode(unicode));
        for (const int lines : {20, 1000}) {  // small, and large enough for a fresh window
            CHARRANGE elsewhere{30, 30};
            SendMessageA(view.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&elsewhere));
            ASSERT_TRUE(view.setRtf(documentOf(0, lines, true)));
            EXPECT_EQ(view.getSelection().cpMin, 0) << "unicode " << unicode << ", " << lines;
            EXPECT_EQ(view.getSelection().cpMax, 0) << "unicode " << unicode << ", " << lines;
        }
    }
}
