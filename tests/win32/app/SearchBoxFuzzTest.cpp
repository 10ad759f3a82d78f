// The search box takes whatever a user types or pastes: seeded random UTF-16 texts (lone and
// reversed surrogate halves, U+FFFF, U+FEFF, directional marks, NUL, a text as long as the box
// holds, Arabic and Latin mixed, marks only, blanks only, ...) are entered with Enter into the
// reader running as a process of its own, substring and whole word, with "Arab" off and on.
// After each the process lives, the window has answered within a second all along, and the
// labels read as the reader writes them.
//
// NURVELA_SEARCH_FUZZ_TEXTS sets how many texts (500 by default), NURVELA_SEARCH_FUZZ_SEED the
// seed (1 by default); `make fuzz-search` runs thousands with a new seed.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <random>
#include <regex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/win32/app/ChildProcess.h"

namespace {

constexpr DWORD Patience = 120000;  // a guard: a text that finds every verse takes seconds
constexpr DWORD Answer = 1000;      // the window answers within this, whatever it does

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoul(value, nullptr, 10) : fallback;
}

HWND childWhere(HWND window, const std::function<bool(HWND)>& accept) {
    for (HWND child : childrenOf(window)) {
        if (accept(child))
            return child;
    }
    return nullptr;
}

// The controls of the reader's window a user reaches for here.
struct ReaderControls {
    HWND window = nullptr;
    HWND searchBox = nullptr;
    HWND wholeWord = nullptr;
    HWND surahLabel = nullptr;  // "114 Surat" at start
    HWND countLabel = nullptr;  // "6,236 Ayat" at start
    HWND toolbar = nullptr;
    int arabicCommand = 0;  // the command of the toolbar's "Arab"
};

// The command id of toolbar entry `index` in another process: TB_GETBUTTON writes into memory
// of the toolbar's own process.
int commandOf(HANDLE process, HWND toolbar, int index) {
    void* remote = VirtualAllocEx(process, nullptr, sizeof(TBBUTTON), MEM_COMMIT, PAGE_READWRITE);
    if (!remote)
        return 0;
    TBBUTTON button{};
    SIZE_T read = 0;
    const bool got = SendMessageA(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(remote)) &&
                     ReadProcessMemory(process, remote, &button, sizeof button, &read);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return got ? button.idCommand : 0;
}

ReaderControls findControls(const ChildProcess& reader, HWND window) {
    ReaderControls c;
    c.window = window;
    const auto classIs = [](const char* name) {
        return [name](HWND h) { return _stricmp(windowClass(h).c_str(), name) == 0; };
    };
    const auto says = [](const char* text) {
        return [text](HWND h) { return windowText(h) == text; };
    };
    c.searchBox = childWhere(window, classIs("Edit"));
    c.wholeWord = childWhere(window, says("Kata tepat sama"));
    c.surahLabel = childWhere(window, says("114 Surat"));
    c.countLabel = childWhere(window, says("6,236 Ayat"));
    c.toolbar = childWhere(window, classIs(TOOLBARCLASSNAMEA));
    if (c.toolbar)
        c.arabicCommand =
            commandOf(reader.handle(), c.toolbar, 7);  // save, |, all, copy, cite, |, Arab
    return c;
}

// Seeded texts of the kinds users paste, in UTF-16 code units.
class TextMaker {
public:
    explicit TextMaker(unsigned long seed) : random_(seed) {}

    std::wstring next() {
        switch (pick(13)) {
            case 0:
                return around(loneHalves());
            case 1:
                return around(std::wstring(1 + pick(3), pickOf(L"\xFFFF\xFFFE\xFEFF")));
            case 2:
                return directional() + word() + directional();
            case 3:
                return word() + wchar_t(0) + loneHalves();  // the box ends the text at NUL
            case 4:
                return pick(8) == 0 ? longText() : word() + L" " + arabicWord();
            case 5:
                return arabicWord() + L" " + word() + L" " + arabicWord();
            case 6:
                return marks(1 + pick(6));
            case 7:
                return blanks();
            case 8:
                return arabicWord() + (pick(2) ? L" " + arabicWord() : L"");
            case 9:
                return word() + (pick(2) ? L" " + word() : L"");
            case 10:
                return anyUnits(1 + pick(12));
            case 11:
                return presentationForms();
            default:
                return known();
        }
    }

private:
    unsigned pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(random_); }
    wchar_t pickOf(const std::wstring& from) {
        return from[pick(static_cast<unsigned>(from.size()))];
    }
    wchar_t inRange(unsigned from, unsigned to) {
        return static_cast<wchar_t>(from + pick(to - from + 1));
    }

    std::wstring loneHalves() {
        switch (pick(4)) {
            case 0:
                return std::wstring(1, inRange(0xD800, 0xDBFF));
            case 1:
                return std::wstring(1, inRange(0xDC00, 0xDFFF));
            case 2:
                return {inRange(0xDC00, 0xDFFF), inRange(0xD800, 0xDBFF)};  // reversed
            default:
                return {inRange(0xD800, 0xDBFF), L'a', inRange(0xDC00, 0xDFFF)};
        }
    }
    std::wstring around(const std::wstring& middle) {
        switch (pick(3)) {
            case 0:
                return middle;
            case 1:
                return arabicWord() + middle;
            default:
                return word() + middle + arabicWord();
        }
    }
    std::wstring directional() {
        std::wstring marks;
        for (unsigned i = 0, n = pick(3); i < n; ++i)
            marks +=
                pickOf(L"\x200E\x200F\x202A\x202B\x202C\x202D\x202E\x2066\x2067\x2068\x2069\x061C");
        return marks;
    }
    std::wstring word() {
        std::wstring w;
        for (unsigned i = 0, n = 4 + pick(5); i < n; ++i)
            w += pickOf(L"abcdefghijklmnopqrstuvwxyzABCZ'-\x00E9\x0101");
        return w;
    }
    std::wstring arabicWord() {
        std::wstring w;
        for (unsigned i = 0, n = 3 + pick(5); i < n; ++i) {
            w += inRange(0x0621, 0x064A);
            if (pick(2))
                w += inRange(0x064B, 0x0652);
            if (pick(8) == 0)
                w += pickOf(L"\x0640\x0670\x06E5\x06E6\x06DF\x0654");
        }
        return w;
    }
    std::wstring marks(unsigned n) {
        std::wstring m;
        for (unsigned i = 0; i < n; ++i)
            m +=
                pick(4) ? inRange(0x064B, 0x065F) : pickOf(L"\x0670\x06D6\x06DC\x06E1\x06ED\x0640");
        return m;
    }
    std::wstring blanks() {
        std::wstring b;
        for (unsigned i = 0, n = 1 + pick(6); i < n; ++i)
            b += pickOf(L" \t\x00A0\x3000\x2002\x2009");
        return b;
    }
    std::wstring anyUnits(unsigned n) {
        std::wstring u;
        for (unsigned i = 0; i < n; ++i)
            u += inRange(1, 0xFFFF);
        return u;
    }
    std::wstring presentationForms() {
        std::wstring p;
        for (unsigned i = 0, n = 2 + pick(6); i < n; ++i)
            p += pick(2) ? inRange(0xFE70, 0xFEFC) : inRange(0xFB50, 0xFDFF);
        return p;
    }
    // As long as the box holds, letters of both scripts and everything above.
    std::wstring longText() {
        std::wstring t;
        while (t.size() < 32767) {
            t += pick(2) ? arabicWord() : word();
            t += pick(16) == 0 ? loneHalves() : L" ";
        }
        t.resize(32767);
        return t;
    }
    // Texts that find verses, so that results arrive too.
    std::wstring known() {
        static const wchar_t* const texts[] = {L"sabar",
                                               L"apakah",
                                               L"Ka'bah",
                                               L"\x0627\x0644\x0635\x0645\x062F",
                                               L"\x0627\x0644\x0623\x0642\x0635\x0649",
                                               L"\x0633\x0644\x0627\x0645"};
        return texts[pick(sizeof texts / sizeof *texts)];
    }

    std::mt19937 random_;
};

// Watches the reader from a thread of its own while the test drives it: answers the
// not-found box, notes any other box, and asks the window every 20 milliseconds whether it
// answers within a second.
class Watcher {
public:
    Watcher(const ChildProcess& reader, HWND window)
        : reader_(reader), window_(window), thread_([this] { run(); }) {}
    ~Watcher() {
        stop_ = true;
        thread_.join();
    }
    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

    // Boxes seen since the last call, by their texts.
    std::vector<std::string> takeBoxes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(boxes_, {});
    }
    // The longest the window took to answer since the last call, in milliseconds (Answer or
    // more when it did not answer in time).
    DWORD takeSlowest() { return slowest_.exchange(0); }

private:
    void run() {
        while (!stop_) {
            for (HWND h : reader_.visibleWindows()) {
                if (!isMessageBox(h))
                    continue;
                const std::string text = messageBoxText(h);
                if (text.empty())
                    continue;  // still being made
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    boxes_.push_back(text);
                }
                pressOk(h);
                // The box is gone before it is looked for again.
                for (int i = 0; i < 500 && IsWindow(h) && IsWindowVisible(h); ++i)
                    Sleep(2);
            }
            const DWORD begin = GetTickCount();
            DWORD_PTR result = 0;
            const bool answered =
                SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, Answer, &result) != 0;
            const DWORD took = answered ? GetTickCount() - begin : Answer;
            if (reader_.waitForExit(0) == STILL_ACTIVE && took > slowest_)
                slowest_ = took;
            Sleep(20);
        }
    }

    const ChildProcess& reader_;
    HWND window_;
    std::atomic<bool> stop_{false};
    std::atomic<DWORD> slowest_{0};
    std::mutex mutex_;
    std::vector<std::string> boxes_;
    std::thread thread_;
};

// The forms the status line takes outside the work in progress.
const std::regex SurahForm("([1-9]|[1-9][0-9]|10[0-9]|11[0-4]) Surat");
const std::regex CountForm(
    "(0|[1-9][0-9]{0,2}(,[0-9]{3})*) Ayat(  \\( (0|[1-9][0-9]{0,2}(,[0-9]{3})*) Kata \\))?");

// A lone surrogate half before any NUL: the text can never be found.
bool holdsLoneHalf(const std::wstring& text) {
    const std::wstring shown = text.substr(0, text.find(L'\0'));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const wchar_t c = shown[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < shown.size() && shown[i + 1] >= 0xDC00 &&
            shown[i + 1] <= 0xDFFF) {
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

std::string describe(const std::wstring& text) {
    std::string units;
    for (std::size_t i = 0; i < text.size() && i < 24; ++i) {
        char unit[8];
        std::snprintf(unit, sizeof unit, "%04X ", static_cast<unsigned>(text[i]));
        units += unit;
    }
    return units + (text.size() > 24 ? "... (" + std::to_string(text.size()) + " units)" : "");
}

TEST(SearchBoxFuzz, AnyTextEnteredLeavesTheReaderAnsweringAndItsLabelsInTheirForms) {
    const std::string exe = readerPath();
    ASSERT_FALSE(exe.empty()) << "NURVELA_EXE is not set";
    const unsigned long texts = fromEnvironment("NURVELA_SEARCH_FUZZ_TEXTS", 500);
    const unsigned long seed = fromEnvironment("NURVELA_SEARCH_FUZZ_SEED", 1);
    std::printf("search box fuzz: %lu texts, seed %lu\n", texts, seed);

    ChildProcess reader(commandLine(exe));
    ASSERT_TRUE(reader.started());
    HWND window = reader.waitForWindow(isReaderWindow, 30000);
    ASSERT_NE(window, nullptr);
    const ReaderControls c = findControls(reader, window);
    ASSERT_NE(c.searchBox, nullptr);
    ASSERT_NE(c.wholeWord, nullptr);
    ASSERT_NE(c.surahLabel, nullptr);
    ASSERT_NE(c.countLabel, nullptr);
    ASSERT_NE(c.arabicCommand, 0);

    Watcher watcher(reader, window);
    TextMaker maker(seed);
    bool arabic = false;
    int notFound = 0;
    for (unsigned long i = 0; i < texts; ++i) {
        // "Arab" changes every 50 texts (a search in the Arabic that finds verses turns it on
        // too), whole words every other text.
        arabic = SendMessageA(c.toolbar, TB_ISBUTTONCHECKED, c.arabicCommand, 0) != 0;
        if (i % 50 == 25) {
            DWORD_PTR ignored = 0;
            ASSERT_TRUE(SendMessageTimeoutA(
                GetParent(c.toolbar), WM_COMMAND, MAKEWPARAM(c.arabicCommand, BN_CLICKED),
                reinterpret_cast<LPARAM>(c.toolbar), SMTO_NORMAL, Patience, &ignored));
            arabic = !arabic;
            ASSERT_EQ(SendMessageA(c.toolbar, TB_ISBUTTONCHECKED, c.arabicCommand, 0) != 0, arabic);
        }
        SendMessageA(c.wholeWord, BM_SETCHECK, i % 2 ? BST_CHECKED : BST_UNCHECKED, 0);

        const std::wstring text = maker.next();
        SCOPED_TRACE("text " + std::to_string(i) + ": " + describe(text) +
                     (arabic ? ", Arab on" : ", Arab off") + (i % 2 ? ", whole words" : ""));
        DWORD_PTR ignored = 0;
        ASSERT_TRUE(SendMessageTimeoutW(c.searchBox, WM_SETTEXT, 0,
                                        reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                                        Patience, &ignored));
        // Enter, handled to its end: the search and whatever it shows, the box answered.
        ASSERT_TRUE(SendMessageTimeoutA(c.searchBox, WM_KEYDOWN, VK_RETURN, 1, SMTO_NORMAL,
                                        Patience, &ignored))
            << "the reader did not finish the search";
        SendMessageTimeoutA(c.searchBox, WM_KEYUP, VK_RETURN, 0xC0000001, SMTO_NORMAL, Patience,
                            &ignored);

        ASSERT_EQ(reader.waitForExit(0), static_cast<DWORD>(STILL_ACTIVE)) << "the reader ended";
        const std::vector<std::string> boxes = watcher.takeBoxes();
        for (const std::string& box : boxes)
            EXPECT_EQ(box, "Data yang anda cari tidak ditemukan");
        if (holdsLoneHalf(text)) {
            EXPECT_EQ(boxes.size(), 1u) << "a lone surrogate half is found nowhere";
        }
        notFound += static_cast<int>(boxes.size());

        const std::string surah = windowText(c.surahLabel);
        const std::string count = windowText(c.countLabel);
        EXPECT_TRUE(std::regex_match(surah, SurahForm)) << surah;
        EXPECT_TRUE(std::regex_match(count, CountForm)) << count;
        EXPECT_LT(watcher.takeSlowest(), Answer) << "the window did not answer within a second";
        if (HasFailure())
            break;  // one text's faults are enough to read
    }
    std::printf("search box fuzz: %d of the texts not found\n", notFound);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(reader.waitForExit(30000), 0u);
}

}  // namespace
