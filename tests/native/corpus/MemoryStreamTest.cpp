#include "corpus/MemoryStream.h"

#include <gtest/gtest.h>

#include <string>

TEST(MemoryStream, CapacityIsTheNextMultipleOf16KiBAboveTheSize) {
    MemoryStream stream;
    EXPECT_EQ(stream.capacity(), 0);
    stream.write("x", 1);
    EXPECT_EQ(stream.capacity(), 16384);
    const std::string block(16383, 'b');
    stream.write(block.data(), block.size());  // fills the buffer exactly
    EXPECT_EQ(stream.size(), 16384);
    EXPECT_EQ(stream.capacity(), 16384);
    stream.write("y", 1);
    EXPECT_EQ(stream.capacity(), 32768);
    EXPECT_EQ(std::string(stream.data() + 16383, 2), "by");
    stream.setSize(100000);
    EXPECT_EQ(stream.capacity(), 114688);
    // Shrinking keeps the buffer; only a size of 0 releases it.
    stream.setSize(10);
    EXPECT_EQ(stream.capacity(), 114688);
    EXPECT_EQ(stream.position(), 10);
    stream.setSize(0);
    EXPECT_EQ(stream.capacity(), 0);
    EXPECT_EQ(stream.data(), nullptr);
    EXPECT_EQ(stream.position(), 0);
    // Growing to an exact multiple still leaves room above it.
    stream.setSize(16384);
    EXPECT_EQ(stream.capacity(), 32768);
}

TEST(MemoryStream, ReadCopiesWhatIsLeftAndAdvances) {
    MemoryStream stream;
    EXPECT_EQ(stream.write("hello", 5), 5u);
    EXPECT_EQ(stream.position(), 5);
    char buffer[8] = {};
    EXPECT_EQ(stream.read(buffer, sizeof buffer), 0u);
    stream.seek(1, Stream::Origin::Begin);
    EXPECT_EQ(stream.read(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "ell");
    EXPECT_EQ(stream.read(buffer, sizeof buffer), 1u);
    EXPECT_EQ(buffer[0], 'o');
    EXPECT_EQ(stream.position(), 5);
}

TEST(MemoryStream, WriteOverwritesInsideAndGrowsPastTheEnd) {
    MemoryStream stream;
    stream.write("abcdef", 6);
    stream.seek(-2, Stream::Origin::End);
    stream.write("XYZ", 3);
    EXPECT_EQ(stream.size(), 7);
    stream.seek(1, Stream::Origin::Begin);
    stream.write("-", 1);
    EXPECT_EQ(stream.size(), 7);
    EXPECT_EQ(std::string(stream.data(), 7), "a-cdXYZ");
}

TEST(MemoryStream, SeekingPastTheEndGrowsTheSizeWithZeros) {
    MemoryStream stream;
    stream.write("ab", 2);
    EXPECT_EQ(stream.seek(3, Stream::Origin::Current), 5);
    EXPECT_EQ(stream.size(), 5);
    EXPECT_EQ(std::string(stream.data(), 5), std::string("ab\0\0\0", 5));
    EXPECT_EQ(stream.seek(-1, Stream::Origin::Current), 4);
    EXPECT_EQ(stream.seek(40000, Stream::Origin::End), 40005);
    EXPECT_EQ(stream.capacity(), 49152);
    // Before the start is the start.
    EXPECT_EQ(stream.seek(-10, Stream::Origin::Begin), 0);
}
