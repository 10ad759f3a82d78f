#pragma once
// A device-dependent bitmap owned by the object, loaded from a module's resources as stored
// and drawn stretched (not tiled) into a rectangle.
#include <windows.h>

#include "toolkit/Gdi.h"

class Bitmap {
public:
    Bitmap() = default;
    // Takes ownership of `handle` (may be null: an empty bitmap).
    explicit Bitmap(HBITMAP handle) : handle_(handle) {}

    // The bitmap resource `name` of the program's own module, at its stored size and colours;
    // empty when there is no such resource.
    static Bitmap load(const char* name);
    // The same from another module.
    static Bitmap load(HINSTANCE module, const char* name);

    bool empty() const { return !handle_; }
    HBITMAP handle() const { return handle_.get(); }
    SIZE size() const;

    // Stretches the whole bitmap over `target` on `dc` (SRCCOPY). An empty bitmap draws
    // nothing.
    void draw(HDC dc, const RECT& target) const;

private:
    BitmapHandle handle_;
};
