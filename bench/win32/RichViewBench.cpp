// Times RichView::setText on the texts the reading view receives: every verse line with an
// empty line after it (about 1.2 million characters) into an empty view, the seven lines of
// surah 1 over it, and the large text again. The reference, measured in the same run, is
// the floor the control allows: the same text streamed into a fresh, empty control.
#include "toolkit/Control.h"
#include "toolkit/RichView.h"

#include <windows.h>

#include "tests/win32/support/VerseText.h"
#include <richedit.h>
#include <commctrl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

class BenchHost final : public Control {
public:
    BenchHost() : Control(nullptr) {
        FontDesc arial;
        arial.face = "Arial";
        arial.height = 16;
        setFont(arial);
        createOwnWindow(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr);
        setBounds(0, 0, 700, 500);
        ShowWindow(handle(), SW_SHOWNOACTIVATE);
    }
};


std::string surahOne(const std::string& verses) {
    std::string text;
    std::size_t at = 0;
    for (int line = 0; line < 7 && at < verses.size(); ++line) {
        std::size_t end = verses.find("\r\n\r\n", at);
        text += verses.substr(at, end - at + 4);
        at = end + 4;
    }
    return text;
}

template <class Step>
double seconds(Step step) {
    auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct TextSource {
    const char* next;
    std::size_t remaining;
};

DWORD CALLBACK readText(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* source = reinterpret_cast<TextSource*>(cookie);
    std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), source->remaining);
    std::memcpy(buffer, source->next, n);
    source->next += n;
    source->remaining -= n;
    *done = static_cast<LONG>(n);
    return 0;
}

// The floor: a bare control of the view's class, made, filled by streaming and painted.
double referenceStream(HWND parent, const char* className, HFONT font, const std::string& text) {
    return seconds([&] {
        HWND window = CreateWindowExA(0, className, "", 0x56200844, 0, 0, 600, 400, parent, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        SendMessageA(window, EM_EXLIMITTEXT, 0, 16 * 1024 * 1024);
        TextSource source{text.data(), text.size()};
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, readText};
        SendMessageA(window, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&es));
        UpdateWindow(window);
        DestroyWindow(window);
    });
}

}  // namespace

int main(int argc, char** argv) {
    InitCommonControls();
    const std::string path =
        argc > 1 ? argv[1] : std::string("Z:") + NURVELA_SOURCE_DIR + "/resources/quran_id.txt";
    const std::string verses = verseText(path);
    const std::string small = surahOne(verses);

    BenchHost host;
    RichView& view = createRichView(host, RichView::Path::Plain);
    view.setBounds(0, 0, 600, 400);
    view.insetFormatRect(10);
    auto setText = [&](const std::string& text) {
        return seconds([&] {
            view.setText(text);
            UpdateWindow(view.handle());
        });
    };

    char className[64] = "";
    GetClassNameA(view.handle(), className, sizeof className);
    const double reference = referenceStream(host.handle(), className, view.fontHandle(), verses);
    std::printf("rich edit class %s; large text %zu characters, small text %zu characters\n",
                className, verses.size(), small.size());
    std::printf("reference: large text streamed into an empty control  %7.3f s\n", reference);

    const double first = setText(verses);
    const double over = setText(small);
    const double again = setText(verses);
    const bool whole = GetWindowTextLengthA(view.handle()) == static_cast<int>(verses.size());
    std::printf(
        "setText large into empty view                        %7.3f s  (%.2f x reference)\n", first,
        first / reference);
    std::printf("setText small over large                             %7.3f s\n", over);
    std::printf(
        "setText large over small                             %7.3f s  (%.2f x reference)\n", again,
        again / reference);
    std::printf("large text held whole: %s\n", whole ? "yes" : "NO");
    // Targets: large text under 4 s each time, small over large under 0.5 s.
    const bool met = whole && first < 4.0 && again < 4.0 && over < 0.5;
    std::printf("targets (large < 4 s, small over large < 0.5 s): %s\n", met ? "met" : "MISSED");
    return met ? 0 : 1;
}
