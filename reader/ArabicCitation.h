#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "reader/ArabicLayout.h"
#include "reader/ArabicRtf.h"

namespace rules {

// What leaves the view with the Arabic shown: Unicode text, and RTF where it says more.
struct ArabicCopy {
    std::u16string text;
    std::string rtf;  // empty: text only
};

// What "Kutip" copies while the Arabic is shown, for the view selection from..to (the view's
// positions, clamped): for every verse whose Arabic line or line holds a selected character,
// its own Arabic text and then its translation (the line without its reference), each on a
// line of its own, and on the last line the citation of them all; as text with CR LF between
// the lines, and as RTF with the Arabic right to left. An empty selection stands for the verse
// whose Arabic line or line holds the caret. A selection without a verse gives its own text
// alone. Nothing when there is nothing to copy (an empty selection outside a verse).
std::optional<ArabicCopy> CitedArabicCopy(const ArabicLayout& layout, std::size_t from,
                                          std::size_t to, const ArabicStyle& style);

}  // namespace rules
