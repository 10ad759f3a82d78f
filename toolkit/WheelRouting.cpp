#include "toolkit/WheelRouting.h"

void routeWheelToPointer(MSG& msg) {
    if (msg.message != WM_MOUSEWHEEL || !msg.hwnd) {
        return;
    }
    // The pointer's place travels in screen coordinates with the message.
    const POINT at{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    HWND under = WindowFromPoint(at);
    if (!under || under == msg.hwnd || !IsWindowEnabled(under) ||
        GetAncestor(under, GA_ROOT) != GetAncestor(msg.hwnd, GA_ROOT) ||
        GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) {
        return;
    }
    msg.hwnd = under;
}
