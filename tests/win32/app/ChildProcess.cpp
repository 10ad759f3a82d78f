#include "tests/win32/app/ChildProcess.h"

#include <cstdlib>

ChildProcess::ChildProcess(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        info_ = PROCESS_INFORMATION{};
    }
}

ChildProcess::~ChildProcess() {
    if (!started()) {
        return;
    }
    if (waitForExit(0) == STILL_ACTIVE) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

namespace {

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK collectVisible(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd)) {
        search->found.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> ChildProcess::visibleWindows() const {
    WindowSearch search{info_.dwProcessId, {}};
    EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildProcess::waitForWindow(const std::function<bool(HWND)>& accept, DWORD timeoutMs) const {
    DWORD begin = GetTickCount();
    do {
        for (HWND hwnd : visibleWindows()) {
            if (accept(hwnd)) {
                return hwnd;
            }
        }
        if (waitForExit(0) != STILL_ACTIVE) {
            return nullptr;
        }
        Sleep(20);
    } while (GetTickCount() - begin < timeoutMs);
    return nullptr;
}

DWORD ChildProcess::waitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return STILL_ACTIVE;
    }
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::string windowText(HWND hwnd) {
    char text[1024] = {};
    // WM_GETTEXT rather than GetWindowTextA: it reaches windows of other processes too.
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string windowClass(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool isMessageBox(HWND hwnd) {
    return windowClass(hwnd) == "#32770" && GetDlgItem(hwnd, IDOK) != nullptr;
}

bool isReaderWindow(HWND hwnd) {
    return windowText(hwnd) == "Nurvela" && !isMessageBox(hwnd);
}

namespace {

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

std::vector<HWND> childrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string messageBoxText(HWND box) {
    std::string longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(windowClass(child).c_str(), "Static") == 0) {
            std::string text = windowText(child);
            if (text.size() > longest.size()) {
                longest = text;
            }
        }
    }
    return longest;
}

void pressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

std::string testProgramPath() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string readerPath() {
    const char* exe = std::getenv("NURVELA_EXE");
    return exe != nullptr ? exe : "";
}

std::string commandLine(const std::string& program, const std::string& arguments) {
    std::string line;
    line.append(1, '"').append(program).append(1, '"');
    if (!arguments.empty()) {
        line.append(1, ' ').append(arguments);
    }
    return line;
}
