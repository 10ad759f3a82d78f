// The program's Arabic font against the ink of the text it draws: the build's copy of Amiri
// Quran has the source's glyphs exactly, a family name of its own, and lines that hold every
// verse's ink, as HarfBuzz shapes each verse at both drawn levels, with little room to spare.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "RealArabic.h"
#include "reader/ArabicDrawing.h"
#include "tests/ArabicInkVerses.h"

namespace {

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The tables of a TrueType file by tag, as bytes; empty when it is not one.
class FontTables {
public:
    explicit FontTables(std::string file) : file_(std::move(file)) {
        if (file_.size() < 12)
            return;
        const unsigned count = u16(4);
        for (unsigned i = 0; i < count && 12 + 16 * (i + 1) <= file_.size(); ++i) {
            const std::size_t record = 12 + 16 * i;
            const std::size_t offset = u32(record + 8), length = u32(record + 12);
            if (offset + length <= file_.size())
                tables_[file_.substr(record, 4)] = file_.substr(offset, length);
        }
    }
    const std::map<std::string, std::string>& tables() const { return tables_; }
    std::string table(const std::string& tag) const {
        const auto found = tables_.find(tag);
        return found == tables_.end() ? std::string() : found->second;
    }
    // A 16-bit big-endian value in a table; signed when asked.
    int value(const std::string& tag, std::size_t at, bool isSigned = false) const {
        const std::string t = table(tag);
        if (at + 2 > t.size())
            return -1;
        const auto raw = static_cast<std::uint16_t>(static_cast<unsigned char>(t[at]) << 8 |
                                                    static_cast<unsigned char>(t[at + 1]));
        return isSigned ? static_cast<std::int16_t>(raw) : raw;
    }
    // The Windows (platform 3) names with the given id, as ASCII (others as '?').
    std::vector<std::string> names(int id) const {
        std::vector<std::string> found;
        const std::string t = table("name");
        const int count = value("name", 2), strings = value("name", 4);
        for (int i = 0; i < count; ++i) {
            const std::size_t r = 6 + 12 * static_cast<std::size_t>(i);
            if (value("name", r) != 3 || value("name", r + 6) != id)
                continue;
            const std::size_t length = value("name", r + 8), offset = value("name", r + 10);
            std::string name;
            for (std::size_t k = 0; k + 1 < length; k += 2) {
                const int unit = value("name", strings + offset + k);
                name.push_back(unit > 0 && unit < 128 ? static_cast<char>(unit) : '?');
            }
            found.push_back(name);
        }
        return found;
    }

private:
    unsigned u16(std::size_t at) const {
        return static_cast<unsigned char>(file_[at]) << 8 |
               static_cast<unsigned char>(file_[at + 1]);
    }
    std::size_t u32(std::size_t at) const { return std::size_t{u16(at)} << 16 | u16(at + 2); }
    std::string file_;
    std::map<std::string, std::string> tables_;
};

// The ink of one shaped line: the highest and lowest point of any glyph's extents, with its
// offset, in font units above the baseline.
struct Ink {
    int top = 0;
    int bottom = 0;
};

// Parses one line of hb-shape's output with extents, "[gid@dx,dy+ax<xb,yb,w,h>|...]" (the
// offset only where it is not zero). False when the line is not one.
bool parseInk(const std::string& shaped, Ink& ink) {
    if (shaped.size() < 2 || shaped.front() != '[' || shaped.back() != ']')
        return false;
    ink = Ink{};
    std::size_t at = 1;
    while (at < shaped.size() - 1) {
        const std::size_t end = std::min(shaped.find('|', at), shaped.size() - 1);
        const std::string glyph = shaped.substr(at, end - at);
        int dx = 0, dy = 0, xb = 0, yb = 0, w = 0, h = 0;
        const std::size_t offset = glyph.find('@');
        if (offset != std::string::npos &&
            std::sscanf(glyph.c_str() + offset, "@%d,%d", &dx, &dy) != 2)
            return false;
        const std::size_t extents = glyph.find('<');
        if (extents == std::string::npos ||
            std::sscanf(glyph.c_str() + extents, "<%d,%d,%d,%d>", &xb, &yb, &w, &h) != 4)
            return false;
        if (w != 0 || h != 0) {
            ink.top = std::max(ink.top, dy + yb);
            ink.bottom = std::min(ink.bottom, dy + yb + h);
        }
        at = end + 1;
    }
    return true;
}

// hb-shape's output for every line, with extents, shaped with the font at fontPath in one run.
std::vector<std::string> shapeAll(const std::vector<std::string>& lines, const char* fontPath) {
    char path[] = "/tmp/nurvela-ink-XXXXXX";
    const int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    close(fd);
    {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines)
            out << line << '\n';
    }
    const std::string command =
        std::string(NURVELA_HB_SHAPE) +
        " --show-extents --no-glyph-names --no-clusters --text-file=" + path + " " + fontPath +
        " 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        EXPECT_EQ(pclose(pipe), 0) << command << "\n" << output.substr(0, 300);
    }
    unlink(path);
    std::vector<std::string> shaped;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);)
        shaped.push_back(line);
    EXPECT_EQ(shaped.size(), lines.size());
    return shaped;
}

// The ink of every line, as hb-shape shapes it with the font at fontPath.
std::vector<Ink> inkOf(const std::vector<std::string>& lines, const char* fontPath) {
    std::vector<Ink> inks;
    for (const std::string& shaped : shapeAll(lines, fontPath)) {
        Ink ink;
        if (!parseInk(shaped, ink)) {
            ADD_FAILURE() << "hb-shape said: " << shaped.substr(0, 200);
            break;
        }
        inks.push_back(ink);
    }
    return inks;
}

// Every verse as the view draws it for shaper, UTF-8, one a line; without the run ends that
// the Wine level adds when runEnds is false.
std::vector<std::string> drawnVerses(rules::ArabicShaper shaper, bool runEnds = true) {
    const FastStrList& arabic = realArabic();
    std::vector<std::string> lines;
    for (int i = 0; i < arabic.count(); ++i) {
        std::u16string text = rules::DrawArabic(rules::Utf8ToUtf16(arabic.view(i)), shaper).text;
        if (!runEnds)
            std::erase(text, rules::ArabicRunEnd);
        lines.push_back(rules::Utf16ToUtf8(text));
    }
    return lines;
}

// OS/2: sTypoAscender 68, sTypoDescender 70, sTypoLineGap 72, usWinAscent 74, usWinDescent 76;
// hhea: ascender 4, descender 6, lineGap 8; head: unitsPerEm 18.
struct LineMetrics {
    int winAscent, winDescent, typoAscender, typoDescender, typoGap, ascender, descender, gap;
};
LineMetrics lineMetrics(const FontTables& font) {
    return {font.value("OS/2", 74),       font.value("OS/2", 76),
            font.value("OS/2", 68, true), font.value("OS/2", 70, true),
            font.value("OS/2", 72, true), font.value("hhea", 4, true),
            font.value("hhea", 6, true),  font.value("hhea", 8, true)};
}

}  // namespace

// The copy draws what the packaged font draws: every verse at both drawn levels shapes to the
// same glyphs, advances, offsets and extents with both, and the tables the copy leaves alone
// (the shaping rules, the hinting) are the same byte for byte. It adds one glyph, the run end,
// of no width, no offset and no ink wherever the view puts it. Its family is its own, and all
// three sets of line metrics are the same fitted pair, with no gap.
TEST(ArabicFontCopy, DrawsWhatTheSourceDrawsUnderANameOfItsOwnWithOneSetOfLineMetrics) {
    const FontTables copy(readFile(NURVELA_ARABIC_FONT));
    const FontTables source(readFile(NURVELA_AMIRI_QURAN_FONT));
    ASSERT_FALSE(copy.tables().empty()) << NURVELA_ARABIC_FONT;
    ASSERT_FALSE(source.tables().empty()) << NURVELA_AMIRI_QURAN_FONT;

    std::vector<std::string> copyTags, sourceTags;
    for (const auto& [tag, bytes] : copy.tables())
        copyTags.push_back(tag);
    for (const auto& [tag, bytes] : source.tables())
        sourceTags.push_back(tag);
    EXPECT_EQ(copyTags, sourceTags);
    // The line metrics, the names, the new glyph's entries (character map, outlines and their
    // offsets, advances, count, names, class) and the checksums over all of them change.
    const std::vector<std::string> changed = {"GDEF", "OS/2", "cmap", "glyf", "head", "hhea",
                                              "hmtx", "loca", "maxp", "name", "post"};
    for (const auto& [tag, bytes] : source.tables()) {
        if (std::find(changed.begin(), changed.end(), tag) == changed.end()) {
            EXPECT_TRUE(copy.table(tag) == bytes) << "table " << tag << " differs";
        }
    }
    EXPECT_EQ(copy.value("head", 18), 1000);

    for (const auto shaper : {rules::ArabicShaper::Standard, rules::ArabicShaper::Wine}) {
        SCOPED_TRACE(shaper == rules::ArabicShaper::Wine ? "Wine" : "Standard");
        const std::vector<std::string> lines = drawnVerses(shaper, false);
        const std::vector<std::string> fromCopy = shapeAll(lines, NURVELA_ARABIC_FONT);
        const std::vector<std::string> fromSource = shapeAll(lines, NURVELA_AMIRI_QURAN_FONT);
        ASSERT_EQ(fromCopy.size(), fromSource.size());
        int differ = 0;
        for (std::size_t i = 0; i < fromCopy.size(); ++i) {
            if (fromCopy[i] != fromSource[i] && differ++ < 3)
                ADD_FAILURE() << "line " << i << " shapes otherwise";
        }
        EXPECT_EQ(differ, 0);
    }
    // The run end: its own glyph, after the source's last, that moves nothing and draws
    // nothing, between letters as at the end of a word.
    const std::vector<std::string> ends =
        shapeAll({"\xD8\xB9\xD9\x96\xD9\x9F", "\xD8\xB9\xD9\x96"}, NURVELA_ARABIC_FONT);
    ASSERT_EQ(ends.size(), 2u);
    // Right to left, so the run end is the first glyph: "[1367+0<0,0,0,0>|...]".
    const std::size_t first = ends[0].find('|');
    ASSERT_NE(first, std::string::npos) << ends[0];
    const std::string runEnd = ends[0].substr(1, first - 1);
    EXPECT_EQ(runEnd, std::to_string(copy.value("maxp", 4) - 1) + "+0<0,0,0,0>");
    EXPECT_EQ("[" + ends[0].substr(first + 1), ends[1]);

    for (const int id : {1, 4, 16, 21}) {
        for (const std::string& name : copy.names(id))
            EXPECT_EQ(name.find("Amiri"), std::string::npos) << "name " << id << ": " << name;
    }
    EXPECT_EQ(copy.names(1), std::vector<std::string>{NURVELA_ARABIC_FAMILY});
    EXPECT_EQ(source.names(1), std::vector<std::string>{"Amiri Quran"});
    // The copyright and the licence stay.
    EXPECT_EQ(copy.names(0), source.names(0));
    EXPECT_EQ(copy.names(13), source.names(13));

    const LineMetrics m = lineMetrics(copy);
    EXPECT_EQ(m.typoAscender, m.winAscent);
    EXPECT_EQ(m.ascender, m.winAscent);
    EXPECT_EQ(m.typoDescender, -m.winDescent);
    EXPECT_EQ(m.descender, -m.winDescent);
    EXPECT_EQ(m.typoGap, 0);
    EXPECT_EQ(m.gap, 0);
    // The source's lines for Windows, 4.175 em: what the copy makes shorter.
    const LineMetrics tall = lineMetrics(source);
    EXPECT_EQ(tall.winAscent + tall.winDescent, 4175);
}

// Every verse at both drawn levels, shaped with the copy: the ink of the whole text stays
// within the copy's line, whose ascent and descent are at most 0.05 em beyond it (room for
// Wine's synthetic bold and for the rounding to pixels); the text reaches exactly the
// extremes the Windows test draws, in exactly the verses it names.
TEST(ArabicFontCopy, ItsLinesHoldTheInkOfEveryVerseWithLittleToSpare) {
    const FontTables copy(readFile(NURVELA_ARABIC_FONT));
    const LineMetrics m = lineMetrics(copy);
    ASSERT_GT(m.winAscent, 0);
    const FastStrList& arabic = realArabic();
    ASSERT_EQ(arabic.count(), surah::TotalVerses);

    for (const auto shaper : {rules::ArabicShaper::Standard, rules::ArabicShaper::Wine}) {
        SCOPED_TRACE(shaper == rules::ArabicShaper::Wine ? "Wine" : "Standard");
        const std::vector<std::string> lines = drawnVerses(shaper);
        const std::vector<Ink> inks = inkOf(lines, NURVELA_ARABIC_FONT);
        ASSERT_EQ(inks.size(), lines.size());
        int top = 0, bottom = 0;
        std::vector<surah::VerseRef> atTop, low;
        for (int i = 0; i < static_cast<int>(inks.size()); ++i) {
            top = std::max(top, inks[i].top);
            bottom = std::min(bottom, inks[i].bottom);
            if (inks[i].top == ink::HighestInk)
                atTop.push_back(surah::verseAt(i));
            if (inks[i].bottom < -1000)
                low.push_back(surah::verseAt(i));
        }
        EXPECT_EQ(top, ink::HighestInk);
        EXPECT_EQ(bottom, ink::LowestInk);
        EXPECT_LE(top, m.winAscent);
        EXPECT_GE(bottom, -m.winDescent);
        EXPECT_LE(m.winAscent - top, 50);
        EXPECT_LE(m.winDescent + bottom, 50);

        EXPECT_EQ(atTop.size(), 445u);
        EXPECT_EQ(atTop.front(), ink::HighestVerses[0]);
        EXPECT_EQ(atTop.back(), ink::HighestVerses[1]);
        for (const surah::VerseRef v : ink::HighestVerses)
            EXPECT_NE(std::find(atTop.begin(), atTop.end(), v), atTop.end())
                << v.surah << ":" << v.verse;
        std::vector<surah::VerseRef> expectedLow(std::begin(ink::LowestVerses),
                                                 std::end(ink::LowestVerses));
        std::sort(expectedLow.begin(), expectedLow.end(), [](auto a, auto b) {
            return surah::corpusIndex(a.surah, a.verse) < surah::corpusIndex(b.surah, b.verse);
        });
        EXPECT_EQ(low, expectedLow);
        EXPECT_EQ(inks[surah::corpusIndex(52, 21)].bottom, ink::LowestInk);
    }
}
