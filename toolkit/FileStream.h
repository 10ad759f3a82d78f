// A Stream over an open Win32 file handle, so the rich-text view can write a file through
// the same interface it uses for memory. The stream does not own the handle. A failed
// ReadFile or WriteFile keeps its system error for the caller to report.
#pragma once

#include "corpus/Stream.h"

#include <windows.h>

class FileStream final : public Stream {
public:
    explicit FileStream(HANDLE file) : file_(file) {}

    std::size_t read(void* buffer, std::size_t count) override;
    std::size_t write(const void* buffer, std::size_t count) override;
    std::int64_t seek(std::int64_t offset, Origin origin) override;
    std::int64_t size() const override;
    std::int64_t position() const override;

    // The system error of the last failed call, 0 when none failed.
    DWORD error() const { return error_; }

private:
    HANDLE file_;
    DWORD error_ = 0;
};
