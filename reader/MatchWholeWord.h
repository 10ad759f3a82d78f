#pragma once
#include <cstddef>
#include <string_view>

namespace rules {

// 1-based position of the first whole-word occurrence of pattern in text at or after
// the 1-based position start, or 0. An occurrence is whole when the bytes just before
// and just after it are not alphanumeric (isAlphaNumeric); the pattern's own first and
// last bytes are not tested. Empty text gives 0, otherwise an empty pattern gives 1.
// Without caseSensitive both sides are compared with A..Z lowered. A start below 1 is
// taken as 1.
int MatchWholeWord(std::string_view pattern, std::string_view text, bool caseSensitive, int start);

// The search behind MatchWholeWord on texts already in the wanted case: zero-based
// position of the first whole-word occurrence of a non-empty pattern at or after
// from, or npos.
std::size_t findWholeWord(std::string_view pattern, std::string_view text, std::size_t from);

}  // namespace rules
