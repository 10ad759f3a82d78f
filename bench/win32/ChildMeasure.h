#pragma once
// What the benchmarks that time the real main window share: a clock, the peak working set,
// the watch on the pumps (a 10 ms thread timer whose deliveries are the moments the window
// looked at its queue), one measurement per child process, and best-of-n with the range.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Of this process: each measurement runs in a process of its own, so the peak is its own.
inline double peakWorkingSetMb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// The timer that stands for the user's input.
constexpr UINT PumpProbeMs = 10;

// The longest gap between two deliveries of the probe timer (or between the start and the
// first, or the last and the end): the longest time input would have waited.
struct PumpWatch {
    double last = 0;
    double longestGap = 0;
    // When given, every delivery's time is added to it.
    std::vector<double>* deliveries = nullptr;
    static inline PumpWatch* current = nullptr;

    explicit PumpWatch(double start) : last(start) { current = this; }
    ~PumpWatch() { current = nullptr; }
    void seen(double t) {
        longestGap = std::max(longestGap, t - last);
        last = t;
        if (deliveries)
            deliveries->push_back(t);
    }
    static void CALLBACK delivered(HWND, UINT, UINT_PTR, DWORD) {
        if (current)
            current->seen(nowMs());
    }
};

inline std::string quoted(const std::string& arg) {
    return "\"" + arg + "\"";
}

// Runs this program again with args and returns what it wrote to its standard output, the
// trailing line ends removed; false when it could not be started.
inline bool runChild(const std::string& args, std::string& output) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string command = quoted(self) + " " + args;
    const bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    output.clear();
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
        output.pop_back();
    return started;
}

// Best of the runs with the range, e.g. "812 ms (812..905)".
inline std::string spread(const std::vector<double>& values, const char* unit) {
    if (values.empty())
        return "-";
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    char text[96];
    if (values.size() == 1)
        std::snprintf(text, sizeof text, "%.0f %s", *low, unit);
    else
        std::snprintf(text, sizeof text, "%.0f %s (%.0f..%.0f)", *low, unit, *low, *high);
    return text;
}

inline double best(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

}  // namespace bench
