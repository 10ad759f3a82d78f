// nurvela_bench PACKED: times the start-up work on the packed translation (copy into a
// memory stream, DecompressStream, split into the Corpus) against `bzip2 -dc PACKED` writing
// to /dev/null, and prints both minimum times and their ratio.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "corpus/Decompress.h"
#include "corpus/FastStrList.h"
#include "corpus/MemoryStream.h"

extern char** environ;

namespace {

std::string packedPath;
std::string packedBytes;

void UnpackAndSplit(benchmark::State& state) {
    int lines = 0;
    for (auto _ : state) {
        MemoryStream packed;
        packed.write(packedBytes.data(), packedBytes.size());
        packed.seek(0, Stream::Origin::Begin);
        MemoryStream unpacked;
        DecompressStream(packed, unpacked);
        unpacked.seek(0, Stream::Origin::Begin);
        FastStrList corpus;
        corpus.loadFromStream(unpacked);
        lines = corpus.count();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}

void Bzip2Dc(benchmark::State& state) {
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>("bzip2"), const_cast<char*>("-dc"), packedPath.data(),
                        nullptr};
        pid_t pid;
        int status = -1;
        if (posix_spawnp(&pid, "bzip2", &actions, nullptr, argv, environ) == 0) {
            waitpid(pid, &status, 0);
        }
        posix_spawn_file_actions_destroy(&actions);
        if (status != 0) {
            state.SkipWithError("bzip2 -dc failed");
            break;
        }
    }
}

// Keeps the fastest repetition of every benchmark, next to the usual console table.
class MinimumReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> fastest;  // seconds

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) {
                continue;
            }
            const std::string name = run.run_name.function_name;
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            if (!fastest.count(name) || seconds < fastest[name]) {
                fastest[name] = seconds;
            }
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nurvela_bench [benchmark options] PACKED.bz2\n");
        return 2;
    }
    packedPath = argv[1];
    std::ifstream file(packedPath, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    packedBytes = content.str();
    if (packedBytes.empty()) {
        std::fprintf(stderr, "nurvela_bench: cannot read %s\n", packedPath.c_str());
        return 1;
    }

    benchmark::RegisterBenchmark("UnpackAndSplit", UnpackAndSplit)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(10)
        ->ReportAggregatesOnly(false);
    benchmark::RegisterBenchmark("Bzip2Dc", Bzip2Dc)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(10);
    MinimumReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double ours = reporter.fastest["UnpackAndSplit"];
    const double reference = reporter.fastest["Bzip2Dc"];
    if (ours <= 0 || reference <= 0) {
        return 1;
    }
    std::printf("\npacked translation: %zu bytes (%s)\n", packedBytes.size(), packedPath.c_str());
    std::printf("unpack+split (fastest run): %8.2f ms\n", ours * 1e3);
    std::printf("bzip2 -dc    (fastest run): %8.2f ms\n", reference * 1e3);
    std::printf("ratio unpack+split / bzip2 -dc: %.2fx (target: at most 1.20x)\n",
                ours / reference);
    return 0;
}
