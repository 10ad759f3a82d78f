#include "toolkit/CommonControls.h"

#include <commctrl.h>

void initCommonControls(DWORD classes) {
    InitCommonControls();
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    HMODULE library = GetModuleHandleA("comctl32.dll");
    auto initEx = library ? reinterpret_cast<InitEx>(reinterpret_cast<void*>(
                                GetProcAddress(library, "InitCommonControlsEx")))
                          : nullptr;
    if (initEx != nullptr) {
        INITCOMMONCONTROLSEX request{sizeof(INITCOMMONCONTROLSEX), classes};
        initEx(&request);
    }
}
