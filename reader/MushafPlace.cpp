#include "reader/MushafPlace.h"

#include "corpus/MushafTable.h"
#include "reader/ViewLines.h"

namespace rules {

std::string JuzListEntry(int j) {
    const surah::VerseRef first = surah::verseAt(mushaf::juzStart(j));
    std::string entry = mushaf::juzName(j);
    entry += " (";
    entry += std::to_string(first.surah);
    entry += ':';
    entry += std::to_string(first.verse);
    entry += ')';
    return entry;
}

std::string PlaceText(int index) {
    std::string place = mushaf::juzName(mushaf::juzOf(index));
    place += ", hal. ";
    place += std::to_string(mushaf::pageOf(index));
    return place;
}

std::optional<surah::VerseRef> VerseFrom(std::string_view text, std::size_t position) {
    for (LineSpan line = LineAround(text, position); line.begin < text.size();) {
        if (const std::optional<surah::VerseRef> verse =
                VerseOfLine(text.substr(line.begin, line.end - line.begin)))
            return verse;
        // Past the line break that ends this line (CR LF, or a lone CR or LF).
        std::size_t next = line.end;
        if (next < text.size() && text[next] == '\r')
            ++next;
        if (next < text.size() && text[next] == '\n')
            ++next;
        if (next == line.end)
            break;
        line = LineAround(text, next);
    }
    return std::nullopt;
}

}  // namespace rules
