// Bitmaps: loading from a module's resources, stretched drawing, ownership.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "toolkit/Bitmap.h"

namespace {

// A 32-bit top-down DIB section whose pixels the test can read directly.
struct Canvas {
    Canvas(int width, int height) : width(width) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<std::uint32_t*>(bits);
        dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
    }
    void fill(std::uint32_t value, int count) { std::fill(pixels, pixels + count, value); }
    // The pixel as 0x00RRGGBB.
    std::uint32_t at(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
    HBITMAP detach() {
        SelectObject(dc, previous);
        return std::exchange(bitmap, nullptr);
    }

    int width;
    HBITMAP bitmap = nullptr;
    std::uint32_t* pixels = nullptr;
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
};

constexpr std::uint32_t Red = 0xFF0000, Blue = 0x0000FF, White = 0xFFFFFF;

TEST(Bitmap, DrawsTheWholeImageStretchedIntoTheRectangle) {
    Canvas source(2, 1);
    source.pixels[0] = Red;
    source.pixels[1] = Blue;
    Bitmap band(source.detach());
    EXPECT_EQ(band.size().cx, 2);
    EXPECT_EQ(band.size().cy, 1);

    Canvas target(100, 20);
    target.fill(White, 100 * 20);
    band.draw(target.dc, RECT{10, 5, 90, 15});
    GdiFlush();
    // Scaled, not tiled: the left half red, the right half blue, every row alike.
    for (int y : {5, 10, 14}) {
        EXPECT_EQ(target.at(10, y), Red);
        EXPECT_EQ(target.at(49, y), Red);
        EXPECT_EQ(target.at(50, y), Blue);
        EXPECT_EQ(target.at(89, y), Blue);
    }
    // Nothing outside the rectangle.
    EXPECT_EQ(target.at(9, 10), White);
    EXPECT_EQ(target.at(90, 10), White);
    EXPECT_EQ(target.at(50, 4), White);
    EXPECT_EQ(target.at(50, 15), White);
}

TEST(Bitmap, AnEmptyBitmapDrawsNothing) {
    Bitmap none;
    EXPECT_TRUE(none.empty());
    Canvas target(10, 10);
    target.fill(White, 100);
    none.draw(target.dc, RECT{0, 0, 10, 10});
    GdiFlush();
    EXPECT_EQ(target.at(5, 5), White);
}

TEST(Bitmap, LoadsAResourceAsStoredAndIsEmptyForAMissingOne) {
    // The common controls library keeps its toolbar images as bitmap resources.
    HMODULE library = LoadLibraryA("comctl32.dll");
    ASSERT_NE(library, nullptr);
    Bitmap images = Bitmap::load(library, MAKEINTRESOURCEA(120));
    EXPECT_FALSE(images.empty());
    EXPECT_GT(images.size().cx, images.size().cy);
    EXPECT_TRUE(Bitmap::load(GetModuleHandleA(nullptr), "NO_SUCH_BITMAP").empty());
}

TEST(Bitmap, TheBandImageOfTheProgramStretchesOverAPanel) {
    Bitmap band = Bitmap::load("TOPFRAME1");
    ASSERT_FALSE(band.empty());
    EXPECT_EQ(band.size().cx, 413);
    EXPECT_EQ(band.size().cy, 1);
    Canvas target(826, 3);
    band.draw(target.dc, RECT{0, 0, 826, 3});
    GdiFlush();
    // Twice as wide: every source pixel covers two target pixels, on every row.
    for (int y : {0, 2}) {
        EXPECT_EQ(target.at(0, y), 0x6286E1u);    // RGB(98, 134, 225)
        EXPECT_EQ(target.at(217, y), 0x6286E1u);  // pixel 108, the end of the plain run
        EXPECT_EQ(target.at(556, y), 0xA0BDF6u);  // pixel 278, the brightest
        EXPECT_EQ(target.at(825, y), 0x7294E7u);  // pixel 412, RGB(114, 148, 231)
    }
}

TEST(Bitmap, OwnsItsHandle) {
    Canvas a(1, 1);
    HBITMAP handle = a.detach();
    {
        Bitmap first(handle);
        Bitmap second(std::move(first));
        EXPECT_TRUE(first.empty());  // NOLINT(bugprone-use-after-move): moved-from is empty
        EXPECT_EQ(second.handle(), handle);
        EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));
    }
    // Released exactly once, when the last owner went away.
    EXPECT_EQ(GetObjectType(handle), 0u);
}

}  // namespace
