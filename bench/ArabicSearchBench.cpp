// ArabicSearchBench: the Arabic search over the whole Arabic text against, in the same run,
// the translation's scan for a word found in about as many verses, and the index's making
// (done once, at the first Arabic search).
//
//   ArabicSearchBench [--benchmark_repetitions=N ...]
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "corpus/FastStrList.h"
#include "reader/ArabicSearch.h"
#include "reader/SearchScan.h"

namespace {

FastStrList arabic;
FastStrList translation;

void load(FastStrList& list, const char* name) {
    std::ifstream file(std::string(NURVELA_SOURCE_DIR "/resources/") + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    list.assignText(bytes.str());
}

const rules::ArabicIndex& index() {
    static const rules::ArabicIndex built(arabic);
    return built;
}

void ArabicIndexBuild(benchmark::State& state) {
    for (auto _ : state) {
        rules::ArabicIndex built(arabic);
        benchmark::DoNotOptimize(built);
    }
}

void ArabicScan(benchmark::State& state, const char* text, bool wholeWord) {
    int verses = 0;
    int occurrences = 0;
    for (auto _ : state) {
        const rules::ArabicScan scan = rules::ScanArabic(index(), text, wholeWord);
        verses = scan.scan.hitCount;
        occurrences = scan.occurrenceCount;
        benchmark::DoNotOptimize(verses);
    }
    state.counters["verses"] = verses;
    state.counters["occurrences"] = occurrences;
}

void LatinScan(benchmark::State& state, const char* text, bool wholeWord) {
    int verses = 0;
    for (auto _ : state) {
        const rules::SearchScan scan = rules::ScanCorpus(translation, text, wholeWord);
        verses = scan.hitCount;
        benchmark::DoNotOptimize(verses);
    }
    state.counters["verses"] = verses;
}

}  // namespace

BENCHMARK(ArabicIndexBuild)->Unit(benchmark::kMillisecond);
// The Arabic word with the most verses, and a two-word phrase.
BENCHMARK_CAPTURE(ArabicScan, allah, "الله", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ArabicScan, allah_whole, "الله", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ArabicScan, merciful, "الرحمن الرحيم", false)->Unit(benchmark::kMillisecond);
// References: the translation's scan for "allah" (about 2,200 verses) and "dan".
BENCHMARK_CAPTURE(LatinScan, allah, "allah", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LatinScan, dan_whole, "dan", true)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    load(arabic, "quran_ar.txt");
    load(translation, "quran_id.txt");
    if (arabic.count() != 6236 || translation.count() != 6236) {
        std::fprintf(stderr, "ArabicSearchBench: cannot read the texts under %s/resources\n",
                     NURVELA_SOURCE_DIR);
        return 1;
    }
    index();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
