#include "reader/MarkedRtf.h"

#include <algorithm>
#include <cstdio>

namespace rules {

namespace {

constexpr std::string_view EntryEnd = "\r\n\r\n";

}  // namespace

void AppendRtfText(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto code = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out.push_back('\\');
            out.push_back(c);
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.append("\\par\n");
        } else if (code < 32 || code > 126) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", code);
            out.append(hex);
        } else {
            out.push_back(c);
        }
    }
}

std::vector<TextPiece> CutIntoPieces(std::string_view text, const std::vector<TextRun>& runs,
                                     PieceLimits first, PieceLimits later, const EntryCost& cost) {
    std::vector<TextPiece> pieces;
    TextPiece piece;
    std::size_t pieceCost = 0;
    std::size_t nextRun = 0;  // the first run that touches the next entry, if any does
    std::size_t entryBegin = 0;
    while (entryBegin < text.size()) {
        const std::size_t found = text.find(EntryEnd, entryBegin);
        const std::size_t entryEnd =
            found == std::string_view::npos ? text.size() : found + EntryEnd.size();
        std::size_t endRun = nextRun;
        while (endRun < runs.size() && runs[endRun].begin < entryEnd)
            ++endRun;
        const std::size_t entryCost = cost ? cost(entryBegin, entryEnd, endRun - nextRun) : 0;
        const PieceLimits& limits = pieces.empty() ? first : later;
        const bool fits = entryEnd - piece.begin <= limits.characters &&
                          endRun - piece.firstRun <= limits.runs &&
                          entryCost <= limits.cost - std::min(pieceCost, limits.cost);
        if (piece.end > piece.begin && !fits) {
            pieces.push_back(piece);
            piece = {entryBegin, entryBegin, nextRun, nextRun};
            pieceCost = 0;
        }
        pieceCost += entryCost;
        piece.end = entryEnd;
        piece.endRun = endRun;
        // A run that reaches beyond this entry touches the next one too.
        nextRun = endRun > 0 && runs[endRun - 1].end > entryEnd ? endRun - 1 : endRun;
        entryBegin = entryEnd;
    }
    if (piece.end > piece.begin)
        pieces.push_back(piece);
    return pieces;
}

std::string PieceRtf(std::string_view text, const TextPiece& piece,
                     const std::vector<TextRun>& runs, TextColour colour, bool wholeDocument) {
    std::string out;
    out.reserve(piece.end - piece.begin + 8 * (piece.endRun - piece.firstRun) + 128);
    char head[128];
    std::snprintf(head, sizeof head,
                  "{\\rtf1\\ansi{\\colortbl ;\\red%u\\green%u\\blue%u;}\\pard\\cf1\\b0 ",
                  colour.red, colour.green, colour.blue);
    out.append(head);
    std::size_t at = piece.begin;
    for (std::size_t r = piece.firstRun; r < piece.endRun && r < runs.size(); ++r) {
        const std::size_t begin = std::max(runs[r].begin, piece.begin);
        const std::size_t end = std::min(runs[r].end, piece.end);
        if (begin >= end)
            continue;
        AppendRtfText(out, text.substr(at, begin - at));
        out.append("\\b ");
        AppendRtfText(out, text.substr(begin, end - begin));
        out.append("\\b0 ");
        at = end;
    }
    AppendRtfText(out, text.substr(at, piece.end - at));
    if (wholeDocument)
        out.append("\\par\n");
    out.append("}");
    return out;
}

}  // namespace rules
