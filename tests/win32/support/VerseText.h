#pragma once
// The kind of text a search that hits every verse puts into the reading view: every line of
// the translation file at path followed by an empty line, topped up with generated
// verse-like lines to 1.2 million characters when the file is short or missing.
#include <cstdio>
#include <string>

inline std::string verseText(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char line[8192];
        while (std::fgets(line, sizeof line, file)) {
            std::string verse(line);
            while (!verse.empty() && (verse.back() == '\n' || verse.back() == '\r')) {
                verse.pop_back();
            }
            text += verse + "\r\n\r\n";
        }
        std::fclose(file);
    }
    for (int n = 1; text.size() < 1'200'000; ++n) {
        text += std::to_string(n / 200 + 1) + ":" + std::to_string(n % 200 + 1) +
                ". Dan ingatlah ketika Tuhanmu berfirman kepada para malaikat, sesungguhnya "
                "Aku hendak menjadikan seorang khalifah di muka bumi.\r\n\r\n";
    }
    return text;
}
