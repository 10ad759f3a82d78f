#include "corpus/ResourceStream.h"

#include <bzlib.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "corpus/LoadCorpus.h"
#include "corpus/MemoryStream.h"

namespace {

std::string readSourceFile(const char* relative) {
    std::ifstream file(std::string("Z:") + NURVELA_SOURCE_DIR + "/" + relative, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string contentOf(const MemoryStream& stream) {
    return std::string(stream.data(), static_cast<std::size_t>(stream.size()));
}

HMODULE self() {
    return GetModuleHandleA(nullptr);
}

}  // namespace

TEST(ResourceStream, CopiesThePackedTranslationAtTheStreamPosition) {
    HRSRC found = FindResourceA(self(), "INDO", "QRN");
    ASSERT_NE(found, nullptr);
    const DWORD size = SizeofResource(self(), found);
    MemoryStream stream;
    stream.write("lead", 4);
    EXPECT_EQ(resourceToStream(stream, self(), "INDO", "QRN"), size);
    EXPECT_EQ(stream.size(), 4 + static_cast<std::int64_t>(size));
    EXPECT_EQ(stream.position(), stream.size());
    EXPECT_EQ(contentOf(stream).substr(0, 8), "leadBZh9");
}

TEST(ResourceStream, AMissingResourceGivesNothing) {
    MemoryStream stream;
    EXPECT_EQ(resourceToStream(stream, self(), "NOSUCH", "QRN"), 0u);
    EXPECT_EQ(resourceToStream(stream, self(), "INDO", "RDM"), 0u);
    EXPECT_EQ(stream.size(), 0);
}

TEST(ResourceStream, TheTranslationUnpacksToTheCommittedText) {
    const std::string expected = readSourceFile("resources/quran_id.txt");
    ASSERT_FALSE(expected.empty());
    MemoryStream unpacked;
    unpackResource("INDO", "QRN", unpacked);
    EXPECT_EQ(unpacked.position(), 0);
    ASSERT_EQ(unpacked.size(), static_cast<std::int64_t>(expected.size()));
    EXPECT_TRUE(contentOf(unpacked) == expected);
}

TEST(ResourceStream, TheHelpTextUnpacksToTheCommittedRtf) {
    const std::string expected = readSourceFile("resources/README.rtf");
    ASSERT_FALSE(expected.empty());
    MemoryStream unpacked;
    unpackResource("README", "RDM", unpacked);
    EXPECT_EQ(contentOf(unpacked).substr(0, 5), "{\\rtf");
    EXPECT_TRUE(contentOf(unpacked) == expected);
}

TEST(ResourceStream, UnpackingAMissingResourceRaises) {
    MemoryStream unpacked;
    try {
        unpackResource("NOSUCH", "QRN", unpacked);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), "Compression Error -7 - BZ_UNEXPECTED_EOF");
    }
    EXPECT_EQ(unpacked.size(), 0);
}

TEST(LoadCorpus, FillsTheListWithTheVerseLines) {
    FastStrList corpus;
    corpus.add("stale");
    LoadCorpus(corpus);
    ASSERT_EQ(corpus.count(), 6236);
    const std::string text = readSourceFile("resources/quran_id.txt");
    EXPECT_EQ(corpus.item(0), text.substr(0, text.find('\r')));
    EXPECT_EQ(corpus.item(6235).rfind("114:6. ", 0), 0u);
    EXPECT_EQ(corpus.text(), text);
}

// The library is built without standard I/O, so its internal consistency checks call the
// program's bz_internal_error, and the exception raised there unwinds through the library.
TEST(LibraryInternalError, ReachesTheProgramAsAnException) {
    bz_stream record{};
    ASSERT_EQ(BZ2_bzDecompressInit(&record, 0, 0), BZ_OK);
    // The decompressor's private state starts with a back pointer and its state number;
    // a number no state has sends it to its "impossible state" check.
    struct StateHead {
        bz_stream* strm;
        int state;
    };
    static_cast<StateHead*>(record.state)->state = 999;
    std::string message;
    try {
        BZ2_bzDecompress(&record);
    } catch (const Exception& e) {
        message = e.message();
    }
    BZ2_bzDecompressEnd(&record);
    EXPECT_EQ(message, "Compression Error 4001");
}
