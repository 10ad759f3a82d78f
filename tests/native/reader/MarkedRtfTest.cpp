#include "reader/MarkedRtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "reader/Occurrences.h"
#include "reader/SearchScan.h"
#include "reader/ViewText.h"
#include "tests/native/reader/RealCorpus.h"

using rules::CutIntoPieces;
using rules::PieceRtf;
using rules::TextPiece;
using rules::TextRun;

namespace {

// What a reader of RTF makes of one of these documents: the text (a paragraph mark read as
// CR LF), which of its characters are bold, and the colour table's one entry. Groups inside
// the document (the colour table) hold no text.
struct Read {
    std::string text;
    std::vector<bool> bold;
    std::string colour;
    int unknown = 0;  // control words this reading does not know
};

Read readRtf(const std::string& rtf) {
    Read read;
    bool bold = false;
    int depth = 0;
    bool inTable = false;
    auto put = [&](char c) {
        read.text.push_back(c);
        read.bold.push_back(bold);
    };
    for (std::size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            inTable = rtf.compare(i, 10, "{\\colortbl") == 0;
            ++i;
        } else if (c == '}') {
            --depth;
            inTable = false;
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c == '\\' && i + 1 < rtf.size() &&
                   std::string("\\{}").find(rtf[i + 1]) != std::string::npos) {
            put(rtf[i + 1]);
            i += 2;
        } else if (c == '\\' && rtf[i + 1] == '\'') {
            put(static_cast<char>(std::stoi(rtf.substr(i + 2, 2), nullptr, 16)));
            i += 4;
        } else if (c == '\\') {
            std::size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end])))
                ++end;
            const std::string word = rtf.substr(i + 1, end - i - 1);
            std::size_t digits = end;
            while (digits < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[digits])))
                ++digits;
            const std::string number = rtf.substr(end, digits - end);
            if (digits < rtf.size() && rtf[digits] == ' ')
                ++digits;  // the delimiter belongs to the control word
            i = digits;
            if (word == "par") {
                put('\r');
                put('\n');
            } else if (word == "b") {
                bold = number != "0";
            } else if (word == "red" || word == "green" || word == "blue") {
                read.colour += word + number;
            } else if (word != "rtf" && word != "ansi" && word != "colortbl" && word != "pard" &&
                       word != "cf") {
                ++read.unknown;
            }
        } else if (inTable) {
            ++i;  // the table's separators
        } else {
            put(c);
            ++i;
        }
    }
    EXPECT_EQ(depth, 0) << "unbalanced groups";
    return read;
}

// Bold flags for text[begin, end) as runs describe them.
std::vector<bool> boldOf(const std::vector<TextRun>& runs, std::size_t begin, std::size_t end) {
    std::vector<bool> bold(end - begin, false);
    for (const TextRun& run : runs) {
        for (std::size_t at = std::max(run.begin, begin); at < std::min(run.end, end); ++at)
            bold[at - begin] = true;
    }
    return bold;
}

TEST(MarkedRtf, APieceReadsBackAsItsTextWithExactlyItsRunsBold) {
    const std::string text = "S U R A T   A L - {X} \r\n\r\n1:1. a\\b \x01\xe9 Allah.\r\n\r\n";
    const std::vector<TextRun> runs{{2, 5}, {24, 27}, {36, 41}};
    const TextPiece piece{0, text.size(), 0, runs.size()};
    const Read read = readRtf(PieceRtf(text, piece, runs, {1, 2, 250}, false));
    EXPECT_EQ(read.text, text);
    EXPECT_EQ(read.bold, boldOf(runs, 0, text.size()));
    EXPECT_EQ(read.colour, "red1green2blue250");
    EXPECT_EQ(read.unknown, 0);
}

TEST(MarkedRtf, AWholeDocumentEndsWithOneParagraphMarkMore) {
    const std::string text = "1:1. x\r\n\r\n";
    const Read whole = readRtf(PieceRtf(text, {0, text.size(), 0, 0}, {}, {}, true));
    EXPECT_EQ(whole.text, text + "\r\n");
    EXPECT_EQ(whole.bold, std::vector<bool>(text.size() + 2, false));
}

TEST(MarkedRtf, RunsAreCutAtThePieceEdges) {
    const std::string text = "ab\r\n\r\ncd\r\n\r\n";
    const std::vector<TextRun> runs{{1, 8}};  // from inside the first entry into the second
    const Read second = readRtf(PieceRtf(text, {6, 12, 0, 1}, runs, {}, false));
    EXPECT_EQ(second.text, "cd\r\n\r\n");
    EXPECT_EQ(second.bold, boldOf(runs, 6, 12));
}

// The pieces of a text: contiguous, each ending at the end of an entry, each within the
// limits unless it is a single entry, and each naming the runs that touch it.
void expectSoundPieces(const std::string& text, const std::vector<TextRun>& runs,
                       const std::vector<TextPiece>& pieces, rules::PieceLimits first,
                       rules::PieceLimits later) {
    ASSERT_FALSE(pieces.empty());
    EXPECT_EQ(pieces.front().begin, 0u);
    EXPECT_EQ(pieces.back().end, text.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const TextPiece& p = pieces[i];
        if (i > 0) {
            EXPECT_EQ(p.begin, pieces[i - 1].end);
        }
        ASSERT_LT(p.begin, p.end);
        EXPECT_TRUE(p.end == text.size() || text.compare(p.end - 4, 4, "\r\n\r\n") == 0);
        const std::size_t firstEnd = text.find("\r\n\r\n", p.begin);
        const bool oneEntry = firstEnd == std::string::npos || firstEnd + 4 >= p.end;
        const rules::PieceLimits& limits = i == 0 ? first : later;
        if (!oneEntry) {
            EXPECT_LE(p.end - p.begin, limits.characters) << "piece " << i;
            EXPECT_LE(p.endRun - p.firstRun, limits.runs) << "piece " << i;
        }
        // Runs are ordered: those named touch the piece, their neighbours do not.
        const auto touches = [&](std::size_t r) {
            return runs[r].begin < p.end && runs[r].end > p.begin;
        };
        for (std::size_t r = p.firstRun; r < p.endRun; ++r)
            EXPECT_TRUE(touches(r)) << "piece " << i << " run " << r;
        if (p.firstRun > 0) {
            EXPECT_FALSE(touches(p.firstRun - 1)) << "piece " << i;
        }
        if (p.endRun < runs.size()) {
            EXPECT_FALSE(touches(p.endRun)) << "piece " << i;
        }
    }
}

TEST(MarkedRtf, PiecesOfARealResultAreWholeEntriesWithinTheLimits) {
    const rules::SearchScan scan = rules::ScanCorpus(realCorpus(), "a", false);
    const std::string text = rules::ResultText(realCorpus(), scan.resultItems);
    const std::vector<TextRun> runs =
        rules::CoveredRuns(rules::FindOccurrences(text, "a", false), 1);
    const rules::PieceLimits first{8 * 1024, 400};
    const rules::PieceLimits later{32 * 1024, 1500};
    const std::vector<TextPiece> pieces = CutIntoPieces(text, runs, first, later);
    expectSoundPieces(text, runs, pieces, first, later);
    EXPECT_GT(pieces.size(), runs.size() / 1500);
    // Full pieces: the next entry would have broken a limit.
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        const rules::PieceLimits& limits = i == 0 ? first : later;
        const std::size_t nextEnd = text.find("\r\n\r\n", pieces[i].end) + 4;
        const auto endRun =
            std::partition_point(runs.begin(), runs.end(),
                                 [&](const TextRun& r) { return r.begin < nextEnd; }) -
            runs.begin();
        EXPECT_TRUE(nextEnd - pieces[i].begin > limits.characters ||
                    static_cast<std::size_t>(endRun) - pieces[i].firstRun > limits.runs)
            << "piece " << i;
    }

    // Read back piece by piece, the text and the bold marks are those of the whole.
    std::string joined;
    std::vector<bool> bold;
    for (const TextPiece& p : pieces) {
        const Read read = readRtf(PieceRtf(text, p, runs, {}, false));
        joined += read.text;
        bold.insert(bold.end(), read.bold.begin(), read.bold.end());
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(bold, boldOf(runs, 0, text.size()));
}

TEST(MarkedRtf, RunsReachingOverEntriesBelongToEveryPieceTheyTouch) {
    const std::string text = "aa\r\n\r\nbb\r\n\r\ncccccccccc\r\n\r\ndd";
    // One run from the first entry to the third, one inside the long third entry.
    const std::vector<TextRun> runs{{1, 14}, {16, 18}};
    const rules::PieceLimits limits{8, 5};
    const std::vector<TextPiece> pieces = CutIntoPieces(text, runs, limits, limits);
    expectSoundPieces(text, runs, pieces, limits, limits);
    EXPECT_EQ(pieces, (std::vector<TextPiece>{
                          {0, 6, 0, 1}, {6, 12, 0, 1}, {12, 26, 0, 2}, {26, 28, 2, 2}}));

    // At most one run per piece: the long entry with two runs stands alone.
    const std::vector<TextPiece> byRuns = CutIntoPieces(text, runs, {1000, 1}, {1000, 1});
    expectSoundPieces(text, runs, byRuns, {1000, 1}, {1000, 1});
    EXPECT_EQ(byRuns.size(), 3u);

    // A small first piece, then larger ones.
    const std::vector<TextPiece> smallFirst = CutIntoPieces(text, runs, {6, 5}, {1000, 5});
    EXPECT_EQ(smallFirst, (std::vector<TextPiece>{{0, 6, 0, 1}, {6, 28, 0, 2}}));
}

TEST(MarkedRtf, TextWithoutAnEntryEndIsOnePiece) {
    const std::vector<TextPiece> pieces = CutIntoPieces("abc", {}, {1, 1}, {1, 1});
    EXPECT_EQ(pieces, (std::vector<TextPiece>{{0, 3, 0, 0}}));
    EXPECT_TRUE(CutIntoPieces("", {}, {10, 10}, {10, 10}).empty());
}

}  // namespace
