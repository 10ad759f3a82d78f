#include <array>

#include "corpus/Utf8.h"
#include "reader/ArabicFold.h"
#include "reader/ArabicUnicode.h"
#include "reader/ArabicUnits.h"

// The folding of a verse into units (see reader/ArabicFold.h).
namespace rules::arabic {

namespace {

using namespace unit;

// The marks on one character, kept in place: folding the whole text allocated a list for
// each letter, a third of the index's time. The text stacks at most four on one letter;
// beyond eight, marks are not looked at.
struct Marks {
    std::array<char32_t, 8> items{};
    std::uint8_t count = 0;

    void push_back(char32_t mark) {
        if (count < items.size())
            items[count++] = mark;
    }
    const char32_t* begin() const { return items.data(); }
    const char32_t* end() const { return items.data() + count; }
    bool empty() const { return count == 0; }
    std::size_t size() const { return count; }
    char32_t operator[](std::size_t i) const { return items[i]; }
};

// A character of the verse with the marks that follow it.
struct Cluster {
    char32_t base;
    std::uint32_t begin;  // UTF-16 offsets in the verse
    std::uint32_t end;
    Marks marks;

    bool has(char32_t mark) const {
        for (char32_t m : marks) {
            if (m == mark)
                return true;
        }
        return false;
    }
    bool silent() const {
        return has(unicode::Sukun) || has(unicode::SmallHighUprightRectangularZero);
    }
};

std::vector<Cluster> clustersOf(std::string_view text) {
    std::vector<Cluster> clusters;
    clusters.reserve(text.size() / 2);
    std::uint32_t offset = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = utf8::decodeAt(text, pos);
        std::uint32_t width = c > 0xFFFF ? 2 : 1;
        if (c == utf8::Invalid) {
            ++pos;  // one byte passed over, counted as one code unit
            c = 0xFFFD;
        }
        if (belongsToLetterBefore(c) && !clusters.empty() && clusters.back().base != ' ' &&
            !isAnnotationSign(clusters.back().base)) {
            clusters.back().marks.push_back(c);
            clusters.back().end = offset + width;
        } else if (belongsToLetterBefore(c)) {
            clusters.push_back({unicode::Tatweel, offset, offset + width, {}});
            clusters.back().marks.push_back(c);
        } else {
            clusters.push_back({c, offset, offset + width, {}});
        }
        offset += width;
    }
    return clusters;
}

enum class Vowel { None, A, An, U, I, Sukun };

Vowel vowelOf(const Marks& marks) {
    for (char32_t m : marks) {
        switch (m) {
            case unicode::Fatha:
                return Vowel::A;
            case unicode::Fathatan:
            case unicode::InvertedDamma:
            case unicode::OpenFathatan:
                return Vowel::An;
            case unicode::Damma:
            case unicode::Dammatan:
            case unicode::FathaWithTwoDots:
            case unicode::OpenDammatan:
                return Vowel::U;
            case unicode::Kasra:
            case unicode::Kasratan:
            case unicode::SubscriptAlef:
            case unicode::OpenKasratan:
                return Vowel::I;
            case unicode::Sukun:
            case unicode::SmallHighDotlessHeadOfKhah:
                return Vowel::Sukun;
            default:
                break;
        }
    }
    return Vowel::None;
}

class VerseFolder {
public:
    explicit VerseFolder(std::string_view verse) : clusters_(clustersOf(verse)) {}

    FoldedVerse fold() {
        for (k_ = 0; k_ < clusters_.size(); ++k_) {
            const Cluster& c = clusters_[k_];
            if (isBlank(c.base)) {
                endWord();
                continue;
            }
            if (isAnnotationSign(c.base) || c.base == 0xFFFD)
                continue;
            lastEnd_ = c.end;
            next_ = nextLetter();
            if (isCarrier(c.base))
                carrier(c);
            else
                letter(c);
        }
        endWord();
        if (!out_.units.empty() && out_.units.back() == Blank)
            popUnit();
        return std::move(out_);
    }

private:
    // The next cluster that is not a carrier, or null at the end of the word.
    const Cluster* nextLetter() const {
        for (std::size_t j = k_ + 1; j < clusters_.size(); ++j) {
            const char32_t b = clusters_[j].base;
            if (isCarrier(b))
                continue;
            if (isBlank(b) || isAnnotationSign(b))
                return nullptr;
            return &clusters_[j];
        }
        return nullptr;
    }
    bool wordFinal() const { return next_ == nullptr; }
    char32_t nextBase() const { return next_ ? next_->base : 0; }

    void add(std::uint8_t unit, std::uint32_t begin) {
        out_.units.push_back(unit);
        out_.begin.push_back(begin);
        out_.end.push_back(0);  // set when the word ends
    }
    void popUnit() {
        out_.units.pop_back();
        out_.begin.pop_back();
        out_.end.pop_back();
    }
    std::size_t wordLength() const { return out_.units.size() - wordStart_; }
    std::uint8_t wordUnit(std::size_t i) const { return out_.units[wordStart_ + i]; }

    // Where the ordinary spelling seats a hamza that the mushaf writes alone, from its own
    // vowel and the letter before it (c holds the hamza's marks).
    std::uint8_t hamza(const Cluster& c) const {
        const Vowel own = vowelOf(c.marks);
        const char32_t pb = previous_ ? previous_->base : 0;
        const Vowel pv = previous_ ? vowelOf(previous_->marks) : Vowel::None;
        const bool initial =
            wordLength() == 0 ||
            (wordLength() == 1 && (pb == unicode::Beh || pb == unicode::Lam || pb == unicode::Waw ||
                                   pb == unicode::Feh || pb == unicode::Kaf));
        const bool alefNext =
            (nextBase() == unicode::Alef &&
             (next_->marks.empty() ||
              (next_->marks.size() == 1 && next_->marks[0] == unicode::MaddahAbove))) ||
            c.has(unicode::SuperscriptAlef);
        std::uint8_t seat;
        if (wordLength() == 1 && wordUnit(0) == AlefWithHamza)
            seat = HamzaOnYehOrAlefSeat;  // after the interrogative: أَءِذَا as أإذا, أئذا, ااذا
        else if (initial)
            seat = own == Vowel::I ? HamzaOnYehSeat : HamzaOnAlefSeat;
        else if (own == Vowel::I || pv == Vowel::I)
            seat = HamzaOnYehSeat;
        else if ((pb == unicode::Yeh || pb == unicode::AlefMaksura) &&
                 (pv == Vowel::Sukun || pv == Vowel::None))
            seat = HamzaOnYehOrAlefSeat;
        else if (wordFinal())
            seat = pv == Vowel::A ? HamzaOnAlefSeat : pv == Vowel::U ? HamzaOnWawSeat : HamzaAlone;
        else if (pb == unicode::Alef || pb == unicode::AlefWithMaddaAbove ||
                 (pb == unicode::Waw && (pv == Vowel::Sukun || pv == Vowel::None)))
            seat = HamzaAlone;
        else if (own == Vowel::U || pv == Vowel::U)
            seat = HamzaOnWawSeat;
        else if ((own == Vowel::A || own == Vowel::Sukun || own == Vowel::An) &&
                 (pv == Vowel::Sukun || pv == Vowel::A))
            seat = HamzaOnAlefSeat;
        else
            seat = HamzaAlone;
        if (own == Vowel::An && pv == Vowel::A)
            seat = HamzaOnAlefSeat;
        if (alefNext && (seat == HamzaOnAlefSeat || seat == HamzaAlone) &&
            (own == Vowel::A || own == Vowel::None))
            return HamzaBeforeAlef;
        return seat;
    }

    void superscriptAlef(std::uint32_t begin) {
        add(SuperscriptAlef, begin);
        // The vocative يٰ (also after و or ف) and the هٰ of هٰٓأنتم, joined to the next word.
        if (wordFinal())
            return;
        const std::size_t n = wordLength();
        const bool vocative =
            (n == 2 && wordUnit(0) == Yeh) ||
            (n == 3 && (wordUnit(0) == Waw || wordUnit(0) == Feh) && wordUnit(1) == Yeh);
        const bool attention =
            n == 2 && wordUnit(0) == Heh && nextBase() == unicode::AlefWithHamzaAbove;
        if (vocative || attention)
            add(OptionalBreak, begin);
    }

    void carrier(const Cluster& c) {
        for (char32_t m : c.marks) {
            if (m == unicode::SuperscriptAlef)
                superscriptAlef(c.begin);
            else if (m == unicode::HamzaAbove)
                add(hamza(c), c.begin);
            else if (m == unicode::SmallHighYeh)
                add(OptionalYeh, c.begin);
            else if (m == unicode::SmallHighNoon)
                add(OptionalNoon, c.begin);
        }
    }

    void letter(const Cluster& c) {
        const char32_t b = c.base;
        const std::size_t first = out_.units.size();
        bool superAlefTaken = false;
        switch (b) {
            case unicode::Alef:
            case unicode::AlefWasla:
            case unicode::AlefWithMaddaAbove:
                if (c.silent())
                    add(OptionalAlef, c.begin);
                else if (wordFinal() && wordLength() &&
                         wordUnit(wordLength() - 1) == HamzaBeforeAlef)
                    add(AlefOrYeh, c.begin);
                else
                    add(PlainAlef, c.begin);
                break;
            case unicode::AlefWithHamzaAbove:
            case unicode::AlefWithHamzaBelow:
                if (c.has(unicode::MaddahAbove)) {
                    add(HamzaBeforeAlef, c.begin);
                    add(PlainAlef, c.begin);
                } else if (nextBase() == unicode::Yeh && next_->silent()) {
                    add(HamzaOnYehOrAlefSeat, c.begin);  // مَلَإِيْهِۦ: ملئه
                } else {
                    add(AlefWithHamza, c.begin);
                }
                break;
            case unicode::Hamza:
                add(hamza(c), c.begin);
                break;
            case unicode::WawWithHamzaAbove:
                add(nextBase() == unicode::Alef && next_->silent() ? WawWithHamzaFinal
                                                                   : WawWithHamza,
                    c.begin);
                break;
            case unicode::YehWithHamzaAbove:
                add(YehWithHamza, c.begin);
                break;
            case unicode::Waw:
                if (!c.silent() && !c.marks.empty() && c.marks[0] == unicode::SuperscriptAlef) {
                    add(WawAsAlef, c.begin);
                    add(OptionalAlef, c.begin);
                    superAlefTaken = true;
                } else if (c.silent() && nextBase() != unicode::Lam) {
                    add(OptionalWaw, c.begin);  // سَأُوْرِيكُمۡ, but أُوْلَـٰٓئِكَ
                } else {
                    add(c.has(unicode::HamzaBelow) ? WawWithHamza : std::uint8_t{Waw}, c.begin);
                }
                break;
            case unicode::AlefMaksura:
                if (c.has(unicode::SuperscriptAlef)) {
                    add(wordFinal() ? PlainYeh : MaksuraAsAlef, c.begin);
                    superAlefTaken = true;
                } else {
                    add(Yeh, c.begin);
                }
                break;
            case unicode::Yeh:
                if (c.silent()) {
                    add(OptionalYeh, c.begin);
                } else if (c.has(unicode::HamzaBelow)) {
                    add(YehWithHamza, c.begin);  // تِلۡقَآيِٕ: تلقاء
                } else {
                    add(PlainYeh, c.begin);
                    if (wordFinal() && vowelOf(c.marks) == Vowel::I)
                        add(OptionalYeh, c.begin);  // يُحۡيِ: يحيي
                }
                break;
            case unicode::Teh: {
                const std::uint8_t before = wordLength() ? wordUnit(wordLength() - 1) : Blank;
                const bool afterAlef = before == PlainAlef || before == OptionalAlef ||
                                       before == SuperscriptAlef || before == WawAsAlef ||
                                       before == MaksuraAsAlef || before == HamzaBeforeAlef ||
                                       before == AlefWithHamza || before == Blank;
                add(wordFinal() && !afterAlef ? OpenTeh : PlainTeh, c.begin);
                break;
            }
            default: {
                const Letter l = letterOf(b);
                if (l == LetterCount)
                    return;  // not a letter: passed over
                add(l == Sad && c.has(unicode::SmallHighSeen) ? SadOrSeen : std::uint8_t{l},
                    c.begin);
            }
        }
        // و or ف before the imperative of سأل, which the mushaf writes without its alef.
        if (wordLength() == 1 && (b == unicode::Waw || b == unicode::Feh) &&
            nextBase() == unicode::Seen && vowelOf(next_->marks) == Vowel::Sukun &&
            next_ + 1 < clusters_.data() + clusters_.size() &&
            (next_ + 1)->base == unicode::Tatweel)
            add(OptionalAlef, c.begin);
        // ٱلَّ with the second lam of الليل, اللذان, اللاتي left out.
        if (b == unicode::Lam && c.has(unicode::Shadda) && wordLength() >= 2 &&
            wordUnit(wordLength() - 2) == PlainAlef &&
            clusters_[k_ - 1].base == unicode::AlefWasla) {
            const Cluster* after = k_ + 1 < clusters_.size() ? &clusters_[k_ + 1] : nullptr;
            const Cluster* afterNext = nullptr;
            if (next_) {
                for (const Cluster* p = next_ + 1; p < clusters_.data() + clusters_.size(); ++p) {
                    if (!isCarrier(p->base)) {
                        afterNext = p;
                        break;
                    }
                }
            }
            if (nextBase() == unicode::Yeh ||
                (after && after->base == unicode::Tatweel &&
                 after->has(unicode::SuperscriptAlef)) ||
                (nextBase() == unicode::Thal && ((afterNext && afterNext->base == unicode::Alef) ||
                                                 vowelOf(next_->marks) == Vowel::A)))
                add(OptionalLam, c.begin);
        }
        for (char32_t m : c.marks) {
            if (m == unicode::SuperscriptAlef && !superAlefTaken) {
                superscriptAlef(c.begin);
            } else if (m == unicode::SmallWaw && b != unicode::Heh) {
                add(OptionalWaw, c.begin);
            } else if ((m == unicode::SmallYeh || m == unicode::SmallHighYeh) &&
                       b != unicode::Heh) {
                add(OptionalYeh, c.begin);
            } else if (m == unicode::SmallHighNoon) {
                add(OptionalNoon, c.begin);
            }
        }
        // The waw of جَآءُو, which ordinary spelling follows with an alef.
        if (b == unicode::Waw && wordFinal() && c.marks.empty() && previous_ &&
            vowelOf(previous_->marks) == Vowel::U)
            add(OptionalAlef, c.begin);
        if (out_.units.size() > first)
            previous_ = &c;
    }

    // The superscript alef that ordinary spelling leaves out, after up to three letters of
    // prefixes (و ف ب ل ك, the interrogative أ, the article).
    void relaxWord() {
        static constexpr std::uint8_t S = SuperscriptAlef;
        static const std::vector<std::vector<std::uint8_t>> stems = {
            {Seen, Meem, S, Waw, S},
            {Thal, S},
            {Heh, S, Thal},
            {Heh, S, WawWithHamza},
            {Heh, S, Kaf},
            {Heh, S, Heh},
            {Lam, S, Kaf, Noon},
            {AlefWithHamza, Lam, S, Heh},
            {AlefWithHamza, Waw, Lam, S, YehWithHamza, Kaf},
            {Reh, Hah, Meem, S, Noon}};
        const std::size_t n = wordLength();
        const auto prefix = [&](std::size_t i) {
            const std::uint8_t u = wordUnit(i);
            return u == Waw || u == Feh || u == Beh || u == Lam || u == Kaf || u == AlefWithHamza;
        };
        const auto article = [&](std::size_t i) {
            return i + 1 < n && wordUnit(i) == PlainAlef && wordUnit(i + 1) == Lam;
        };
        std::size_t starts[4];
        std::size_t count = 0;
        starts[count++] = 0;
        if (n > 1 && prefix(0))
            starts[count++] = 1;
        if (n > 2 && (article(0) || (prefix(0) && prefix(1))))
            starts[count++] = 2;
        if (n > 3 && prefix(0) && article(1))
            starts[count++] = 3;
        for (std::size_t s = 0; s < count; ++s) {
            for (const auto& stem : stems) {
                if (starts[s] + stem.size() > n)
                    continue;
                bool same = true;
                for (std::size_t q = 0; q < stem.size() && same; ++q) {
                    const std::uint8_t u = wordUnit(starts[s] + q);
                    same = u == stem[q] || (stem[q] == AlefWithHamza && u == PlainAlef);
                }
                if (!same)
                    continue;
                for (std::size_t q = 0; q < stem.size(); ++q) {
                    if (stem[q] == S)
                        out_.units[wordStart_ + starts[s] + q] = OptionalAlef;
                }
            }
        }
    }

    void endWord() {
        const std::size_t n = out_.units.size();
        if (n > wordStart_) {
            relaxWord();
            // A unit's range ends where the next unit's character begins, the word's last
            // ones where the word's last character (a trailing sign excluded) ends.
            std::uint32_t end = lastEnd_;
            for (std::size_t i = n; i-- > wordStart_;) {
                out_.end[i] = end;
                if (i > wordStart_ && out_.begin[i - 1] < out_.begin[i])
                    end = out_.begin[i];
            }
            add(Blank, lastEnd_);
            out_.end.back() = lastEnd_;
        }
        wordStart_ = out_.units.size();
        previous_ = nullptr;
    }

    std::vector<Cluster> clusters_;
    std::size_t k_ = 0;
    const Cluster* next_ = nullptr;
    const Cluster* previous_ = nullptr;  // the word's last letter cluster
    std::size_t wordStart_ = 0;
    std::uint32_t lastEnd_ = 0;
    FoldedVerse out_;
};

}  // namespace

FoldedVerse FoldVerse(std::string_view verse) {
    return VerseFolder(verse).fold();
}

}  // namespace rules::arabic
