// The reader as a user meets it: a separate process, its window, its error boxes and its
// exit code.
#include <windows.h>
#include <gtest/gtest.h>

#include <commctrl.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "tests/win32/app/ChildProcess.h"

namespace {

constexpr DWORD Patience = 30000;

// The bytes and the language of one of the reader's packed texts.
struct PackedResource {
    std::vector<char> bytes;
    WORD language = 0;
};

BOOL CALLBACK firstLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR data) {
    reinterpret_cast<PackedResource*>(data)->language = language;
    return FALSE;
}

PackedResource readPacked(const std::string& exe, const char* name) {
    PackedResource packed;
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (image == nullptr) {
        return packed;
    }
    EnumResourceLanguagesA(image, "QRN", name, firstLanguage, reinterpret_cast<LONG_PTR>(&packed));
    if (HRSRC found = FindResourceA(image, name, "QRN")) {
        DWORD size = SizeofResource(image, found);
        const char* data = static_cast<const char*>(LockResource(LoadResource(image, found)));
        packed.bytes.assign(data, data + size);
    }
    FreeLibrary(image);
    return packed;
}

// A copy of the reader whose packed text `name` (the translation "INDO", the Arabic "ARAB")
// has damaged blocks (its bzip2 header is intact, so the data, not the format, is at fault).
std::string makeDamagedCopy(const std::string& exe, const char* name, const char* copyName) {
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string copy = std::string(folder) + copyName;
    PackedResource packed = readPacked(exe, name);
    if (packed.bytes.size() < 20000 || !CopyFileA(exe.c_str(), copy.c_str(), FALSE)) {
        return "";
    }
    for (std::size_t i = 10000; i < 10400; ++i) {
        packed.bytes[i] = static_cast<char>(packed.bytes[i] ^ 0x5A);
    }
    HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
    if (update == nullptr ||
        !UpdateResourceA(update, "QRN", name, packed.language, packed.bytes.data(),
                         static_cast<DWORD>(packed.bytes.size())) ||
        !EndUpdateResourceA(update, FALSE)) {
        return "";
    }
    return copy;
}

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

TEST(WholeProgram, StartsShowsItsWindowAndEndsWithZeroWhenClosed) {
    std::string exe = readerPath();
    ASSERT_FALSE(exe.empty()) << "NURVELA_EXE is not set";
    ChildProcess reader(commandLine(exe));
    ASSERT_TRUE(reader.started());
    HWND window = reader.waitForWindow(isReaderWindow, Patience);
    ASSERT_NE(window, nullptr) << "no visible window captioned Nurvela";
    for (HWND other : reader.visibleWindows()) {
        EXPECT_FALSE(isMessageBox(other)) << messageBoxText(other);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(reader.waitForExit(Patience), 0u);
}

TEST(WholeProgram, ADamagedTranslationShowsTheErrorBoxAndNoWindowAndEndsWithOne) {
    std::string exe = readerPath();
    ASSERT_FALSE(exe.empty()) << "NURVELA_EXE is not set";
    std::string copy = makeDamagedCopy(exe, "INDO", "nurvela-damaged.exe");
    ASSERT_FALSE(copy.empty()) << "could not make the damaged copy";

    ChildProcess reader(commandLine(copy));
    ASSERT_TRUE(reader.started());
    HWND box = reader.waitForWindow(isMessageBox, Patience);
    ASSERT_NE(box, nullptr) << "no error box appeared";
    std::string text = messageBoxText(box);
    EXPECT_EQ(text.rfind("Exception Exception in module ", 0), 0u) << text;
    EXPECT_NE(lower(text).find("nurvela-damaged.exe at "), std::string::npos) << text;
    EXPECT_NE(text.find(".\nCompression Error -4 - BZ_DATA_ERROR"), std::string::npos) << text;
    EXPECT_TRUE((GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE) != 0);
    for (HWND other : reader.visibleWindows()) {
        EXPECT_FALSE(isReaderWindow(other)) << "the main window was shown";
    }
    pressOk(box);
    EXPECT_EQ(reader.waitForExit(Patience), 1u);
    DeleteFileA(copy.c_str());
}

namespace {

BOOL CALLBACK findToolbar(HWND hwnd, LPARAM found) {
    if (windowClass(hwnd) == TOOLBARCLASSNAMEA) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Waits, within the patience, until the condition holds; false when it never does.
bool waitUntil(const std::function<bool()>& holds) {
    for (DWORD waited = 0; waited < Patience; waited += 20) {
        if (holds()) {
            return true;
        }
        Sleep(20);
    }
    return holds();
}

}  // namespace

TEST(WholeProgram, ADamagedArabicTextSaysSoAndLeavesTheTranslationAsItWas) {
    std::string exe = readerPath();
    ASSERT_FALSE(exe.empty()) << "NURVELA_EXE is not set";
    std::string copy = makeDamagedCopy(exe, "ARAB", "nurvela-damaged-arabic.exe");
    ASSERT_FALSE(copy.empty()) << "could not make the damaged copy";

    ChildProcess reader(commandLine(copy));
    ASSERT_TRUE(reader.started());
    HWND window = reader.waitForWindow(isReaderWindow, Patience);
    ASSERT_NE(window, nullptr) << "no visible window captioned Nurvela";
    HWND bar = nullptr;
    EnumChildWindows(window, findToolbar, reinterpret_cast<LPARAM>(&bar));
    ASSERT_NE(bar, nullptr);
    // "Arab" is the toolbar's fifth button (its eighth entry, separators counted). A click
    // checks it and then tells the toolbar's parent.
    constexpr WPARAM ArabCommand = 5;
    ASSERT_EQ(SendMessageA(bar, TB_COMMANDTOINDEX, ArabCommand, 0), 7);
    SendMessageA(bar, TB_CHECKBUTTON, ArabCommand, TRUE);
    PostMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(ArabCommand, BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar));

    HWND box = reader.waitForWindow(isMessageBox, Patience);
    ASSERT_NE(box, nullptr) << "no message box appeared";
    const std::string text = messageBoxText(box);
    EXPECT_EQ(text.rfind("Teks Arab tidak dapat ditampilkan", 0), 0u) << text;
    EXPECT_NE(text.find("Terjemahan tetap dapat dibaca"), std::string::npos) << text;
    pressOk(box);

    // The box gone, the button is off again and the view holds the translation, in the
    // view that holds it without the Arabic.
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(window) && !IsWindowVisible(box); }));
    ASSERT_TRUE(waitUntil([&] { return SendMessageA(bar, TB_ISBUTTONCHECKED, ArabCommand, 0) == 0; }));
    HWND view = FindWindowExA(GetParent(bar), nullptr, "RichEdit", nullptr);
    ASSERT_NE(view, nullptr);
    char start[8] = {};
    SendMessageA(view, WM_GETTEXT, sizeof start, reinterpret_cast<LPARAM>(start));
    EXPECT_STREQ(start, "1:1. De");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(reader.waitForExit(Patience), 0u);
    DeleteFileA(copy.c_str());
}
