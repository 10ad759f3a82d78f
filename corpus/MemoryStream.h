#pragma once
#include "corpus/Stream.h"

// A growable in-memory byte stream. Writing past the end grows the size; seeking past
// the end grows it too. Capacity grows to the next multiple of 16,384 above the new
// size; a size of 0 releases the buffer.
class MemoryStream final : public Stream {
public:
    MemoryStream() = default;
    ~MemoryStream() override;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::size_t read(void* buffer, std::size_t count) override;
    std::size_t write(const void* buffer, std::size_t count) override;
    std::int64_t seek(std::int64_t offset, Origin origin) override;
    std::int64_t size() const override { return size_; }
    std::int64_t position() const override { return position_; }

    void setSize(std::int64_t newSize);
    std::int64_t capacity() const { return capacity_; }
    const char* data() const { return memory_; }

private:
    void setCapacity(std::int64_t newCapacity);

    char* memory_ = nullptr;
    std::int64_t size_ = 0;
    std::int64_t position_ = 0;
    std::int64_t capacity_ = 0;
};
