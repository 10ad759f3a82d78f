#include "reader/Citation.h"

#include <algorithm>

#include "reader/ViewLines.h"

namespace rules {

namespace {

// "255", "255-257": one run of verses that follow one another.
void appendRun(std::string& out, int first, int last) {
    out += std::to_string(first);
    if (last != first) {
        out += '-';
        out += std::to_string(last);
    }
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::string_view CitationName(int s) {
    const std::string_view name = surah::displayName(s);
    const std::size_t dot = name.find(". ");
    return dot == std::string_view::npos ? name : name.substr(dot + 2);
}

std::string FormatCitation(std::vector<surah::VerseRef> verses) {
    if (verses.empty())
        return {};
    const auto before = [](const surah::VerseRef& x, const surah::VerseRef& y) {
        return x.surah != y.surah ? x.surah < y.surah : x.verse < y.verse;
    };
    std::sort(verses.begin(), verses.end(), before);
    verses.erase(std::unique(verses.begin(), verses.end()), verses.end());

    std::string out = "(";
    for (std::size_t i = 0; i < verses.size();) {
        const int s = verses[i].surah;
        if (i > 0)
            out += "; ";
        out += "QS. ";
        out += CitationName(s);
        out += " [";
        out += std::to_string(s);
        out += "]: ";
        bool firstRun = true;
        while (i < verses.size() && verses[i].surah == s) {
            const int first = verses[i].verse;
            int last = first;
            ++i;
            while (i < verses.size() && verses[i].surah == s && verses[i].verse == last + 1) {
                last = verses[i].verse;
                ++i;
            }
            if (!firstRun)
                out += ", ";
            appendRun(out, first, last);
            firstRun = false;
        }
    }
    out += ")";
    return out;
}

std::optional<std::string> CitedCopy(std::string_view text, std::size_t from, std::size_t to) {
    from = std::min(from, text.size());
    to = std::min(to, text.size());
    if (to < from)
        std::swap(from, to);
    if (from == to) {
        const LineSpan line = LineAround(text, from);
        if (!VerseOfLine(text.substr(line.begin, line.end - line.begin)))
            return std::nullopt;
        from = line.begin;
        to = line.end;
    }

    std::string copy(text.substr(from, to - from));
    const std::vector<surah::VerseRef> verses = VersesTouched(text, from, to);
    if (verses.empty())
        return copy;
    while (!copy.empty() && isLineBreak(copy.back()))
        copy.pop_back();
    copy += ' ';
    copy += FormatCitation(verses);
    return copy;
}

}  // namespace rules
