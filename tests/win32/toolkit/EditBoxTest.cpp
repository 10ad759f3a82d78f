// The single-line edit box: keys, text, border and colours, on a real window.
#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Application.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <string>
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

// Arabic typed with an Arabic keyboard layout arrives as posted characters, and pasted text
// as a Unicode text: the Unicode box holds both whole, through the application's own pump, and
// gives the ANSI form of what it holds where Latin text is wanted.
TEST(EditBox, AUnicodeBoxTakesArabicTypedThroughThePumpOrPasted) {
    Form form;
    form.setClientSize(300, 100);
    EditBox& box = form.add<EditBox>("", EditBox::Characters::Unicode);
    form.show();
    box.setFocus();
    EXPECT_TRUE(IsWindowUnicode(box.handle()));
    for (const wchar_t c : std::wstring(L"\u0627\u0644\u0644\u0647")) {
        PostMessageW(box.handle(), WM_CHAR, c, 1);
    }
    Application::processMessages();
    EXPECT_EQ(box.unicodeText(), L"\u0627\u0644\u0644\u0647");
    EXPECT_EQ(box.text(), "????");
    SendMessageW(box.handle(), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(L" \u0671\u0644\u0631\u064e\u0651 sabar"));
    EXPECT_EQ(box.unicodeText(), L"\u0627\u0644\u0644\u0647 \u0671\u0644\u0631\u064e\u0651 sabar");
    // Latin text reads back as it always did.
    box.setText("Muhammad \xE9");
    EXPECT_EQ(box.text(), "Muhammad \xE9");
    EXPECT_EQ(box.unicodeText(), L"Muhammad \u00E9");
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
