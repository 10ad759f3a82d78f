#include "corpus/Decompress.h"

#include <bzlib.h>

#include <cstring>
#include <memory>

#include "corpus/Exception.h"
#include "corpus/Stream.h"

const std::array<const char*, 8> BzErrorNames = {
    "BZ_SEQUENCE_ERROR",   "BZ_PARAM_ERROR", "BZ_MEM_ERROR",      "BZ_DATA_ERROR",
    "BZ_DATA_ERROR_MAGIC", "BZ_IO_ERROR",    "BZ_UNEXPECTED_EOF", "BZ_OUTBUFF_FULL",
};

const char* bzErrorName(int code) {
    if (code <= -1 && code >= -8) {
        return BzErrorNames[static_cast<std::size_t>(-code - 1)];
    }
    if (code == BZ_CONFIG_ERROR) {
        return "BZ_CONFIG_ERROR";
    }
    return "BZ_UNKNOWN_ERROR";
}

// Kept out of line so that the recorded address is the caller's check.
__attribute__((noinline)) int CheckDecompress(int code) {
    if (code < 0) {
        raiseExceptionF("Decompression Error %d - %s", code, bzErrorName(code));
    }
    return code;
}

__attribute__((noinline)) int CheckCompress(int code) {
    if (code < 0) {
        raiseExceptionF("Compression Error %d - %s", code, bzErrorName(code));
    }
    return code;
}

extern "C" void bz_internal_error(int errcode) {
    raiseExceptionF("Compression Error %d", errcode);
}

namespace {

constexpr unsigned BufferSize = 32768;

// Ends the library's decompression state however DecompressStream is left.
struct DecompressorState {
    bz_stream record{};
    bool open = false;
    ~DecompressorState() {
        if (open) {
            BZ2_bzDecompressEnd(&record);
        }
    }
};

}  // namespace

int DecompressStream(Stream& source, Stream& destination) {
    int result = BZ_MEM_ERROR;
    const auto input = std::make_unique<char[]>(BufferSize);
    const auto output = std::make_unique<char[]>(BufferSize);
    DecompressorState state;
    bz_stream& z = state.record;

    CheckDecompress(BZ2_bzDecompressInit(&z, 0, 0));
    state.open = true;

    std::size_t n = source.read(input.get(), BufferSize);
    z.next_in = input.get();
    z.avail_in = static_cast<unsigned>(n);
    do {
        z.next_out = output.get();
        z.avail_out = BufferSize;
        result = BZ_OK;
        while (z.avail_out > 0 && result != BZ_STREAM_END) {
            const unsigned inputBefore = z.avail_in;
            const unsigned roomBefore = z.avail_out;
            result = CheckCompress(BZ2_bzDecompress(&z));
            // With the source used up, a call that neither took input nor gave output
            // means the stream ended before its end marker: no later call can change that.
            if (result == BZ_OK && inputBefore == 0 && z.avail_out == roomBefore) {
                CheckCompress(BZ_UNEXPECTED_EOF);
            }
            if (z.avail_in == 0) {
                n = source.read(input.get(), BufferSize);
                z.next_in = input.get();
                z.avail_in = static_cast<unsigned>(n);
            }
        }
        const std::size_t produced = BufferSize - z.avail_out;
        if (destination.write(output.get(), produced) != produced) {
            CheckCompress(BZ_IO_ERROR);
        }
    } while (n != 0 && result >= 0);

    // The source ran out while the stream still had more to come.
    if (result != BZ_STREAM_END) {
        CheckCompress(BZ_UNEXPECTED_EOF);
    }
    return BZ_OK;
}
