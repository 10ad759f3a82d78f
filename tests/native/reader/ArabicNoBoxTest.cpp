// The "no box" proof: the font the program embeds draws every verse as the view would show
// it at both levels, with no .notdef glyph (glyph 0, the box). HarfBuzz's hb-shape shapes all
// verses in one run, one line each; a missing hb-shape or font fails the test.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RealArabic.h"
#include "reader/ArabicDrawing.h"

namespace {

// The glyph ids hb-shape gives for every line of lines, one vector per line; fails the
// test when hb-shape cannot run or answers for a different number of lines.
std::vector<std::vector<unsigned>> shapedGlyphs(const std::vector<std::string>& lines) {
    std::vector<std::vector<unsigned>> glyphs;
    struct stat info;
    EXPECT_EQ(stat(NURVELA_ARABIC_FONT, &info), 0) << NURVELA_ARABIC_FONT << " is missing";
    char path[] = "/tmp/nurvela-arabic-XXXXXX";
    const int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    if (fd < 0) {
        return glyphs;
    }
    close(fd);
    {
        std::ofstream file(path, std::ios::binary);
        for (const std::string& line : lines) {
            file << line << '\n';
        }
    }
    const std::string command = std::string("'") + NURVELA_HB_SHAPE +
                                "' --no-glyph-names --no-positions --no-clusters"
                                " --text-file='" +
                                path + "' '" + NURVELA_ARABIC_FONT + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr) << command;
    std::string output;
    if (pipe != nullptr) {
        char buffer[65536];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, n);
        }
        const int status = pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << "\n"
                                                                   << output.substr(0, 500);
    }
    unlink(path);
    // Each line of output: [g|g|...|g]
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
            ADD_FAILURE() << "hb-shape said: " << line.substr(0, 200);
            break;
        }
        std::vector<unsigned> ids;
        std::istringstream list(line.substr(1, line.size() - 2));
        std::string id;
        while (std::getline(list, id, '|')) {
            ids.push_back(static_cast<unsigned>(std::stoul(id)));
        }
        glyphs.push_back(std::move(ids));
    }
    EXPECT_EQ(glyphs.size(), lines.size());
    return glyphs;
}

std::vector<int> linesWithBoxes(const std::vector<std::vector<unsigned>>& glyphs) {
    std::vector<int> boxed;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        for (const unsigned id : glyphs[i]) {
            if (id == 0) {
                boxed.push_back(static_cast<int>(i));
                break;
            }
        }
    }
    return boxed;
}

}  // namespace

TEST(ArabicFont, DrawsEveryVerseAtBothLevelsWithoutABox) {
    const FastStrList& arabic = realArabic();
    ASSERT_EQ(arabic.count(), surah::TotalVerses);
    // The package's own text first: the check must see the boxes the drawn form removes,
    // exactly in the verses that hold U+065E.
    std::vector<std::string> source;
    std::vector<int> withOpenDammatan;
    for (int i = 0; i < arabic.count(); ++i) {
        source.emplace_back(arabic.view(i));
        if (source.back().find("\xD9\x9E") != std::string::npos) {  // U+065E
            withOpenDammatan.push_back(i);
        }
    }
    EXPECT_EQ(withOpenDammatan.size(), 1241u);
    EXPECT_EQ(linesWithBoxes(shapedGlyphs(source)), withOpenDammatan);

    for (const auto shaper : {rules::ArabicShaper::Standard, rules::ArabicShaper::Wine}) {
        std::vector<std::string> drawn;
        for (int i = 0; i < arabic.count(); ++i) {
            const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
            drawn.push_back(rules::Utf16ToUtf8(rules::DrawArabic(verse, shaper).text));
        }
        const std::vector<std::vector<unsigned>> glyphs = shapedGlyphs(drawn);
        ASSERT_EQ(glyphs.size(), drawn.size());
        EXPECT_EQ(linesWithBoxes(glyphs), std::vector<int>{})
            << (shaper == rules::ArabicShaper::Wine ? "Wine" : "Standard");
    }
}
