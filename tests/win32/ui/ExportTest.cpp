// Saving, selecting and copying what the reading view shows, on the real main window and
// through the system's real save dialog, answered from inside the test.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "tests/win32/support/ClipboardText.h"
#include "tests/win32/support/ModalAnswer.h"
#include "toolkit/Clipboard.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/RichView.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/Toolbar.h"
#include "ui/Unit1.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The system's own words for an error, first line, looked up here independently of the
// program.
std::string systemReason(DWORD error) {
    char reason[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   reason, sizeof reason, nullptr);
    const std::string text = reason;
    return text.substr(0, text.find_first_of("\r\n"));
}

// The message box's text without its line breaks: a long path is shown over several lines.
std::string joinedLines(std::string text) {
    text.erase(
        std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }),
        text.end());
    return text;
}

// Runs an action once, when a top-level dialog of this thread is destroyed: after the dialog
// accepted a name and before the code that called it goes on.
class WhenADialogCloses {
public:
    explicit WhenADialogCloses(std::function<void()> action) : action_(std::move(action)) {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, watch, nullptr, GetCurrentThreadId());
    }
    ~WhenADialogCloses() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    WhenADialogCloses(const WhenADialogCloses&) = delete;
    WhenADialogCloses& operator=(const WhenADialogCloses&) = delete;

private:
    static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        char name[16] = {};
        if (code == HCBT_DESTROYWND && current_ && current_->action_ &&
            GetClassNameA(window, name, sizeof name) && std::string(name) == "#32770" &&
            !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
            auto action = std::move(current_->action_);
            current_->action_ = nullptr;
            action();
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline WhenADialogCloses* current_ = nullptr;
    std::function<void()> action_;
    HHOOK hook_ = nullptr;
};

// A click on toolbar entry `index`, as the toolbar reports it to its parent.
void clickToolbarButton(Toolbar& bar, int index) {
    TBBUTTON button{};
    ASSERT_TRUE(SendMessageA(bar.handle(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)));
    SendMessageA(GetParent(bar.handle()), WM_COMMAND, MAKEWPARAM(button.idCommand, BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar.handle()));
}

// The real main window, built once for the suite, showing the hits of a search with the
// hits in bold; every test saves into a folder of its own.
class ExportTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        mainForm = CreateMainWindow(window, nullptr).release();
        // Shown first, as the program does; the first view the shown handler puts up is then
        // replaced by the search.
        mainForm->show();
        window->SearchBox->setCaption("sabar");
        window->BoldCheck->setChecked(true);
        window->RunSearch();
    }
    static void TearDownTestSuite() {
        delete mainForm;
        mainForm = nullptr;
        window = nullptr;
    }

    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "nurvela-export-" + std::to_string(GetCurrentProcessId()) +
                 "-" + testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder.c_str(), nullptr);
        viewText = window->ReadingView->text();
        ASSERT_GT(viewText.size(), 1000u) << "the search shows its hits";
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string file = folder + "\\" + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    // Runs the export command, choosing file type `type` (0 RTF, 1 text) and typing `name`.
    // Any other dialog that appears fails the test.
    void exportAs(int type, const std::string& name) {
        ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
            ModalAnswer::chooseFileType(save, type);
            ModalAnswer::setFileName(save, name);
            ModalAnswer::press(save, IDOK);
        });
        window->ExportCommand();
        EXPECT_EQ(answer.answered(), 1);
        EXPECT_TRUE(answer.unexpected().empty());
    }

    int filesInFolder() const {
        int count = 0;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        return count;
    }

    static inline MainWindow* window = nullptr;
    static inline Form* mainForm = nullptr;
    std::string folder;
    std::string viewText;
};

TEST_F(ExportTest, RtfTypeWithABareNameSavesTheHitsAsRichTextWithTheirBold) {
    exportAs(0, folder + "\\ayat");
    const std::string saved = window->SaveDialog->fileName;
    EXPECT_EQ(lower(saved), lower(folder + "\\ayat.rtf"));
    EXPECT_EQ(window->SaveDialog->filterIndex, 1);
    const std::string content = readFile(saved);
    ASSERT_EQ(content.rfind("{\\rtf", 0), 0u) << content.substr(0, 40);
    EXPECT_NE(content.find("\\b"), std::string::npos) << "the hits are bold";
    EXPECT_NE(content.find("sabar"), std::string::npos);
    EXPECT_EQ(filesInFolder(), 1) << "nothing left beside the file";
}

TEST_F(ExportTest, TextTypeWithABareNameSavesExactlyTheViewsText) {
    exportAs(1, folder + "\\ayat");
    const std::string saved = window->SaveDialog->fileName;
    EXPECT_EQ(lower(saved), lower(folder + "\\ayat.txt"));
    EXPECT_EQ(window->SaveDialog->filterIndex, 2);
    const std::string content = readFile(saved);
    EXPECT_EQ(content.find("{\\rtf"), std::string::npos);
    EXPECT_EQ(content, viewText);
}

TEST_F(ExportTest, TxtTypedInAnyCaseWhileRtfIsChosenSavesText) {
    for (const char* name : {"\\kecil.txt", "\\besar.TXT"}) {
        exportAs(0, folder + name);
        EXPECT_EQ(window->SaveDialog->fileName, folder + name);
        EXPECT_EQ(readFile(folder + name), viewText) << name;
    }
}

// Cancelled from the toolbar's "Simpan", the way the user starts an export.
TEST_F(ExportTest, CancelWritesNothingEmptiesTheNameAndKeepsTheType) {
    exportAs(1, folder + "\\pertama");
    ASSERT_EQ(filesInFolder(), 1);
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        ModalAnswer::chooseFileType(save, 0);
        ModalAnswer::setFileName(save, folder + "\\batal");
        ModalAnswer::press(save, IDCANCEL);
    });
    clickToolbarButton(*window->ViewToolbar, 1);
    EXPECT_EQ(answer.answered(), 1);
    EXPECT_TRUE(answer.unexpected().empty()) << "a cancel shows nothing";
    EXPECT_EQ(filesInFolder(), 1);
    EXPECT_FALSE(exists(folder + "\\batal.rtf"));
    EXPECT_EQ(window->SaveDialog->fileName, "");
    EXPECT_EQ(window->SaveDialog->filterIndex, 2);
}

TEST_F(ExportTest, TheNextExportOffersTheLastTypeAndPath) {
    exportAs(1, folder + "\\lagi");
    int type = -1;
    std::string shown;
    std::string filter;
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        type = ModalAnswer::fileType(save);
        shown = ModalAnswer::fileName(save);
        ModalAnswer::press(save, IDCANCEL);
    });
    window->ExportCommand();
    EXPECT_EQ(type, 1);
    EXPECT_NE(lower(shown).find("lagi.txt"), std::string::npos) << shown;
    EXPECT_EQ(window->SaveDialog->filter, "Rich Text Format (*.rtf)|*.RTF|Text File (*.txt)|*.TXT");
    EXPECT_TRUE(window->SaveDialog->saveMode);
}

TEST_F(ExportTest, AFailedSaveNamesFileAndReasonAndKeepsTheOldFile) {
    const std::string target = folder + "\\terkunci.rtf";
    writeFile(target, "isi lama");
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));

    const std::string expectedReason = systemReason(ERROR_ACCESS_DENIED);

    std::string message;
    HWND boxOwner = nullptr;
    int replacePrompts = 0;
    ModalAnswer box(ModalAnswer::Kind::MessageBox, [&](HWND dialog) {
        const std::string text = ModalAnswer::messageText(dialog);
        if (text.find("tidak dapat disimpan") == std::string::npos) {
            // The dialog's own "replace the existing file?" question: yes.
            ++replacePrompts;
            ModalAnswer::press(dialog, IDYES);
            return;
        }
        message = joinedLines(text);
        boxOwner = GetWindow(dialog, GW_OWNER);
        ModalAnswer::press(dialog, IDOK);
    });
    exportAs(0, target);

    EXPECT_LE(replacePrompts, 1);
    EXPECT_NE(message.find(target), std::string::npos) << message;
    EXPECT_FALSE(expectedReason.empty());
    EXPECT_NE(message.find(expectedReason), std::string::npos) << message;
    EXPECT_EQ(boxOwner, mainForm->handle());
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readFile(target), "isi lama");
    EXPECT_EQ(filesInFolder(), 1) << "no half-written file left beside it";
}

TEST_F(ExportTest, AFolderThatVanishedAfterTheDialogIsNamedWithItsReason) {
    const std::string inner = folder + "\\bab";
    ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
    writeFile(folder + "\\lama.rtf", "isi lama");
    std::string message;
    HWND boxOwner = nullptr;
    ModalAnswer box(ModalAnswer::Kind::MessageBox, [&](HWND dialog) {
        message = joinedLines(ModalAnswer::messageText(dialog));
        boxOwner = GetWindow(dialog, GW_OWNER);
        ModalAnswer::press(dialog, IDOK);
    });
    WhenADialogCloses vanish([&] { RemoveDirectoryA(inner.c_str()); });
    exportAs(0, inner + "\\hasil");

    EXPECT_FALSE(exists(inner)) << "the folder went while the dialog closed";
    EXPECT_NE(lower(message).find(lower(inner + "\\hasil.rtf")), std::string::npos) << message;
    EXPECT_NE(message.find(systemReason(ERROR_PATH_NOT_FOUND)), std::string::npos) << message;
    EXPECT_EQ(boxOwner, mainForm->handle());
    EXPECT_EQ(readFile(folder + "\\lama.rtf"), "isi lama");
    EXPECT_EQ(filesInFolder(), 1) << "nothing written anywhere else";
}

// The system's dialog overran its own buffers on such names and ended the process.
TEST_F(ExportTest, ANameTooLongForAFileIsRefusedInTheOpenDialogWithItsReason) {
    writeFile(folder + "\\lama.rtf", "isi lama");
    for (const std::size_t length : {256u, 300u}) {
        const std::string typed = folder + "\\" + std::string(length, 'n');
        std::string message;
        ModalAnswer::Kind over = ModalAnswer::Kind::AnyDialog;
        int boxWidth = 0;
        ModalAnswer box(ModalAnswer::Kind::MessageBox, [&](HWND dialog) {
            message = joinedLines(ModalAnswer::messageText(dialog));
            RECT box{};
            GetWindowRect(dialog, &box);
            boxWidth = box.right - box.left;
            const HWND owner = GetWindow(dialog, GW_OWNER);
            over = ModalAnswer::kindOf(owner);
            ModalAnswer::press(dialog, IDOK);
            // The dialog is still open for a shorter name; the user gives up.
            ModalAnswer::press(owner, IDCANCEL);
        });
        exportAs(0, typed);

        EXPECT_EQ(box.answered(), 1) << length;
        EXPECT_NE(lower(message).find(lower(typed + ".rtf")), std::string::npos) << message;
        EXPECT_NE(message.find(systemReason(ERROR_FILENAME_EXCED_RANGE)), std::string::npos)
            << message;
        EXPECT_EQ(over, ModalAnswer::Kind::SaveDialog) << "shown over the open dialog";
        EXPECT_LT(boxWidth, GetSystemMetrics(SM_CXSCREEN) / 2) << "the long name is wrapped";
        EXPECT_EQ(window->SaveDialog->fileName, "") << "the run ended as cancelled";
        EXPECT_EQ(readFile(folder + "\\lama.rtf"), "isi lama");
        EXPECT_EQ(filesInFolder(), 1);
    }
}

TEST_F(ExportTest, ASuccessfulSaveOverAnExistingFileIsSilent) {
    const std::string target = folder + "\\lama.TXT";
    writeFile(target, "isi lama");
    ModalAnswer replace(ModalAnswer::Kind::MessageBox, [&](HWND dialog) {
        EXPECT_EQ(ModalAnswer::messageText(dialog).find("tidak dapat disimpan"), std::string::npos);
        ModalAnswer::press(dialog, IDYES);
    });
    exportAs(1, target);
    EXPECT_LE(replace.answered(), 1) << "at most the dialog's own replace question";
    EXPECT_EQ(readFile(target), viewText);
}

// "Pilih Semua", then "Copy", from the toolbar.
TEST_F(ExportTest, SelectAllFocusesTheViewAndCopyPutsItsTextOnTheClipboard) {
    RichView& view = *window->ReadingView;
    window->SearchBox->setFocus();
    ASSERT_NE(GetFocus(), view.handle());
    clickToolbarButton(*window->ViewToolbar, 3);
    EXPECT_EQ(GetFocus(), view.handle());
    CHARRANGE range{};
    SendMessageA(view.handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.cpMin, 0);
    EXPECT_GE(range.cpMax, static_cast<LONG>(viewText.size()) - 2);

    ASSERT_TRUE(setClipboardText(nullptr, "sebelum"));
    clickToolbarButton(*window->ViewToolbar, 4);
    const std::string copied = clipboardText();
    // The control may leave out the final paragraph mark.
    EXPECT_EQ(copied.substr(0, 200), viewText.substr(0, 200));
    EXPECT_GE(copied.size() + 2, viewText.size());
    EXPECT_LE(copied.size(), viewText.size());
}

TEST_F(ExportTest, CopyWithoutASelectionLeavesTheClipboardAlone) {
    window->ReadingView->setSelStart(0);
    ASSERT_TRUE(setClipboardText(nullptr, "sebelum"));
    window->CopyCommand();
    EXPECT_EQ(clipboardText(), "sebelum");
}

}  // namespace
