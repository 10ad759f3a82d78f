#pragma once
// The package's Arabic as the repository holds it (resources/quran_ar.txt, which the native
// tests check against the package), line i for Corpus index i: what everything the program
// lets out with the Arabic shown must equal.
#include <fstream>
#include <sstream>
#include <string>

#include "corpus/FastStrList.h"

inline const FastStrList& packageArabic() {
    static const FastStrList& arabic = *[] {
        std::ifstream file(std::string("Z:") + NURVELA_SOURCE_DIR + "/resources/quran_ar.txt",
                           std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        auto* list = new FastStrList;  // lives for the whole test program
        list->assignText(bytes.str());
        return list;
    }();
    return arabic;
}
