// Start-up time of the reader next to a program that only shows an empty window, both
// started the same way in the same run: from CreateProcess until the process has a visible
// top-level window and waits for input. Each program is started several times; the median
// is reported for each, with the difference and the ratio.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run.sh
//       <build>/win32/bench/win32/StartupBench.exe <reader.exe> <reference.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct VisibleSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK findVisible(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<VisibleSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from start to a visible, idle window; negative on failure.
double startOnce(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + program + "\"";
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    VisibleSearch search{process.dwProcessId, nullptr};
    for (int tries = 0; tries < 30000 && search.found == nullptr; ++tries) {
        WaitForInputIdle(process.hProcess, 1000);
        EnumWindows(findVisible, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(1);
        }
    }
    WaitForInputIdle(process.hProcess, 10000);
    QueryPerformanceCounter(&end);
    double elapsed = search.found ? 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                                        static_cast<double>(frequency.QuadPart)
                                  : -1;
    if (search.found) {
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupBench <reader.exe> <reference.exe> [runs]\n");
        return 2;
    }
    int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    startOnce(argv[2]);  // warm the file cache and the Wine server for both
    startOnce(argv[1]);
    std::vector<double> reader, reference;
    for (int i = 0; i < runs; ++i) {
        // Alternate, so that a slow phase of the machine hits both.
        reference.push_back(startOnce(argv[2]));
        reader.push_back(startOnce(argv[1]));
        std::printf("run %d: reference %.1f ms, reader %.1f ms\n", i + 1, reference.back(),
                    reader.back());
    }
    if (*std::min_element(reader.begin(), reader.end()) < 0 ||
        *std::min_element(reference.begin(), reference.end()) < 0) {
        std::fprintf(stderr, "a program did not show a window\n");
        return 1;
    }
    double r = median(reader), e = median(reference);
    std::printf("median start to visible and idle: reader %.1f ms, empty window %.1f ms\n", r, e);
    std::printf("reader adds %.1f ms (ratio %.2f)\n", r - e, r / e);
    return 0;
}
