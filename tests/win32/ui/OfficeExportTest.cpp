// Saved files as office software must read them: the reading view exported through the
// toolbar and the real save dialog after a search, a surah, a juz, the colour commands and a
// large result, the About view's help text, and the RTF that "Copy" puts on the clipboard.
//
// Each case leaves three files in the folder named by NURVELA_OFFICE_EXPORTS (a temporary
// folder when it is not set): NAME.rtf as saved, NAME.view.txt with the view's text as the
// control holds it, and NAME.expect with what the office suite must find in the file (bold
// runs, text colour, character size in twips). tests/office/readback.py converts the files
// with LibreOffice and compares; CTest runs it after this program.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/Utf16.h"
#include "reader/ViewLines.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "tests/win32/support/Keyboard.h"
#include "tests/win32/support/ModalAnswer.h"
#include "tests/win32/support/PackageArabic.h"
#include "toolkit/Form.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/Toolbar.h"
#include "ui/UAbout.h"

namespace {

constexpr COLORREF Plum = RGB(0x80, 0x00, 0x40);
constexpr COLORREF Forest = RGB(0x1E, 0x5A, 0x28);
constexpr COLORREF Cream = RGB(0xFF, 0xF4, 0xD7);

// The toolbar's entries, separators counted.
constexpr int SaveEntry = 1;
constexpr int SelectAllEntry = 3;
constexpr int CopyEntry = 4;

std::string exportFolder() {
    if (const char* named = std::getenv("NURVELA_OFFICE_EXPORTS"); named && *named) {
        // Typed into the save dialog, which takes no "/" in a name.
        std::string folder = named;
        std::replace(folder.begin(), folder.end(), '/', '\\');
        return folder;
    }
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "nurvela-office-exports";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string hexColour(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

// The character height of the font the view draws with, in twips: what a reader of the file
// must find as its size. Measured here from the window's font, not asked of the view object.
int drawnSizeTwips(HWND view) {
    HDC dc = GetDC(view);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(view, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    SelectObject(dc, old);
    ReleaseDC(view, dc);
    return MulDiv(metrics.tmHeight - metrics.tmInternalLeading, 1440, dpi);
}

// Occurrences that overlap or touch make one bold stretch on screen, and one bold run in a
// file.
int hitGroups(const std::vector<int>& starts, int length) {
    int groups = 0;
    int end = -1;
    for (int start : starts) {
        if (start > end) {
            ++groups;
        }
        end = std::max(end, start + length);
    }
    return groups;
}

// What the office suite must find in one saved file.
struct Expectation {
    std::string term;    // every bold run holds it; empty when the file has no hits
    int boldRuns = 0;    // exactly this many
    std::string colour;  // every character in it ("#RRGGBB"); empty: not checked
    int sizeTwips = 0;   // the character size, within the half point a file can hold
    int hits = 0;        // occurrences, for the report
};

void leaveForOffice(const std::string& name, const std::string& viewText, const Expectation& e) {
    const std::string base = exportFolder() + "\\" + name;
    writeFile(base + ".view.txt", viewText);
    writeFile(base + ".expect",
              "file=" + name + ".rtf\nterm=" + e.term + "\nboldRuns=" + std::to_string(e.boldRuns) +
                  "\ncolour=" + e.colour + "\nsizeTwips=" + std::to_string(e.sizeTwips) +
                  "\nhits=" + std::to_string(e.hits) + "\n");
}

class OfficeExport : public ShownReader {
protected:
    static void SetUpTestSuite() {
        const std::string folder = exportFolder();
        CreateDirectoryA(folder.c_str(), nullptr);
        // Only this run's files may be read back.
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                    DeleteFileA((folder + "\\" + found.cFileName).c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
    }

    void clickToolbar(int entry) {
        TBBUTTON button{};
        HWND bar = w->ViewToolbar->handle();
        ASSERT_TRUE(SendMessageA(bar, TB_GETBUTTON, entry, reinterpret_cast<LPARAM>(&button)));
        SendMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(button.idCommand, BN_CLICKED),
                     reinterpret_cast<LPARAM>(bar));
        Application::processMessages();
    }

    // "Back" or "Font", answered in the real colour chooser.
    void chooseColour(SwatchButton& button, COLORREF colour) {
        ModalAnswer answer(ModalAnswer::Kind::ColourChooser, [colour](HWND chooser) {
            ModalAnswer::setColour(chooser, colour);
            ModalAnswer::press(chooser, IDOK);
        });
        click(button.handle());
        EXPECT_EQ(answer.answered(), 1);
    }

    void search(const std::string& term, bool bold) {
        setChecked(*w->BoldCheck, bold);
        setChecked(*w->WholeWordCheck, false);
        searchWithEnter(term);
    }

    // "Simpan", the Rich Text type and a bare name in the real save dialog. Returns the path
    // of the saved file.
    std::string saveThroughTheDialog(const std::string& name) {
        const std::string typed = exportFolder() + "\\" + name;
        ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
            ModalAnswer::chooseFileType(save, 0);
            ModalAnswer::setFileName(save, typed);
            ModalAnswer::press(save, IDOK);
        });
        clickToolbar(SaveEntry);
        EXPECT_EQ(answer.answered(), 1);
        EXPECT_TRUE(answer.unexpected().empty());
        const std::string saved = typed + ".RTF";
        EXPECT_EQ(readFile(saved).rfind("{\\rtf", 0), 0u) << saved;
        return saved;
    }

    // The search's hits, in bold when the search made them bold.
    Expectation expectedFor(const std::string& term, bool bold, COLORREF colour) {
        Expectation e;
        const std::vector<int> starts =
            term.empty() ? std::vector<int>{} : occurrences(viewText(), term);
        e.term = bold ? term : "";
        e.hits = static_cast<int>(starts.size());
        e.boldRuns = bold ? hitGroups(starts, static_cast<int>(term.size())) : 0;
        e.colour = hexColour(colour);
        e.sizeTwips = drawnSizeTwips(w->ReadingView->handle());
        return e;
    }
};

TEST_F(OfficeExport, SearchWithBoldHitsInTheColourChosenBefore) {
    chooseColour(*w->FontColourButton, Plum);
    search("sabar", true);
    ASSERT_NE(countLabel().find("Kata"), std::string::npos) << "the marking walk ended";
    const Expectation e = expectedFor("sabar", true, Plum);
    ASSERT_GT(e.hits, 50);
    saveThroughTheDialog("cari-sabar");
    leaveForOffice("cari-sabar", viewText(), e);
}

TEST_F(OfficeExport, ASurahShownFromTheList) {
    chooseColour(*w->FontColourButton, Plum);
    // A short one: its text replaces the old one inside the same view window.
    clickEntry(92);  // 93. Adh-Dhuhaa
    ASSERT_EQ(firstLine(viewText()).rfind("93:1.", 0), 0u) << firstLine(viewText());
    saveThroughTheDialog("surat-93");
    leaveForOffice("surat-93", viewText(), expectedFor("", false, Plum));
}

TEST_F(OfficeExport, SearchRecolouredByTheColourCommands) {
    search("sabar", true);
    chooseColour(*w->BackColourButton, Cream);
    chooseColour(*w->FontColourButton, Forest);
    const Expectation e = expectedFor("sabar", true, Forest);
    saveThroughTheDialog("warna");
    leaveForOffice("warna", viewText(), e);

    // "Pilih Semua" and "Copy": the Rich Text the clipboard offers is read back the same way.
    clickToolbar(SelectAllEntry);
    clickToolbar(CopyEntry);
    const UINT rtfFormat = RegisterClipboardFormatA("Rich Text Format");
    ASSERT_TRUE(OpenClipboard(nullptr));
    std::string copied;
    if (HANDLE data = GetClipboardData(rtfFormat)) {
        const char* bytes = static_cast<const char*>(GlobalLock(data));
        copied.assign(bytes, strnlen(bytes, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    ASSERT_EQ(copied.rfind("{\\rtf", 0), 0u) << "the clipboard offers Rich Text";
    writeFile(exportFolder() + "\\clipboard.rtf", copied);
    leaveForOffice("clipboard", viewText(), e);
}

// A result this large is shown in a view window made afresh for it and arrives in many
// pieces, each marked on its own.
TEST_F(OfficeExport, ALargeResultInManyPiecesWithItsBold) {
    chooseColour(*w->FontColourButton, Forest);
    search("yang", true);
    ASSERT_GT(viewText().size(), 500000u);
    saveThroughTheDialog("besar");
    leaveForOffice("besar", viewText(), expectedFor("yang", true, Forest));
}

// Saved with the Arabic shown: the program writes the file itself, with the verses' own
// Arabic (the view holds the drawn form), right to left in the Arabic face, and the hits bold
// in the translation only.
TEST_F(OfficeExport, ASearchSavedWithTheArabic) {
    chooseColour(*w->FontColourButton, Plum);
    search("sabar", true);
    const std::string translation = viewText();
    const Expectation e = expectedFor("sabar", true, Plum);
    clickToolbar(toolbar::Arabic);
    ASSERT_TRUE(w->arabicShown);
    saveThroughTheDialog("arab");

    // What the office suite must read: each verse's own Arabic above its line.
    const FastStrList& arabic = packageArabic();
    std::string view, lines;
    for (std::size_t at = 0; at < translation.size();) {
        const std::size_t end = translation.find("\r\n\r\n", at);
        const std::string line = translation.substr(at, end - at);
        if (const auto verse = rules::VerseOfLine(line)) {
            const std::string_view own =
                arabic.view(surah::corpusIndex(verse->surah, verse->verse));
            view.append(own).append("\r\n");
            lines.append(own).append("\n");
        }
        view += line + "\r\n\r\n";
        at = end + 4;
    }
    ASSERT_GT(lines.size(), 5000u);
    leaveForOffice("arab", view, e);
    writeFile(exportFolder() + "\\arab.arabic.txt", lines);
    // 21 points, as the view draws the Arabic.
    std::ofstream(exportFolder() + "\\arab.expect", std::ios::app) << "arabicSizeTwips=420\n";
}

// A search typed in Arabic, saved: the words that hold a hit bold in the Arabic lines, exactly
// the stretches the view shows bold, read back as the package has them.
TEST_F(OfficeExport, AnArabicSearchSavedWithItsWordsBold) {
    SetWindowTextW(w->SearchBox->handle(),
                   L"\u0622\u0645\u0646\u0648\u0627 \u0628\u0627\u0644\u0644\u0647 "
                   L"\u0648\u0631\u0633\u0648\u0644\u0647");
    pressKey(w->SearchBox->handle(), VK_RETURN);
    ASSERT_TRUE(w->arabicShown);
    ASSERT_TRUE(w->shownText.arabicBold);
    const std::string translation = w->shownText.text;
    Expectation e = expectedFor("", false, 0);
    e.colour.clear();  // the view's own colour
    saveThroughTheDialog("cari-arab");

    const FastStrList& arabic = packageArabic();
    std::string view, lines, bold;
    for (std::size_t at = 0; at < translation.size();) {
        const std::size_t end = translation.find("\r\n\r\n", at);
        const std::string line = translation.substr(at, end - at);
        if (const auto verse = rules::VerseOfLine(line)) {
            const int index = surah::corpusIndex(verse->surah, verse->verse);
            const std::string_view own = arabic.view(index);
            view.append(own).append("\r\n");
            lines.append(own).append("\n");
            const std::u16string own16 = rules::Utf8ToUtf16(own);
            const auto marks = w->shownText.arabicBold->find(index);
            ASSERT_NE(marks, w->shownText.arabicBold->end()) << line;
            for (const rules::TextRun& run : marks->second)
                bold += rules::Utf16ToUtf8(own16.substr(run.begin, run.end - run.begin)) + "\n";
        }
        view += line + "\r\n\r\n";
        at = end + 4;
    }
    // 4:136 and 57:7 among them, the phrase bold in both.
    ASSERT_NE(translation.find("4:136. "), std::string::npos);
    ASSERT_NE(translation.find("57:7. "), std::string::npos);
    leaveForOffice("cari-arab", view, e);
    writeFile(exportFolder() + "\\cari-arab.arabic.txt", lines);
    writeFile(exportFolder() + "\\cari-arab.arabic-bold.txt", bold);
    std::ofstream(exportFolder() + "\\cari-arab.expect", std::ios::app) << "arabicSizeTwips=420\n";
}

// A juz: its verses across 37 surahs under their headings, saved as Rich Text and as text,
// and once more with the Arabic shown.
TEST_F(OfficeExport, AJuzSavedWithItsHeadingsAsRichTextAsTextAndWithTheArabic) {
    chooseColour(*w->FontColourButton, Forest);
    pressChord(w->SearchBox->handle(), 'J', CtrlKey);
    clickEntry(29);
    ASSERT_EQ(surahLabel(), "Juz 30");
    const std::string translation = viewText();
    ASSERT_EQ(firstLine(translation).rfind("S U R A T   A N - N A B A ' ", 0), 0u);
    saveThroughTheDialog("juz-30");
    leaveForOffice("juz-30", translation, expectedFor("", false, Forest));

    // As text: exactly the view's text.
    const std::string typed = exportFolder() + "\\juz-30-teks";
    {
        ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
            ModalAnswer::chooseFileType(save, 1);
            ModalAnswer::setFileName(save, typed);
            ModalAnswer::press(save, IDOK);
        });
        clickToolbar(SaveEntry);
        EXPECT_EQ(answer.answered(), 1);
    }
    EXPECT_EQ(readFile(w->SaveDialog->fileName), translation);
    std::string extension = w->SaveDialog->fileName.substr(typed.size());
    CharLowerA(extension.data());
    EXPECT_EQ(extension, ".txt");

    // With the Arabic: each verse's own Arabic above its line, the headings alone.
    const Expectation e = expectedFor("", false, Forest);
    clickToolbar(toolbar::Arabic);
    ASSERT_TRUE(w->arabicShown);
    saveThroughTheDialog("juz-30-arab");
    const FastStrList& arabic = packageArabic();
    std::string view, lines;
    int verses = 0;
    for (std::size_t at = 0; at < translation.size();) {
        const std::size_t end = translation.find("\r\n\r\n", at);
        const std::string line = translation.substr(at, end - at);
        if (const auto verse = rules::VerseOfLine(line)) {
            const std::string_view own =
                arabic.view(surah::corpusIndex(verse->surah, verse->verse));
            view.append(own).append("\r\n");
            lines.append(own).append("\n");
            ++verses;
        }
        view += line + "\r\n\r\n";
        at = end + 4;
    }
    ASSERT_EQ(verses, 564);
    leaveForOffice("juz-30-arab", view, e);
    writeFile(exportFolder() + "\\juz-30-arab.arabic.txt", lines);
    std::ofstream(exportFolder() + "\\juz-30-arab.expect", std::ios::app)
        << "arabicSizeTwips=420\n";
}

// "Kutip" with the Arabic shown: the Rich Text it puts on the clipboard, as a word processor
// pastes it.
TEST_F(OfficeExport, KutipWithTheArabic) {
    clickToolbar(toolbar::Arabic);
    ASSERT_TRUE(w->arabicShown);
    w->ShowVerse(2, 255);  // 2:255 selected, its Arabic line and its line
    clickToolbar(toolbar::Cite);
    std::string rtf, text;
    ASSERT_TRUE(OpenClipboard(nullptr));
    if (HANDLE data = GetClipboardData(RegisterClipboardFormatA("Rich Text Format"))) {
        const char* bytes = static_cast<const char*>(GlobalLock(data));
        rtf.assign(bytes, strnlen(bytes, GlobalSize(data)));
        GlobalUnlock(data);
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
        const int n = WideCharToMultiByte(CP_UTF8, 0, chars, -1, nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(std::max(0, n - 1)));
        WideCharToMultiByte(CP_UTF8, 0, chars, -1, text.data(), n, nullptr, nullptr);
        GlobalUnlock(data);
    }
    CloseClipboard();
    ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u) << "the clipboard offers Rich Text";
    ASSERT_NE(text.find("(QS. Al-Baqarah [2]: 255)"), std::string::npos) << text;
    writeFile(exportFolder() + "\\kutip-arab.rtf", rtf);
    Expectation e;
    e.sizeTwips = drawnSizeTwips(w->ReadingView->handle());
    leaveForOffice("kutip-arab", text, e);
    const std::string own(packageArabic().view(surah::corpusIndex(2, 255)));
    EXPECT_EQ(text.substr(0, text.find("\r\n")), own);
    writeFile(exportFolder() + "\\kutip-arab.arabic.txt", own + "\n");
    std::ofstream(exportFolder() + "\\kutip-arab.expect", std::ios::app) << "arabicSizeTwips=420\n";
}

// The program offers no command to save the help text; the view saves it as it would save
// anything, and what it holds must come out as the document marks it.
TEST_F(OfficeExport, TheAboutViewsHelpText) {
    AboutWindow* about = nullptr;
    std::unique_ptr<Form> aboutForm = CreateAboutWindow(about, *form);
    RichView& view = *about->AboutView;
    const std::string path = exportFolder() + "\\tentang.rtf";
    ASSERT_TRUE(view.saveToFile(path, StreamFormat::Rtf));

    // Bold runs (bold characters in a row, within a line) and the size as the control holds
    // them, one character at a time.
    Expectation e;
    const std::string text = view.text();
    bool inBold = false;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        CHARRANGE one{i, i + 1};
        SendMessageA(view.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        SendMessageA(view.handle(), EM_GETCHARFORMAT, SCF_SELECTION,
                     reinterpret_cast<LPARAM>(&format));
        const bool lineEnd = text[i] == '\r' || text[i] == '\n';
        const bool bold = (format.dwEffects & CFE_BOLD) && !lineEnd;
        e.boldRuns += bold && !inBold;
        inBold = bold;
        if (!lineEnd) {
            EXPECT_EQ(format.yHeight, 160) << "8 points, as the document says, at " << i;
        }
    }
    e.sizeTwips = 160;
    EXPECT_EQ(e.boldRuns, 9) << "three headings and six version lines";
    leaveForOffice("tentang", text, e);
}

}  // namespace
