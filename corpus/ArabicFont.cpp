#include "corpus/ArabicFont.h"

#include "corpus/Exception.h"
#include "corpus/MemoryStream.h"
#include "corpus/ResourceStream.h"

HANDLE LoadArabicFont() {
    MemoryStream font;
    resourceToStream(font, GetModuleHandleA(nullptr), "ARABICFONT", "TTF");
    if (font.size() == 0) {
        raiseException("Huruf Arab (Amiri Quran) tidak ditemukan di dalam program.");
    }
    // The system keeps its own copy of the bytes; the stream may go.
    DWORD installed = 0;
    HANDLE handle = AddFontMemResourceEx(const_cast<char*>(font.data()),
                                         static_cast<DWORD>(font.size()), nullptr, &installed);
    if (handle == nullptr || installed == 0) {
        if (handle != nullptr) {
            RemoveFontMemResourceEx(handle);
        }
        raiseException("Huruf Arab (Amiri Quran) tidak dapat dipasang.");
    }
    return handle;
}
