// The Arabic search measured against an independent imla'i spelling of every verse (see
// QuranValidatorText.h): each phrase of one to four consecutive words of that text, typed as
// it stands, must find its own verse (recall), and the verses it finds must hold the phrase
// in that text under the same rules too (precision). A seeded sample of 20,000 phrases in each
// mode; and every verse of that text, typed whole. NURVELA_ACCURACY_DETAIL=1 lists the misses
// and the false hits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "RealArabic.h"
#include "QuranValidatorText.h"
#include "corpus/SurahTable.h"
#include "reader/ArabicSearch.h"

namespace {

struct Phrase {
    int verse;
    std::string text;
};

// Every phrase of 1 to 4 consecutive words. The annotation signs that the text writes as
// words of their own (the rub el hizb and sajdah signs) are no words: the search passes
// them over.
std::vector<Phrase> phrasesOf(const std::vector<std::string>& lines) {
    std::vector<Phrase> phrases;
    for (std::size_t v = 0; v < lines.size(); ++v) {
        std::vector<std::string> words;
        std::size_t at = 0;
        const std::string& line = lines[v];
        while (at < line.size()) {
            const std::size_t end = std::min(line.find(' ', at), line.size());
            const std::string word = line.substr(at, end - at);
            if (!word.empty() && word != "\xDB\x9E" && word != "\xDB\xA9")
                words.push_back(word);
            at = end + 1;
        }
        for (std::size_t n = 1; n <= 4; ++n) {
            for (std::size_t k = 0; k + n <= words.size(); ++k) {
                std::string text = words[k];
                for (std::size_t w = 1; w < n; ++w)
                    text += ' ' + words[k + w];
                phrases.push_back({static_cast<int>(v), text});
            }
        }
    }
    return phrases;
}

std::string reference(int corpusIndex) {
    const surah::VerseRef ref = surah::verseAt(corpusIndex);
    return std::to_string(ref.surah) + ":" + std::to_string(ref.verse);
}

struct Texts {
    std::string error;
    std::vector<std::string> simple;
    FastStrList simpleLines;
    std::unique_ptr<rules::ArabicIndex> mushaf;
    std::unique_ptr<rules::ArabicIndex> imlai;
};

const Texts& texts() {
    static const Texts& shared = *[] {
        auto* t = new Texts;  // lives for the whole test program
        t->simple = validator::readTextSimple(t->error);
        for (const std::string& line : t->simple)
            t->simpleLines.add(line);
        t->mushaf = std::make_unique<rules::ArabicIndex>(realArabic());
        t->imlai = std::make_unique<rules::ArabicIndex>(t->simpleLines);
        return t;
    }();
    return shared;
}

// Measures one mode and checks its figures: recall at least minRecall, false hits at most
// maxFalse of the verses found.
void measure(bool wholeWord, double minRecall, double maxFalse) {
    const Texts& t = texts();
    ASSERT_TRUE(t.error.empty()) << t.error;
    const rules::ArabicIndex& mushaf = *t.mushaf;
    const rules::ArabicIndex& imlai = *t.imlai;

    std::vector<Phrase> phrases = phrasesOf(t.simple);
    const std::size_t all = phrases.size();
    std::mt19937 random(20);
    std::shuffle(phrases.begin(), phrases.end(), random);
    phrases.resize(20000);

    const bool detail = std::getenv("NURVELA_ACCURACY_DETAIL") != nullptr;
    int misses = 0;
    long found = 0;
    long falseHits = 0;
    // What a phrase finds depends on its text alone; short words recur often in the sample.
    std::map<std::string, std::pair<long, long>> foundBefore;
    for (const Phrase& phrase : phrases) {
        const rules::ArabicQuery query(phrase.text);
        if (!mushaf.holds(phrase.verse, query, wholeWord)) {
            ++misses;
            if (detail)
                std::printf("miss %s\t%s\n", reference(phrase.verse).c_str(), phrase.text.c_str());
        }
        auto [counts, first] = foundBefore.try_emplace(phrase.text, 0, 0);
        if (first) {
            for (int v : mushaf.candidates(query)) {
                if (!mushaf.holds(v, query, wholeWord))
                    continue;
                ++counts->second.first;
                if (!imlai.holds(v, query, wholeWord)) {
                    ++counts->second.second;
                    if (detail)
                        std::printf("false %s\t%s\n", reference(v).c_str(), phrase.text.c_str());
                }
            }
        }
        found += counts->second.first;
        falseHits += counts->second.second;
    }
    const double recall = 1.0 - static_cast<double>(misses) / phrases.size();
    const double falseShare = static_cast<double>(falseHits) / found;
    std::printf(
        "%s: %zu phrases of %zu; recall %.3f%% (%d misses); false hits %.3f%% (%ld of %ld "
        "verses found)\n",
        wholeWord ? "whole words" : "substring", phrases.size(), all, recall * 100, misses,
        falseShare * 100, falseHits, found);
    EXPECT_GE(recall, minRecall);
    EXPECT_LE(falseShare, maxFalse);
}

TEST(ArabicSearchAccuracy, ImlaiPhrasesFindTheirVerseInSubstringMode) {
    measure(false, 0.995, 0.006);
}

TEST(ArabicSearchAccuracy, ImlaiPhrasesFindTheirVerseAsWholeWords) {
    measure(true, 0.9998, 0.0015);
}

TEST(ArabicSearchAccuracy, EveryImlaiVerseFindsItsVerse) {
    const Texts& t = texts();
    ASSERT_TRUE(t.error.empty()) << t.error;
    for (std::size_t v = 0; v < t.simple.size(); ++v) {
        const int verse = static_cast<int>(v);
        const rules::ArabicQuery query(t.simple[v]);
        EXPECT_TRUE(t.mushaf->holds(verse, query, true)) << reference(verse);
    }
}

}  // namespace
