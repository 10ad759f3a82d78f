#include "corpus/Decompress.h"

#include <bzlib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Bzip2Pack.h"
#include "QuranText.h"
#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "corpus/MemoryStream.h"
#include "corpus/SurahTable.h"

namespace {

// A destination that remembers every write and can be told to take fewer bytes.
class RecordingStream final : public Stream {
public:
    std::vector<std::size_t> pieces;
    std::string bytes;
    std::size_t shortBy = 0;

    std::size_t read(void*, std::size_t) override { return 0; }
    std::size_t write(const void* buffer, std::size_t count) override {
        pieces.push_back(count);
        const std::size_t taken = count > shortBy ? count - shortBy : 0;
        bytes.append(static_cast<const char*>(buffer), taken);
        return taken;
    }
    std::int64_t seek(std::int64_t, Origin) override { return size(); }
    std::int64_t size() const override { return static_cast<std::int64_t>(bytes.size()); }
    std::int64_t position() const override { return size(); }
};

// The message of the Exception that unpacking bytes raises, or "" when none is raised.
std::string failureOf(std::string_view bytes, RecordingStream& destination) {
    MemoryStream source;
    source.write(bytes.data(), bytes.size());
    source.seek(0, Stream::Origin::Begin);
    try {
        DecompressStream(source, destination);
    } catch (const Exception& e) {
        EXPECT_NE(e.address(), nullptr);
        return e.message();
    }
    return "";
}

std::string failureOf(std::string_view bytes) {
    RecordingStream destination;
    return failureOf(bytes, destination);
}

const std::string& quranText() {
    static const std::string text = readQuranText();
    return text;
}

const std::string& packedQuran() {
    static const std::string packed = pack(quranText());
    return packed;
}

const std::string sample = "1:1. a short text\r\n1:2. that packs into one small block\r\n";

}  // namespace

TEST(Decompress, TheTranslationUnpacksIn32KiBPieces) {
    ASSERT_FALSE(quranText().empty()) << "resources/quran_id.txt is missing";
    MemoryStream source;
    source.write(packedQuran().data(), packedQuran().size());
    source.seek(0, Stream::Origin::Begin);
    RecordingStream destination;
    EXPECT_EQ(DecompressStream(source, destination), 0);

    ASSERT_EQ(destination.bytes.size(), quranText().size());
    EXPECT_TRUE(destination.bytes == quranText());
    ASSERT_FALSE(destination.pieces.empty());
    for (std::size_t i = 0; i + 1 < destination.pieces.size(); ++i) {
        ASSERT_EQ(destination.pieces[i], 32768u) << "piece " << i;
    }
    EXPECT_LT(destination.pieces.back(), 32768u);
    EXPECT_EQ(destination.pieces.size(), quranText().size() / 32768 + 1);
}

TEST(Decompress, UnpackedTranslationSplitsIntoTheVerseLines) {
    ASSERT_FALSE(quranText().empty()) << "resources/quran_id.txt is missing";
    MemoryStream packed;
    packed.write(packedQuran().data(), packedQuran().size());
    packed.seek(0, Stream::Origin::Begin);
    MemoryStream unpacked;
    DecompressStream(packed, unpacked);
    unpacked.seek(0, Stream::Origin::Begin);
    FastStrList corpus;
    corpus.loadFromStream(unpacked);

    ASSERT_EQ(corpus.count(), surah::TotalVerses);
    EXPECT_EQ(corpus.item(0).rfind("1:1. Dengan ", 0), 0u) << corpus.item(0);
    EXPECT_EQ(corpus.item(0), quranText().substr(0, quranText().find('\r')));
    EXPECT_EQ(corpus.item(6235).rfind("114:6. ", 0), 0u);
    for (int i = 0; i < corpus.count(); ++i) {
        const std::string_view line = corpus.view(i);
        ASSERT_FALSE(line.empty());
        ASSERT_NE(line.back(), '\r') << i;
        ASSERT_NE(line.find_first_of("\r\n"), 0u) << i;
    }
    EXPECT_EQ(corpus.item(surah::TotalVerses), "");
    EXPECT_EQ(corpus.item(-1), "");
}

TEST(Decompress, ReadsFromTheSourcePositionAndWritesAtTheDestinationPosition) {
    MemoryStream source;
    source.write("junk", 4);
    const std::string packed = pack(sample);
    source.write(packed.data(), packed.size());
    source.seek(4, Stream::Origin::Begin);
    MemoryStream destination;
    destination.write("head:", 5);
    DecompressStream(source, destination);
    EXPECT_EQ(std::string(destination.data(), destination.size()), "head:" + sample);
}

TEST(DecompressFailures, DamagedAndForeignData) {
    std::string damaged = pack(sample);
    damaged[10] ^= 0x55;  // the first block's stored CRC
    EXPECT_EQ(failureOf(damaged), "Compression Error -4 - BZ_DATA_ERROR");
    EXPECT_EQ(failureOf("this is plain text, not a bzip2 stream"),
              "Compression Error -5 - BZ_DATA_ERROR_MAGIC");
}

TEST(DecompressFailures, ABytePastTheStreamEndComesAfterEverythingIsWritten) {
    RecordingStream destination;
    EXPECT_EQ(failureOf(pack(sample) + "x", destination),
              "Compression Error -1 - BZ_SEQUENCE_ERROR");
    EXPECT_EQ(destination.bytes, sample);

    ASSERT_FALSE(quranText().empty()) << "resources/quran_id.txt is missing";
    RecordingStream big;
    EXPECT_EQ(failureOf(packedQuran() + '\0', big), "Compression Error -1 - BZ_SEQUENCE_ERROR");
    EXPECT_TRUE(big.bytes == quranText());
}

TEST(DecompressFailures, ASourceThatEndsEarlyIsReportedNotWaitedFor) {
    const std::string packed = pack(sample);
    const std::string eof = "Compression Error -7 - BZ_UNEXPECTED_EOF";
    EXPECT_EQ(failureOf(""), eof);
    EXPECT_EQ(failureOf("BZh9"), eof);
    for (std::size_t cut : {std::size_t{1}, std::size_t{4}, packed.size() / 2}) {
        EXPECT_EQ(failureOf(packed.substr(0, packed.size() - cut)), eof) << "cut " << cut;
    }
    // A cut in the end marker of the big text: every block is complete, only the marker is not.
    ASSERT_FALSE(quranText().empty()) << "resources/quran_id.txt is missing";
    for (std::size_t cut : {std::size_t{1}, std::size_t{6}, packedQuran().size() / 3}) {
        EXPECT_EQ(failureOf(std::string_view(packedQuran()).substr(0, packedQuran().size() - cut)),
                  eof)
            << "cut " << cut;
    }
}

TEST(DecompressFailures, ADestinationThatTakesLessIsAnIoError) {
    RecordingStream destination;
    destination.shortBy = 1;
    EXPECT_EQ(failureOf(pack(sample), destination), "Compression Error -6 - BZ_IO_ERROR");
    EXPECT_EQ(destination.pieces.size(), 1u);
}

TEST(DecompressChecks, NonNegativeCodesPassAndNegativeOnesRaise) {
    EXPECT_EQ(CheckDecompress(0), 0);
    EXPECT_EQ(CheckCompress(4), 4);
    EXPECT_EQ(CheckCompress(1), 1);
    const auto message = [](auto check, int code) {
        try {
            check(code);
        } catch (const Exception& e) {
            return e.message();
        }
        return std::string("no exception");
    };
    EXPECT_EQ(message(CheckDecompress, -3), "Decompression Error -3 - BZ_MEM_ERROR");
    EXPECT_EQ(message(CheckCompress, -8), "Compression Error -8 - BZ_OUTBUFF_FULL");
    EXPECT_EQ(message(CheckCompress, -2), "Compression Error -2 - BZ_PARAM_ERROR");
    EXPECT_EQ(message(CheckDecompress, -9), "Decompression Error -9 - BZ_CONFIG_ERROR");
    EXPECT_EQ(message(CheckCompress, -1000), "Compression Error -1000 - BZ_UNKNOWN_ERROR");
    EXPECT_STREQ(BzErrorNames[0], "BZ_SEQUENCE_ERROR");
    EXPECT_STREQ(BzErrorNames[6], "BZ_UNEXPECTED_EOF");
}
