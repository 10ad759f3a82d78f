#include "corpus/FastStrList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corpus/MemoryStream.h"

namespace {

std::vector<std::string> items(const FastStrList& list) {
    std::vector<std::string> result;
    for (int i = 0; i < list.count(); ++i) {
        result.push_back(list.item(i));
    }
    return result;
}

std::vector<std::string> split(std::string_view text) {
    FastStrList list;
    list.assignText(text);
    return items(list);
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(FastStrListSplit, LineBreakExamples) {
    EXPECT_EQ(split("A\r\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(split("A\r\n"), (Lines{"A"}));
    EXPECT_EQ(split("A\r\n\r\nB"), (Lines{"A", "", "B"}));
    EXPECT_EQ(split("A\r\n\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(split("A\rB"), (Lines{"A", "B"}));
    EXPECT_EQ(split("A\r\r\n"), (Lines{"A", ""}));
    EXPECT_EQ(split("A\n\nB"), (Lines{"A\n\nB"}));
    EXPECT_EQ(split("\r\n"), (Lines{""}));
    EXPECT_EQ(split(""), (Lines{}));
}

TEST(FastStrListSplit, LoneLineFeedsAndOtherBytesStayInTheLine) {
    EXPECT_EQ(split("\nA"), (Lines{"\nA"}));
    EXPECT_EQ(split("A\nB\r\n\n\n\nC\n"), (Lines{"A\nB", "C\n"}));
    EXPECT_EQ(split(std::string_view("a\0b\rc", 5)), (Lines{std::string("a\0b", 3), "c"}));
    EXPECT_EQ(split("\r\r"), (Lines{"", ""}));
}

TEST(FastStrListSplit, AppendKeepsWhatIsThereAndReplaceDoesNot) {
    FastStrList list;
    list.assignText("one\r\ntwo\r\n");
    list.assignText("three", true);
    EXPECT_EQ(items(list), (Lines{"one", "two", "three"}));
    list.assignText("four\r\n");
    EXPECT_EQ(items(list), (Lines{"four"}));
    list.assignText("");
    EXPECT_EQ(list.count(), 0);
}

TEST(FastStrListSplit, TextOfTheListItselfCanBeAssigned) {
    FastStrList list;
    list.assignText("first line\r\nsecond\r\n");
    list.assignText(list.view(1));
    EXPECT_EQ(items(list), (Lines{"second"}));
    list.add(list.view(0));
    EXPECT_EQ(items(list), (Lines{"second", "second"}));
}

TEST(FastStrList, TextEndsEveryItemWithCrLf) {
    FastStrList list;
    list.add("a");
    list.add("");
    list.add("b c");
    EXPECT_EQ(list.text(), "a\r\n\r\nb c\r\n");
    EXPECT_EQ(list.item(-1), "");
    EXPECT_EQ(list.item(3), "");
    FastStrList copy;
    copy.assignText(list.text());
    EXPECT_EQ(items(copy), items(list));
}

TEST(FastStrListGrowth, EachItemTakesNineBytesMoreThanItsText) {
    FastStrList list;
    list.add("");
    EXPECT_EQ(list.bufferUsed(), 9u);
    list.add("abcd");
    EXPECT_EQ(list.bufferUsed(), 22u);
    list.assignText("xy\r\nz", true);
    EXPECT_EQ(list.bufferUsed(), 22u + 11u + 10u);
}

TEST(FastStrListGrowth, BufferDoublesWhatIsNeededAndStartsAtOneKilobyte) {
    FastStrList list;
    EXPECT_EQ(list.bufferCapacity(), 0u);
    list.add("abc");
    EXPECT_EQ(list.bufferCapacity(), 1024u);
    // 1012 more bytes still fit: 12 + 1012 = 1024.
    list.add(std::string(1003, 'q'));
    EXPECT_EQ(list.bufferUsed(), 1024u);
    EXPECT_EQ(list.bufferCapacity(), 1024u);
    list.add("a");
    EXPECT_EQ(list.bufferCapacity(), 2u * (1024u + 10u));
    const std::string big(5000, 'z');
    list.add(big);
    EXPECT_EQ(list.bufferCapacity(), 2u * (1034u + 5009u));
    EXPECT_EQ(list.item(3), big);
    EXPECT_EQ(list.item(1), std::string(1003, 'q'));
}

TEST(FastStrListGrowth, IndexDoublesTheItemCountAndStartsAtOneHundred) {
    FastStrList list;
    list.add("a");
    EXPECT_EQ(list.indexCapacity(), 100u);
    for (int i = 1; i < 100; ++i) {
        list.add("a");
    }
    EXPECT_EQ(list.indexCapacity(), 100u);
    list.add("a");
    EXPECT_EQ(list.indexCapacity(), 200u);
    EXPECT_EQ(list.count(), 101);
}

TEST(FastStrListGrowth, SplittingGrowsBufferAndIndexOnceForTheWholeText) {
    std::string text;
    std::size_t bytes = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string line = std::to_string(i) + " line";
        text += line + "\r\n";
        bytes += line.size() + 9;
    }
    FastStrList list;
    list.assignText(text);
    EXPECT_EQ(list.count(), 1000);
    EXPECT_EQ(list.bufferUsed(), bytes);
    EXPECT_EQ(list.bufferCapacity(), 2 * bytes);
    EXPECT_EQ(list.indexCapacity(), 2000u);
    EXPECT_EQ(list.item(999), "999 line");

    // Appending counts what is already there.
    list.assignText("x\r\n", true);
    EXPECT_EQ(list.bufferCapacity(), 2 * bytes);
    EXPECT_EQ(list.indexCapacity(), 2000u);
    list.assignText(text, true);
    EXPECT_EQ(list.bufferCapacity(), 2 * (2 * bytes + 10));
    EXPECT_EQ(list.indexCapacity(), 2u * 2001u);
}

TEST(FastStrListGrowth, ClearReleasesBufferAndIndex) {
    FastStrList list;
    list.assignText("a\r\nb");
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.bufferCapacity(), 0u);
    EXPECT_EQ(list.bufferUsed(), 0u);
    EXPECT_EQ(list.indexCapacity(), 0u);
}

TEST(FastStrList, LoadFromStreamReadsFromThePositionToTheEnd) {
    MemoryStream stream;
    const std::string_view text = "skip\r\nA\r\nB";
    stream.write(text.data(), text.size());
    stream.seek(6, Stream::Origin::Begin);
    FastStrList list;
    list.add("old");
    list.loadFromStream(stream);
    EXPECT_EQ(items(list), (Lines{"A", "B"}));
    EXPECT_EQ(stream.position(), stream.size());
    stream.seek(0, Stream::Origin::Begin);
    list.loadFromStream(stream, true);
    EXPECT_EQ(items(list), (Lines{"A", "B", "skip", "A", "B"}));
}
