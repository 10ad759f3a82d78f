// The reader as a separate process, closed while the marked result of a search that finds
// almost every verse is still arriving in the view: the work stops and the process ends
// normally.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/app/ChildProcess.h"

namespace {

constexpr DWORD Patience = 30000;

HWND childOfClass(HWND window, const std::string& className) {
    for (HWND child : childrenOf(window)) {
        if (_stricmp(windowClass(child).c_str(), className.c_str()) == 0)
            return child;
    }
    return nullptr;
}

// The text of a window in a process that may be busy, or "" when it does not answer in time.
std::string textWithin(HWND window, DWORD ms) {
    char text[256] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, ms, &copied)) {
        return "";
    }
    return text;
}

bool anyChildSays(HWND window, const std::string& part) {
    for (HWND child : childrenOf(window)) {
        if (windowClass(child).find("RichEdit") != std::string::npos)
            continue;
        if (textWithin(child, 2000).find(part) != std::string::npos)
            return true;
    }
    return false;
}

TEST(CloseDuringSearch, EndsTheSearchAndTheProcessWithZero) {
    const std::string exe = readerPath();
    ASSERT_FALSE(exe.empty()) << "NURVELA_EXE is not set";
    ChildProcess reader(commandLine(exe));
    ASSERT_TRUE(reader.started());
    HWND window = reader.waitForWindow(isReaderWindow, Patience);
    ASSERT_NE(window, nullptr);
    HWND searchBox = childOfClass(window, "Edit");
    ASSERT_NE(searchBox, nullptr);

    SendMessageA(searchBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a"));
    PostMessageA(searchBox, WM_KEYDOWN, VK_RETURN, 1);

    // The result arrives in pieces, the window answering between them: part of it is in the
    // view (more than a tenth of its 1.1 million characters) while the status line still
    // says the work goes on.
    bool arriving = false;
    for (DWORD waited = 0; waited < Patience && !arriving; waited += 20) {
        Sleep(20);
        HWND view = childOfClass(window, "RichEdit");
        DWORD_PTR length = 0;
        if (view && SendMessageTimeoutA(view, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 2000, &length) &&
            length > 100000 && length < 1000000) {
            arriving = anyChildSays(window, "Dalam proses");
        }
    }
    ASSERT_TRUE(arriving) << "the result was never seen arriving";

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(reader.waitForExit(Patience), 0u);
}

}  // namespace
