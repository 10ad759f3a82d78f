#include "reader/SurahHeading.h"

#include "reader/AsciiCase.h"

namespace rules {

std::string SurahHeading(std::string_view displayName) {
    std::string_view name = displayName;
    if (const auto dot = name.find('.'); dot != std::string_view::npos) {
        name.remove_prefix(dot + 1);
    }
    // Only the leading separators go; the names never end with one, and a trailing one
    // would be spaced out like any other character.
    while (!name.empty() && static_cast<unsigned char>(name.front()) >= 1 &&
           static_cast<unsigned char>(name.front()) <= 32) {
        name.remove_prefix(1);
    }

    static constexpr std::string_view prefix = "S U R A T   ";
    std::string heading;
    heading.reserve(prefix.size() + 2 * name.size());
    heading.append(prefix);
    for (char c : name) {
        heading.push_back(upperAZ(c));
        heading.push_back(' ');
    }
    return heading;
}

}  // namespace rules
