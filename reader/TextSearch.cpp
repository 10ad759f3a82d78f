#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // memmem
#endif
#include "reader/TextSearch.h"

#include <cstring>

namespace rules {

std::size_t findBytes(std::string_view text, std::string_view needle, std::size_t from) {
#ifdef __GLIBC__
    if (from > text.size())
        return std::string_view::npos;
    const void* at = memmem(text.data() + from, text.size() - from, needle.data(), needle.size());
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text.data())
              : std::string_view::npos;
#else
    return text.find(needle, from);
#endif
}

}  // namespace rules
