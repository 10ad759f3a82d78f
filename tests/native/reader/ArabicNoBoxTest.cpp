// The "no box" proof: the embedded font draws every verse, as the view shows it at either
// level, without a .notdef glyph (glyph 0, the box). hb-shape shapes all verses in one run,
// one line each; a missing hb-shape or font fails the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RealArabic.h"
#include "reader/ArabicDrawing.h"

namespace {

// The lines (0-based) whose shaping by hb-shape holds glyph 0; every line counts once.
std::vector<int> linesWithBoxes(const std::vector<std::string>& lines) {
    char path[] = "/tmp/nurvela-arabic-XXXXXX";
    const int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    close(fd);
    std::ofstream(path, std::ios::binary) << [&] {
        std::string all;
        for (const std::string& line : lines) {
            all += line + '\n';
        }
        return all;
    }();
    const std::string command =
        std::string(NURVELA_HB_SHAPE) +
        " --no-glyph-names --no-positions --no-clusters --text-file=" + path + " " +
        NURVELA_ARABIC_FONT + " 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) {
            output.append(buffer, n);
        }
        EXPECT_EQ(pclose(pipe), 0) << command << "\n" << output.substr(0, 300);
    }
    unlink(path);
    std::vector<int> boxed;
    std::istringstream in(output);
    std::string shaped;  // "[12|0|345]"
    int count = 0;
    while (std::getline(in, shaped)) {
        if (shaped.size() < 3 || shaped.front() != '[' || shaped.back() != ']') {
            ADD_FAILURE() << "hb-shape said: " << shaped.substr(0, 200);
            return boxed;
        }
        std::string glyphs = "|";
        glyphs.append(shaped, 1, shaped.size() - 2).push_back('|');
        if (glyphs.find("|0|") != std::string::npos) {
            boxed.push_back(count);
        }
        ++count;
    }
    EXPECT_EQ(count, static_cast<int>(lines.size()));
    return boxed;
}

}  // namespace

TEST(ArabicFont, DrawsEveryVerseAtBothLevelsWithoutABox) {
    const FastStrList& arabic = realArabic();
    ASSERT_EQ(arabic.count(), surah::TotalVerses);
    // The package's own text first, to show that the check sees boxes: exactly the verses
    // that hold U+065E have one.
    std::vector<std::string> lines;
    std::vector<int> withU065E;
    for (int i = 0; i < arabic.count(); ++i) {
        lines.emplace_back(arabic.view(i));
        if (lines.back().find("\xD9\x9E") != std::string::npos) {
            withU065E.push_back(i);
        }
    }
    EXPECT_EQ(withU065E.size(), 1241u);
    EXPECT_EQ(linesWithBoxes(lines), withU065E);
    for (const auto shaper : {rules::ArabicShaper::Standard, rules::ArabicShaper::Wine}) {
        for (int i = 0; i < arabic.count(); ++i) {
            const std::u16string verse = rules::Utf8ToUtf16(arabic.view(i));
            lines[i] = rules::Utf16ToUtf8(rules::DrawArabic(verse, shaper).text);
        }
        EXPECT_EQ(linesWithBoxes(lines), std::vector<int>{})
            << (shaper == rules::ArabicShaper::Wine ? "Wine" : "Standard");
    }
}
