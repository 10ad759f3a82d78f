#pragma once
#include <cstddef>
#include <cstdint>

// A byte stream with a current position. MemoryStream is the one the program uses;
// the decompressor and the rich-text view read and write through this interface, so
// tests can hand them streams that record or refuse what they are given.
class Stream {
public:
    enum class Origin { Begin, Current, End };

    virtual ~Stream() = default;
    // Copies at most count bytes from the position on; returns how many (0 at the end).
    virtual std::size_t read(void* buffer, std::size_t count) = 0;
    // Stores count bytes at the position; returns how many were taken.
    virtual std::size_t write(const void* buffer, std::size_t count) = 0;
    // Sets the position relative to origin and returns it.
    virtual std::int64_t seek(std::int64_t offset, Origin origin) = 0;
    virtual std::int64_t size() const = 0;
    virtual std::int64_t position() const = 0;
};
