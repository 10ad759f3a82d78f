#include "toolkit/RichView.h"

#include "tests/win32/toolkit/RichViewTestHost.h"
#include "tests/win32/support/ClipboardText.h"
#include "toolkit/Clipboard.h"
#include "toolkit/RichEditLibrary.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

class RichViewTest : public RichViewSuite {
protected:
    void SetUp() override { view.setBounds(0, 0, 600, 400); }
    void TearDown() override { ShowWindow(view.handle(), SW_HIDE); }

    RichView& view = createRichView(*host, RichView::Path::Plain);
};

constexpr const char* Verses =
    "Allah Maha Pengasih.\r\n\r\nDengan nama Allah, allahu akbar.\r\n\r\nYang Maha Penyayang.";

TEST_F(RichViewTest, IsCreatedAsReadOnlyWrappingChildWithTheParentsFont) {
    HWND window = view.handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Control::fromHandle(window), &view);
    EXPECT_EQ(GetParent(window), host->handle());
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, RichEditLibrary::windowClass()), 0) << className;

    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    // The control drops WS_VSCROLL while its text fits and shows it for a long text.
    const DWORD fixedStyle = 0x56200844u & ~WS_VSCROLL;
    EXPECT_EQ(style & fixedStyle, fixedStyle);
    EXPECT_EQ(style & (WS_HSCROLL | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL), 0u);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0);

    EXPECT_EQ(view.font().face, "Arial");
    EXPECT_EQ(std::string(defaultFormatOf(view).szFaceName), "Arial");
    EXPECT_EQ(SendMessageA(window, EM_GETEVENTMASK, 0, 0), 0x042C0001);
    EXPECT_EQ(view.backgroundColor(), 0x80000005u);
    EXPECT_EQ(backgroundOf(view), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(view.charFormatSize(), 60u);
    // The whole translation with its separators must fit.
    EXPECT_GE(SendMessageA(window, EM_GETLIMITTEXT, 0, 0), 1'200'000);

    std::string lines;
    for (int i = 0; i < 100; ++i) {
        lines += "baris yang cukup panjang untuk dibungkus di tepi kanan tampilan ini\r\n";
    }
    view.setText(lines);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_HSCROLL) << "long lines wrap";
}

TEST_F(RichViewTest, NewTextTakesTheViewsFontNotBold) {
    view.setText(Verses);
    CHARFORMATA format = charFormatOf(view, 0, 5);
    EXPECT_EQ(std::string(format.szFaceName), "Arial");
    EXPECT_TRUE(format.dwMask & CFM_BOLD);
    EXPECT_FALSE(format.dwEffects & CFE_BOLD);
}

TEST_F(RichViewTest, AppendTextJoinsToTheCurrentText) {
    view.setText("old");
    view.setText("");
    EXPECT_EQ(view.text(), "");
    view.appendText("a");
    view.appendText("b");
    EXPECT_EQ(view.text(), "ab");
    view.appendText("1:1. x\r\n\r\n");
    EXPECT_EQ(view.text(), "ab1:1. x\r\n\r\n");
}

TEST_F(RichViewTest, SetTextStopsAtAnEmbeddedNul) {
    view.setText(std::string("ab\0cd", 5));
    EXPECT_EQ(view.text(), "ab");
}

TEST_F(RichViewTest, ColourCoversAllAndBoldOnlyTheSelectedRange) {
    view.setText(Verses);
    const LONG length = GetWindowTextLengthA(view.handle());
    const COLORREF red = RGB(200, 0, 0);
    view.selectAll();
    view.setSelTextColor(red);
    view.setSelStart(12);
    view.setSelLength(5);  // "Penga"
    view.setSelBold();

    CHARFORMATA all = charFormatOf(view, 0, length);
    EXPECT_TRUE(all.dwMask & CFM_COLOR) << "one colour over the whole text";
    EXPECT_EQ(all.crTextColor, red);
    EXPECT_FALSE(all.dwEffects & CFE_AUTOCOLOR);
    EXPECT_FALSE(all.dwMask & CFM_BOLD) << "bold is not uniform";

    CHARFORMATA bold = charFormatOf(view, 12, 17);
    EXPECT_TRUE((bold.dwMask & CFM_BOLD) && (bold.dwEffects & CFE_BOLD));
    EXPECT_EQ(bold.crTextColor, red) << "bold keeps the colour";
    for (auto [from, to] : {std::pair{0L, 12L}, std::pair{17L, length}}) {
        CHARFORMATA plain = charFormatOf(view, from, to);
        EXPECT_TRUE(plain.dwMask & CFM_BOLD) << from;
        EXPECT_FALSE(plain.dwEffects & CFE_BOLD) << from;
    }
}

TEST_F(RichViewTest, CharacterFormatRecordOfOlePathIsTheLargerOne) {
    const unsigned before = RichEditLibrary::oleInitCount();
    RichView& oleView = createRichView(*host, RichView::Path::Ole);
    const bool oleDone = RichEditLibrary::oleInitCount() == before + 1;
    EXPECT_EQ(oleView.charFormatSize(), oleDone ? 84u : 60u);
    if (oleDone) {
        EXPECT_TRUE(RichEditLibrary::probeNewestFirst());
        // Once OLE is up every further OLE-path view counts without a new call.
        RichView& another = createRichView(*host, RichView::Path::Ole);
        EXPECT_EQ(RichEditLibrary::oleInitCount(), before + 2);
        EXPECT_EQ(another.charFormatSize(), 84u);
    }
    // The library was loaded already: no new probe, the same class.
    char className[64] = "";
    GetClassNameA(oleView.handle(), className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, RichEditLibrary::windowClass()), 0) << className;

    // The larger record reaches the control and comes back filled in.
    oleView.setText("tebal biasa");
    oleView.setSelStart(0);
    oleView.setSelLength(5);
    oleView.setSelBold();
    oleView.setSelTextColor(RGB(0, 0, 255));
    CHARFORMATA format = charFormatOf(oleView, 0, 5);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(format.crTextColor, RGB(0, 0, 255));
    EXPECT_FALSE(charFormatOf(oleView, 6, 11).dwEffects & CFE_BOLD);
}

TEST_F(RichViewTest, SetTextDropsEarlierColourAndBold) {
    view.setText(Verses);
    view.selectAll();
    view.setSelTextColor(RGB(0, 128, 0));
    view.setSelBold();
    view.setText("Dan ingatlah ketika Tuhanmu berfirman");
    CHARFORMATA format = charFormatOf(view, 0, GetWindowTextLengthA(view.handle()));
    EXPECT_FALSE(format.dwEffects & CFE_BOLD);
    EXPECT_TRUE(format.dwEffects & CFE_AUTOCOLOR);
    EXPECT_NE(format.crTextColor, RGB(0, 128, 0));
}

TEST_F(RichViewTest, SetFontFaceSendsNothingForTheSameFace) {
    view.setText(Verses);
    SetFontCounter counter(view.handle());
    HFONT arial = view.fontHandle();
    view.setFontFace("Arial");
    EXPECT_EQ(counter.messages, 0);
    EXPECT_EQ(view.fontHandle(), arial);

    view.setFontFace("Courier New");
    EXPECT_EQ(counter.messages, 1);
    HFONT courier = view.fontHandle();
    EXPECT_NE(courier, arial);
    LOGFONTA applied{};
    GetObjectA(courier, sizeof applied, &applied);
    EXPECT_STREQ(applied.lfFaceName, "Courier New");
    EXPECT_EQ(applied.lfHeight, 16);
    EXPECT_EQ(std::string(charFormatOf(view, 0, 5).szFaceName), "Courier New");

    // The face is compared exactly: another letter case is another face.
    view.setFontFace("courier new");
    EXPECT_EQ(counter.messages, 2);
}

TEST_F(RichViewTest, InsetTwiceShrinksTwiceAsMuchAsOnce) {
    // The control reports its rectangle up to one pixel off on some sides.
    constexpr int Tolerance = 1;
    const RECT start = formatRectOf(view);
    view.insetFormatRect(10);
    const RECT once = formatRectOf(view);
    view.insetFormatRect(10);
    const RECT twice = formatRectOf(view);

    const int shrinkOnce[] = {once.left - start.left, once.top - start.top,
                              start.right - once.right, start.bottom - once.bottom};
    const int shrinkTwice[] = {twice.left - start.left, twice.top - start.top,
                               start.right - twice.right, start.bottom - twice.bottom};
    for (int side = 0; side < 4; ++side) {
        EXPECT_NEAR(shrinkOnce[side], 10, Tolerance) << "side " << side;
        EXPECT_NEAR(shrinkTwice[side], 2 * shrinkOnce[side], Tolerance) << "side " << side;
    }
}

TEST_F(RichViewTest, BackgroundColourReachesTheControl) {
    view.setBackgroundColor(0x00336699);
    EXPECT_EQ(view.backgroundColor(), 0x00336699u);
    EXPECT_EQ(backgroundOf(view), 0x00336699u);
    view.setBackgroundColor(0x8000000F);
    EXPECT_EQ(backgroundOf(view), GetSysColor(COLOR_BTNFACE));
}

TEST_F(RichViewTest, SelectAllOnEmptyViewLeavesCaretAtStart) {
    view.setText("");
    view.selectAll();
    CHARRANGE range = view.getSelection();
    EXPECT_EQ(range.cpMin, 0);
    EXPECT_EQ(range.cpMax, 0);
}

TEST_F(RichViewTest, SelectionOperationsMoveStartAndLength) {
    view.setText(Verses);
    view.setSelStart(6);
    CHARRANGE range = view.getSelection();
    EXPECT_EQ(range.cpMin, 6);
    EXPECT_EQ(range.cpMax, 6);
    view.setSelLength(4);
    range = view.getSelection();
    EXPECT_EQ(range.cpMin, 6);
    EXPECT_EQ(range.cpMax, 10);
    EXPECT_EQ(textRangeOf(view, range.cpMin, range.cpMax), "Maha");

    view.selectAll();
    char selected[256] = "";
    SendMessageA(view.handle(), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(selected));
    EXPECT_EQ(std::string(selected), Verses);
}

TEST_F(RichViewTest, FindTextIgnoresCaseAndStartsAtTheGivenPosition) {
    view.setText(Verses);
    EXPECT_EQ(view.findText("allah", 0, false), 0) << "a match at the very start is 0";
    const int second = view.findText("allah", 1, false);
    EXPECT_EQ(second, static_cast<int>(std::string(Verses).find("Allah,")));
    EXPECT_EQ(view.findText("ALLAH", second + 1, false), second + 7) << "inside allahu";
    EXPECT_EQ(view.findText("penyayang", 0, false),
              static_cast<int>(std::string(Verses).find("Penyayang")));
    EXPECT_EQ(view.findText("tidak ada", 0, false), -1);

    const int length = GetWindowTextLengthA(view.handle());
    EXPECT_EQ(view.findText("allah", length, false), -1);
    EXPECT_EQ(view.findText("a", length + 100, false), -1) << "start beyond the end";

    // Finding leaves the selection where it was.
    view.setSelStart(3);
    view.findText("akbar", 0, false);
    EXPECT_EQ(view.getSelection().cpMin, 3);
    EXPECT_EQ(view.getSelection().cpMax, 3);
}

TEST_F(RichViewTest, FindTextWholeWordSkipsPartsOfLongerWords) {
    view.setText(Verses);
    const std::string verses = Verses;
    EXPECT_EQ(view.findText("Peng", 0, false), static_cast<int>(verses.find("Peng")));
    EXPECT_EQ(view.findText("Peng", 0, true), -1) << "only the beginning of Pengasih";
    EXPECT_EQ(view.findText("asih", 0, true), -1) << "only the end of Pengasih";
    EXPECT_EQ(view.findText("allahu", 0, true), static_cast<int>(verses.find("allahu")));
    // "allah" as a word: the first two, never the one inside "allahu".
    const int first = view.findText("allah", 0, true);
    const int second = view.findText("allah", first + 1, true);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, static_cast<int>(verses.find("Allah,")));
    EXPECT_EQ(view.findText("allah", second + 1, true), -1);
}

TEST_F(RichViewTest, FocusOnlyWhenEnabled) {
    SetForegroundWindow(host->handle());
    EXPECT_TRUE(view.focus());
    EXPECT_EQ(GetFocus(), view.handle());
    SetFocus(host->handle());
    EnableWindow(view.handle(), FALSE);
    EXPECT_FALSE(view.focus());
    EXPECT_NE(GetFocus(), view.handle());
}

TEST_F(RichViewTest, CopySelectionPutsTheSelectionOnTheClipboard) {
    ASSERT_TRUE(setClipboardText(nullptr, "sebelumnya"));
    view.setText(Verses);
    view.setSelStart(6);
    view.setSelLength(4);
    view.copySelection();
    EXPECT_EQ(clipboardText(), "Maha");
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatA("Rich Text Format")));
}

TEST_F(RichViewTest, CopyWithNothingSelectedKeepsTheClipboard) {
    ASSERT_TRUE(setClipboardText(nullptr, "sebelumnya"));
    view.setText(Verses);
    view.setSelStart(4);
    view.copySelection();
    EXPECT_EQ(clipboardText(), "sebelumnya");

    view.setText("");
    view.selectAll();
    view.copySelection();
    EXPECT_EQ(clipboardText(), "sebelumnya");
}

TEST_F(RichViewTest, ViewWithoutWindowAnswersSafely) {
    auto& panel = host->add<RichViewTestPanel>();
    RichView& orphan = createRichView(panel, RichView::Path::Plain);
    orphan.setText(Verses);
    // The panel's window takes the view's window with it; the parent is gone, so no new one
    // can be made.
    const int windows = RichEditLibrary::liveWindows();
    DestroyWindow(panel.handle());
    ASSERT_EQ(orphan.handle(), nullptr);
    EXPECT_EQ(RichEditLibrary::liveWindows(), windows - 1) << "the library may go";
    EXPECT_EQ(orphan.findText("allah", 0, false), -1);
    EXPECT_EQ(orphan.text(), "");
    orphan.setText("x");
    orphan.appendText("y");
    orphan.selectAll();
    orphan.setSelTextColor(RGB(1, 2, 3));
    orphan.setSelBold();
    orphan.insetFormatRect(10);
    orphan.setFontFace("Courier New");
    orphan.setBackgroundColor(0x00FFFFFF);
    orphan.copySelection();
    EXPECT_FALSE(orphan.focus());
    EXPECT_EQ(orphan.getSelection().cpMin, 0);
}

}  // namespace
