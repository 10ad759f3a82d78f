#include "reader/ViewLines.h"

#include <algorithm>

#include "reader/VerseReference.h"

namespace rules {

namespace {

constexpr std::string_view LineBreaks = "\r\n";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number of up to `longest` digits at text[at], moving at past it; -1 when there is none.
int readNumber(std::string_view text, std::size_t& at, std::size_t longest) {
    const std::size_t from = at;
    int value = 0;
    while (at < text.size() && isDigit(text[at]) && at - from < longest) {
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    return at > from ? value : -1;
}

std::size_t lineEndFrom(std::string_view text, std::size_t position) {
    const std::size_t end = text.find_first_of(LineBreaks, position);
    return end == std::string_view::npos ? text.size() : end;
}

// The start of the line after the one that ends at end: one CR LF, CR or LF further.
std::size_t nextLineStart(std::string_view text, std::size_t end) {
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

}  // namespace

LineSpan LineAround(std::string_view text, std::size_t position) {
    position = std::min(position, text.size());
    const std::size_t lastBreak =
        position == 0 ? std::string_view::npos : text.find_last_of(LineBreaks, position - 1);
    const std::size_t begin = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    return LineSpan{begin, lineEndFrom(text, position)};
}

std::optional<surah::VerseRef> VerseOfLine(std::string_view line) {
    // The widest numbers in the table: 114 surahs, 286 verses.
    constexpr std::size_t Digits = 3;
    std::size_t at = 0;
    const int s = readNumber(line, at, Digits);
    if (s < 1 || s > surah::SurahCount || at >= line.size() || line[at] != ':')
        return std::nullopt;
    ++at;
    const int a = readNumber(line, at, Digits);
    if (a < 1 || a > surah::verseCount(s) || at >= line.size() || line[at] != '.')
        return std::nullopt;
    ++at;
    if (at < line.size() && line[at] != ' ')
        return std::nullopt;
    return surah::VerseRef{s, a};
}

std::optional<LineSpan> FindVerseLine(std::string_view text, surah::VerseRef verse) {
    const std::string start = ShortReference(verse) + ".";
    for (std::size_t at = text.find(start); at != std::string_view::npos;
         at = text.find(start, at + 1)) {
        const bool startsLine = at == 0 || LineBreaks.find(text[at - 1]) != std::string_view::npos;
        const LineSpan line{at, lineEndFrom(text, at)};
        if (startsLine && VerseOfLine(text.substr(line.begin, line.end - line.begin)) == verse)
            return line;
    }
    return std::nullopt;
}

std::vector<surah::VerseRef> VersesTouched(std::string_view text, std::size_t from,
                                           std::size_t to) {
    std::vector<surah::VerseRef> verses;
    to = std::min(to, text.size());
    if (from >= to)
        return verses;
    for (LineSpan line = LineAround(text, from); line.begin < to;) {
        if (line.end > from && line.end > line.begin) {
            if (auto verse = VerseOfLine(text.substr(line.begin, line.end - line.begin)))
                verses.push_back(*verse);
        }
        if (line.end >= text.size())
            break;
        const std::size_t next = nextLineStart(text, line.end);
        line = LineSpan{next, lineEndFrom(text, next)};
    }
    return verses;
}

}  // namespace rules
