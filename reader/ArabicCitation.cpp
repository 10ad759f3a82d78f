#include "reader/ArabicCitation.h"

#include <algorithm>

#include "corpus/SurahTable.h"
#include "reader/Citation.h"
#include "reader/VerseReference.h"

namespace rules {

namespace {

bool meets(std::size_t begin, std::size_t end, std::size_t from, std::size_t to) {
    return std::max(begin, from) < std::min(end, to);
}

// The translation of a verse line: what follows "s:a. ".
std::string_view translationOf(std::string_view line, int corpusIndex) {
    const std::size_t prefix = ShortReference(surah::verseAt(corpusIndex)).size() + 2;
    return line.substr(std::min(prefix, line.size()));
}

}  // namespace

std::optional<ArabicCopy> CitedArabicCopy(const ArabicLayout& layout, std::size_t from,
                                          std::size_t to, const ArabicStyle& style) {
    const auto& entries = layout.entries();
    if (entries.empty())
        return std::nullopt;
    from = std::min(from, layout.viewLength());
    to = std::min(to, layout.viewLength());
    if (to < from)
        std::swap(from, to);

    std::vector<std::size_t> touched;
    if (from == to) {
        const std::size_t i = layout.entryAtView(from);
        if (!entries[i].hasArabic() || from > entries[i].viewLineEnd())
            return std::nullopt;
        touched.push_back(i);
    } else {
        for (std::size_t i = layout.entryAtView(from); i < entries.size() && entries[i].viewBegin < to;
             ++i) {
            const ArabicEntry& e = entries[i];
            const bool arabic = meets(e.viewBegin, e.viewBegin + e.arabicLength, from, to);
            if (e.hasArabic() && (arabic || meets(e.viewLineBegin(), e.viewLineEnd(), from, to)))
                touched.push_back(i);
        }
        if (touched.empty())
            return ArabicCopy{layout.sourceText(from, to), {}};
    }

    ArabicCopy copy;
    ArabicRtfWriter rtf(style);
    std::vector<surah::VerseRef> verses;
    for (const std::size_t i : touched) {
        const ArabicEntry& e = entries[i];
        const std::u16string arabic = layout.verse(i);
        const std::string_view translation =
            translationOf(layout.text().substr(e.textBegin, e.lineLength), e.corpusIndex);
        copy.text += arabic;
        copy.text += u"\r\n";
        copy.text.append(translation.begin(), translation.end());
        copy.text += u"\r\n";
        rtf.arabicParagraph(arabic);
        rtf.lineParagraph(translation);
        verses.push_back(surah::verseAt(e.corpusIndex));
    }
    const std::string citation = FormatCitation(verses);
    copy.text.append(citation.begin(), citation.end());
    rtf.lineParagraph(citation);
    copy.rtf = rtf.finish(false);
    return copy;
}

}  // namespace rules
