#pragma once
#include <fstream>
#include <sstream>
#include <string>

// The translation text as committed, read byte for byte; empty when it cannot be read.
inline std::string readQuranText() {
    std::ifstream file(NURVELA_SOURCE_DIR "/resources/quran_id.txt", std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The Arabic text as committed (resources/quran_ar.txt), read byte for byte.
inline std::string readArabicText() {
    std::ifstream file(NURVELA_SOURCE_DIR "/resources/quran_ar.txt", std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}
