#pragma once
#include <array>

class Stream;

// Names of the bzip2 library's negative result codes: BzErrorNames[-code - 1] for code
// -1 (BZ_SEQUENCE_ERROR) down to -8 (BZ_OUTBUFF_FULL).
extern const std::array<const char*, 8> BzErrorNames;

// The name for any negative result code, including those the table does not list.
const char* bzErrorName(int code);

// Return code unchanged when it is 0 or positive; otherwise raise an Exception with
// "Decompression Error %d - %s" or "Compression Error %d - %s" respectively.
int CheckDecompress(int code);
int CheckCompress(int code);

// Reads source from its position to its end as one bzip2 stream and writes the unpacked
// bytes to destination at its position, in pieces of 32,768 bytes (the last one may be
// shorter). Returns 0; every failure raises an Exception, with the buffers and the
// library state already released. Bytes after the end of the stream, a stream that ends
// early and a destination that takes fewer bytes than offered are failures.
int DecompressStream(Stream& source, Stream& destination);

// Called by a libbz2 built without standard I/O when it finds itself in an impossible
// state; raises "Compression Error %d" with the library's error number.
extern "C" void bz_internal_error(int errcode);
