// Drives a running nurvela.exe from outside, the way a user would, for the documentation
// screenshots (scripts/screenshots.sh). It only finds windows and posts them messages; the
// script takes the pictures. Each command prints the client area of the window it left on
// screen, in screen coordinates, as "left top width height". Only the client area: under
// Xvfb no window manager draws the frames, so they would show as empty borders.
//
//   screenshot-driver.exe wait <caption>            waits until the window is visible
//   screenshot-driver.exe search <caption> <text>   types text into the search box, clicks
//                                                   "Cari", waits for a new word count; \uXXXX
//                                                   in text stands for that character (the
//                                                   command line of a Wine program does not
//                                                   carry Arabic reliably)
//   screenshot-driver.exe about <caption>           clicks "??", waits for the About window
//   screenshot-driver.exe goto <caption> <text>     presses Ctrl+G, waits for the "Ke Ayat"
//                                                   window and types text into it
//   screenshot-driver.exe arabic <caption>          presses Ctrl+Shift+A and waits until the
//                                                   view shows the Arabic
//   screenshot-driver.exe zoom <caption> <percent>  presses Ctrl++ (Ctrl+0 for 100) until the
//                                                   status line says the text size is
//                                                   percent, and waits until the view's
//                                                   content has come in
//   screenshot-driver.exe juz <caption> <number>    presses Ctrl+J until the list shows the
//                                                   juz, clicks juz number in it and waits
//                                                   until the view's content has come in
//   screenshot-driver.exe close <caption>           asks the window to close
//
// Built by the script with the MinGW compiler; not part of the program.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>

namespace {

constexpr DWORD TimeoutMs = 60000;
constexpr DWORD PollMs = 100;

std::string textOf(HWND hwnd) {
    char buffer[512] = {};
    // WM_GETTEXT with a time limit: the target may be busy in a long search.
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return buffer;
}

std::string classOf(HWND hwnd) {
    char buffer[128] = {};
    GetClassNameA(hwnd, buffer, sizeof buffer);
    return buffer;
}

HWND waitForWindow(const char* caption) {
    for (DWORD waited = 0; waited < TimeoutMs; waited += PollMs) {
        HWND hwnd = FindWindowA(nullptr, caption);
        if (hwnd && IsWindowVisible(hwnd)) {
            return hwnd;
        }
        Sleep(PollMs);
    }
    std::fprintf(stderr, "no visible window \"%s\"\n", caption);
    return nullptr;
}

struct ChildSearch {
    const char* className;  // null: any class
    const char* text;       // null: any text; otherwise the exact window text
    HWND found = nullptr;
};

BOOL CALLBACK matchChild(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<ChildSearch*>(data);
    if (search.className && _stricmp(classOf(hwnd).c_str(), search.className) != 0) {
        return TRUE;
    }
    if (search.text && textOf(hwnd) != search.text) {
        return TRUE;
    }
    search.found = hwnd;
    return FALSE;
}

HWND findChild(HWND top, const char* className, const char* text) {
    ChildSearch search{className, text};
    EnumChildWindows(top, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK matchCountLabel(HWND hwnd, LPARAM data) {
    if (textOf(hwnd).find(" Kata )") != std::string::npos) {
        *reinterpret_cast<HWND*>(data) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The status line's word count, or "" while it has none.
std::string countText(HWND top) {
    HWND label = nullptr;
    EnumChildWindows(top, matchCountLabel, reinterpret_cast<LPARAM>(&label));
    return label ? textOf(label) : std::string();
}

// text with every \uXXXX turned into its character.
std::wstring unescaped(const char* text) {
    std::wstring out;
    for (const char* c = text; *c;) {
        if (c[0] == '\\' && c[1] == 'u' && std::strlen(c) >= 6) {
            out += static_cast<wchar_t>(std::strtoul(std::string(c + 2, 4).c_str(), nullptr, 16));
            c += 6;
        } else {
            out += static_cast<wchar_t>(static_cast<unsigned char>(*c++));
        }
    }
    return out;
}

int printRect(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

// Waits for the view's content to come in (its length stops growing), then prints the
// window's place; `className` is the view's class when only that one will do.
int printRectWhenSettled(HWND top, const char* className, const char* failure) {
    LRESULT length = -1;
    for (DWORD waited = 0; waited < TimeoutMs; waited += 500) {
        Sleep(500);
        HWND view = findChild(top, className ? className : "RICHEDIT50W", nullptr);
        if (!view && !className) {
            view = findChild(top, "RichEdit", nullptr);
        }
        if (!view) {
            continue;
        }
        DWORD_PTR now = 0;
        SendMessageTimeoutA(view, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &now);
        if (now > 0 && static_cast<LRESULT>(now) == length) {
            return printRect(top);
        }
        length = static_cast<LRESULT>(now);
    }
    std::fprintf(stderr, "%s\n", failure);
    return 1;
}

int search(HWND top, const char* text) {
    HWND box = findChild(top, "Edit", nullptr);
    HWND button = findChild(top, "Button", "Cari");
    if (!box || !button) {
        std::fprintf(stderr, "search box or \"Cari\" not found\n");
        return 1;
    }
    const std::string before = countText(top);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(unescaped(text).c_str()));
    PostMessageA(button, BM_CLICK, 0, 0);
    // The status line ends in "( n Kata )" once every hit is marked: a count other than the
    // one before.
    for (DWORD waited = 0; waited < TimeoutMs; waited += PollMs) {
        const std::string count = countText(top);
        if (!count.empty() && count != before) {
            return printRect(top);
        }
        Sleep(PollMs);
    }
    std::fprintf(stderr, "the search did not finish\n");
    return 1;
}

int about(HWND top) {
    HWND button = findChild(top, "Button", "??");
    if (!button) {
        std::fprintf(stderr, "\"??\" not found\n");
        return 1;
    }
    // Posted: the click runs a modal window and returns only when it closes. A click that
    // arrives while the reader is still busy can be lost, so it is repeated, but only while
    // the main window takes input (no modal window is up yet).
    for (DWORD waited = 0; waited < TimeoutMs; waited += PollMs) {
        if (waited % 5000 == 0 && IsWindowEnabled(top)) {
            PostMessageA(button, BM_CLICK, 0, 0);
        }
        HWND dialog = FindWindowA(nullptr, " Tentang Program");
        if (dialog && IsWindowVisible(dialog)) {
            Sleep(500);  // the help text streams in before the first paint
            return printRect(dialog);
        }
        Sleep(PollMs);
    }
    std::fprintf(stderr, "the About window did not open\n");
    return 1;
}

// A key chord as the keyboard sends it: the reader reads the modifier keys' state along with
// the key, which a posted message would not carry.
void pressChord(HWND top, std::initializer_list<WORD> chord) {
    SetForegroundWindow(top);
    INPUT keys[8] = {};
    int n = 0;
    for (WORD code : chord) {
        keys[n].type = INPUT_KEYBOARD;
        keys[n++].ki.wVk = code;
    }
    for (auto code = std::rbegin(chord); code != std::rend(chord); ++code) {
        keys[n].type = INPUT_KEYBOARD;
        keys[n].ki.wVk = *code;
        keys[n++].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(n, keys, sizeof(INPUT));
}

void pressCtrlG(HWND top) {
    pressChord(top, {VK_CONTROL, 'G'});
}

// Ctrl+Shift+A; the Arabic is shown once the view is the Unicode rich edit window and its
// content has come in (its length stops growing).
int arabic(HWND top) {
    pressChord(top, {VK_CONTROL, VK_SHIFT, 'A'});
    return printRectWhenSettled(top, "RICHEDIT50W", "the Arabic did not appear");
}

struct LabelSearch {
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK matchLabel(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<LabelSearch*>(data);
    if (textOf(hwnd) == search.text && IsWindowVisible(hwnd)) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Ctrl++ until the status line shows "Ukuran teks <percent>%", then the view's content left
// to come in (its length stops growing).
int zoom(HWND top, const char* percent) {
    LabelSearch wanted{std::string("Ukuran teks ") + percent + "%"};
    const bool back = std::string(percent) == "100";
    for (int press = 0; press < 12 && !wanted.found; ++press) {
        pressChord(top, {VK_CONTROL, back ? WORD('0') : WORD(VK_ADD)});
        for (DWORD waited = 0; waited < 5000 && !wanted.found; waited += PollMs) {
            Sleep(PollMs);
            EnumChildWindows(top, matchLabel, reinterpret_cast<LPARAM>(&wanted));
        }
    }
    if (!wanted.found) {
        std::fprintf(stderr, "the text size did not reach %s%%\n", percent);
        return 1;
    }
    if (back) {
        // Back to the usual size: the next picture shows no message about it.
        for (DWORD waited = 0; waited < TimeoutMs && IsWindowVisible(wanted.found);
             waited += PollMs) {
            Sleep(PollMs);
        }
    }
    return printRectWhenSettled(top, nullptr, "the view did not settle");
}

// The list shows the juz: it holds 30 entries (the search results of the pictures hold fewer).
constexpr LRESULT JuzCount = 30;

LRESULT listCount(HWND list) {
    DWORD_PTR count = 0;
    SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
    return static_cast<LRESULT>(count);
}

// Ctrl+J until the list shows the juz, a click on juz number, then the view's content left to
// come in (its length stops growing).
int juz(HWND top, const char* number) {
    HWND list = findChild(top, "ListBox", nullptr);
    if (!list) {
        std::fprintf(stderr, "the list was not found\n");
        return 1;
    }
    for (DWORD waited = 0; listCount(list) != JuzCount; waited += PollMs) {
        if (waited >= TimeoutMs) {
            std::fprintf(stderr, "the list did not show the juz\n");
            return 1;
        }
        if (waited % 5000 == 0) {
            pressChord(top, {VK_CONTROL, 'J'});
        }
        Sleep(PollMs);
    }
    const int entry = std::atoi(number) - 1;
    SendMessageA(list, LB_SETTOPINDEX, entry, 0);
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    return printRectWhenSettled(top, nullptr, "the juz did not come in");
}

int gotoVerse(HWND top, const char* text) {
    for (DWORD waited = 0; waited < TimeoutMs; waited += PollMs) {
        if (waited % 5000 == 0 && IsWindowEnabled(top)) {
            pressCtrlG(top);
        }
        HWND dialog = FindWindowA(nullptr, "Ke Ayat");
        if (dialog && IsWindowVisible(dialog)) {
            HWND box = findChild(dialog, "Edit", nullptr);
            if (!box) {
                break;
            }
            SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
            SendMessageA(box, EM_SETSEL, 0, -1);
            return printRect(dialog);
        }
        Sleep(PollMs);
    }
    std::fprintf(stderr, "the \"Ke Ayat\" window did not open\n");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr,
            "usage: screenshot-driver.exe wait|search|goto|about|arabic|zoom|juz|close <caption> "
            "[text]\n");
        return 2;
    }
    const std::string command = argv[1];
    HWND top = waitForWindow(argv[2]);
    if (!top) {
        return 1;
    }
    if (command == "wait") {
        return printRect(top);
    }
    if (command == "search" && argc > 3) {
        return search(top, argv[3]);
    }
    if (command == "goto" && argc > 3) {
        return gotoVerse(top, argv[3]);
    }
    if (command == "arabic") {
        return arabic(top);
    }
    if (command == "zoom" && argc > 3) {
        return zoom(top, argv[3]);
    }
    if (command == "juz" && argc > 3) {
        return juz(top, argv[3]);
    }
    if (command == "about") {
        return about(top);
    }
    if (command == "close") {
        PostMessageA(top, WM_CLOSE, 0, 0);
        return 0;
    }
    std::fprintf(stderr, "unknown command %s\n", argv[1]);
    return 2;
}
