#include "toolkit/RichEditLibrary.h"

#include <ole2.h>

namespace {

struct LibraryRow {
    const char* library;
    const char* windowClass;
};

// Newest first; the plain creation path walks it backwards.
constexpr LibraryRow LibraryTable[] = {
    {"msftedit.dll", "RichEdit50W"},
    {"RICHED20.DLL", "RichEdit20A"},
    {"RICHED32.DLL", "RichEdit"},
    {"RICHED.DLL", "RichEdit"},
};
constexpr int RowCount = sizeof LibraryTable / sizeof LibraryTable[0];

// The process-wide state; its destructor runs with the other statics at process end.
struct ProcessState {
    HMODULE library = nullptr;
    // The library of the Unicode class, loaded on its own the first time a view needs it.
    HMODULE unicodeLibrary = nullptr;
    const char* windowClass = "";
    bool probeNewestFirst = false;
    unsigned oleInitCount = 0;
    int liveWindows = 0;

    bool release() {
        if ((!library && !unicodeLibrary) || liveWindows > 0) {
            return false;
        }
        for (HMODULE* loaded : {&library, &unicodeLibrary}) {
            if (*loaded) {
                FreeLibrary(*loaded);
                *loaded = nullptr;
            }
        }
        return true;
    }
    ~ProcessState() { release(); }
};

ProcessState& state() {
    static ProcessState s;
    return s;
}

}  // namespace

RichEditProbe probeRichEditLibrary(bool newestFirst, const LibraryLoader& load) {
    RichEditProbe probe;
    for (int i = 0; i < RowCount; ++i) {
        const LibraryRow& row = LibraryTable[newestFirst ? i : RowCount - 1 - i];
        probe.windowClass = row.windowClass;
        HMODULE module = load(row.library);
        // Handles up to 32 are the error codes of the old loader, never a module.
        if (reinterpret_cast<UINT_PTR>(module) > 32) {
            probe.library = module;
            break;
        }
    }
    return probe;
}

HMODULE RichEditLibrary::library() {
    return state().library;
}

const char* RichEditLibrary::windowClass() {
    return state().windowClass;
}

bool RichEditLibrary::probeNewestFirst() {
    return state().probeNewestFirst;
}

unsigned RichEditLibrary::oleInitCount() {
    return state().oleInitCount;
}

bool RichEditLibrary::initialiseOle() {
    ProcessState& s = state();
    if (s.oleInitCount == 0 && OleInitialize(nullptr) != S_OK) {
        return false;
    }
    ++s.oleInitCount;
    s.probeNewestFirst = true;
    return true;
}

bool RichEditLibrary::ensureLoaded() {
    ProcessState& s = state();
    if (!s.library) {
        RichEditProbe probe = probeRichEditLibrary(
            s.probeNewestFirst, [](const char* name) { return LoadLibraryA(name); });
        s.library = probe.library;
        s.windowClass = probe.windowClass;
    }
    return s.library != nullptr;
}

bool RichEditLibrary::ensureUnicodeLoaded() {
    ProcessState& s = state();
    if (!s.unicodeLibrary) {
        // Handles up to 32 are the error codes of the old loader, never a module.
        HMODULE module = LoadLibraryA(LibraryTable[0].library);
        s.unicodeLibrary = reinterpret_cast<UINT_PTR>(module) > 32 ? module : nullptr;
    }
    return s.unicodeLibrary != nullptr;
}

const wchar_t* RichEditLibrary::unicodeWindowClass() {
    return L"RICHEDIT50W";
}

void RichEditLibrary::windowCreated() {
    ++state().liveWindows;
}

void RichEditLibrary::windowDestroyed() {
    --state().liveWindows;
}

int RichEditLibrary::liveWindows() {
    return state().liveWindows;
}

bool RichEditLibrary::release() {
    return state().release();
}
