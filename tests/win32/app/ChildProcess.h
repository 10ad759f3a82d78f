#pragma once
// Starting a program as a separate process and watching what it shows: its top-level
// windows (found by process id), the texts in a message box, and its exit code.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ChildProcess {
public:
    // Starts `commandLine`; started() tells whether that worked.
    explicit ChildProcess(const std::string& commandLine);
    ~ChildProcess();  // ends the process if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }

    // The first visible top-level window of this process that `accept` likes, polling for
    // up to `timeoutMs`; null when none appears (or the process ends first).
    HWND waitForWindow(const std::function<bool(HWND)>& accept, DWORD timeoutMs) const;
    // Every top-level window of this process that is visible now.
    std::vector<HWND> visibleWindows() const;
    // The exit code, or STILL_ACTIVE when the process has not ended within `timeoutMs`.
    DWORD waitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION info_{};
};

std::string windowText(HWND hwnd);
std::string windowClass(HWND hwnd);
// A message box: the dialog class with an OK button.
bool isMessageBox(HWND hwnd);
// The reader's main window: captioned "Nurvela", not a box.
bool isReaderWindow(HWND hwnd);
// Every child window of a window, children's children included.
std::vector<HWND> childrenOf(HWND window);
// The text a message box shows (its static text that is not the icon).
std::string messageBoxText(HWND box);
// Presses the OK button of a message box.
void pressOk(HWND box);
// A command line: the program's path in quotes, then the arguments.
std::string commandLine(const std::string& program, const std::string& arguments = {});
// The full path of this test program.
std::string testProgramPath();
// The reader's executable, from NURVELA_EXE.
std::string readerPath();
