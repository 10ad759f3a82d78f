// Splits arbitrary bytes into a list and checks the result against a plain
// character-by-character reading of the line rule, and the list's storage rules.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/FastStrList.h"

namespace {

std::vector<std::string> referenceSplit(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool afterBreak = false;  // LFs right after a CR (or after such LFs) are swallowed
    for (char c : text) {
        if (c == '\r') {
            lines.push_back(line);
            line.clear();
            afterBreak = true;
        } else if (c == '\n' && afterBreak) {
        } else {
            line += c;
            afterBreak = false;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> expected = referenceSplit(text);

    FastStrList list;
    list.assignText(text);
    check(list.count() == static_cast<int>(expected.size()));
    std::size_t bytes = 0;
    for (int i = 0; i < list.count(); ++i) {
        check(list.item(i) == expected[static_cast<std::size_t>(i)]);
        bytes += expected[static_cast<std::size_t>(i)].size() + 9;
    }
    check(list.item(list.count()).empty());
    check(list.bufferUsed() == bytes);
    // One growth step each for the whole text.
    check(list.bufferCapacity() == (bytes == 0 ? 0 : std::max<std::size_t>(2 * bytes, 1024)));
    check(list.indexCapacity() ==
          (expected.empty() ? 0 : std::max<std::size_t>(2 * expected.size(), 100)));

    // Items joined with CR LF split into the same items, unless an item starts with an LF,
    // which the break before it would swallow.
    bool lfLeading = false;
    for (const std::string& line : expected) {
        lfLeading = lfLeading || (!line.empty() && line[0] == '\n');
    }
    if (!lfLeading) {
        FastStrList again;
        again.assignText(list.text());
        check(again.count() == list.count());
        for (int i = 0; i < list.count(); ++i) {
            check(again.view(i) == list.view(i));
        }
    }

    // Appending keeps what is there.
    list.assignText(text, true);
    check(list.count() == static_cast<int>(2 * expected.size()));
    return 0;
}
