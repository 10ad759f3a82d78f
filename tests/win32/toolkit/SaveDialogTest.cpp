// The save dialog object run through the system's real file dialog.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/support/ModalAnswer.h"
#include "toolkit/SaveDialog.h"

namespace {

const char ExportFilter[] = "Rich Text Format (*.rtf)|*.RTF|Text File (*.txt)|*.TXT";

// What the dialog would make of a typed name, and whether a file can have it.
TEST(SaveDialogNames, TypedNamesBecomePathsWithTheTypesExtensionAndLongOnesAreNoFileNames) {
    EXPECT_EQ(SaveDialog::pathOf("C:\\data", "hasil", ".RTF"), "C:\\data\\hasil.RTF");
    EXPECT_EQ(SaveDialog::pathOf("C:\\data\\", "hasil.txt", ".RTF"), "C:\\data\\hasil.txt");
    EXPECT_EQ(SaveDialog::pathOf("C:\\data", "D:\\x\\hasil", ".TXT"), "D:\\x\\hasil.TXT");
    EXPECT_EQ(SaveDialog::pathOf("C:\\data", "\\x\\hasil", ""), "C:\\x\\hasil");
    EXPECT_EQ(SaveDialog::pathOf("C:\\a.b", "hasil", ".RTF"), "C:\\a.b\\hasil.RTF")
        << "a dot in the folder is no extension";

    EXPECT_TRUE(SaveDialog::fitsAFileName("C:\\" + std::string(255, 'n')));
    EXPECT_FALSE(SaveDialog::fitsAFileName("C:\\" + std::string(256, 'n')));
    EXPECT_FALSE(SaveDialog::fitsAFileName("C:\\" + std::string(256, 'n') + "\\x"));
    const std::string deep = "C:\\" + std::string(200, 'a') + "\\";
    EXPECT_TRUE(SaveDialog::fitsAFileName(deep + std::string(MAX_PATH - 1 - deep.size(), 'n')));
    EXPECT_FALSE(SaveDialog::fitsAFileName(deep + std::string(MAX_PATH - deep.size(), 'n')));
}

TEST(SaveDialogFilter, PipesBecomeNulsAndTheListEndsInTwo) {
    const std::string list = SaveDialog::nativeFilter("A (*.a)|*.A|B|*.B");
    EXPECT_EQ(list, std::string("A (*.a)\0*.A\0B\0*.B\0", 18));
    // std::string adds the second NUL the dialog reads as the end of the list.
    EXPECT_EQ(list.c_str()[list.size()], '\0');
    // A "|" in the first place is kept: only those after it separate entries.
    EXPECT_EQ(SaveDialog::nativeFilter("|x|*.X"), std::string("|x\0*.X\0", 7));
    EXPECT_EQ(SaveDialog::nativeFilter(""), std::string(1, '\0'));
}

class SaveDialogTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "nurvela-save-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        dialog.owner = owner;
        dialog.filter = ExportFilter;
    }
    void TearDown() override {
        DestroyWindow(owner);
        for (const std::string& file : created) {
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(folder.c_str());
    }

    // Runs the dialog, choosing file type `type` (0-based) and typing `name`.
    bool saveAs(int type, const std::string& name) {
        ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
            ModalAnswer::chooseFileType(save, type);
            ModalAnswer::setFileName(save, name);
            ModalAnswer::press(save, IDOK);
        });
        const bool confirmed = dialog.execute();
        EXPECT_EQ(answer.answered(), 1);
        return confirmed;
    }

    std::string folder;
    std::vector<std::string> created;
    HWND owner = nullptr;
    SaveDialog dialog;
};

TEST_F(SaveDialogTest, ShowsTheFileTypesAndPreselectsTheFirstAtCreation) {
    EXPECT_EQ(dialog.filterIndex, 0);
    EXPECT_TRUE(dialog.fileName.empty());
    std::vector<std::string> types;
    int selected = -1;
    HWND dialogOwner = nullptr;
    std::string name = "unread";
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        types = ModalAnswer::fileTypes(save);
        selected = ModalAnswer::fileType(save);
        dialogOwner = GetWindow(save, GW_OWNER);
        name = ModalAnswer::fileName(save);
        ModalAnswer::press(save, IDCANCEL);
    });
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(types, (std::vector<std::string>{"Rich Text Format (*.rtf)", "Text File (*.txt)"}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(dialogOwner, owner);
    EXPECT_EQ(name, "");
}

// Wine's dialog appends the extension of the chosen pattern in lower case (".txt" for
// "*.TXT"), where Windows keeps the pattern's capitals; the letters are compared without case.
std::string lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST_F(SaveDialogTest, ABareNameGetsTheExtensionOfTheChosenType) {
    const std::string base = folder + "\\export";
    ASSERT_TRUE(saveAs(1, base));
    EXPECT_EQ(dialog.filterIndex, 2);
    EXPECT_EQ(lower(dialog.fileName), lower(base + ".TXT"));
    EXPECT_EQ(dialog.fileName.substr(0, base.size()), base);

    ASSERT_TRUE(saveAs(0, base));
    EXPECT_EQ(dialog.filterIndex, 1);
    EXPECT_EQ(lower(dialog.fileName), lower(base + ".RTF"));
}

TEST_F(SaveDialogTest, ANameWithItsOwnExtensionKeepsIt) {
    const std::string name = folder + "\\notes.txt";
    ASSERT_TRUE(saveAs(0, name));
    EXPECT_EQ(dialog.fileName, name);
    EXPECT_EQ(dialog.filterIndex, 1);
}

TEST_F(SaveDialogTest, TheNextRunShowsThePreviousPathAndType) {
    const std::string base = folder + "\\again";
    ASSERT_TRUE(saveAs(1, base));
    std::string shown;
    int selected = -1;
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        shown = ModalAnswer::fileName(save);
        selected = ModalAnswer::fileType(save);
        ModalAnswer::press(save, IDCANCEL);
    });
    EXPECT_FALSE(dialog.execute());
    // The dialog shows the name within the folder it opens on.
    EXPECT_NE(lower(shown).find("again.txt"), std::string::npos) << shown;
    EXPECT_EQ(selected, 1);
}

TEST_F(SaveDialogTest, CancelEmptiesTheNameAndKeepsTheType) {
    ASSERT_TRUE(saveAs(1, folder + "\\kept"));
    ASSERT_FALSE(dialog.fileName.empty());
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        ModalAnswer::chooseFileType(save, 0);
        ModalAnswer::press(save, IDCANCEL);
    });
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(dialog.fileName, "");
    EXPECT_EQ(dialog.filterIndex, 2);
}

TEST_F(SaveDialogTest, AnExistingFileIsReplacedOnlyAfterConfirmation) {
    const std::string name = folder + "\\old.RTF";
    created = {name};
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    HWND saveWindow = nullptr;
    int prompts = 0;
    ModalAnswer confirm(ModalAnswer::Kind::MessageBox, [&](HWND box) {
        ++prompts;
        // The first prompt is declined, which returns to the dialog; the second accepted.
        ModalAnswer::press(box, prompts == 1 ? IDNO : IDYES);
        if (prompts == 1) {
            // Save pressed again, posted after the No: the prompt's loop ends with the No, and
            // the dialog's own loop takes this press once the prompt has gone.
            ModalAnswer::press(saveWindow, IDOK);
        }
    });
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        saveWindow = save;
        ModalAnswer::setFileName(save, name);
        ModalAnswer::press(save, IDOK);
    });
    EXPECT_TRUE(dialog.execute());
    EXPECT_EQ(prompts, 2);
    EXPECT_EQ(dialog.fileName, name);
}

TEST_F(SaveDialogTest, AnOverlongNameIsCutToTheBuffer) {
    dialog.fileName = std::string(400, 'n');
    std::string shown;
    ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [&](HWND save) {
        shown = ModalAnswer::fileName(save);
        ModalAnswer::press(save, IDCANCEL);
    });
    EXPECT_FALSE(dialog.execute());
    // The whole buffer reached the dialog; Wine's name field keeps at most MAX_PATH of it.
    EXPECT_GE(shown.size(), std::size_t{MAX_PATH});
    EXPECT_LE(shown.size(), SaveDialog::MaxPath);
    EXPECT_EQ(shown.find_first_not_of('n'), std::string::npos);
}

}  // namespace
