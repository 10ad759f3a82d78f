#include "reader/MatchWholeWord.h"

#include <string>

#include "reader/AlphaNumeric.h"
#include "reader/AsciiCase.h"
#include "reader/TextSearch.h"

namespace rules {

std::size_t findWholeWord(std::string_view pattern, std::string_view text, std::size_t from) {
    const std::size_t length = pattern.size();
    for (std::size_t at = findBytes(text, pattern, from); at != std::string_view::npos;
         at = findBytes(text, pattern, at + 1)) {
        const bool freeBefore =
            at == 0 || !isAlphaNumeric(static_cast<unsigned char>(text[at - 1]));
        const std::size_t after = at + length;
        const bool freeAfter =
            after >= text.size() || !isAlphaNumeric(static_cast<unsigned char>(text[after]));
        if (freeBefore && freeAfter)
            return at;
    }
    return std::string_view::npos;
}

int MatchWholeWord(std::string_view pattern, std::string_view text, bool caseSensitive, int start) {
    if (text.empty())
        return 0;
    if (pattern.empty())
        return 1;
    const std::size_t from = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
    if (from >= text.size())
        return 0;

    std::size_t found;
    if (caseSensitive) {
        found = findWholeWord(pattern, text, from);
    } else {
        found = findWholeWord(lowerAZCopy(pattern), lowerAZCopy(text), from);
    }
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

}  // namespace rules
