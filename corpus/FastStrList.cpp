#include "corpus/FastStrList.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "corpus/Stream.h"

namespace {

constexpr char CR = 13;
constexpr char LF = 10;
// Value and length fields before the characters, terminating zero after them.
constexpr std::size_t HeaderBytes = 8;
constexpr std::size_t ItemOverhead = HeaderBytes + 1;
constexpr std::size_t MinBufferBytes = 1024;
constexpr std::size_t MinIndexEntries = 100;

// Calls line(begin, length) for every line of text, split the list's way: a CR ends a
// line and swallows all LFs right after it; any other LF is an ordinary character; the
// bytes after the last break form a line only if there are some.
template <typename Line>
void forEachLine(std::string_view text, Line line) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t lineStart = 0;
    std::size_t i = 0;
    while (i < size) {
        const void* cr = std::memchr(data + i, CR, size - i);
        if (cr == nullptr) {
            break;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
        line(data + lineStart, i - lineStart);
        ++i;
        while (i < size && data[i] == LF) {
            ++i;
        }
        lineStart = i;
    }
    if (lineStart < size) {
        line(data + lineStart, size - lineStart);
    }
}

}  // namespace

void FastStrList::loadFromStream(Stream& stream, bool append) {
    const std::int64_t remaining = stream.size() - stream.position();
    std::string text(static_cast<std::size_t>(std::max<std::int64_t>(remaining, 0)), '\0');
    text.resize(stream.read(text.data(), text.size()));
    assignText(text, append);
}

void FastStrList::assignText(std::string_view text, bool append) {
    // A text that lives in this list's own buffer would vanish with clear() or move with
    // a reallocation; work on a copy then.
    if (!buffer_.empty() && text.data() >= buffer_.data() &&
        text.data() < buffer_.data() + buffer_.size()) {
        const std::string copy(text);
        assignText(copy, append);
        return;
    }
    if (!append) {
        clear();
    }
    // First pass: how many lines and how many bytes, so that the buffer and the index
    // grow at most once each.
    std::size_t lines = 0;
    std::size_t bytes = 0;
    forEachLine(text, [&](const char*, std::size_t length) {
        ++lines;
        bytes += length + ItemOverhead;
    });
    if (lines == 0) {
        return;
    }
    reserveBuffer(bytes);
    reserveIndex(index_.size() + lines);
    forEachLine(text, [&](const char* begin, std::size_t length) { this->append(begin, length); });
}

void FastStrList::add(std::string_view text) {
    if (!buffer_.empty() && text.data() >= buffer_.data() &&
        text.data() < buffer_.data() + buffer_.size()) {
        const std::string copy(text);
        add(copy);
        return;
    }
    reserveBuffer(text.size() + ItemOverhead);
    // A full index grows to twice the number of items, at least 100.
    if (index_.size() == index_.capacity()) {
        index_.reserve(std::max(2 * index_.size(), MinIndexEntries));
    }
    append(text.data(), text.size());
}

std::string FastStrList::item(int i) const {
    if (i < 0 || i >= count()) {
        return {};
    }
    return std::string(view(i));
}

std::string_view FastStrList::view(int i) const {
    const char* record = buffer_.data() + index_[static_cast<std::size_t>(i)];
    std::uint32_t length;
    std::memcpy(&length, record + 4, sizeof length);
    return {record + HeaderBytes, length};
}

std::string FastStrList::text() const {
    std::string result;
    result.reserve(used_ - index_.size() * (ItemOverhead - 2));
    for (int i = 0; i < count(); ++i) {
        result += view(i);
        result += "\r\n";
    }
    return result;
}

void FastStrList::clear() {
    std::vector<char>().swap(buffer_);
    std::vector<std::uint32_t>().swap(index_);
    used_ = 0;
}

void FastStrList::swap(FastStrList& other) noexcept {
    buffer_.swap(other.buffer_);
    index_.swap(other.index_);
    std::swap(used_, other.used_);
}

// Makes room for extra more bytes: twice the bytes then needed, at least 1024.
void FastStrList::reserveBuffer(std::size_t extra) {
    const std::size_t needed = used_ + extra;
    if (needed < used_ || needed > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("FastStrList: text too large");
    }
    if (needed <= buffer_.size()) {
        return;
    }
    std::vector<char> grown(std::max(2 * needed, MinBufferBytes));
    if (used_ != 0) {
        std::memcpy(grown.data(), buffer_.data(), used_);
    }
    buffer_.swap(grown);
}

// Makes the index hold items entries; when it cannot, it grows to twice that many, at
// least 100.
void FastStrList::reserveIndex(std::size_t items) {
    if (items > index_.capacity()) {
        index_.reserve(std::max(2 * items, MinIndexEntries));
    }
}

void FastStrList::append(const char* text, std::size_t length) {
    char* record = buffer_.data() + used_;
    const std::uint32_t value = 0;
    const auto size = static_cast<std::uint32_t>(length);
    std::memcpy(record, &value, 4);
    std::memcpy(record + 4, &size, 4);
    if (length != 0) {
        std::memcpy(record + HeaderBytes, text, length);
    }
    record[HeaderBytes + length] = '\0';
    index_.push_back(static_cast<std::uint32_t>(used_));
    used_ += length + ItemOverhead;
}
