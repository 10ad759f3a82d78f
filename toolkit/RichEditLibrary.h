// The rich edit library and window class shared by every RichView of the process.
// The first view that finds a library keeps it loaded for all later views; it is freed
// once, at process end, and only when no window of its class is left.
#pragma once

#include <windows.h>
#include <functional>

// One probe over the library table. Rows run newest first (msftedit.dll ... RICHED.DLL) or
// oldest first; each row names its class before its library is tried, so when nothing loads
// the class is that of the last row tried and the library stays null.
struct RichEditProbe {
    HMODULE library = nullptr;
    const char* windowClass = "";
};
using LibraryLoader = std::function<HMODULE(const char* name)>;
RichEditProbe probeRichEditLibrary(bool newestFirst, const LibraryLoader& load);

class RichEditLibrary {
public:
    RichEditLibrary() = delete;

    static HMODULE library();
    static const char* windowClass();
    static bool probeNewestFirst();
    static unsigned oleInitCount();

    // The OLE creation path: OleInitialize once per process (only S_OK counts), after which
    // every OLE-path creation succeeds without a call. Success turns the probe newest first.
    static bool initialiseOle();
    // Probes with LoadLibraryA unless a library is already loaded. True when one is.
    static bool ensureLoaded();

    // The Unicode class (msftedit.dll's RICHEDIT50W), which Arabic needs: the older classes
    // have no Unicode text and no right-to-left or complex-script layout. Loaded on its own,
    // whatever the probe chose, the first time a view asks; freed with the other library.
    static bool ensureUnicodeLoaded();
    static const wchar_t* unicodeWindowClass();

    // Views register their windows while they exist, so the library is never freed under one.
    static void windowCreated();
    static void windowDestroyed();
    static int liveWindows();
    // FreeLibrary, when a library is loaded and no view window is left. Runs by itself at
    // process end; the application may call it earlier during shutdown. True when it freed one.
    static bool release();
};
