// Program entry: unpacks the translation, then shows a plain window titled "Nurvela" and
// runs the message loop until the window is closed. The main window with its controls
// takes the plain window's place once it exists.
#include <windows.h>

#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "corpus/LoadCorpus.h"

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createWindow(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "NurvelaWindow";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "NurvelaWindow", "Nurvela", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 696, 484, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    FastStrList corpus;
    try {
        LoadCorpus(corpus);
    } catch (const Exception& e) {
        MessageBoxA(nullptr, e.message().c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return 1;
    }
    HWND window = createWindow(instance);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
