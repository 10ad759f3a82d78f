#pragma once
#include <cstddef>
#include <string_view>

namespace rules {

// Zero-based position of the first occurrence of a non-empty needle in text at or after
// from, or npos: std::string_view::find, with the C library's faster memmem where there
// is one. The scan calls this once per verse line.
std::size_t findBytes(std::string_view text, std::string_view needle, std::size_t from = 0);

}  // namespace rules
