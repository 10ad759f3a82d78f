// Times a change of the reading view's text size (Ctrl++ from 100 to 110 %) in the real main
// window, beside figures taken in the same run:
//   - surah 2 with "Arab" on, surah 2 alone and the search for "yang" shown, then the size
//     changed: to the first screen at the new size, to the end, and the longest stretch
//     without a look at the queue;
//   - before: the control's own zoom on the same content, as Ctrl with the wheel worked in
//     the view before the program sized the text itself (one call that lays out everything);
//   - reference: the same content shown anew at 100 % (the surah chosen again, Enter again).
// Each measurement runs in a process of its own, the three kinds alternating, best of the
// runs with the range.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run.sh
//       <build>/win32/bench/win32/ZoomBench.exe [--runs=n]
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win32/ChildMeasure.h"
#include "bench/win32/FirstScreen.h"
#include "bench/win32/MainWindowRun.h"
#include "toolkit/Application.h"
#include "toolkit/EditBox.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

using bench::FirstScreen;
using bench::nowMs;
using bench::PumpProbeMs;
using bench::PumpWatch;
using bench::spread;

// The content the size changes on.
void showContent(MainWindow* w, const std::string& what) {
    if (what == "arabic") {
        w->ArabicCommand();
        Application::processMessages();
    }
    if (what == "search") {
        SetWindowTextA(w->SearchBox->handle(), "yang");
        w->RunSearch();
    } else {
        w->SurahList->setItemIndex(1);
        w->ShowSelectedSurah();
    }
    Application::processMessages();
}

// Prints "ms firstScreen stretch" for the work.
template <typename Work>
int timeHere(MainWindow* w, Work work) {
    FirstScreen screen(*w->ReadingView);
    const double start = nowMs();
    PumpWatch watch(start);
    const UINT_PTR probe = SetTimer(nullptr, 0, PumpProbeMs, PumpWatch::delivered);
    work();
    const double end = nowMs();
    watch.seen(end);
    KillTimer(nullptr, probe);
    std::printf("%.1f %.1f %.1f\n", end - start, screen.at() - start, watch.longestGap);
    return 0;
}

int measureHere(const std::string& what, const std::string& kind) {
    bench::MainWindowRun window;
    MainWindow* w = window.w;
    showContent(w, what);
    if (kind == "before") {
        // One call: the control lays the whole content out at the new size.
        const double start = nowMs();
        SendMessageA(w->ReadingView->handle(), EM_SETZOOM, 110, 100);
        UpdateWindow(w->ReadingView->handle());
        const double end = nowMs();
        std::printf("%.1f %.1f %.1f\n", end - start, end - start, end - start);
        return 0;
    }
    if (kind == "reference")
        return timeHere(w, [w, what] {
            if (what == "search") {
                w->RunSearch();
            } else {
                w->ShowSelectedSurah();
            }
        });
    return timeHere(w, [w] { w->ZoomCommand(1); });
}

struct Series {
    std::vector<std::vector<double>> columns{3};
};

bool runInto(const std::string& args, Series& series) {
    std::string output;
    if (!bench::runChild(args, output))
        return false;
    double values[3] = {};
    if (std::sscanf(output.c_str(), "%lf %lf %lf", &values[0], &values[1], &values[2]) != 3) {
        std::fprintf(stderr, "measurement failed (%s): %s\n", args.c_str(), output.c_str());
        return false;
    }
    for (int i = 0; i < 3; ++i)
        series.columns[i].push_back(values[i]);
    return true;
}

void compare(const char* name, const std::string& what, int runs) {
    Series zoom, before, reference;
    for (int i = 0; i < runs; ++i) {
        runInto("--case=" + what + " --kind=reference", reference);
        runInto("--case=" + what + " --kind=before", before);
        runInto("--case=" + what + " --kind=zoom", zoom);
    }
    std::printf("%s:\n", name);
    std::printf("    Ctrl++ now:       first screen %s, whole %s, longest stretch %s\n",
                spread(zoom.columns[1], "ms").c_str(), spread(zoom.columns[0], "ms").c_str(),
                spread(zoom.columns[2], "ms").c_str());
    std::printf("    control's zoom:   one call %s (the first screen and the stretch with it)\n",
                spread(before.columns[0], "ms").c_str());
    std::printf("    shown anew, 100%%: first screen %s, whole %s, longest stretch %s\n",
                spread(reference.columns[1], "ms").c_str(),
                spread(reference.columns[0], "ms").c_str(),
                spread(reference.columns[2], "ms").c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::string what, kind;
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--runs=", 0) == 0) {
            runs = std::max(1, std::atoi(arg.c_str() + 7));
        } else if (arg.rfind("--case=", 0) == 0) {
            what = arg.substr(7);
        } else if (arg.rfind("--kind=", 0) == 0) {
            kind = arg.substr(7);
        }
    }
    if (!what.empty())
        return measureHere(what, kind);
    std::printf(
        "Text size 100 -> 110 %%: stretches observed with a %u ms timer; best of %d run(s) with "
        "the range\n",
        PumpProbeMs, runs);
    compare("Surah 2 with \"Arab\"", "arabic", runs);
    compare("Surah 2", "surah", runs);
    compare("Search \"yang\"", "search", runs);
    return 0;
}
