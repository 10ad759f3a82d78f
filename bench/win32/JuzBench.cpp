// Times a juz chosen in the list of the real main window beside surah 2 chosen in the list of
// surahs, in the same run, with and without "Arab": juz 1 (148 verses, Al-Fatihah and the start
// of Al-Baqarah), juz 2 (111 long verses of Al-Baqarah) and juz 30 (564 short verses under 37
// headings). For each: the first screen drawn, the whole content in (ShowSelectedSurah
// returns), the longest stretch without a look at the queue and the peak working set; beside
// it, the same view text put into the view in one call: with the Arabic, the whole document
// (ArabicPieceRtf over the whole text, the same style) streamed into the fresh Unicode view,
// without it the text set in one call, as a surah is.
// The first screen is the end of the first paint of the view after its content was replaced
// (bench/win32/FirstScreen.h). Each measurement runs in a process of its own; references and
// measurements alternate, so a slow phase of the shared machine hits both.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run.sh
//       <build>/win32/bench/win32/JuzBench.exe [--runs=n] [--only=arab|plain]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win32/ChildMeasure.h"
#include "bench/win32/FirstScreen.h"
#include "bench/win32/MainWindowRun.h"
#include "reader/ArabicLayout.h"
#include "reader/ArabicRtf.h"
#include "reader/ViewText.h"
#include "toolkit/Application.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

using bench::FirstScreen;
using bench::nowMs;
using bench::peakWorkingSetMb;
using bench::PumpProbeMs;
using bench::PumpWatch;
using bench::spread;

// What is chosen: surah 2 in the list of surahs, or a juz in the list of juz.
struct Choice {
    const char* name;
    bool juz;
    int number;
};
constexpr Choice Choices[] = {
    {"surah 2", false, 2}, {"juz 1", true, 1}, {"juz 2", true, 2}, {"juz 30", true, 30}};

rules::ArabicShaper shaperInUse() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")
               ? rules::ArabicShaper::Wine
               : rules::ArabicShaper::Standard;
}

// One measurement in this process: prints its numbers on one line.
int measureHere(const Choice& choice, bool arabic, bool reference) {
    bench::MainWindowRun window;
    MainWindow* w = window.w;
    if (arabic) {
        w->ArabicCommand();
        Application::processMessages();
    }
    if (choice.juz) {
        w->JuzCommand();
        Application::processMessages();
    }
    const rules::ViewText view = choice.juz ? rules::JuzText(*w->corpus, choice.number)
                                            : rules::SurahText(*w->corpus, choice.number);
    if (reference) {
        // The same text in one call: the whole document with its Arabic, or the text alone.
        double start = 0;
        if (arabic) {
            const rules::ArabicLayout layout(view.text, *w->arabic, shaperInUse());
            const rules::TextPiece whole{0, view.text.size(), 0, 0};
            const std::string rtf = rules::ArabicPieceRtf(
                layout, whole, {}, w->ArabicStyle(true, rules::ArabicForm::Drawn),
                rules::ArabicForm::Drawn);
            start = nowMs();
            w->ReadingView->setRtf(rtf);
        } else {
            start = nowMs();
            w->ReadingView->setText(view.text);
        }
        std::printf("%.1f %.1f\n", nowMs() - start, peakWorkingSetMb());
        return 0;
    }
    FirstScreen screen(*w->ReadingView);
    const double start = nowMs();
    PumpWatch watch(start);
    const UINT_PTR probe = SetTimer(nullptr, 0, PumpProbeMs, PumpWatch::delivered);
    w->SurahList->setItemIndex(choice.number - 1);
    w->ShowSelectedSurah();
    const double end = nowMs();
    watch.seen(end);
    KillTimer(nullptr, probe);
    std::printf("%.1f %.1f %.1f %.1f %s, %s\n", end - start, screen.at() - start,
                watch.longestGap, peakWorkingSetMb(), w->SurahLabel->caption().c_str(),
                w->CountLabel->caption().c_str());
    return 0;
}

// The numbers a child printed, and the rest of its line.
bool runChild(const std::string& args, std::size_t count, std::vector<double>& values,
              std::string& note) {
    std::string output;
    if (!bench::runChild(args, output))
        return false;
    const char* at = output.c_str();
    values.clear();
    while (values.size() < count) {
        char* end = nullptr;
        const double value = std::strtod(at, &end);
        if (end == at)
            break;
        values.push_back(value);
        at = end;
    }
    if (values.size() < count) {
        std::fprintf(stderr, "measurement failed (%s): %s\n", args.c_str(), output.c_str());
        return false;
    }
    while (*at == ' ')
        ++at;
    note = at;
    return true;
}

void timed(const Choice& choice, bool arabic, int runs) {
    std::vector<std::vector<double>> measured(4), reference(2);
    std::string note;
    const std::string args = "--case=" + std::to_string(&choice - Choices) +
                             (arabic ? " --arab" : "");
    for (int i = 0; i < runs; ++i) {
        std::vector<double> values;
        std::string ignored;
        if (runChild(args + " --reference", 2, values, ignored)) {
            for (std::size_t k = 0; k < 2; ++k)
                reference[k].push_back(values[k]);
        }
        if (runChild(args, 4, values, note)) {
            for (std::size_t k = 0; k < 4; ++k)
                measured[k].push_back(values[k]);
        }
    }
    const double oneCall = bench::best(reference[0]);
    std::printf(
        "%-7s %s: first screen %s; whole %s = %.2fx one call (%s); longest stretch without a "
        "pump %s; peak %s; %s\n",
        choice.name, arabic ? "with \"Arab\"   " : "without \"Arab\"",
        spread(measured[1], "ms").c_str(), spread(measured[0], "ms").c_str(),
        oneCall > 0 ? bench::best(measured[0]) / oneCall : 0.0, spread(reference[0], "ms").c_str(),
        spread(measured[2], "ms").c_str(), spread(measured[3], "MB").c_str(), note.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 1;
    int which = -1;
    bool arabic = false, reference = false;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--runs=", 0) == 0)
            runs = std::max(1, std::atoi(arg.c_str() + 7));
        else if (arg.rfind("--case=", 0) == 0)
            which = std::atoi(arg.c_str() + 7);
        else if (arg.rfind("--only=", 0) == 0)
            only = arg.substr(7);
        else if (arg == "--arab")
            arabic = true;
        else if (arg == "--reference")
            reference = true;
    }
    constexpr int Count = static_cast<int>(sizeof Choices / sizeof Choices[0]);
    if (which >= 0 && which < Count)
        return measureHere(Choices[which], arabic, reference);

    std::printf(
        "A juz chosen beside surah 2, with and without \"Arab\": best of %d run(s) with the "
        "range; stretches observed with a %u ms timer; one call: the same view text put in at "
        "once (with the Arabic, one RTF document streamed into the fresh view)\n",
        runs, PumpProbeMs);
    for (bool withArabic : {false, true}) {
        if ((withArabic && only == "plain") || (!withArabic && only == "arab"))
            continue;
        for (const Choice& choice : Choices)
            timed(choice, withArabic, runs);
    }
    return 0;
}
