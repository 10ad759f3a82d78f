#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Stream;

// An ordered list of 8-bit strings kept in one growable character buffer. Each item
// takes 4 bytes for an associated value (always 0 here), 4 bytes for its length, its
// characters and a terminating zero: 9 bytes more than its text. A separate index
// holds where each item starts.
class FastStrList {
public:
    FastStrList() = default;
    FastStrList(const FastStrList&) = delete;
    FastStrList& operator=(const FastStrList&) = delete;

    // Reads from the stream's position to its end and splits it like assignText.
    void loadFromStream(Stream& stream, bool append = false);
    // Splits text into lines (CR ends a line, LFs straight after it are skipped) and
    // adds them; clears the list first unless append is true.
    void assignText(std::string_view text, bool append = false);
    void add(std::string_view text);
    int count() const { return static_cast<int>(index_.size()); }
    // A copy of item i; empty for an index outside 0..count-1.
    std::string item(int i) const;
    // Item i without copying; valid until the list changes. i must be in range.
    std::string_view view(int i) const;
    // Every item followed by CR LF.
    std::string text() const;
    void clear();
    // Exchanges the contents of two lists, so that a list can be filled and checked aside
    // and then take the place of another at once.
    void swap(FastStrList& other) noexcept;

    std::size_t bufferCapacity() const { return buffer_.size(); }
    std::size_t bufferUsed() const { return used_; }
    std::size_t indexCapacity() const { return index_.capacity(); }

private:
    void reserveBuffer(std::size_t extra);
    void reserveIndex(std::size_t items);
    void append(const char* text, std::size_t length);

    std::vector<char> buffer_;          // capacity is buffer_.size()
    std::size_t used_ = 0;
    std::vector<std::uint32_t> index_;  // offset of each item's record
};
