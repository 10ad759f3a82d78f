// Times the reading view with "Arab" on, in the real main window, each figure beside a
// reference taken in the same run:
//   - the first press of "Arab" on the opening view: the Arabic text unpacked and its font
//     loaded (MainWindow::LoadArabic), then the whole press to the first screen and to its end;
//     reference: the translation unpacked and split (LoadCorpus);
//   - surah 2 chosen in the list: the first screen drawn, the whole surah laid out
//     (ShowSelectedSurah returns), the longest stretch without a pump and the peak working
//     set; reference: the same Arabic and translation as one RTF document (ArabicPieceRtf over
//     the whole text, the same style) streamed into the fresh Unicode view in one call;
//   - searches ("yang" and "a" unless named), Enter in the search box to the final label,
//     with the same figures; reference: the result's RTF, bold marks included, in one call;
//   - the search in the Arabic for "الله", the Arabic word with the most verses (1,746), typed
//     into the search box, Enter to the final label with the same figures, the Arabic folded
//     for searching at this first search; references, with the Arabic on as well: the search
//     of the translation for "sungguh", which shows about as many verses (1,741) but shorter
//     ones, and for "allah", more verses (2,190) with about as much Arabic.
// The first screen is the end of the first paint of the view after its content was replaced:
// a message posted when that WM_PAINT is taken from the queue is taken right after it has
// been handled. Each measurement runs in a process of its own; references and measurements
// alternate, so a slow phase of the shared machine hits both.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run.sh
//       <build>/win32/bench/win32/ArabicBench.exe [text ...] [--limit=seconds] [--runs=n]
//       [--only=unpack|surah|search|arabic] [--pieces]
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/win32/ChildMeasure.h"
#include "bench/win32/FirstScreen.h"
#include "bench/win32/MainWindowRun.h"
#include "corpus/FastStrList.h"
#include "corpus/LoadCorpus.h"
#include "reader/ArabicLayout.h"
#include "reader/ArabicRtf.h"
#include "reader/Occurrences.h"
#include "reader/SearchScan.h"
#include "reader/ViewText.h"
#include "toolkit/Application.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
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
using bench::quoted;
using bench::spread;

using Window = bench::MainWindowRun;

// With --pieces: every document streamed into the view (its size and how long the view took)
// and the three longest stretches without a pump with the streams inside them, to stderr, so
// that the piece sizes can be judged one by one.
class PieceLog {
public:
    PieceLog() {
        current_ = this;
        before_ = SetWindowsHookExA(WH_CALLWNDPROC, sent, nullptr, GetCurrentThreadId());
        after_ = SetWindowsHookExA(WH_CALLWNDPROCRET, returned, nullptr, GetCurrentThreadId());
    }
    ~PieceLog() {
        UnhookWindowsHookEx(before_);
        UnhookWindowsHookEx(after_);
        current_ = nullptr;
    }
    PieceLog(const PieceLog&) = delete;
    PieceLog& operator=(const PieceLog&) = delete;

    std::vector<double> deliveries;

    // start: when the work started; end: when it ended.
    void print(double start, double end) const {
        std::string line = "pieces: ms(+characters)";
        for (const Stream& s : streams_) {
            char entry[64];
            std::snprintf(entry, sizeof entry, " %.0f(+%d)", s.end - s.start, s.characters);
            line += entry;
        }
        std::fprintf(stderr, "%s\n", line.c_str());
        // By tenths of the pieces: the mean stream, the mean time between the end of one
        // stream and the start of the next (the fixed cost of a piece: its RTF, the pump, the
        // paint) and the mean size.
        const std::size_t n = streams_.size();
        std::string tenths = "tenths: stream/between ms (characters)";
        double streamed = 0, between = 0;
        for (std::size_t t = 0; t < 10 && n > 1; ++t) {
            const std::size_t from = std::max<std::size_t>(1, n * t / 10), to = n * (t + 1) / 10;
            double a = 0, b = 0, c = 0;
            for (std::size_t k = from; k < to; ++k) {
                a += streams_[k].end - streams_[k].start;
                b += streams_[k].start - streams_[k - 1].end;
                c += streams_[k].characters;
            }
            streamed += a;
            between += b;
            if (to > from) {
                char entry[64];
                const double m = static_cast<double>(to - from);
                std::snprintf(entry, sizeof entry, " %.1f/%.1f(%.0f)", a / m, b / m, c / m);
                tenths += entry;
            }
        }
        if (n > 0)
            streamed += streams_[0].end - streams_[0].start;
        std::fprintf(stderr, "%s\n%zu pieces: streams %.0f ms, between %.0f ms\n", tenths.c_str(),
                     n, streamed, between);
        std::string early = "first streams from the start:";
        for (std::size_t k = 0; k < n && k < 3; ++k) {
            char entry[64];
            std::snprintf(entry, sizeof entry, " %.0f..%.0f", streams_[k].start - start,
                          streams_[k].end - start);
            early += entry;
        }
        std::fprintf(stderr, "%s\n", early.c_str());
        std::vector<std::pair<double, double>> gaps;  // (length, end)
        double last = start;
        for (double t : deliveries) {
            gaps.emplace_back(t - last, t);
            last = t;
        }
        gaps.emplace_back(end - last, end);
        std::sort(gaps.begin(), gaps.end(), std::greater<>());
        for (std::size_t i = 0; i < gaps.size() && i < 3; ++i) {
            const double to = gaps[i].second, from = to - gaps[i].first;
            std::string inside;
            double streamed = 0;
            for (std::size_t k = 0; k < streams_.size(); ++k) {
                const Stream& s = streams_[k];
                if (s.start >= from && s.end <= to) {
                    char entry[64];
                    std::snprintf(entry, sizeof entry, " #%zu %.0f(+%d)", k, s.end - s.start,
                                  s.characters);
                    inside += entry;
                    streamed += s.end - s.start;
                }
            }
            std::fprintf(stderr, "stretch %.0f ms at %.0f: streams%s, other %.0f ms\n",
                         gaps[i].first, from - start, inside.c_str(), gaps[i].first - streamed);
        }
    }

private:
    struct Stream {
        double start, end;
        int characters;
    };
    static LRESULT CALLBACK sent(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && current_ && call->message == EM_STREAMIN) {
            current_->start_ = nowMs();
            current_->view_ = GetWindowTextLengthW(call->hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK returned(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && current_ && call->message == EM_STREAMIN) {
            current_->streams_.push_back(
                {current_->start_, nowMs(), GetWindowTextLengthW(call->hwnd) - current_->view_});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline PieceLog* current_ = nullptr;
    HHOOK before_ = nullptr, after_ = nullptr;
    double start_ = 0;
    int view_ = 0;
    std::vector<Stream> streams_;
};

bool logPieces = false;

// "allaah", the Arabic word with the most verses, as it is typed; and two searches of the
// translation to set it beside: one that shows about as many verses, whose verses are shorter,
// and the same word, whose verses are more and hold about as much Arabic.
constexpr const wchar_t* ArabicMostVerses = L"\u0627\u0644\u0644\u0647";
constexpr const char* LatinAsManyVerses[] = {"sungguh", "allah"};

rules::ArabicShaper shaperInUse() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")
               ? rules::ArabicShaper::Wine
               : rules::ArabicShaper::Standard;
}

// "Arab" pressed on the opening view and everything it started handled.
void pressArabic(MainWindow* w) {
    w->ArabicCommand();
    Application::processMessages();
}

// The reference: text with its Arabic, runs bold, as one document into the fresh Unicode view
// in one call. Prints "ms peak note".
int referenceHere(MainWindow* w, const std::string& text, const std::vector<rules::TextRun>& runs,
                  bool coloured) {
    const double begin = nowMs();
    const rules::ArabicLayout layout(text, *w->arabic, shaperInUse());
    const double laidOut = nowMs();
    const rules::TextPiece whole{0, text.size(), 0, runs.size()};
    const std::string rtf = rules::ArabicPieceRtf(
        layout, whole, runs, w->ArabicStyle(coloured, rules::ArabicForm::Drawn),
        rules::ArabicForm::Drawn);
    if (logPieces)
        std::fprintf(stderr, "layout %.1f ms, RTF %.1f ms\n", laidOut - begin, nowMs() - laidOut);
    std::unique_ptr<PieceLog> pieceLog = logPieces ? std::make_unique<PieceLog>() : nullptr;
    const double start = nowMs();
    w->ReadingView->setRtf(rtf);
    const double end = nowMs();
    if (pieceLog)
        pieceLog->print(start, end);
    std::printf("%.1f %.1f %zu characters, %zu verses, %zu KB of RTF\n", end - start,
                peakWorkingSetMb(), text.size(), layout.entries().size(), rtf.size() / 1024);
    return 0;
}

// The Arabic the view shows, in UTF-16 units: what its time depends on most.
std::string arabicShown(const MainWindow* w) {
    std::size_t units = 0;
    if (w->arabicLayout) {
        for (const rules::ArabicEntry& entry : w->arabicLayout->entries())
            units += entry.arabicLength;
    }
    return ", " + std::to_string(units / 1000) + "k units of Arabic";
}

// Times work from its start: prints "ms firstScreen stretch peak" and the note.
template <typename Work>
int timeHere(MainWindow* w, double limitSeconds, Work work, bool showArabic = false) {
    const bench::TimeLimit limit(w, limitSeconds);
    std::unique_ptr<PieceLog> pieceLog = logPieces ? std::make_unique<PieceLog>() : nullptr;
    FirstScreen screen(*w->ReadingView);
    const double start = nowMs();
    PumpWatch watch(start);
    if (pieceLog)
        watch.deliveries = &pieceLog->deliveries;
    const UINT_PTR probe = SetTimer(nullptr, 0, PumpProbeMs, PumpWatch::delivered);
    work();
    const double end = nowMs();
    watch.deliveries = nullptr;
    watch.seen(end);
    if (pieceLog)
        pieceLog->print(start, end);
    KillTimer(nullptr, probe);
    std::printf("%.1f %.1f %.1f %.1f %s%s%s\n", end - start, screen.at() - start, watch.longestGap,
                peakWorkingSetMb(), w->CountLabel->caption().c_str(),
                showArabic ? arabicShown(w).c_str() : "",
                w->closing ? "  (stopped at the limit)" : "");
    return 0;
}

int measureHere(const std::string& what, const std::string& text, bool reference,
                double limitSeconds) {
    Window window;
    MainWindow* w = window.w;
    if (what == "unpack") {
        if (reference) {
            FastStrList translation;
            const double start = nowMs();
            LoadCorpus(translation);
            std::printf("%.1f %.1f %d lines\n", nowMs() - start, peakWorkingSetMb(),
                        translation.count());
            return 0;
        }
        // The first press: the unpacking and the font, then the rest of the press; the first
        // screen and the stretch count from the press.
        double loaded = 0;
        FirstScreen screen(*w->ReadingView);
        const double start = nowMs();
        PumpWatch watch(start);
        const UINT_PTR probe = SetTimer(nullptr, 0, PumpProbeMs, PumpWatch::delivered);
        if (!w->LoadArabic())
            return 1;
        loaded = nowMs();
        w->ArabicCommand();
        const double end = nowMs();
        watch.seen(end);
        KillTimer(nullptr, probe);
        std::printf("%.1f %.1f %.1f %.1f %.1f\n", loaded - start, end - start, screen.at() - start,
                    watch.longestGap, peakWorkingSetMb());
        return 0;
    }
    pressArabic(w);
    if (what == "surah") {
        constexpr int Surah = 2;
        if (reference)
            return referenceHere(w, rules::SurahText(*w->corpus, Surah).text, {}, true);
        return timeHere(w, limitSeconds, [w] {
            w->SurahList->setItemIndex(Surah - 1);
            w->ShowSelectedSurah();
        });
    }
    // The search in the Arabic, or the translation's with as many verses; bold marks on.
    if (what == "arabic") {
        if (reference)
            SetWindowTextA(w->SearchBox->handle(), text.c_str());
        else
            SetWindowTextW(w->SearchBox->handle(), ArabicMostVerses);
        return timeHere(
            w, limitSeconds,
            [w] { SendMessageA(w->SearchBox->handle(), WM_KEYDOWN, VK_RETURN, 1); }, true);
    }
    // A search, bold marks on as the window starts.
    if (reference) {
        const double begin = nowMs();
        const rules::SearchScan scan = rules::ScanCorpus(*w->corpus, text, false);
        const std::string result = rules::ResultText(*w->corpus, scan.resultItems);
        const double scanned = nowMs();
        const auto runs =
            rules::CoveredRuns(rules::FindOccurrences(result, text, false), text.size());
        if (logPieces)
            std::fprintf(stderr, "scan and result text %.1f ms, occurrences %.1f ms\n",
                         scanned - begin, nowMs() - scanned);
        return referenceHere(w, result, runs, true);
    }
    SetWindowTextA(w->SearchBox->handle(), text.c_str());
    return timeHere(w, limitSeconds,
                    [w] { SendMessageA(w->SearchBox->handle(), WM_KEYDOWN, VK_RETURN, 1); });
}

// What one child process reported: its numbers, then the rest of its line.
struct Figure {
    std::vector<double> values;
    std::string note;
};

bool runChild(const std::string& args, std::size_t count, Figure& figure) {
    std::string output;
    if (!bench::runChild(args, output))
        return false;
    const char* at = output.c_str();
    figure.values.clear();
    while (figure.values.size() < count) {
        char* end = nullptr;
        const double value = std::strtod(at, &end);
        if (end == at)
            break;
        figure.values.push_back(value);
        at = end;
    }
    if (figure.values.size() < count) {
        std::fprintf(stderr, "measurement failed (%s): %s\n", args.c_str(), output.c_str());
        return false;
    }
    while (*at == ' ')
        ++at;
    figure.note = at;
    return true;
}

// The runs of one measurement: column i of every run's numbers.
struct Series {
    std::vector<std::vector<double>> columns;
    std::string note;
    void add(const Figure& figure) {
        columns.resize(figure.values.size());
        for (std::size_t i = 0; i < figure.values.size(); ++i)
            columns[i].push_back(figure.values[i]);
        note = figure.note;
    }
    const std::vector<double>& operator[](std::size_t i) const {
        static const std::vector<double> none;
        return i < columns.size() ? columns[i] : none;
    }
};

// The measurement and its reference, alternating, runs times each.
void alternate(const std::string& args, std::size_t count, int runs, Series& reference,
               Series& measured) {
    for (int i = 0; i < runs; ++i) {
        Figure figure;
        if (runChild(args + " --reference", 2, figure))
            reference.add(figure);
        if (runChild(args, count, figure))
            measured.add(figure);
    }
}

double ratio(const std::vector<double>& a, const std::vector<double>& b) {
    const double under = bench::best(b);
    return under > 0 ? bench::best(a) / under : 0;
}

void firstPress(int runs) {
    Series reference, press;
    alternate("--case=unpack", 5, runs, reference, press);
    std::printf(
        "First \"Arab\" press, opening view: unpack + font %s = %.2fx the translation's unpack "
        "(%s);\n    whole press %s, first screen %s, longest stretch %s; peak %s\n",
        spread(press[0], "ms").c_str(), ratio(press[0], reference[0]),
        spread(reference[0], "ms").c_str(), spread(press[1], "ms").c_str(),
        spread(press[2], "ms").c_str(), spread(press[3], "ms").c_str(),
        spread(press[4], "MB").c_str());
    std::fflush(stdout);
}

// The search in the Arabic beside a search of the translation with as many verses, both with
// the Arabic shown and timed alike.
void arabicSearch(const std::string& args, int runs) {
    Series reference[2], measured;
    for (int i = 0; i < runs; ++i) {
        Figure figure;
        for (int r = 0; r < 2; ++r) {
            if (runChild(args + " --reference --text=" + LatinAsManyVerses[r], 4, figure))
                reference[r].add(figure);
        }
        if (runChild(args, 4, figure))
            measured.add(figure);
    }
    for (int r = 0; r < 2; ++r) {
        std::printf(
            "Search \"%s\" in the translation: first screen %s; Enter to label %s; longest "
            "stretch without a pump %s; peak %s; %s\n",
            LatinAsManyVerses[r], spread(reference[r][1], "ms").c_str(),
            spread(reference[r][0], "ms").c_str(), spread(reference[r][2], "ms").c_str(),
            spread(reference[r][3], "MB").c_str(), reference[r].note.c_str());
    }
    std::printf(
        "Search \"allaah\" in the Arabic (first search, folding included): first screen %s; "
        "Enter to label %s = %.2fx \"%s\", %.2fx \"%s\"; longest stretch without a pump %s; "
        "peak %s; %s\n",
        spread(measured[1], "ms").c_str(), spread(measured[0], "ms").c_str(),
        ratio(measured[0], reference[0][0]), LatinAsManyVerses[0],
        ratio(measured[0], reference[1][0]), LatinAsManyVerses[1],
        spread(measured[2], "ms").c_str(), spread(measured[3], "MB").c_str(),
        measured.note.c_str());
    std::fflush(stdout);
}

void timed(const char* name, const std::string& args, const char* end, int runs) {
    Series reference, measured;
    alternate(args, 4, runs, reference, measured);
    std::printf("%s: one call %s, peak %s; %s\n", name, spread(reference[0], "ms").c_str(),
                spread(reference[1], "MB").c_str(), reference.note.c_str());
    std::printf(
        "    first screen %s; %s %s = %.2fx the one call; longest stretch without a pump %s; "
        "peak %s; %s\n",
        spread(measured[1], "ms").c_str(), end, spread(measured[0], "ms").c_str(),
        ratio(measured[0], reference[0]), spread(measured[2], "ms").c_str(),
        spread(measured[3], "MB").c_str(), measured.note.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> texts;
    std::string what, caseText, only;
    bool reference = false;
    double limitSeconds = 300;
    int runs = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--limit=", 0) == 0) {
            limitSeconds = std::atof(arg.c_str() + 8);
        } else if (arg.rfind("--runs=", 0) == 0) {
            runs = std::max(1, std::atoi(arg.c_str() + 7));
        } else if (arg.rfind("--only=", 0) == 0) {
            only = arg.substr(7);
        } else if (arg.rfind("--case=", 0) == 0) {
            what = arg.substr(7);
        } else if (arg.rfind("--text=", 0) == 0) {
            caseText = arg.substr(7);
        } else if (arg == "--reference") {
            reference = true;
        } else if (arg == "--pieces") {
            logPieces = true;
        } else {
            texts.push_back(arg);
        }
    }
    if (!what.empty())
        return measureHere(what, caseText, reference, limitSeconds);

    if (texts.empty())
        texts = {"yang", "a"};
    std::printf(
        "\"Arab\" on: stretches observed with a %u ms timer; best of %d run(s) with the range\n",
        PumpProbeMs, runs);
    const std::string limit =
        " --limit=" + std::to_string(limitSeconds) + (logPieces ? " --pieces" : "");
    if (only.empty() || only == "unpack")
        firstPress(runs);
    if (only.empty() || only == "surah")
        timed("Surah 2 chosen in the list", "--case=surah" + limit, "whole surah laid out", runs);
    if (only.empty() || only == "arabic")
        arabicSearch("--case=arabic" + limit, runs);
    if (only.empty() || only == "search") {
        for (const std::string& text : texts) {
            const std::string name = "Search " + quoted(text);
            timed(name.c_str(), "--case=search --text=" + quoted(text) + limit, "Enter to label",
                  runs);
        }
    }
    return 0;
}
