// Times the search scan over the whole translation for a common word and, in the same
// run, `grep -ci` for the same word on the same file, and prints the ratio.
//
//   ScanBench [file] [word]      (defaults: resources/quran_id.txt, "allah")
//
// grep is timed twice: once per process on the file itself (what a user would run), and
// on the file repeated many times, which spreads grep's start-up over the copies and
// gives its bare scanning speed per copy of the text.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "corpus/FastStrList.h"
#include "reader/SearchScan.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Runs the shell command and returns its first output line.
std::string firstLineOf(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        if (std::fgets(buffer, sizeof buffer, pipe))
            out = buffer;
        pclose(pipe);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

double timeGrep(const std::string& word, const std::string& path, int runs, std::string& count) {
    const std::string command = "grep -ci '" + word + "' '" + path + "'";
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        count = firstLineOf(command);
        times.push_back(millisecondsSince(start));
    }
    return median(times);
}

double timeScan(const FastStrList& corpus, const std::string& word, bool wholeWord, int runs,
                int& hits) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const rules::SearchScan scan = rules::ScanCorpus(corpus, word, wholeWord);
        times.push_back(millisecondsSince(start));
        hits = scan.hitCount;
    }
    return median(times);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : NURVELA_SOURCE_DIR "/resources/quran_id.txt";
    const std::string word = argc > 2 ? argv[2] : "allah";
    const std::string text = readFile(path);
    if (text.empty()) {
        std::fprintf(stderr, "ScanBench: cannot read %s\n", path.c_str());
        return 1;
    }
    FastStrList corpus;
    corpus.assignText(text);

    constexpr int Runs = 201;
    int substringHits = 0;
    int wholeWordHits = 0;
    const double scan = timeScan(corpus, word, false, Runs, substringHits);
    const double scanWhole = timeScan(corpus, word, true, Runs, wholeWordHits);

    std::string grepCount;
    const double grepProcess = timeGrep(word, path, 51, grepCount);

    constexpr int Copies = 50;
    const std::string bigPath = "/tmp/ScanBench-" + std::to_string(getpid()) + ".txt";
    {
        std::ofstream big(bigPath, std::ios::binary);
        for (int i = 0; i < Copies; ++i)
            big << text;
    }
    std::string bigCount;
    const double grepPerCopy = timeGrep(word, bigPath, 11, bigCount) / Copies;
    std::remove(bigPath.c_str());

    std::printf("text: %s (%zu bytes, %d lines), word \"%s\"\n", path.c_str(), text.size(),
                corpus.count(), word.c_str());
    std::printf("scan, substring      %8.3f ms  (%d verses)\n", scan, substringHits);
    std::printf("scan, whole word     %8.3f ms  (%d verses)\n", scanWhole, wholeWordHits);
    std::printf("grep -ci, per run    %8.3f ms  (%s lines)\n", grepProcess, grepCount.c_str());
    std::printf("grep -ci, per copy   %8.3f ms  (%d copies in one run)\n", grepPerCopy, Copies);
    std::printf("ratio scan / grep per run    %6.2f\n", scan / grepProcess);
    std::printf("ratio scan / grep per copy   %6.2f\n", scan / grepPerCopy);
    if (grepCount != std::to_string(substringHits)) {
        std::printf("note: grep counted %s lines, the scan %d verses\n", grepCount.c_str(),
                    substringHits);
    }
    return 0;
}
