#pragma once
// The translation text as the reader holds it after loading, read from the source tree
// and split with FastStrList, shared by the tests that need real verse lines.
#include <fstream>
#include <sstream>
#include <string>

#include "corpus/FastStrList.h"

inline const std::string& realCorpusText() {
    static const std::string text = [] {
        std::ifstream file(NURVELA_SOURCE_DIR "/resources/quran_id.txt", std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }();
    return text;
}

inline const FastStrList& realCorpus() {
    static const FastStrList& corpus = *[] {
        auto* list = new FastStrList;  // lives for the whole test program
        list->assignText(realCorpusText());
        return list;
    }();
    return corpus;
}
