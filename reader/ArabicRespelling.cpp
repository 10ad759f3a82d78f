#include "reader/ArabicRespelling.h"

#include <array>
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

// The table's entries by the unit their stem begins with, so that a word looks only at the
// stems it can hold.
const std::array<std::vector<const Respelling*>, Count>& respellingsByFirstUnit() {
    static const auto byFirst = [] {
        std::array<std::vector<const Respelling*>, Count> t;
        for (const Respelling& r : respellings()) {
            for (std::uint8_t u = 0; u < Count; ++u) {
                if (same(u, r.stem.front()))
                    t[u].push_back(&r);
            }
        }
        return t;
    }();
    return byFirst;
}

// A place where a stem may begin, and the prefixes that stand before it.
struct Start {
    std::size_t at;
    std::uint8_t needs;  // Before flags
};

class Word {
public:
    Word(FoldedVerse& verse, std::size_t first) : verse_(verse), first_(first) {}

    std::size_t size() const { return verse_.units.size() - first_; }
    std::uint8_t operator[](std::size_t i) const { return verse_.units[first_ + i]; }

    // The places a stem may begin: the word's start, after up to two particles, after the
    // article, or after a particle and the article.
    std::size_t starts(Start (&at)[4]) const {
        const std::size_t n = size();
        const auto particle = [&](std::size_t i) -> std::uint8_t {
            switch ((*this)[i]) {
                case Waw:
                case Feh:
                    return Conjunction;
                case Beh:
                case Lam:
                case Kaf:
                    return Preposition;
                case AlefWithHamza:
                    return Interrogative;
                default:
                    return Nothing;
            }
        };
        const auto article = [&](std::size_t i) {
            return i + 1 < n && (*this)[i] == PlainAlef && (*this)[i + 1] == Lam;
        };
        std::size_t count = 0;
        at[count++] = {0, Nothing};
        const std::uint8_t first = n > 1 ? particle(0) : std::uint8_t{Nothing};
        if (first != Nothing)
            at[count++] = {1, first};
        if (n > 2 && article(0))
            at[count++] = {2, Article};
        else if (n > 2 && first != Nothing && particle(1) != Nothing)
            at[count++] = {2, static_cast<std::uint8_t>(first | particle(1))};
        if (n > 3 && first != Nothing && article(1))
            at[count++] = {3, static_cast<std::uint8_t>(first | Article)};
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
    Start at[4];
    const std::size_t count = word.starts(at);
    if (word[word.size() - 1] == OpenTeh) {
        bool noun = false;
        for (std::size_t s = 0; s < count && !noun; ++s) {
            if ((at[s].needs & ~Particles) != 0)
                continue;
            for (const auto& stem : openTaNouns())
                noun = noun || word.holds(stem, at[s].at, true);
        }
        if (!noun)
            word.set(word.size() - 1, PlainTeh);
    }
    for (std::size_t s = 0; s < count; ++s) {
        for (const Respelling* r : respellingsByFirstUnit()[word[at[s].at]]) {
            if ((at[s].needs & ~r->before) != 0 || !word.holds(r->stem, at[s].at, r->wholeWord))
                continue;
            const std::size_t size = word.size();
            word.apply(r->edits, at[s].at);
            if (word.size() != size)  // letters or breaks added: the places have moved
                return;
        }
    }
}

}  // namespace rules::arabic
