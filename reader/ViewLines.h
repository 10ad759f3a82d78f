#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "corpus/SurahTable.h"

namespace rules {

// The lines of the reading view's text: what stands between line breaks (CR, LF or both).
// A verse line starts with its reference, "2:255. "; heading lines and empty lines do not.

// The characters of one line, begin..end, without its line break.
struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const LineSpan&) const = default;
};

// The line that holds position (a caret before a line break belongs to the line it ends);
// positions past the text count as its end.
LineSpan LineAround(std::string_view text, std::size_t position);

// The verse a line holds: the reference at its start, when the surah table has that
// verse.
std::optional<surah::VerseRef> VerseOfLine(std::string_view line);

// The line of the given verse in the text, if the text shows it.
std::optional<LineSpan> FindVerseLine(std::string_view text, surah::VerseRef verse);

// Every verse whose line holds at least one of the characters from..to, in text order.
std::vector<surah::VerseRef> VersesTouched(std::string_view text, std::size_t from, std::size_t to);

}  // namespace rules
