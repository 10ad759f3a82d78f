// The aligned layout and the auto-size rule, read back from the real windows.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

// The reader's main window tree, with panels standing in for the list, splitter and view.
struct MainTree {
    Form form;
    Panel* header;
    Panel* body;
    Panel* list;
    Panel* splitter;
    Panel* status;
    Panel* view;
    Panel* toolbar;
    Panel* reading;

    MainTree() {
        FontDesc font = form.font();
        font.face = "Arial";
        font.height = 16;
        form.setFont(font);
        form.setClientSize(688, 450);
        header = &form.add<Panel>();
        header->setAlign(Align::Top);
        header->setHeight(39);
        body = &form.add<Panel>();
        body->setChildMargin(2);
        body->setAlign(Align::Client);
        list = &body->add<Panel>();
        list->setAlign(Align::Left);
        list->setWidth(151);
        splitter = &body->add<Panel>();
        splitter->setWidth(4);
        splitter->setAlign(Align::Left);
        status = &body->add<Panel>();
        status->setAlign(Align::Bottom);
        status->setHeight(25);
        view = &body->add<Panel>(PanelEdge::Lowered);
        view->setAlign(Align::Client);
        toolbar = &view->add<Panel>();
        toolbar->setHeight(26);
        toolbar->setAlign(Align::Top);
        reading = &view->add<Panel>();
        reading->setAlign(Align::Client);
    }
};

TEST(ToolkitLayout, MainWindowTreeAt688x450) {
    MainTree t;
    EXPECT_EQ(t.form.clientWidth(), 688);
    EXPECT_EQ(t.form.clientHeight(), 450);
    EXPECT_EQ(boxInParent(t.header->handle()), (WindowBox{0, 0, 688, 39}));
    EXPECT_EQ(boxInParent(t.body->handle()), (WindowBox{0, 39, 688, 411}));
    EXPECT_EQ(boxInParent(t.list->handle()), (WindowBox{2, 2, 151, 380}));
    EXPECT_EQ(boxInParent(t.splitter->handle()), (WindowBox{155, 2, 4, 380}));
    EXPECT_EQ(boxInParent(t.status->handle()), (WindowBox{2, 384, 684, 25}));
    EXPECT_EQ(boxInParent(t.view->handle()), (WindowBox{161, 2, 525, 380}));
    // The lowered edge takes one pixel on each side: the client area is 523 x 378.
    EXPECT_EQ(boxInParent(t.toolbar->handle()), (WindowBox{2, 2, 519, 26}));
    EXPECT_EQ(boxInParent(t.reading->handle()), (WindowBox{2, 30, 519, 346}));
    // The objects agree with the windows.
    EXPECT_EQ(t.view->left(), 161);
    EXPECT_EQ(t.view->width(), 525);
}

TEST(ToolkitLayout, ResizeLaysOutAgainAndClampsAtZero) {
    MainTree t;
    t.form.setClientSize(500, 300);
    EXPECT_EQ(boxInParent(t.body->handle()), (WindowBox{0, 39, 500, 261}));
    EXPECT_EQ(boxInParent(t.status->handle()), (WindowBox{2, 234, 496, 25}));
    EXPECT_EQ(boxInParent(t.list->handle()), (WindowBox{2, 2, 151, 230}));
    EXPECT_EQ(boxInParent(t.splitter->handle()), (WindowBox{155, 2, 4, 230}));
    EXPECT_EQ(boxInParent(t.view->handle()), (WindowBox{161, 2, 337, 230}));

    // Narrower than list + splitter: the view's right edge falls left of its left edge.
    t.form.setClientSize(120, 300);
    EXPECT_EQ(boxInParent(t.view->handle()), (WindowBox{161, 2, 0, 230}));
    EXPECT_EQ(boxInParent(t.reading->handle()).width, 0);
    // Lower than the header and the status line: heights clamp too.
    t.form.setClientSize(120, 50);
    EXPECT_EQ(boxInParent(t.body->handle()).height, 11);
    EXPECT_EQ(boxInParent(t.list->handle()).height, 0);

    // Widening an aligned child moves its siblings at once.
    t.form.setClientSize(688, 450);
    t.list->setWidth(200);
    EXPECT_EQ(boxInParent(t.splitter->handle()).left, 204);
    EXPECT_EQ(boxInParent(t.view->handle()), (WindowBox{210, 2, 476, 380}));
}

TEST(ToolkitLayout, RightAlignedAndUnalignedChildren) {
    Form form;
    form.setClientSize(300, 200);
    Panel& fixed = form.add<Panel>();
    fixed.setBounds(40, 50, 30, 20);
    Panel& right = form.add<Panel>();
    right.setWidth(60);
    right.setAlign(Align::Right);
    Panel& bottom = form.add<Panel>();
    bottom.setHeight(10);
    bottom.setAlign(Align::Bottom);
    form.setChildMargin(5);
    // The bottom band is placed first and takes the full width; the right one sits above it.
    EXPECT_EQ(boxInParent(bottom.handle()), (WindowBox{5, 185, 290, 10}));
    EXPECT_EQ(boxInParent(right.handle()), (WindowBox{235, 5, 60, 175}));
    EXPECT_EQ(boxInParent(fixed.handle()), (WindowBox{40, 50, 30, 20}));
    form.setClientSize(200, 100);
    EXPECT_EQ(boxInParent(fixed.handle()), (WindowBox{40, 50, 30, 20}));
    EXPECT_EQ(boxInParent(right.handle()), (WindowBox{135, 5, 60, 75}));
}

class ToolkitAutoSize : public ::testing::Test {
protected:
    ToolkitAutoSize() {
        FontDesc font = form.font();
        font.face = "Arial";
        font.height = 16;
        form.setFont(font);
        form.setClientSize(600, 200);
    }
    Form form;
};

TEST_F(ToolkitAutoSize, ExtentPlusExtraPerKind) {
    Label& label = form.add<Label>("info1");
    label.setAutoSize(true);
    CheckBox& check = form.add<CheckBox>("Kata tepat sama");
    check.setAutoSize(true);
    PushButton& button = form.add<PushButton>("??");
    button.setFontFace("Verdana");
    button.setAutoSize(true);

    SIZE l = textExtent("Arial", 16, FW_NORMAL, "info1");
    SIZE c = textExtent("Arial", 16, FW_NORMAL, "Kata tepat sama");
    SIZE b = textExtent("Verdana", 16, FW_NORMAL, "??");
    EXPECT_EQ(boxInParent(label.handle()).width, l.cx + 1);
    EXPECT_EQ(boxInParent(label.handle()).height, l.cy + 1);
    EXPECT_EQ(boxInParent(check.handle()).width, c.cx + 24);
    EXPECT_EQ(boxInParent(check.handle()).height, c.cy + 6);
    EXPECT_EQ(boxInParent(button.handle()).width, b.cx + 14);
    EXPECT_EQ(boxInParent(button.handle()).height, b.cy + 6);
    // The face change reached the font the button measures and draws with.
    LOGFONTA lf{};
    GetObjectA(button.fontHandle(), sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, "Verdana");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button.handle(), WM_GETFONT, 0, 0)),
              button.fontHandle());
}

TEST_F(ToolkitAutoSize, FollowsEveryCaptionChange) {
    Label& label = form.add<Label>("info1");
    label.setPosition(160, 4);
    label.setAutoSize(true);
    label.setCaption("6,236 Ayat ( 12 Kata )");
    SIZE longer = textExtent("Arial", 16, FW_NORMAL, "6,236 Ayat ( 12 Kata )");
    EXPECT_EQ(boxInParent(label.handle()), (WindowBox{160, 4, longer.cx + 1, longer.cy + 1}));
    label.setCaption("");
    EXPECT_EQ(boxInParent(label.handle()), (WindowBox{160, 4, 1, 1}));
    label.setCaption("7 Ayat");
    EXPECT_EQ(boxInParent(label.handle()).width,
              textExtent("Arial", 16, FW_NORMAL, "7 Ayat").cx + 1);

    // Without auto-size the caption leaves the size alone.
    Label& fixed = form.add<Label>("abc");
    fixed.setBounds(0, 0, 40, 10);
    fixed.setCaption("a much longer caption");
    EXPECT_EQ(boxInParent(fixed.handle()), (WindowBox{0, 0, 40, 10}));
}

TEST_F(ToolkitAutoSize, ChildrenCopyFontColourAndMarginAtCreation) {
    form.setFontColour(0x00FFFFFF);
    form.setColour(0x00F8E6D6);
    form.setChildMargin(3);
    Panel& panel = form.add<Panel>();
    form.setFontHeight(20);  // too late for the panel
    EXPECT_EQ(panel.font().face, "Arial");
    EXPECT_EQ(panel.font().height, 16);
    EXPECT_EQ(panel.font().colour, 0x00FFFFFFu);
    EXPECT_EQ(panel.colour(), 0x00F8E6D6u);
    EXPECT_EQ(panel.childMargin(), 3);
    Label& label = panel.add<Label>("x");
    EXPECT_EQ(label.font().height, 16);
    LOGFONTA lf{};
    GetObjectA(label.fontHandle(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, 16);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
}

}  // namespace
