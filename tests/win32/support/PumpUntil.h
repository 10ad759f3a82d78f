#pragma once
// Waiting for a state of the thread's windows: their messages run (timers and the window
// system's own events included) until the state holds, and the thread sleeps in between only
// until something arrives for it.
#include <windows.h>

#include <functional>

// Pumps until done() holds and tells whether it did. `seen`, when given, looks at every
// message before it is dispatched. The patience only keeps a state that never comes from
// hanging the suite: it is far beyond what any state takes on a loaded machine, not a pace.
inline bool pumpUntil(const std::function<bool()>& done,
                      const std::function<void(const MSG&)>& seen = {}, DWORD patience = 60000) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (seen) {
                seen(msg);
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) {
            return true;
        }
        const DWORD waited = GetTickCount() - start;
        if (waited >= patience) {
            return false;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, patience - waited, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}
