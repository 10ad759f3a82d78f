#include "toolkit/FileStream.h"

std::size_t FileStream::read(void* buffer, std::size_t count) {
    DWORD done = 0;
    if (!ReadFile(file_, buffer, static_cast<DWORD>(count), &done, nullptr)) {
        error_ = GetLastError();
    }
    return done;
}

std::size_t FileStream::write(const void* buffer, std::size_t count) {
    DWORD done = 0;
    if (!WriteFile(file_, buffer, static_cast<DWORD>(count), &done, nullptr)) {
        error_ = GetLastError();
    } else if (done < count) {
        error_ = ERROR_DISK_FULL;
    }
    return done;
}

std::int64_t FileStream::seek(std::int64_t offset, Origin origin) {
    DWORD method = origin == Origin::Begin     ? FILE_BEGIN
                   : origin == Origin::Current ? FILE_CURRENT
                                               : FILE_END;
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER result{};
    if (!SetFilePointerEx(file_, distance, &result, method)) {
        error_ = GetLastError();
        return position();
    }
    return result.QuadPart;
}

std::int64_t FileStream::size() const {
    LARGE_INTEGER result{};
    return GetFileSizeEx(file_, &result) ? result.QuadPart : 0;
}

std::int64_t FileStream::position() const {
    LARGE_INTEGER zero{};
    LARGE_INTEGER result{};
    return SetFilePointerEx(file_, zero, &result, FILE_CURRENT) ? result.QuadPart : 0;
}
