#include "reader/ArabicLayout.h"

#include <algorithm>

#include "corpus/SurahTable.h"
#include "reader/Utf16.h"
#include "reader/ViewLines.h"

namespace rules {

namespace {

constexpr std::string_view EntryEnd = "\r\n\r\n";
constexpr std::u16string_view ParagraphEnd = u"\r\n";

// The entry of a sorted list of starts that holds position: the last one that starts at or
// before it.
template <class Begin>
std::size_t entryHolding(const std::vector<ArabicEntry>& entries, std::size_t position,
                         Begin begin) {
    const auto after = std::upper_bound(
        entries.begin(), entries.end(), position,
        [&](std::size_t p, const ArabicEntry& entry) { return p < begin(entry); });
    return after == entries.begin() ? 0 : static_cast<std::size_t>(after - entries.begin() - 1);
}

// The part [begin, end) of a stretch [from, to), as offsets from begin; empty when they do
// not meet.
struct Overlap {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool empty() const { return begin >= end; }
};
Overlap overlap(std::size_t begin, std::size_t end, std::size_t from, std::size_t to) {
    const std::size_t b = std::max(begin, from);
    const std::size_t e = std::min(end, to);
    return b < e ? Overlap{b - begin, e - begin} : Overlap{};
}

}  // namespace

ArabicLayout::ArabicLayout(std::string_view text, const FastStrList& arabic, ArabicShaper shaper)
    : text_(text), arabic_(&arabic), shaper_(shaper) {
    std::size_t view = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t found = text.find(EntryEnd, at);
        const std::size_t lineEnd = found == std::string_view::npos ? text.size() : found;
        ArabicEntry entry;
        entry.textBegin = at;
        entry.lineLength = lineEnd - at;
        entry.viewBegin = view;
        if (const auto verse = VerseOfLine(text.substr(at, entry.lineLength))) {
            const int index = surah::corpusIndex(verse->surah, verse->verse);
            if (index < arabic.count()) {
                entry.corpusIndex = index;
                entry.arabicLength =
                    DrawArabic(Utf8ToUtf16(arabic.view(index)), shaper).text.size();
            }
        }
        entries_.push_back(entry);
        view = entry.viewEnd();
        at = found == std::string_view::npos ? text.size() : found + EntryEnd.size();
    }
}

std::size_t ArabicLayout::viewLength() const {
    return entries_.empty() ? 0 : entries_.back().viewEnd();
}

std::size_t ArabicLayout::entryAtView(std::size_t position) const {
    return entryHolding(entries_, position, [](const ArabicEntry& e) { return e.viewBegin; });
}

std::size_t ArabicLayout::entryAtText(std::size_t position) const {
    return entryHolding(entries_, position, [](const ArabicEntry& e) { return e.textBegin; });
}

std::size_t ArabicLayout::toView(std::size_t textPosition) const {
    if (entries_.empty())
        return 0;
    const ArabicEntry& entry = entries_[entryAtText(textPosition)];
    const std::size_t offset = textPosition - entry.textBegin;
    if (offset <= entry.lineLength)
        return entry.viewLineBegin() + offset;
    // CR LF CR LF in the text, two marks in the view: before the second CR is before the
    // second mark, before the second LF is the next entry.
    constexpr std::size_t TailToView[] = {0, 1, 1, 2};
    const std::size_t tail = offset - entry.lineLength;
    return entry.viewLineEnd() + (tail < 4 ? TailToView[tail] : 2);
}

std::size_t ArabicLayout::toText(std::size_t viewPosition, bool towardsEnd) const {
    if (entries_.empty())
        return 0;
    const ArabicEntry& entry = entries_[entryAtView(viewPosition)];
    if (entry.hasArabic() && viewPosition < entry.viewLineBegin()) {
        const bool inside = viewPosition > entry.viewBegin;
        return entry.textBegin + (inside && towardsEnd ? entry.lineLength : 0);
    }
    const std::size_t offset = viewPosition - entry.viewLineBegin();
    if (offset <= entry.lineLength)
        return entry.textBegin + offset;
    const std::size_t tail = offset - entry.lineLength;
    return std::min(entry.textBegin + entry.lineLength + (tail == 1 ? 2 : EntryEnd.size()),
                    text_.size());
}

std::u16string ArabicLayout::verse(std::size_t entry) const {
    const ArabicEntry& e = entries_.at(entry);
    return e.hasArabic() ? Utf8ToUtf16(arabic_->view(e.corpusIndex)) : std::u16string();
}

DrawnArabic ArabicLayout::drawn(std::size_t entry) const {
    return DrawArabic(verse(entry), shaper_);
}

std::u16string ArabicLayout::sourceText(std::size_t from, std::size_t to) const {
    std::u16string out;
    to = std::min(to, viewLength());
    if (from >= to)
        return out;
    const auto mark = [&](std::size_t at) {
        if (at >= from && at < to)
            out.append(ParagraphEnd);
    };
    for (std::size_t i = entryAtView(from); i < entries_.size() && entries_[i].viewBegin < to;
         ++i) {
        const ArabicEntry& entry = entries_[i];
        if (entry.hasArabic()) {
            const Overlap part =
                overlap(entry.viewBegin, entry.viewBegin + entry.arabicLength, from, to);
            if (!part.empty()) {
                const std::u16string own = verse(i);
                out.append(SourceOfDrawnRange(DrawArabic(own, shaper_), own, part.begin, part.end));
            }
            mark(entry.viewBegin + entry.arabicLength);
        }
        const Overlap line = overlap(entry.viewLineBegin(), entry.viewLineEnd(), from, to);
        for (std::size_t k = line.begin; k < line.end; ++k)
            out.push_back(static_cast<unsigned char>(text_[entry.textBegin + k]));
        mark(entry.viewLineEnd());
        mark(entry.viewLineEnd() + 1);
    }
    return out;
}

}  // namespace rules
