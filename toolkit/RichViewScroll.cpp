#include "toolkit/RichViewScroll.h"

#include <windows.h>
#include <richedit.h>

#include "toolkit/RichView.h"

int firstVisibleLine(const RichView& view) {
    if (!view.handle())
        return 0;
    return static_cast<int>(SendMessageA(view.handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

int lineOfPosition(const RichView& view, int position) {
    if (!view.handle())
        return 0;
    return static_cast<int>(SendMessageA(view.handle(), EM_EXLINEFROMCHAR, 0, position));
}

void scrollPositionToTop(RichView& view, int position) {
    if (!view.handle())
        return;
    const int lines = lineOfPosition(view, position) - firstVisibleLine(view);
    if (lines != 0)
        SendMessageA(view.handle(), EM_LINESCROLL, 0, lines);
}
