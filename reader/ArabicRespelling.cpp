#include "reader/ArabicRespelling.h"

#include <cstdint>
#include <vector>

#include "reader/ArabicUnits.h"

namespace rules::arabic {

namespace {

using namespace unit;

constexpr std::uint8_t S = SuperscriptAlef;

// What may stand before a stem in its word, at most three letters: up to two particles, or
// one and the article, or the article alone.
enum Before : std::uint8_t {
    Nothing = 0,
    Conjunction = 1,    // و ف
    Preposition = 2,    // ب ل ك
    Interrogative = 4,  // أ
    Article = 8,        // ال
    Particles = Conjunction | Preposition,
    AnyPrefix = Conjunction | Preposition | Interrogative | Article,
};

struct Edit {
    std::uint8_t at;    // a position in the stem
    std::uint8_t unit;  // what the unit there becomes, or what is added after it
    bool added = false;
};

struct Respelling {
    std::vector<std::uint8_t> stem;
    std::uint8_t before;
    bool wholeWord;  // the stem ends the word
    std::vector<Edit> edits;
};

// A stem whose superscript alefs ordinary spelling leaves out.
Respelling withoutSuperscriptAlef(std::vector<std::uint8_t> stem) {
    Respelling r{std::move(stem), AnyPrefix, false, {}};
    for (std::size_t q = 0; q < r.stem.size(); ++q) {
        if (r.stem[q] == S)
            r.edits.push_back({static_cast<std::uint8_t>(q), OptionalAlef});
    }
    return r;
}

// A word whose last letter, ا or ى, ordinary spelling writes ى or ا.
Respelling alefOrMaksuraAtTheEnd(std::vector<std::uint8_t> stem, std::uint8_t before) {
    const auto last = static_cast<std::uint8_t>(stem.size() - 1);
    return {std::move(stem), before, true, {{last, AlefOrYeh}}};
}

const std::vector<Respelling>& respellings() {
    static const std::vector<Respelling> table = {
        // The superscript alef that ordinary spelling leaves out.
        withoutSuperscriptAlef({Seen, Meem, S, Waw, S}),       // السمٰوٰت
        withoutSuperscriptAlef({Thal, S, Lam, Kaf}),           // ذٰلك
        withoutSuperscriptAlef({Heh, S, Thal}),                // هٰذا
        withoutSuperscriptAlef({Heh, S, WawWithHamza}),        // هٰؤلاء
        withoutSuperscriptAlef({Heh, S, Kaf}),                 // هٰكذا
        withoutSuperscriptAlef({Heh, S, Heh}),                 // هٰهنا
        withoutSuperscriptAlef({Lam, S, Kaf, Noon}),           // لٰكن
        withoutSuperscriptAlef({AlefWithHamza, Lam, S, Heh}),  // إلٰه
        withoutSuperscriptAlef({AlefWithHamza, Waw, Lam, S, YehWithHamza, Kaf}),  // أولٰئك
        withoutSuperscriptAlef({Reh, Hah, Meem, S, Noon}),                        // رحمٰن
        // The final alef that ordinary spelling writes ى, and the ى it writes ا.
        alefOrMaksuraAtTheEnd({AlefWithHamza, Qaf, Sad, PlainAlef}, Article),  // أَقۡصَا
        alefOrMaksuraAtTheEnd({Lam, Dal, PlainAlef}, Nothing),                 // لَدَا
        alefOrMaksuraAtTheEnd({Tah, Ghain, PlainAlef}, Nothing),               // طَغَا
        alefOrMaksuraAtTheEnd({Teh, Teh, Reh, PlainAlef}, Nothing),            // تَتۡرَا
        alefOrMaksuraAtTheEnd({Zain, Noon, PlainYeh}, Article),  // ٱلزِّنَىٰٓ: الزنا
        // Words the mushaf joins: يَبۡنَؤُمَّ is يا ابن أم.
        {{Yeh, Beh, Noon, WawWithHamza, Meem},
         Nothing,
         true,
         {{0, OptionalAlef, true},
          {0, OptionalBreak, true},
          {0, OptionalAlef, true},
          {2, OptionalBreak, true},
          {3, WawOrAlefWithHamza}}},
        {{Meem, PlainAlef, Lam, Yeh}, Conjunction, true, {{1, OptionalBreak, true}}},  // مَالِيَ
        {{Meem, PlainAlef, Meem, Noon, PlainAlef},
         Conjunction,
         true,
         {{1, OptionalBreak, true}}},  // مَامِنَّا
        {{Lam, Waw, Meem, PlainAlef}, Nothing, true, {{1, OptionalBreak, true}}},  // لَّوۡمَا
        {{AlefWithHamza, Lam, Waw},
         Conjunction,
         true,
         {{0, OptionalNoon, true}, {0, OptionalBreak, true}}},  // وَأَلَّوِ: وأن لو
        // لَتَّخَذۡتَ, which ordinary spelling writes لاتخذت.
        {{Lam, Teh, Khah, Thal, Teh}, Nothing, true, {{0, OptionalAlef, true}}},
    };
    return table;
}

// The nouns whose ة the mushaf writes as an open ta (رَحۡمَتَ ٱللَّهِ). The folding gives
// OpenTeh to every word-final ت without sukun after a letter without sukun; it stays so only
// in these, after و ف ب ل ك: لَعَنَتۡ is a verb.
const std::vector<std::vector<std::uint8_t>>& openTaNouns() {
    static const std::vector<std::vector<std::uint8_t>> nouns = {
        {Reh, Hah, Meem, OpenTeh},                       // رَحۡمَتَ
        {Noon, Ain, Meem, OpenTeh},                      // نِعۡمَتَ
        {Seen, Noon, OpenTeh},                           // سُنَّتُ
        {PlainAlef, Meem, Reh, AlefWithHamza, OpenTeh},  // ٱمۡرَأَتُ
        {Lam, Ain, Noon, OpenTeh},                       // لَعۡنَتَ
        {Kaf, Lam, Meem, OpenTeh},                       // كَلِمَتُ
        {Beh, Qaf, Yeh, OpenTeh},                        // بَقِيَّتُ
        {Sheen, Jeem, Reh, OpenTeh},                     // شَجَرَتَ
        {Jeem, Noon, OpenTeh},                           // جَنَّتُ
        {Feh, Tah, Reh, OpenTeh},                        // فِطۡرَتَ
        {PlainAlef, Beh, Noon, OpenTeh},                 // ٱبۡنَتَ
        {Qaf, Reh, OpenTeh},                             // قُرَّتُ
        {Meem, Ain, Sad, Yeh, OpenTeh},                  // مَعۡصِيَتِ
    };
    return nouns;
}

// Whether unit u of a verse is what a stem has at that place: the stem's أ also stands for
// any hamza unit that an alef with hamza meets (أَءِلَٰهٞ: أإله).
bool same(std::uint8_t u, std::uint8_t stemUnit) {
    return u == stemUnit ||
           (stemUnit == AlefWithHamza && (unitRule(u).letters >> AlefHamza & 1) != 0);
}

class Word {
public:
    Word(FoldedVerse& verse, std::size_t first) : verse_(verse), first_(first) {}

    std::size_t size() const { return verse_.units.size() - first_; }
    std::uint8_t operator[](std::size_t i) const { return verse_.units[first_ + i]; }

    // Where a stem may begin after the prefixes allowed.
    std::size_t starts(std::uint8_t before, std::size_t (&at)[4]) const {
        const std::size_t n = size();
        const auto particle = [&](std::size_t i) {
            const std::uint8_t u = (*this)[i];
            return ((before & Conjunction) && (u == Waw || u == Feh)) ||
                   ((before & Preposition) && (u == Beh || u == Lam || u == Kaf)) ||
                   ((before & Interrogative) && u == AlefWithHamza);
        };
        const auto article = [&](std::size_t i) {
            return (before & Article) && i + 1 < n && (*this)[i] == PlainAlef &&
                   (*this)[i + 1] == Lam;
        };
        std::size_t count = 0;
        at[count++] = 0;
        if (n > 1 && particle(0))
            at[count++] = 1;
        if (n > 2 && (article(0) || (particle(0) && particle(1))))
            at[count++] = 2;
        if (n > 3 && particle(0) && article(1))
            at[count++] = 3;
        return count;
    }

    bool holds(const std::vector<std::uint8_t>& stem, std::size_t from, bool wholeWord) const {
        if (from + stem.size() > size() || (wholeWord && from + stem.size() != size()))
            return false;
        for (std::size_t q = 0; q < stem.size(); ++q) {
            if (!same((*this)[from + q], stem[q]))
                return false;
        }
        return true;
    }

    // Applies the edits of a stem found at from, the last place first so that the places
    // before stay where they are.
    void apply(const std::vector<Edit>& edits, std::size_t from) {
        for (std::size_t e = edits.size(); e-- > 0;) {
            const std::size_t i = first_ + from + edits[e].at;
            if (!edits[e].added) {
                verse_.units[i] = edits[e].unit;
                continue;
            }
            verse_.units.insert(verse_.units.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                edits[e].unit);
            verse_.begin.insert(verse_.begin.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                verse_.begin[i]);
            verse_.end.insert(verse_.end.begin() + static_cast<std::ptrdiff_t>(i + 1), 0);
        }
    }

    void set(std::size_t i, std::uint8_t u) { verse_.units[first_ + i] = u; }

private:
    FoldedVerse& verse_;
    std::size_t first_;
};

}  // namespace

void RespellWord(FoldedVerse& verse, std::size_t first) {
    Word word(verse, first);
    if (word.size() == 0)
        return;
    std::size_t at[4];
    if (word[word.size() - 1] == OpenTeh) {
        const std::size_t count = word.starts(Particles, at);
        bool noun = false;
        for (std::size_t s = 0; s < count && !noun; ++s) {
            for (const auto& stem : openTaNouns())
                noun = noun || word.holds(stem, at[s], true);
        }
        if (!noun)
            word.set(word.size() - 1, PlainTeh);
    }
    for (const Respelling& r : respellings()) {
        const std::size_t count = word.starts(r.before, at);
        for (std::size_t s = 0; s < count; ++s) {
            if (word.holds(r.stem, at[s], r.wholeWord)) {
                word.apply(r.edits, at[s]);
                break;
            }
        }
    }
}

}  // namespace rules::arabic
