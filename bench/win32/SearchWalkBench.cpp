// Times a search in the real main window, from Enter in the search box to the final
// " ( K Kata )" in the status line, with bold marking on and off, and reports beside it
//   - the longest stretch in which the window handled no message: a thread timer fires every
//     10 ms, and the longest gap between two of its deliveries (or between Enter and the
//     first, or the last and the final label) is the longest time input would have waited;
//   - the peak working set of the process (each measurement runs in a process of its own,
//     so the peak is that search's);
//   - the reference measured in the same run: the same result text streamed plain into a
//     fresh view in one call, and the search's time as a multiple of it.
// A search still running after the time limit is stopped the way a close stops it (the
// closing flag), and the occurrences counted so far are reported.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run.sh
//       <build>/win32/bench/win32/SearchWalkBench.exe [text ...] [--whole=text ...]
//       [--limit=seconds] [--runs=n]
// Without texts: "allah", "yang", "a" and "nabi" as a whole word. Each figure is taken n
// times (default 1) and shown as the best with the range of all runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/win32/ChildMeasure.h"
#include "bench/win32/MainWindowRun.h"
#include "corpus/FastStrList.h"
#include "reader/SearchScan.h"
#include "reader/ViewText.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

using bench::nowMs;
using bench::peakWorkingSetMb;
using bench::PumpProbeMs;
using bench::PumpWatch;
using bench::quoted;
using bench::spread;

using Window = bench::MainWindowRun;

// One measurement in this process; prints "ms stretch peak label".
int measureHere(const std::string& text, bool wholeWord, bool bold, bool reference,
                double limitSeconds) {
    Window window;
    MainWindow* w = window.w;
    SendMessageA(w->WholeWordCheck->handle(), BM_SETCHECK, wholeWord ? BST_CHECKED : BST_UNCHECKED,
                 0);
    SendMessageA(w->BoldCheck->handle(), BM_SETCHECK, bold ? BST_CHECKED : BST_UNCHECKED, 0);

    if (reference) {
        const rules::SearchScan scan = rules::ScanCorpus(*w->corpus, text, wholeWord);
        const std::string result = rules::ResultText(*w->corpus, scan.resultItems);
        const double start = nowMs();
        w->ReadingView->setText(result);
        const double end = nowMs();
        std::printf("%.1f %.1f %.1f %zu characters\n", end - start, end - start, peakWorkingSetMb(),
                    result.size());
        return 0;
    }

    SetWindowTextA(w->SearchBox->handle(), text.c_str());
    const bench::TimeLimit limit(w, limitSeconds);
    const double start = nowMs();
    PumpWatch watch(start);
    const UINT_PTR probe = SetTimer(nullptr, 0, PumpProbeMs, PumpWatch::delivered);
    SendMessageA(w->SearchBox->handle(), WM_KEYDOWN, VK_RETURN, 1);
    const double end = nowMs();
    watch.seen(end);
    KillTimer(nullptr, probe);
    std::printf("%.1f %.1f %.1f %s%s\n", end - start, watch.longestGap, peakWorkingSetMb(),
                w->CountLabel->caption().c_str(), w->closing ? "  (stopped at the limit)" : "");
    return 0;
}

// What one child process reported.
struct Figure {
    double ms = 0, stretch = 0, peak = 0;
    std::string note;
};

bool runChild(const std::string& args, Figure& figure) {
    std::string output;
    if (!bench::runChild(args, output))
        return false;
    int used = 0;
    if (std::sscanf(output.c_str(), "%lf %lf %lf %n", &figure.ms, &figure.stretch, &figure.peak,
                    &used) < 3) {
        std::fprintf(stderr, "measurement failed: %s\n", output.c_str());
        return false;
    }
    figure.note = output.substr(static_cast<std::size_t>(used));
    return true;
}

struct Series {
    std::vector<double> ms, stretch, peak;
    std::string note;
    void add(const Figure& f) {
        ms.push_back(f.ms);
        stretch.push_back(f.stretch);
        peak.push_back(f.peak);
        note = f.note;
    }
    double best() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
};

Series repeat(const std::string& args, int runs) {
    Series series;
    for (int i = 0; i < runs; ++i) {
        Figure figure;
        if (runChild(args, figure))
            series.add(figure);
    }
    return series;
}

void compare(const std::string& text, bool wholeWord, double limitSeconds, int runs) {
    const std::string common = "--case=" + quoted(text) + (wholeWord ? " --whole" : "") +
                               " --limit=" + std::to_string(limitSeconds);
    const Series reference = repeat(common + " --reference", runs);
    const std::string name = quoted(text) + (wholeWord ? " (whole word)" : "");
    std::printf("%-22s plain text into a fresh view, one call: %s, peak %s; %s\n", name.c_str(),
                spread(reference.ms, "ms").c_str(), spread(reference.peak, "MB").c_str(),
                reference.note.c_str());
    for (bool bold : {true, false}) {
        const Series search = repeat(common + (bold ? " --bold" : ""), runs);
        const double ratio = reference.best() > 0 ? search.best() / reference.best() : 0;
        std::printf(
            "%-22s bold %-3s Enter to label %s = %.2fx the reference; longest stretch "
            "without a pump %s; peak %s\n%-22s          %s\n",
            "", bold ? "on" : "off", spread(search.ms, "ms").c_str(), ratio,
            spread(search.stretch, "ms").c_str(), spread(search.peak, "MB").c_str(), "",
            search.note.c_str());
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::pair<std::string, bool>> texts;
    std::string caseText;
    bool inChild = false, wholeWord = false, bold = false, reference = false;
    double limitSeconds = 60;
    int runs = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--limit=", 0) == 0) {
            limitSeconds = std::atof(arg.c_str() + 8);
        } else if (arg.rfind("--runs=", 0) == 0) {
            runs = std::max(1, std::atoi(arg.c_str() + 7));
        } else if (arg.rfind("--whole=", 0) == 0) {
            texts.emplace_back(arg.substr(8), true);
        } else if (arg.rfind("--case=", 0) == 0) {
            inChild = true;
            caseText = arg.substr(7);
        } else if (arg == "--whole") {
            wholeWord = true;
        } else if (arg == "--bold") {
            bold = true;
        } else if (arg == "--reference") {
            reference = true;
        } else {
            texts.emplace_back(arg, false);
        }
    }
    if (inChild)
        return measureHere(caseText, wholeWord, bold, reference, limitSeconds);

    if (texts.empty())
        texts = {{"allah", false}, {"yang", false}, {"a", false}, {"nabi", true}};
    std::printf(
        "Search from Enter to the final label; stretches observed with a %u ms timer; "
        "best of %d run(s) with the range\n",
        PumpProbeMs, runs);
    for (const auto& [text, whole] : texts)
        compare(text, whole, limitSeconds, runs);
    return 0;
}
