#pragma once
#include <string>
#include <string_view>

namespace rules {

// The spaced heading line written before the first hit of a surah in a search result:
// "S U R A T   " followed by the name after the surah number, upper-cased, with one
// blank after every character ("1. Al-Fatihah" gives "S U R A T   A L - F A T I H A H ").
std::string SurahHeading(std::string_view displayName);

}  // namespace rules
