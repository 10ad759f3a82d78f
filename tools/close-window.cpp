// close-window TITLE: asks the top-level window with that exact title to close, as its
// close box would. Exit code 0 when such a window was found, 1 otherwise. Used by the
// headless run to end the reader after its screenshot.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: close-window TITLE\n");
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr || !PostMessageA(window, WM_CLOSE, 0, 0)) {
        std::fprintf(stderr, "close-window: no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    return 0;
}
