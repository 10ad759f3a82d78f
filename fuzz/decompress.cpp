// Unpacks arbitrary bytes with DecompressStream. Whatever it accepts must be exactly what
// the library's one-shot decompression makes of the same bytes, and it must end (no
// input can make it wait); everything else must be an Exception.
#include <bzlib.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <cstdlib>
#include <string>
#include <vector>

#include "corpus/Decompress.h"
#include "corpus/Exception.h"
#include "corpus/MemoryStream.h"

namespace {

// Big enough for dozens of 32 KiB pieces, small enough to keep every run quick.
constexpr std::size_t OutputLimit = 1 << 20;

// Takes bytes up to a limit, so that a small input that unpacks to a huge output ends as
// a short write instead of exhausting memory.
class CappedStream final : public Stream {
public:
    std::string bytes;
    std::size_t read(void*, std::size_t) override { return 0; }
    std::size_t write(const void* buffer, std::size_t count) override {
        const std::size_t taken = std::min(count, OutputLimit - bytes.size());
        bytes.append(static_cast<const char*>(buffer), taken);
        return taken;
    }
    std::int64_t seek(std::int64_t, Origin) override { return size(); }
    std::int64_t size() const override { return static_cast<std::int64_t>(bytes.size()); }
    std::int64_t position() const override { return size(); }
};

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryStream source;
    source.write(data, size);
    source.seek(0, Stream::Origin::Begin);
    CappedStream destination;
    bool accepted = false;
    try {
        check(DecompressStream(source, destination) == 0);
        accepted = true;
    } catch (const Exception& e) {
        check(e.message().rfind("Compression Error ", 0) == 0 ||
              e.message().rfind("Decompression Error ", 0) == 0);
        // Reported as ending early: the library, given all of it at once, must not find
        // a complete stream there either.
        if (e.message() == "Compression Error -7 - BZ_UNEXPECTED_EOF") {
            const auto whole = std::make_unique_for_overwrite<char[]>(OutputLimit);
            unsigned length = OutputLimit;
            check(BZ2_bzBuffToBuffDecompress(whole.get(), &length,
                                             const_cast<char*>(reinterpret_cast<const char*>(data)),
                                             static_cast<unsigned>(size), 0, 0) != BZ_OK);
        }
    }
    if (accepted) {
        std::vector<char> expected(destination.bytes.size() + 1);
        unsigned length = static_cast<unsigned>(expected.size());
        const int rc = BZ2_bzBuffToBuffDecompress(
            expected.data(), &length, const_cast<char*>(reinterpret_cast<const char*>(data)),
            static_cast<unsigned>(size), 0, 0);
        check(rc == BZ_OK);
        check(length == destination.bytes.size());
        check(std::string(expected.data(), length) == destination.bytes);
    }
    return 0;
}
