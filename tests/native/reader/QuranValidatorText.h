#pragma once
// The independent imla'i text the Arabic search is measured against: the field textSimple of
// every verse of the npm package quran-validator (installed in tools/node_modules by
// scripts/setup.sh; the program never ships it), as tools/validator-text.mjs prints it with
// node: "surah:ayah<TAB>text", a line per verse in mushaf order.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "corpus/SurahTable.h"

namespace validator {

// The textSimple of every verse in Corpus order, or an empty list with the cause in error.
inline std::vector<std::string> readTextSimple(std::string& error) {
    const std::string command = std::string(NURVELA_NODE) + " " + NURVELA_SOURCE_DIR +
                                "/tools/validator-text.mjs 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        error = "cannot run " + command;
        return {};
    }
    char buffer[65536];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    if (pclose(pipe) != 0) {
        error = command + " failed: " + output.substr(0, 300);
        return {};
    }
    std::vector<std::string> lines;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        // Each line must be the verse that comes next in the Corpus.
        int surahNumber = 0, ayah = 0, length = 0;
        const bool numbered = std::sscanf(line.c_str(), "%d:%d%n", &surahNumber, &ayah, &length) == 2 &&
                              line[length] == '\t';
        if (!numbered || surahNumber < 1 || surahNumber > surah::SurahCount || ayah < 1 ||
            ayah > surah::verseCount(surahNumber) ||
            surah::corpusIndex(surahNumber, ayah) != static_cast<int>(lines.size())) {
            error = "verse " + std::to_string(lines.size() + 1) + " of the validator's text is \"" +
                    line.substr(0, 40) + "\"";
            return {};
        }
        lines.push_back(line.substr(length + 1));
    }
    if (lines.size() != static_cast<std::size_t>(surah::TotalVerses)) {
        error = "the validator's text has " + std::to_string(lines.size()) + " verses, not 6236";
        return {};
    }
    return lines;
}

}  // namespace validator
