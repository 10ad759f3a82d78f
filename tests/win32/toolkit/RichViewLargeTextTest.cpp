#include "toolkit/RichView.h"

#include "tests/win32/toolkit/RichViewTestHost.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr const char* SurahOne =
    "1:1. Dengan nama Allah Yang Maha Pengasih, Maha Penyayang.\r\n\r\n"
    "1:2. Segala puji bagi Allah, Tuhan seluruh alam,\r\n\r\n";

// Everything of a view that a replacement of its content must leave as it was.
struct ViewState {
    HWND parent;
    int id;
    RECT bounds;
    HWND nextSibling;
    HWND previousSibling;
    bool visible;
    bool focused;
    std::string face;
    LONG fontHeight;
    LRESULT eventMask;
    LRESULT limit;
    COLORREF background;
    RECT margins;  // of the formatting rectangle inside the client area
};

ViewState stateOf(const RichView& view) {
    HWND window = view.handle();
    ViewState s{};
    s.parent = GetParent(window);
    s.id = GetDlgCtrlID(window);
    GetWindowRect(window, &s.bounds);
    s.nextSibling = GetWindow(window, GW_HWNDNEXT);
    s.previousSibling = GetWindow(window, GW_HWNDPREV);
    s.visible = IsWindowVisible(window) != FALSE;
    s.focused = GetFocus() == window;
    s.face = defaultFormatOf(view).szFaceName;
    s.fontHeight = defaultFormatOf(view).yHeight;
    s.eventMask = SendMessageA(window, EM_GETEVENTMASK, 0, 0);
    s.limit = SendMessageA(window, EM_GETLIMITTEXT, 0, 0);
    s.background = backgroundOf(view);
    const RECT format = formatRectOf(view);
    RECT client{};
    GetClientRect(window, &client);
    s.margins = {format.left - client.left, format.top - client.top, client.right - format.right,
                 client.bottom - format.bottom};
    return s;
}

void expectSameState(const ViewState& a, const ViewState& b, const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(a.parent, b.parent);
    EXPECT_EQ(a.id, b.id);
    EXPECT_TRUE(EqualRect(&a.bounds, &b.bounds));
    EXPECT_EQ(a.nextSibling, b.nextSibling) << "z-order";
    EXPECT_EQ(a.previousSibling, b.previousSibling) << "z-order";
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_EQ(a.focused, b.focused);
    EXPECT_EQ(a.face, b.face);
    EXPECT_EQ(a.fontHeight, b.fontHeight);
    EXPECT_EQ(a.eventMask, b.eventMask);
    EXPECT_EQ(a.limit, b.limit);
    EXPECT_EQ(a.background, b.background);
    // The control may report its rectangle one pixel off; a copy must not drift further, with
    // the scroll bar shown or not.
    EXPECT_NEAR(a.margins.left, b.margins.left, 1);
    EXPECT_NEAR(a.margins.top, b.margins.top, 1);
    EXPECT_NEAR(a.margins.right, b.margins.right, 1);
    EXPECT_NEAR(a.margins.bottom, b.margins.bottom, 1);
}

class RichViewLargeTextTest : public RichViewSuite {
protected:
    static void SetUpTestSuite() {
        RichViewSuite::SetUpTestSuite();
        verses = new std::string(verseText());
    }
    static void TearDownTestSuite() {
        delete verses;
        verses = nullptr;
        RichViewSuite::TearDownTestSuite();
    }

    void SetUp() override {
        view.setBounds(10, 10, 600, 400);
        // A sibling after the view, to see that the view keeps its place in the z-order.
        sibling = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 420, 50, 20,
                                  host->handle(), nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        view.setText("");
        ShowWindow(view.handle(), SW_HIDE);
        DestroyWindow(sibling);
    }

    static std::string* verses;
    RichView& view = createRichView(*host, RichView::Path::Plain);
    HWND sibling = nullptr;
};

std::string* RichViewLargeTextTest::verses = nullptr;

TEST_F(RichViewLargeTextTest, HoldsMoreThanAMillionCharactersWhole) {
    const std::string& text = *verses;
    ASSERT_GT(text.size(), 1'100'000u);
    view.setText(text);
    const LONG length = GetWindowTextLengthA(view.handle());
    ASSERT_EQ(length, static_cast<LONG>(text.size()));
    EXPECT_EQ(textRangeOf(view, 0, 200), text.substr(0, 200));
    EXPECT_EQ(textRangeOf(view, length - 300, length), text.substr(text.size() - 300));
    EXPECT_EQ(view.text(), text);
    EXPECT_EQ(view.getSelection().cpMin, 0);
    EXPECT_EQ(view.getSelection().cpMax, 0);

    // Small over large, large again, appended to: each time exactly the new text.
    view.setText(SurahOne);
    EXPECT_EQ(view.text(), SurahOne);
    view.setText(text);
    EXPECT_EQ(GetWindowTextLengthA(view.handle()), length);
    view.appendText("akhir");
    EXPECT_EQ(textRangeOf(view, length, length + 5), "akhir");
    EXPECT_EQ(GetWindowTextLengthA(view.handle()), length + 5);
    view.setText("");
    EXPECT_EQ(view.text(), "");
}

TEST_F(RichViewLargeTextTest, ReplacingLargeTextKeepsTheViewsState) {
    SetForegroundWindow(host->handle());
    view.focus();
    view.insetFormatRect(10);
    view.setBackgroundColor(0x00E0F0FF);
    view.setText(SurahOne);
    const ViewState before = stateOf(view);
    ASSERT_TRUE(before.focused);
    ASSERT_TRUE(before.nextSibling == sibling || before.previousSibling == sibling);

    view.setText(*verses);
    EXPECT_EQ(Control::fromHandle(view.handle()), &view) << "the view is bound to its window";
    // A fresh window made while the text was short still scrolls the long one.
    EXPECT_TRUE(GetWindowLongA(view.handle(), GWL_STYLE) & WS_VSCROLL);
    expectSameState(before, stateOf(view), "large over small");
    view.setText(SurahOne);
    expectSameState(before, stateOf(view), "small over large");
    view.setText(*verses);
    view.setText(*verses);
    expectSameState(before, stateOf(view), "large over large");
    EXPECT_EQ(view.left(), 10);
    EXPECT_EQ(view.width(), 600);

    // The margin shrinks from where it is, as on a view that never changed its window.
    const RECT inset = formatRectOf(view);
    view.insetFormatRect(10);
    EXPECT_NEAR(formatRectOf(view).left, inset.left + 10, 1);
}

TEST_F(RichViewLargeTextTest, LargeTextIsPlainInTheViewsFont) {
    view.setText(SurahOne);
    view.selectAll();
    view.setSelTextColor(RGB(0, 0, 160));
    view.setSelBold();
    view.setText(*verses);
    const LONG length = GetWindowTextLengthA(view.handle());
    for (auto [from, to] : {std::pair{0L, 40L}, std::pair{length - 40, length}}) {
        CHARFORMATA format = charFormatOf(view, from, to);
        EXPECT_EQ(std::string(format.szFaceName), "Arial") << from;
        EXPECT_FALSE(format.dwEffects & CFE_BOLD) << from;
        EXPECT_TRUE(format.dwEffects & CFE_AUTOCOLOR) << from;
    }
    // And the view goes on working on it: find, bold, colour.
    const int hit = view.findText("khalifah", 0, true);
    ASSERT_GE(hit, 0);
    view.setSelStart(hit);
    view.setSelLength(8);
    view.setSelBold();
    EXPECT_TRUE(charFormatOf(view, hit, hit + 8).dwEffects & CFE_BOLD);
    EXPECT_FALSE(charFormatOf(view, hit + 9, hit + 20).dwEffects & CFE_BOLD);
}

TEST_F(RichViewLargeTextTest, HiddenViewStaysHidden) {
    ShowWindow(view.handle(), SW_HIDE);
    view.setText(*verses);
    EXPECT_FALSE(IsWindowVisible(view.handle()));
    view.setText(SurahOne);
    EXPECT_FALSE(IsWindowVisible(view.handle()));
    EXPECT_EQ(view.text(), SurahOne);
}

}  // namespace
