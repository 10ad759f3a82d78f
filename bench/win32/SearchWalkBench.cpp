// Times a search in the real main window, from Enter in the search box to the final
// " ( K Kata )" in the status line, with bold marking on: the scan, the result text handed to
// the view and the marking walk. A walk still running after the time limit is stopped the
// way a close stops it, and how far it got is reported. The reference in the same run is
// the walk's own floor: the same search with bold marking off (finds and pumps only).
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run.sh
//       <build>/win32/bench/win32/SearchWalkBench.exe [text ...] [--limit=seconds] [--watch]
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Watches the finds the view is asked for (--watch): how many, when the first came, and the
// longest stretch between two of them (the window answers input only between finds). The
// hook it needs sees every message sent in the thread and slows the walk itself down.
struct FindWatch {
    int finds = 0;
    double first = 0, last = 0, longestGap = 0;
    static inline FindWatch* current = nullptr;
    HHOOK hook = nullptr;

    FindWatch() {
        current = this;
        hook = SetWindowsHookExA(WH_CALLWNDPROC, watch, nullptr, GetCurrentThreadId());
    }
    ~FindWatch() {
        UnhookWindowsHookEx(hook);
        current = nullptr;
    }
    static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && current && sent->message == EM_FINDTEXT) {
            const double t = nowMs();
            if (current->finds++ == 0) {
                current->first = t;
            } else if (t - current->last > current->longestGap) {
                current->longestGap = t - current->last;
            }
            current->last = t;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};

MainWindow* limitedWindow = nullptr;

// Runs in the walk's pump once the limit is over: stops the walk as a close would.
void CALLBACK stopWalk(HWND, UINT, UINT_PTR, DWORD) {
    if (limitedWindow)
        limitedWindow->closing = true;
}

void measure(const std::string& text, bool bold, double limitSeconds, bool watchFinds) {
    MainWindow* w = nullptr;
    std::unique_ptr<Form> form = CreateMainWindow(w, nullptr);
    form->show();
    Application::processMessages();
    SendMessageA(w->BoldCheck->handle(), BM_SETCHECK, bold ? BST_CHECKED : BST_UNCHECKED, 0);
    SetWindowTextA(w->SearchBox->handle(), text.c_str());

    limitedWindow = w;
    const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(limitSeconds * 1000), stopWalk);
    std::unique_ptr<FindWatch> watch = watchFinds ? std::make_unique<FindWatch>() : nullptr;
    const double start = nowMs();
    SendMessageA(w->SearchBox->handle(), WM_KEYDOWN, VK_RETURN, 1);
    const double end = nowMs();
    KillTimer(nullptr, timer);
    limitedWindow = nullptr;

    const bool stopped = w->closing;
    std::printf("%-8s bold %-3s  %9.0f ms to \"%s\"%s\n", ("\"" + text + "\"").c_str(),
                bold ? "on" : "off", end - start, w->CountLabel->caption().c_str(),
                stopped ? "  (stopped at the limit)" : "");
    if (watch) {
        std::printf(
            "%-18s before the first find %.0f ms, %d finds, longest stretch between two "
            "finds %.1f ms\n",
            "", watch->first - start, watch->finds, watch->longestGap);
    }
    w->closing = false;
    form.reset();
    Application::setTerminated(false);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> texts;
    double limitSeconds = 60;
    bool watchFinds = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--limit=", 0) == 0) {
            limitSeconds = std::atof(arg.c_str() + 8);
        } else if (arg == "--watch") {
            watchFinds = true;
        } else {
            texts.push_back(arg);
        }
    }
    if (texts.empty())
        texts = {"allah", "a"};
    for (const std::string& text : texts) {
        measure(text, true, limitSeconds, watchFinds);
        measure(text, false, limitSeconds, watchFinds);
    }
    return 0;
}
