#include "corpus/ResourceStream.h"

#include "corpus/Decompress.h"
#include "corpus/MemoryStream.h"

std::size_t resourceToStream(Stream& stream, HMODULE module, const char* name, const char* type) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) {
        return 0;
    }
    const DWORD size = SizeofResource(module, found);
    HGLOBAL handle = LoadResource(module, found);
    if (handle == nullptr) {
        return 0;
    }
    bool locked = true;
    const void* data = GlobalLock(handle);
    if (data == nullptr) {
        // A resource handle is not always a movable memory block; then it is the data itself.
        if (GetLastError() != ERROR_INVALID_HANDLE) {
            return 0;
        }
        data = handle;
        locked = false;
    }
    const std::size_t written = stream.write(data, size);
    if (locked) {
        GlobalUnlock(handle);
    }
    return written;
}

void unpackResource(const char* name, const char* type, MemoryStream& out) {
    MemoryStream packed;
    resourceToStream(packed, GetModuleHandleA(nullptr), name, type);
    packed.seek(0, Stream::Origin::Begin);
    DecompressStream(packed, out);
    out.seek(0, Stream::Origin::Begin);
}
