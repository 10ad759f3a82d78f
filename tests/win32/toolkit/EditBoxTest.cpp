// The single-line edit box: keys, text, border and colours, on a real window.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct EditHost {
    Form form;
    EditBox* box;
    EditHost() {
        form.setClientSize(300, 100);
        box = &form.add<EditBox>("Muhammad");
        box->setBounds(8, 8, 145, 22);
        form.show();
        box->setFocus();
        pumpPending();
    }
    DWORD caret() const {
        DWORD start = 0;
        SendMessageA(box->handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        return start;
    }
};

TEST(EditBox, IsASingleLineBoxThatScrollsSideways) {
    EditHost host;
    const LONG style = GetWindowLongA(host.box->handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(style & ES_MULTILINE);
    EXPECT_EQ(host.box->text(), "Muhammad");
    // A text far wider than the box is taken whole.
    const std::string longText(300, 'x');
    host.box->setText(longText);
    EXPECT_EQ(host.box->text(), longText);
}

TEST(EditBox, TheSlotSeesEveryKeyAndTheBoxStillProcessesIt) {
    EditHost host;
    std::vector<WORD> seen;
    host.box->onKeyDown = [&](Control& sender, WORD& key) {
        EXPECT_EQ(&sender, host.box);
        seen.push_back(key);
    };
    SendMessageA(host.box->handle(), EM_SETSEL, 0, 0);
    SendMessageA(host.box->handle(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(host.box->handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(seen, (std::vector<WORD>{VK_RETURN, VK_END}));
    // End moved the caret: the box handled the key after the slot.
    EXPECT_EQ(host.caret(), 8u);
    // Typed characters still arrive.
    SendMessageA(host.box->handle(), WM_CHAR, '!', 0);
    EXPECT_EQ(host.box->text(), "Muhammad!");
    // The program's text and what the user typed are both read back.
    EXPECT_EQ(host.box->caption(), "Muhammad");
}

TEST(EditBox, ASlotThatClearsTheKeyKeepsItFromTheBox) {
    EditHost host;
    host.box->onKeyDown = [](Control&, WORD& key) { key = 0; };
    SendMessageA(host.box->handle(), EM_SETSEL, 0, 0);
    SendMessageA(host.box->handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(host.caret(), 0u);
}

TEST(EditBox, WithoutTheThreeDEdgeTheBorderIsOnePixel) {
    EditHost host;
    const auto frame = [&] {
        RECT window{}, client{};
        GetWindowRect(host.box->handle(), &window);
        GetClientRect(host.box->handle(), &client);
        return (window.right - window.left) - client.right;
    };
    EXPECT_TRUE(host.box->edge3D());
    EXPECT_EQ(frame(), 4);  // two pixels of sunken edge on each side
    host.box->setEdge3D(false);
    EXPECT_FALSE(host.box->edge3D());
    EXPECT_FALSE(GetWindowLongA(host.box->handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(frame(), 2);
    EXPECT_EQ(boxInParent(host.box->handle()), (WindowBox{8, 8, 145, 22}));
    EXPECT_EQ(host.box->text(), "Muhammad");
}

}  // namespace
