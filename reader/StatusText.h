#pragma once
#include <string>
#include <string_view>

namespace rules {

// Verse and occurrence counts in the status line: decimal with a comma between groups
// of three digits from 1000 on (999, 1,000, 6,236).
std::string FormatCount(long long value);

// The status text up to its first "(" (all of it when there is none). The blank that
// stood before the "(" is kept.
std::string_view cutBeforeParenthesis(std::string_view label);

// The status text while a search or a marking pass runs: the cut text followed by
// " ( Dalam proses... )".
std::string ProgressSuffix(std::string_view label);

// The status text after a marking pass: the cut text, " ( ", the count in count format
// and " Kata )".
std::string CountSuffix(std::string_view label, long long occurrences);

}  // namespace rules
