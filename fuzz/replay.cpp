// Runs a fuzz target without libFuzzer, so that the native test run (g++, with the sanitizers
// and the standard library's assertions) exercises it on every `make test`: first every file
// given, then seeded random inputs made from the Arabic text itself — verses cut, joined and
// damaged, search texts taken from them or made of Arabic letters, marks, blanks and bytes.
//
//   fuzz-arabic-replay QURAN_AR_TXT COUNT SEED [FILE...]
//
// A check that fails aborts, naming nothing but the input's number; the same seed and count
// make the same inputs again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void run(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

class InputMaker {
public:
    InputMaker(std::vector<std::string> verses, unsigned long seed)
        : verses_(std::move(verses)), random_(seed) {}

    std::string next() {
        std::string input(1, static_cast<char>(pick(4)));  // flags: UTF-16 text, whole words
        input += searchText();
        for (unsigned i = 0, n = 1 + pick(6); i < n; ++i)
            input += "\n" + verse();
        return input;
    }

private:
    unsigned pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(random_); }

    const std::string& anyVerse() { return verses_[pick(static_cast<unsigned>(verses_.size()))]; }

    // A piece of a verse, cut at any byte (so sometimes inside a character).
    std::string piece(const std::string& verse) {
        if (verse.empty())
            return verse;
        const unsigned from = pick(static_cast<unsigned>(verse.size()));
        return verse.substr(from, 1 + pick(40));
    }

    static void utf8(std::string& out, char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    // Letters, marks, signs, tatweel, blanks, presentation forms and stray bytes.
    std::string madeUp() {
        std::string text;
        for (unsigned i = 0, n = pick(16); i < n; ++i) {
            switch (pick(8)) {
                case 0:
                    utf8(text, 0x0621 + pick(0x064A - 0x0621 + 1));
                    break;
                case 1:
                    utf8(text, 0x064B + pick(0x0670 - 0x064B + 1));
                    break;
                case 2:
                    utf8(text, 0x06D6 + pick(0x06ED - 0x06D6 + 1));
                    break;
                case 3:
                    utf8(text, pick(2) ? ' ' : 0x0640);
                    break;
                case 4:
                    utf8(text, 0xFE70 + pick(0xFEFC - 0xFE70 + 1));
                    break;
                case 5:
                    text += static_cast<char>(pick(256));
                    break;
                case 6:
                    utf8(text, 0x0671 + pick(0x06D3 - 0x0671 + 1));
                    break;
                default:
                    utf8(text, pick(2) ? 0x200F : 0xFFFD);
                    break;
            }
        }
        return text;
    }

    std::string searchText() {
        switch (pick(5)) {
            case 0:
                return madeUp();
            case 1: {
                // UTF-16 units, lone surrogate halves among them (read as bytes when flag 1
                // is not set).
                std::string units;
                for (unsigned i = 0, n = pick(12); i < n; ++i) {
                    const unsigned u = pick(3) == 0 ? 0xD800 + pick(0x800) : 0x0600 + pick(0x100);
                    units += static_cast<char>(u & 0xFF);
                    units += static_cast<char>(u >> 8);
                }
                return units;
            }
            default:
                return piece(anyVerse());
        }
    }

    std::string verse() {
        switch (pick(6)) {
            case 0:
                return "";
            case 1:
                return madeUp();
            case 2:
                return piece(anyVerse()) + madeUp() + piece(anyVerse());
            case 3: {
                std::string damaged = anyVerse();
                for (unsigned i = 0, n = 1 + pick(4); i < n && !damaged.empty(); ++i)
                    damaged[pick(static_cast<unsigned>(damaged.size()))] =
                        static_cast<char>(pick(256));
                return damaged;
            }
            default:
                return anyVerse();
        }
    }

    std::vector<std::string> verses_;
    std::mt19937 random_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s QURAN_AR_TXT COUNT SEED [FILE...]\n", argv[0]);
        return 2;
    }
    std::vector<std::string> verses;
    std::istringstream text(readFile(argv[1]));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        verses.push_back(line);
    }
    if (verses.empty()) {
        std::fprintf(stderr, "%s: no verses in %s\n", argv[0], argv[1]);
        return 2;
    }
    const unsigned long count = std::strtoul(argv[2], nullptr, 10);
    const unsigned long seed = std::strtoul(argv[3], nullptr, 10);

    int files = 0;
    for (int i = 4; i < argc; ++i, ++files)
        run(readFile(argv[i]));
    InputMaker maker(std::move(verses), seed);
    for (unsigned long i = 0; i < count; ++i)
        run(maker.next());
    std::printf("%s: %d files and %lu inputs of seed %lu, every check held\n", argv[0], files,
                count, seed);
    return 0;
}
