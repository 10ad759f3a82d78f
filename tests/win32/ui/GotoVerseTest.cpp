// "Ke Ayat" on the real main window, opened with Ctrl+G as the keyboard delivers it and
// answered from inside its own modal run.
#include "ui/UGotoVerse.h"

#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win32/support/ModalAnswer.h"
#include "tests/win32/ui/GotoVerseDriver.h"

namespace {

class GotoVerse : public ReaderWithGotoVerse {};

TEST_F(GotoVerse, CtrlGThenAReferenceShowsTheSurahWithTheVerseFirstAndSelected) {
    gotoVerse("2:255");

    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_EQ(countLabel(), "286 Ayat");
    EXPECT_EQ(w->SurahList->itemIndex(), 1);
    EXPECT_EQ(selectedEntries(), 1);
    EXPECT_EQ(firstLine(viewText()).substr(0, 5), "2:1. ");
    const CHARRANGE verse = lineOfVerse(2, 255);
    ASSERT_GT(verse.cpMin, 0);
    const CHARRANGE chosen = selection();
    EXPECT_EQ(chosen.cpMin, verse.cpMin);
    EXPECT_EQ(chosen.cpMax, verse.cpMax);
    EXPECT_EQ(firstVisibleLine(), lineOf(verse.cpMin));
    EXPECT_EQ(GetFocus(), view());
}

TEST_F(GotoVerse, TheBoxStartsWithTheVerseAtTheCaretSelected) {
    clickEntry(17);  // Al-Kahfi, caret after the first character
    std::string shown;
    bool selected = false;
    HWND focus = nullptr;
    HWND owner = nullptr;
    gotoVerse({[&](const OpenGotoVerse& open) {
        shown = open.text();
        selected = open.wholeTextSelected();
        focus = GetFocus();
        owner = GetWindow(open.window, GW_OWNER);
        EXPECT_FALSE(IsWindowEnabled(form->handle())) << "the main window takes no input";
        PostMessageA(open.cancel, BM_CLICK, 0, 0);
    }});
    EXPECT_EQ(shown, "18:1");
    EXPECT_TRUE(selected);
    EXPECT_EQ(owner, form->handle());

    // Outside a verse line (the heading of a search result) the box starts empty.
    searchWithEnter("yahya");
    w->ReadingView->setSelStart(2);
    gotoVerse({[&](const OpenGotoVerse& open) {
        shown = open.text();
        postKey(open.box, VK_ESCAPE);
    }});
    EXPECT_EQ(shown, "");
}

TEST_F(GotoVerse, FromSearchResultsItLeavesSearchModeAsShowAllDoes) {
    searchWithEnter("yahya");
    ASSERT_TRUE(w->searchMode);
    gotoVerse("al-kahfi 10");
    EXPECT_FALSE(w->searchMode);
    EXPECT_EQ(listEntries().size(), 114u);
    EXPECT_EQ(w->SurahList->itemIndex(), 17);
    EXPECT_EQ(surahLabel(), "18. Al-Kahfi");
    const CHARRANGE verse = lineOfVerse(18, 10);
    EXPECT_EQ(selection().cpMin, verse.cpMin);
    EXPECT_EQ(selection().cpMax, verse.cpMax);
    EXPECT_EQ(firstVisibleLine(), lineOf(verse.cpMin));

    // The last verse cannot come first; the view goes as far as it can and selects it.
    gotoVerse("Yasin 83");
    EXPECT_EQ(surahLabel(), "36. Yasin");
    const CHARRANGE last = lineOfVerse(36, 83);
    EXPECT_EQ(selection().cpMin, last.cpMin);
    EXPECT_GT(firstVisibleLine(), 0);
    EXPECT_LE(firstVisibleLine(), lineOf(last.cpMin));
}

TEST_F(GotoVerse, BadInputKeepsTheWindowOpenAndSaysWhy) {
    clickEntry(1);
    const std::string before = viewText();
    std::vector<std::string> messages;
    std::vector<std::string> captions;
    ModalAnswer boxes(ModalAnswer::Kind::MessageBox, [&](HWND box) {
        messages.push_back(ModalAnswer::messageText(box));
        captions.push_back(ModalAnswer::caption(box));
        ModalAnswer::press(box, IDOK);
    });
    std::vector<bool> selectedAfter;
    std::vector<bool> focusedAfter;
    const auto checkAndType = [&](const std::string& next) {
        return [&, next](const OpenGotoVerse& open) {
            selectedAfter.push_back(open.wholeTextSelected());
            focusedAfter.push_back(GetFocus() == open.box);
            open.type(next);
            open.enter();
        };
    };
    gotoVerse({[](const OpenGotoVerse& open) {
                   open.type("115");
                   PostMessageA(open.ok, BM_CLICK, 0, 0);
               },
               checkAndType("2:287"), checkAndType("-2:5"), checkAndType(std::string(30000, '9')),
               checkAndType("mum"),
               [&](const OpenGotoVerse& open) {
                   selectedAfter.push_back(open.wholeTextSelected());
                   focusedAfter.push_back(GetFocus() == open.box);
                   PostMessageA(open.cancel, BM_CLICK, 0, 0);
               }});

    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Surat 115 tidak ada; surat 1 sampai 114", "Al-Baqarah hanya 286 ayat",
                            "\"-2:5\" bukan rujukan ayat; contoh: 2:255 atau Al-Baqarah 255",
                            "Surat 999999999999... tidak ada; surat 1 sampai 114",
                            "\"mum\" cocok dengan beberapa surat: Al-Mu'minun [23], "
                            "Al-Mu'min [40], Al-Mumtahanah [60]"}));
    EXPECT_EQ(captions, std::vector<std::string>(5, "Informasi"));
    EXPECT_EQ(selectedAfter, std::vector<bool>(5, true));
    EXPECT_EQ(focusedAfter, std::vector<bool>(5, true));
    EXPECT_TRUE(boxes.unexpected().empty());
    EXPECT_EQ(viewText(), before) << "Batal changes nothing";
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
}

TEST_F(GotoVerse, EmptyTextEscapeAndTheCloseBoxDoNothing) {
    clickEntry(4);
    w->ReadingView->setSelStart(30);
    const std::string text = viewText();
    const CHARRANGE caret = selection();
    ModalAnswer noBox(ModalAnswer::Kind::MessageBox,
                      [](HWND box) { ModalAnswer::press(box, IDOK); });
    gotoVerse({[](const OpenGotoVerse& open) {
        open.type("   ");
        open.enter();
    }});
    gotoVerse({[](const OpenGotoVerse& open) {
        open.type("2:255");
        postKey(open.box, VK_ESCAPE);
    }});
    gotoVerse({[](const OpenGotoVerse& open) {
        open.type("2:255");
        PostMessageA(open.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }});
    EXPECT_EQ(noBox.answered(), 0);
    EXPECT_EQ(viewText(), text);
    EXPECT_EQ(surahLabel(), "5. Al-Maaidah");
    EXPECT_EQ(selection().cpMin, caret.cpMin);
}

TEST_F(GotoVerse, AnyTextPastedIsAnsweredWithTheUsualMessage) {
    // Halves of surrogate pairs and letters the box's code page lacks: "Ke Ayat" says the
    // text is no reference and stays open, as for any other text.
    std::vector<std::string> messages;
    ModalAnswer boxes(ModalAnswer::Kind::MessageBox, [&](HWND box) {
        messages.push_back(ModalAnswer::messageText(box));
        ModalAnswer::press(box, IDOK);
    });
    const auto paste = [](const wchar_t* text) {
        return [text](const OpenGotoVerse& open) {
            SetWindowTextW(open.box, text);
            open.enter();
        };
    };
    gotoVerse({paste(L"\xD800"), paste(L"2:\xDC00\xD83D"), paste(L"\x064A\x0633"),
               [](const OpenGotoVerse& open) { PostMessageA(open.cancel, BM_CLICK, 0, 0); }});
    ASSERT_EQ(messages.size(), 3u);
    for (const std::string& message : messages)
        EXPECT_NE(message.find("bukan rujukan ayat"), std::string::npos) << message;
    EXPECT_TRUE(boxes.unexpected().empty());
}

}  // namespace
