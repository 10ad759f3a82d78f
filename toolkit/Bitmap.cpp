#include "toolkit/Bitmap.h"

#include "toolkit/Application.h"

Bitmap Bitmap::load(const char* name) {
    return load(Application::instance(), name);
}

Bitmap Bitmap::load(HINSTANCE module, const char* name) {
    return Bitmap(static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, 0)));
}

SIZE Bitmap::size() const {
    BITMAP info{};
    if (!handle_ || GetObjectA(handle_.get(), sizeof(info), &info) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

void Bitmap::draw(HDC dc, const RECT& target) const {
    const SIZE source = size();
    if (source.cx == 0 || source.cy == 0) {
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr) {
        return;
    }
    HGDIOBJ previous = SelectObject(memory, handle_.get());
    // Colour runs must stay sharp when a narrow band is stretched wide.
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
               memory, 0, 0, source.cx, source.cy, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
    SelectObject(memory, previous);
    DeleteDC(memory);
}
