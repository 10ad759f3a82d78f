// "Arab" on the real main window: the Arabic of every verse above its translation in the
// Unicode view, the same verse at the top and the same selection across a toggle, the
// translation exactly as before when it is off again, search marks only in the translation,
// and the verses' own text in what leaves the program ("Kutip", "Copy", Ctrl+C, "Simpan").
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "corpus/ArabicFont.h"
#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/ArabicDrawing.h"
#include "reader/ArabicSearch.h"
#include "reader/StatusText.h"
#include "reader/Utf16.h"
#include "reader/ViewLines.h"
#include "reader/ViewText.h"
#include "tests/win32/support/Keyboard.h"
#include "tests/win32/support/ModalAnswer.h"
#include "tests/win32/support/PackageArabic.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "toolkit/Clipboard.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/Toolbar.h"

namespace {

std::u16string ownArabic(int s, int a) {
    return rules::Utf8ToUtf16(packageArabic().view(surah::corpusIndex(s, a)));
}

std::u16string widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// These tests run under Wine, whose shaper gets the drawn form made for it.
constexpr rules::ArabicShaper Shaper = rules::ArabicShaper::Wine;

class ArabicView : public ShownReader {
protected:
    std::string viewClass() const {
        char name[64] = {};
        GetClassNameA(w->ReadingView->handle(), name, sizeof name);
        return name;
    }
    std::u16string unicodeText() const {
        const std::wstring text = w->ReadingView->unicodeText();
        return std::u16string(text.begin(), text.end());
    }
    // What the Unicode view must hold for a view text: every verse line's drawn Arabic and a
    // paragraph mark above it, every line followed by two marks.
    static std::u16string withArabic(const std::string& text) {
        std::u16string view;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = text.find("\r\n\r\n", at);
            const std::string line = text.substr(at, end - at);
            if (const auto verse = rules::VerseOfLine(line)) {
                view += rules::DrawArabic(ownArabic(verse->surah, verse->verse), Shaper).text;
                view += u'\r';
            }
            view += widen(line) + u"\r\r";
            at = end + 4;
        }
        return view;
    }
    // Where the Arabic line of verse s:a starts in the Unicode view text.
    static std::size_t arabicLineOf(const std::u16string& view, int s, int a) {
        const std::u16string line = widen(std::to_string(s) + ":" + std::to_string(a) + ". ");
        const std::size_t lineStart = view.find(u"\r" + line) + 1;
        return view.rfind(u'\r', lineStart - 2) + 1;
    }
    int firstVisible() const { return w->ReadingView->firstVisiblePosition(); }
    PARAFORMAT2 paragraphAt(int position) const {
        HWND view = w->ReadingView->handle();
        CHARRANGE at{position, position};
        SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
        PARAFORMAT2 format{};
        format.cbSize = sizeof format;
        SendMessageW(view, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    CHARFORMAT2W charAt(int position) const {
        HWND view = w->ReadingView->handle();
        CHARRANGE one{position, position + 1};
        SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    void select(int from, int to) {
        CHARRANGE range{from, to};
        SendMessageW(w->ReadingView->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    static std::u16string clipboardUnicode() {
        std::u16string text;
        if (!OpenClipboard(nullptr))
            return u"(clipboard busy)";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    }
};

TEST_F(ArabicView, OnShowsTheArabicAboveEveryVerseAndOffGivesTheSameTextBack) {
    clickEntry(1);  // 2. Al-Baqarah
    const std::string translation = viewText();
    HWND ansiView = w->ReadingView->handle();
    const std::string ansiClass = viewClass();
    // 2:100 at the top, 2:101 selected from its start to the middle of its line.
    const int line100 = static_cast<int>(translation.find("\r\n2:100. ") + 2);
    const int line101 = static_cast<int>(translation.find("\r\n2:101. ") + 2);
    w->ReadingView->scrollToTop(line100);
    select(line101, line101 + 40);
    ASSERT_EQ(firstVisible(), line100);

    pressArab();
    EXPECT_TRUE(w->ViewToolbar->checked(toolbar::Arabic));
    EXPECT_STRCASEEQ(viewClass().c_str(), "RICHEDIT50W");
    EXPECT_TRUE(IsWindowUnicode(w->ReadingView->handle()));
    const std::u16string shown = unicodeText();
    ASSERT_EQ(shown, withArabic(translation));
    EXPECT_EQ(surahLabel(), "2. Al-Baqarah");
    EXPECT_EQ(countLabel(), "286 Ayat");

    // The same verse at the top, from its Arabic line; the selection on the same characters,
    // with the Arabic line of the verse whose line it started with.
    const int arabic100 = static_cast<int>(arabicLineOf(shown, 2, 100));
    const int arabic101 = static_cast<int>(arabicLineOf(shown, 2, 101));
    EXPECT_EQ(firstVisible(), arabic100);
    const CHARRANGE kept = selection();
    EXPECT_EQ(kept.cpMin, arabic101);
    EXPECT_EQ(shown.substr(kept.cpMax - 40, 40), widen(translation.substr(line101, 40)));

    // Arabic right to left and aligned right in its font; the translation as it was.
    const PARAFORMAT2 arabicParagraph = paragraphAt(arabic100);
    EXPECT_EQ(arabicParagraph.wAlignment, PFA_RIGHT);
    EXPECT_TRUE(arabicParagraph.wEffects & PFE_RTLPARA);
    EXPECT_STREQ(charAt(arabic100 + 2).szFaceName, ArabicFontFace);
    const int translation100 = static_cast<int>(shown.find(u"2:100. "));
    EXPECT_EQ(paragraphAt(translation100).wAlignment, PFA_LEFT);
    EXPECT_STREQ(charAt(translation100 + 2).szFaceName, L"Arial");

    // Off: the translation alone, exactly, in the usual view, with the same place; a
    // selection that starts inside an Arabic line starts with its verse's line.
    select(arabic101 + 3, kept.cpMax);
    w->ReadingView->scrollToTop(arabic100);
    ASSERT_EQ(firstVisible(), arabic100);
    pressArab();
    EXPECT_FALSE(w->ViewToolbar->checked(toolbar::Arabic));
    EXPECT_EQ(viewClass(), ansiClass);
    EXPECT_NE(w->ReadingView->handle(), ansiView);
    EXPECT_EQ(viewText(), translation);
    EXPECT_EQ(firstVisible(), line100);
    EXPECT_EQ(selection().cpMin, line101);
    EXPECT_EQ(selection().cpMax, line101 + 40);
}

// Every verse goes through the system's shaper with the drawn form of the build under test:
// none may take the process down (Wine's shaper once read before its glyph array at 2:72)
// or come out short.
TEST_F(ArabicView, EverySurahShowsWhole) {
    pressArab();
    for (int s = 1; s <= surah::SurahCount; ++s) {
        clickEntry(s - 1);
        ASSERT_EQ(unicodeText(), withArabic(rules::SurahText(*w->corpus, s).text)) << "surah " << s;
    }
}

TEST_F(ArabicView, ASearchCountsAndMarksOnlyTheTranslation) {
    searchWithEnter("sabar");
    const std::string result = viewText();
    const std::string surahs = surahLabel(), count = countLabel();
    ASSERT_NE(count.find("Kata"), std::string::npos);

    pressArab();
    EXPECT_EQ(surahLabel(), surahs);
    EXPECT_EQ(countLabel(), count);
    const std::u16string shown = unicodeText();
    ASSERT_EQ(shown, withArabic(result));
    // Searched again with the Arabic on: the same result, the same labels.
    searchWithEnter("sabar");
    EXPECT_EQ(countLabel(), count);
    ASSERT_EQ(unicodeText(), shown);

    // Every hit bold, nothing else: no Arabic character, no other word.
    HWND view = w->ReadingView->handle();
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    std::vector<bool> bold(shown.size(), false);
    for (std::size_t at = 0; (at = shown.find(u"sabar", at)) != std::u16string::npos; ++at)
        std::fill(bold.begin() + at, bold.begin() + at + 5, true);
    int checked = 0;
    for (std::size_t from = 0; from < shown.size();) {
        std::size_t to = from;
        while (to < shown.size() && bold[to] == bold[from] && shown[to] != u'\r')
            ++to;
        if (to > from) {
            EXPECT_EQ(bold[from] ? allBold(int(from), int(to - from))
                                 : noneBold(int(from), int(to - from)),
                      true)
                << (bold[from] ? "bold" : "plain") << " stretch at " << from;
            ++checked;
        }
        from = std::max(to, from + 1);
    }
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    EXPECT_GT(checked, 300);
}

TEST_F(ArabicView, KutipCopyAndCtrlCLeaveTheVersesOwnText) {
    pressArab();  // the seven verses of surah 1
    const std::u16string shown = unicodeText();
    const int arabic6 = static_cast<int>(arabicLineOf(shown, 1, 6));
    const int arabic7 = static_cast<int>(arabicLineOf(shown, 1, 7));
    const int line7 = static_cast<int>(shown.find(u"1:7. "));
    // Drawn for Wine, 1:7's alef with maddah is one letter; what leaves is the package's.
    ASSERT_NE(rules::DrawArabic(ownArabic(1, 7), Shaper).text, ownArabic(1, 7));

    select(arabic6 + 4, line7 + 10);
    pressChord(w->ReadingView->handle(), 'C', CtrlKey | ShiftKey);
    const std::string trans6 = w->corpus->item(surah::corpusIndex(1, 6)).substr(5);
    const std::string trans7 = w->corpus->item(surah::corpusIndex(1, 7)).substr(5);
    EXPECT_EQ(clipboardUnicode(), ownArabic(1, 6) + u"\r\n" + widen(trans6) + u"\r\n" +
                                      ownArabic(1, 7) + u"\r\n" + widen(trans7) +
                                      u"\r\n(QS. Al-Fatihah [1]: 6-7)");
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatA("Rich Text Format")));

    // The whole Arabic line of 1:7 and its mark, with Ctrl+C in the view and with "Copy".
    const int end7 = arabic7 + static_cast<int>(shown.find(u'\r', arabic7)) - arabic7 + 1;
    select(arabic7, end7);
    pressChord(w->ReadingView->handle(), 'C', CtrlKey);
    EXPECT_EQ(clipboardUnicode(), ownArabic(1, 7) + u"\r\n");
    setClipboardUnicode(form->handle(), u"-");
    select(arabic7, end7);
    SendMessageA(GetParent(w->ViewToolbar->handle()), WM_COMMAND, MAKEWPARAM(3, BN_CLICKED),
                 reinterpret_cast<LPARAM>(w->ViewToolbar->handle()));
    EXPECT_EQ(clipboardUnicode(), ownArabic(1, 7) + u"\r\n");
}

TEST_F(ArabicView, GoingToAVerseBringsItsArabicLineToTheTopWithBothLinesSelected) {
    pressArab();
    w->ShowVerse(2, 255);
    const std::u16string shown = unicodeText();
    const int arabic = static_cast<int>(arabicLineOf(shown, 2, 255));
    const int lineEnd = static_cast<int>(shown.find(u'\r', shown.find(u"2:255. ")));
    EXPECT_EQ(selection().cpMin, arabic);
    EXPECT_EQ(selection().cpMax, lineEnd);
    EXPECT_EQ(firstVisible(), arabic);
    EXPECT_EQ(GetFocus(), w->ReadingView->handle());
}

TEST_F(ArabicView, ATextSavedWithTheArabicIsUtf8WithTheVersesOwnText) {
    pressArab();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "nurvela-arab";
    DeleteFileA((path + ".TXT").c_str());
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        ModalAnswer::chooseFileType(save, 1);
        ModalAnswer::setFileName(save, path);
        ModalAnswer::press(save, IDOK);
    });
    pressChord(w->ReadingView->handle(), 'S', CtrlKey);
    ASSERT_EQ(answer.answered(), 1);
    std::ifstream file(path + ".TXT", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    std::u16string expected;
    for (int a = 1; a <= 7; ++a) {
        expected += ownArabic(1, a) + u"\r\n" + widen(w->corpus->item(surah::corpusIndex(1, a))) +
                    u"\r\n\r\n";
    }
    EXPECT_TRUE(bytes.str() == "\xEF\xBB\xBF" + rules::Utf16ToUtf8(expected));
    DeleteFileA((path + ".TXT").c_str());
}

TEST_F(ArabicView, TheTextColourColoursBothLinesAndLastsAcrossTheChange) {
    const auto chooseTextColour = [this](COLORREF colour) {
        ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [colour](HWND chooser) {
            ModalAnswer::setColour(chooser, colour);
            ModalAnswer::press(chooser, IDOK);
        });
        click(w->FontColourButton->handle());
        ASSERT_EQ(answer.answered(), 1);
    };
    // The whole text, the final mark aside, in one colour.
    const auto colourOfAll = [this]() -> COLORREF {
        const int end = static_cast<int>(unicodeText().size()) - 1;
        const CHARFORMAT2W all = charAt(0);
        select(0, end);
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(w->ReadingView->handle(), EM_GETCHARFORMAT, SCF_SELECTION,
                     reinterpret_cast<LPARAM>(&format));
        return (format.dwMask & CFM_COLOR) && !(format.dwEffects & CFE_AUTOCOLOR) ? all.crTextColor
                                                                                  : CLR_INVALID;
    };
    pressArab();  // the seven verses shown at the start, in the view's own colour
    chooseTextColour(RGB(0x1E, 0x5A, 0x28));
    EXPECT_EQ(colourOfAll(), RGB(0x1E, 0x5A, 0x28));
    pressArab();
    EXPECT_EQ(colourOfAll(), RGB(0x1E, 0x5A, 0x28));
    chooseTextColour(RGB(0x80, 0x00, 0x40));
    pressArab();
    EXPECT_EQ(colourOfAll(), RGB(0x80, 0x00, 0x40));
}

TEST_F(ArabicView, ACloseOrArabOffWhileASurahStreamsInIsSafe) {
    pressArab();
    {
        // "Arab" off between the pieces of surah 2: the translation alone, whole.
        BetweenPieces off(2, [this] { pressArab(); });
        clickEntry(1);
        ASSERT_TRUE(off.ran());
        EXPECT_FALSE(w->ViewToolbar->checked(toolbar::Arabic));
        EXPECT_EQ(viewText(), rules::SurahText(*w->corpus, 2).text);
    }
    pressArab();
    BetweenPieces close(2, [this] { PostMessageA(form->handle(), WM_CLOSE, 0, 0); });
    HWND window = form->handle();
    clickEntry(1);
    ASSERT_TRUE(close.ran());
    EXPECT_FALSE(IsWindow(window));
    w = nullptr;
    form.release();  // destroyed with its window
    Application::processMessages();
}

// Arabic typed into the search box searches the Arabic: the verses found under their headings
// with "Arab" switched on, the words that hold a hit bold in the Arabic line and nowhere else,
// the usual counts; "Arab" off gives the same verses' translations, and a surah chosen from
// the list its own hits, bold again.
TEST_F(ArabicView, AnArabicSearchShowsTheVersesFoundWithTheirHitsBoldInTheArabic) {
    const std::wstring typed =
        L"\u0627\u0644\u0631\u062D\u0645\u0646 \u0627\u0644\u0631\u062D\u064A\u0645";
    SetWindowTextW(w->SearchBox->handle(), typed.c_str());
    pressKey(w->SearchBox->handle(), VK_RETURN);

    // The labels give what the scan of the Arabic found, in the usual forms.
    const rules::ArabicIndex index(packageArabic());
    const rules::ArabicScan scan = rules::ScanArabic(
        index, rules::Utf16ToUtf8(std::u16string(typed.begin(), typed.end())), false);
    ASSERT_GE(scan.scan.hitCount, 2);
    EXPECT_EQ(surahLabel(), std::to_string(scan.scan.resultSurahs.size()) + " Surat");
    EXPECT_EQ(countLabel(), rules::FormatCount(scan.scan.hitCount) + " Ayat  ( " +
                                rules::FormatCount(scan.occurrenceCount) + " Kata )");
    EXPECT_EQ(static_cast<int>(listEntries().size()),
              static_cast<int>(scan.scan.resultSurahs.size()));
    EXPECT_TRUE(w->ViewToolbar->checked(toolbar::Arabic));
    const std::string result = rules::ResultText(*w->corpus, scan.scan.resultItems);
    ASSERT_NE(result.find("\r\n1:1. "), std::string::npos);
    ASSERT_NE(result.find("\r\n1:3. "), std::string::npos);
    const std::u16string shown = unicodeText();
    ASSERT_EQ(shown, withArabic(result));

    // 1:1, "bismi llaahi r-rahmaani r-rahiim": the last two words bold, the first two not,
    // and nothing of its translation.
    HWND view = w->ReadingView->handle();
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    const std::size_t line = arabicLineOf(shown, 1, 1);
    const std::u16string drawn = rules::DrawArabic(ownArabic(1, 1), Shaper).text;
    int word = 0;
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        if (drawn[k] == u' ') {
            ++word;
            continue;
        }
        const bool bold = charAt(static_cast<int>(line + k)).dwEffects & CFE_BOLD;
        EXPECT_EQ(bold, word >= 2) << "word " << word << ", unit " << k;
    }
    const int translation = static_cast<int>(shown.find(u"1:1. "));
    for (int k = 0; k < 20; ++k)
        EXPECT_FALSE(charAt(translation + k).dwEffects & CFE_BOLD);
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);

    // "Arab" off: the translations of the same verses, plain; the labels stay.
    const std::string labels = countLabel();
    pressArab();
    EXPECT_EQ(viewText(), result);
    EXPECT_EQ(countLabel(), labels);
    pressArab();
    EXPECT_EQ(unicodeText(), shown);

    // The first surah of the list: its own hits, bold again.
    clickEntry(0);
    const std::string surah1 = rules::SurahHitsText(*w->corpus, scan.scan.resultItems, 1).text;
    const std::u16string own = unicodeText();
    ASSERT_EQ(own, withArabic(surah1));
    EXPECT_TRUE(charAt(static_cast<int>(arabicLineOf(own, 1, 1) + drawn.size() - 2)).dwEffects &
                CFE_BOLD);
}

// Text that holds no Arabic letter, only marks or tatweel, a Latin letter beside the Arabic
// or far more than any verse: the usual message, and the start again.
TEST_F(ArabicView, WhatAnArabicSearchCannotFindEndsInTheUsualMessage) {
    const std::wstring lots(20000, L'\u0628');
    for (const std::wstring& typed :
         {std::wstring(L"\u064E\u0651\u0652"), std::wstring(L"\u0640\u0640"),
          std::wstring(L"\u0627\u0644\u0644\u0647 allah"), lots}) {
        ModalAnswer answer("Data yang anda cari tidak ditemukan",
                           [](HWND box) { ModalAnswer::press(box, IDOK); });
        SetWindowTextW(w->SearchBox->handle(), typed.c_str());
        pressKey(w->SearchBox->handle(), VK_RETURN);
        EXPECT_EQ(answer.answered(), 1) << typed.size() << " characters";
        EXPECT_EQ(surahLabel(), "114 Surat");
        EXPECT_EQ(static_cast<int>(listEntries().size()), surah::SurahCount);
        EXPECT_EQ(w->SearchBox->unicodeText(), typed);  // nothing lost
    }
}
}  // namespace
