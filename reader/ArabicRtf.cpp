#include "reader/ArabicRtf.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace rules {

namespace {

void appendNumber(std::string& out, long value) {
    out += std::to_string(value);
}

// Every UTF-16 code unit as \uN? (N signed, as RTF wants it), so that the document itself
// stays 7-bit and a reader without Unicode shows '?'.
void appendUnicode(std::string& out, std::u16string_view text) {
    for (const char16_t unit : text) {
        out.append("\\u");
        appendNumber(out, static_cast<std::int16_t>(unit));
        out.push_back('?');
    }
}

}  // namespace

ArabicRtfWriter::ArabicRtfWriter(const ArabicStyle& style) : style_(style) {
    out_ = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    AppendRtfText(out_, style.textFace);
    out_ += ";}{\\f1\\fnil\\fcharset178 ";
    AppendRtfText(out_, style.arabicFace);
    out_ += ";}}";
    if (style.coloured) {
        char table[96];
        std::snprintf(table, sizeof table, "{\\colortbl ;\\red%u\\green%u\\blue%u;}",
                      style.colour.red, style.colour.green, style.colour.blue);
        out_ += table;
    }
    // The character format is set once: a paragraph mark keeps it, and every face named again
    // would cost the control under Wine a style it never reuses, each later look-up slower.
    out_ += "\\plain\\f0\\fs";
    appendNumber(out_, style.textHalfPoints);
    if (style.coloured)
        out_ += "\\cf1";
    out_ += '\n';
}

void ArabicRtfWriter::arabicParagraph(std::u16string_view arabic,
                                      const std::vector<TextRun>& runs) {
    // The Arabic font and size only inside the group; the first letter reaches a little past
    // the right edge of its line, which the right indent leaves room for.
    out_ += "\\pard\\rtlpar\\qr\\ri90{\\rtlch\\f1\\fs";
    appendNumber(out_, style_.arabicHalfPoints);
    out_ += ' ';
    // Bold is given both ways: \b for readers that apply it to any text, \ab for those that
    // keep the weight of right-to-left text apart.
    std::size_t at = 0;
    for (const TextRun& run : runs) {
        const std::size_t begin = std::clamp(run.begin, at, arabic.size());
        const std::size_t end = std::clamp(run.end, begin, arabic.size());
        if (begin >= end)
            continue;
        appendUnicode(out_, arabic.substr(at, begin - at));
        out_ += "\\b\\ab ";
        appendUnicode(out_, arabic.substr(begin, end - begin));
        out_ += "\\b0\\ab0 ";
        at = end;
    }
    appendUnicode(out_, arabic.substr(at));
    out_ += "}\\par\n";
}

void ArabicRtfWriter::lineStart() {
    out_ += "\\pard\\ltrpar\\ql ";
}

void ArabicRtfWriter::lineParagraph(std::string_view line, const std::vector<TextRun>& runs) {
    lineStart();
    std::size_t at = 0;
    for (const TextRun& run : runs) {
        const std::size_t begin = std::clamp(run.begin, at, line.size());
        const std::size_t end = std::clamp(run.end, begin, line.size());
        if (begin >= end)
            continue;
        AppendRtfText(out_, line.substr(at, begin - at));
        out_ += "\\b ";
        AppendRtfText(out_, line.substr(begin, end - begin));
        out_ += "\\b0 ";
        at = end;
    }
    AppendRtfText(out_, line.substr(at));
    out_ += "\\par\n";
}

void ArabicRtfWriter::emptyParagraph() {
    lineStart();
    out_ += "\\par\n";
}

std::string ArabicRtfWriter::finish(bool keepLastMark) {
    constexpr std::string_view Mark = "\\par\n";
    if (!keepLastMark && out_.ends_with(Mark))
        out_.resize(out_.size() - Mark.size());
    out_ += '}';
    return std::move(out_);
}

std::string ArabicPieceRtf(const ArabicLayout& layout, const TextPiece& piece,
                           const std::vector<TextRun>& runs, const ArabicStyle& style,
                           ArabicForm form, const ArabicMarks* arabicMarks) {
    ArabicRtfWriter rtf(style);
    const auto& entries = layout.entries();
    std::size_t nextRun = piece.firstRun;
    std::vector<TextRun> lineRuns;
    const std::vector<TextRun> noRuns;
    for (std::size_t i = entries.empty() ? 0 : layout.entryAtText(piece.begin);
         i < entries.size() && entries[i].textBegin < piece.end; ++i) {
        const ArabicEntry& entry = entries[i];
        if (entry.hasArabic()) {
            const auto marked =
                arabicMarks ? arabicMarks->find(entry.corpusIndex) : ArabicMarks::const_iterator{};
            const bool bold = arabicMarks && marked != arabicMarks->end();
            if (form == ArabicForm::Source) {
                rtf.arabicParagraph(layout.verse(i), bold ? marked->second : noRuns);
            } else {
                const DrawnArabic drawn = layout.drawn(i);
                rtf.arabicParagraph(drawn.text, bold ? DrawnRuns(drawn, marked->second) : noRuns);
            }
        }
        const std::size_t lineEnd = entry.textBegin + entry.lineLength;
        lineRuns.clear();
        while (nextRun < runs.size() && runs[nextRun].end <= entry.textBegin)
            ++nextRun;
        for (std::size_t r = nextRun; r < runs.size() && runs[r].begin < lineEnd; ++r) {
            lineRuns.push_back({std::max(runs[r].begin, entry.textBegin) - entry.textBegin,
                                std::min(runs[r].end, lineEnd) - entry.textBegin});
        }
        rtf.lineParagraph(layout.text().substr(entry.textBegin, entry.lineLength), lineRuns);
        rtf.emptyParagraph();
    }
    return rtf.finish();
}

}  // namespace rules
