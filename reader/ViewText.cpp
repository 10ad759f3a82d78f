#include "reader/ViewText.h"

#include "corpus/MushafTable.h"
#include "corpus/SurahTable.h"
#include "reader/SurahHeading.h"

namespace rules {

namespace {

// A Corpus line without copying it; an index the list does not hold reads as an empty
// line, the way FastStrList::item answers it.
std::string_view corpusLine(const FastStrList& corpus, int index) {
    if (index < 0 || index >= corpus.count())
        return {};
    return corpus.view(index);
}

bool inSurah(int index, int s) {
    return index >= surah::start(s) && index < surah::start(s + 1);
}

bool isSurahNumber(int s) {
    return s >= 1 && s <= surah::SurahCount;
}

}  // namespace

void appendViewLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append(ViewLineEnd);
}

ViewText SurahText(const FastStrList& corpus, int s) {
    ViewText view;
    if (!isSurahNumber(s))
        return view;
    const int first = surah::start(s);
    const int end = surah::start(s + 1);

    std::size_t size = 0;
    for (int i = first; i < end; ++i)
        size += corpusLine(corpus, i).size() + ViewLineEnd.size();
    view.text.reserve(size);
    for (int i = first; i < end; ++i)
        appendViewLine(view.text, corpusLine(corpus, i));
    view.verseLines = end - first;
    return view;
}

ViewText SurahHitsText(const FastStrList& corpus, const ResultItemList& resultItems, int s) {
    ViewText view;
    if (!isSurahNumber(s))
        return view;

    std::size_t size = 0;
    for (ResultItem item : resultItems) {
        if (inSurah(item, s))
            size += corpusLine(corpus, item).size() + ViewLineEnd.size();
    }
    view.text.reserve(size);
    for (ResultItem item : resultItems) {
        if (!inSurah(item, s))
            continue;
        appendViewLine(view.text, corpusLine(corpus, item));
        ++view.verseLines;
    }
    return view;
}

std::string ResultText(const FastStrList& corpus, const ResultItemList& resultItems) {
    // Headings are built once each and kept, so the size can be known before the text
    // is written; the result may hold the whole Corpus (about 1.2 MB).
    std::vector<std::string> headings;
    std::size_t size = 0;
    for (ResultItem item : resultItems) {
        if (isHeadingMarker(item)) {
            const int s = markedSurah(item);
            headings.push_back(isSurahNumber(s) ? SurahHeading(surah::displayName(s))
                                                : std::string());
            size += headings.back().size();
        } else {
            size += corpusLine(corpus, item).size();
        }
        size += ViewLineEnd.size();
    }

    std::string text;
    text.reserve(size);
    std::size_t nextHeading = 0;
    for (ResultItem item : resultItems) {
        if (isHeadingMarker(item)) {
            appendViewLine(text, headings[nextHeading++]);
        } else {
            appendViewLine(text, corpusLine(corpus, item));
        }
    }
    return text;
}

ViewText JuzText(const FastStrList& corpus, int j) {
    ViewText view;
    if (j < 1 || j > mushaf::JuzCount)
        return view;
    const int first = mushaf::juzStart(j);
    const int end = mushaf::juzStart(j + 1);
    // The juz as the items of a result that found every verse in it.
    ResultItemList items;
    items.reserve(static_cast<std::size_t>(end - first) + surah::SurahCount);
    for (int v = first; v < end; ++v) {
        const int s = surah::verseAt(v).surah;
        if (v == first || v == surah::start(s))
            items.push_back(headingMarker(s));
        items.push_back(v);
    }
    view.text = ResultText(corpus, items);
    view.verseLines = end - first;
    return view;
}

}  // namespace rules
