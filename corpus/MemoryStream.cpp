#include "corpus/MemoryStream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Capacity grows in steps of 16 KiB: the new size with its 14 low bits set, plus one.
constexpr std::int64_t CapacityMask = 0x3FFF;

}  // namespace

MemoryStream::~MemoryStream() {
    std::free(memory_);
}

void MemoryStream::setCapacity(std::int64_t newCapacity) {
    if (newCapacity == capacity_) {
        return;
    }
    if (newCapacity == 0) {
        std::free(memory_);
        memory_ = nullptr;
        capacity_ = 0;
        return;
    }
    if (static_cast<std::uint64_t>(newCapacity) > SIZE_MAX) {
        throw std::bad_alloc();
    }
    void* grown = std::realloc(memory_, static_cast<std::size_t>(newCapacity));
    if (grown == nullptr) {
        throw std::bad_alloc();
    }
    memory_ = static_cast<char*>(grown);
    capacity_ = newCapacity;
}

void MemoryStream::setSize(std::int64_t newSize) {
    newSize = std::max<std::int64_t>(newSize, 0);
    if (newSize == 0) {
        setCapacity(0);
    } else if (newSize > capacity_) {
        setCapacity((newSize | CapacityMask) + 1);
    }
    // Bytes that come into existence without being written read as zeros.
    if (newSize > size_) {
        std::memset(memory_ + size_, 0, static_cast<std::size_t>(newSize - size_));
    }
    size_ = newSize;
    position_ = std::min(position_, size_);
}

std::size_t MemoryStream::read(void* buffer, std::size_t count) {
    const std::int64_t available = size_ - position_;
    if (available <= 0 || count == 0) {
        return 0;
    }
    const std::size_t n = static_cast<std::size_t>(
        std::min<std::uint64_t>(count, static_cast<std::uint64_t>(available)));
    std::memcpy(buffer, memory_ + position_, n);
    position_ += static_cast<std::int64_t>(n);
    return n;
}

std::size_t MemoryStream::write(const void* buffer, std::size_t count) {
    if (count == 0) {
        return 0;
    }
    const std::int64_t end = position_ + static_cast<std::int64_t>(count);
    if (end > capacity_) {
        setCapacity((end | CapacityMask) + 1);
    }
    std::memcpy(memory_ + position_, buffer, count);
    size_ = std::max(size_, end);
    position_ = end;
    return count;
}

std::int64_t MemoryStream::seek(std::int64_t offset, Origin origin) {
    std::int64_t target = offset;
    if (origin == Origin::Current) {
        target += position_;
    } else if (origin == Origin::End) {
        target += size_;
    }
    // A position before the start is taken as the start.
    target = std::max<std::int64_t>(target, 0);
    if (target > size_) {
        setSize(target);
    }
    position_ = target;
    return position_;
}
