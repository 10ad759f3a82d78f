#pragma once
// The Arabic text as the reader holds it after loading: resources/quran_ar.txt split with
// FastStrList, one verse a line.
#include <fstream>
#include <sstream>
#include <string>

#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/Utf16.h"

inline const FastStrList& realArabic() {
    static const FastStrList& arabic = *[] {
        std::ifstream file(NURVELA_SOURCE_DIR "/resources/quran_ar.txt", std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        auto* list = new FastStrList;  // lives for the whole test program
        list->assignText(bytes.str());
        return list;
    }();
    return arabic;
}

inline std::u16string arabicVerse(int s, int a) {
    return rules::Utf8ToUtf16(realArabic().view(surah::corpusIndex(s, a)));
}
