#include <array>

#include "corpus/Utf8.h"
#include "reader/ArabicFold.h"
#include "reader/ArabicRespelling.h"
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
    // Under the round zero: never read. A letter under the upright rectangular zero is read
    // in a pause and written in ordinary spelling (أَنَا۠: أنا), so it is no silent letter.
    bool silent() const { return has(unicode::Sukun); }
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
        const Cluster* after = k_ + 1 < clusters_.size() ? &clusters_[k_ + 1] : nullptr;
        const bool alefNext =
            (nextBase() == unicode::Alef &&
             (next_->marks.empty() ||
              (next_->marks.size() == 1 && next_->marks[0] == unicode::MaddahAbove))) ||
            c.has(unicode::SuperscriptAlef) ||
            (after && after->base == unicode::Tatweel &&
             after->has(unicode::SuperscriptAlef));  // بُرَءَـٰٓؤُاْ: برآء
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
        else if (own == Vowel::An && pv == Vowel::Sukun && joinsLetterAfter(pb))
            seat = HamzaOnYehOrAlefSeat;  // خِطۡـٔٗا, وَطۡـٔٗا: خطئا, وطئا; but جزءا
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
        const std::size_t first = out_.units.size();
        for (std::size_t i = 0; i < c.marks.size(); ++i) {
            const char32_t m = c.marks[i];
            if (m == unicode::SuperscriptAlef && i + 1 < c.marks.size() &&
                c.marks[i + 1] == unicode::HamzaAbove) {
                add(HamzaOnAlefSeat, c.begin);  // a hamza on the superscript alef: ٱدَّـٰرَ ٰٔتُمۡ
                ++i;
            } else if (m == unicode::SuperscriptAlef) {
                superscriptAlef(c.begin);
            } else if (m == unicode::HamzaAbove) {
                // The long ū's waw that the mushaf leaves out before ـُٔو: لِيَسُـُٔواْ as
                // ليسوءوا.
                if (c.base == unicode::Tatweel && vowelOf(c.marks) == Vowel::U && previous_ &&
                    vowelOf(previous_->marks) == Vowel::U && nextBase() == unicode::Waw)
                    add(OptionalWaw, c.begin);
                add(hamza(c), c.begin);
            } else if (m == unicode::SmallHighYeh)
                add(OptionalYeh, c.begin);
            else if (m == unicode::SmallHighNoon)
                add(OptionalNoon, c.begin);
        }
        if (out_.units.size() > first)
            written(c);
    }

    void letter(const Cluster& c) {
        const char32_t b = c.base;
        const std::size_t first = out_.units.size();
        bool superAlefTaken = false;
        // The article without its alef before a hamza: لۡـَٔيۡكَةِ as الأيكة.
        if (b == unicode::Lam && wordLength() == 0 && vowelOf(c.marks) == Vowel::Sukun &&
            k_ + 1 < clusters_.size() &&
            (clusters_[k_ + 1].base == unicode::Hamza ||
             clusters_[k_ + 1].has(unicode::HamzaAbove)))
            add(OptionalAlef, c.begin);
        switch (b) {
            case unicode::Alef:
            case unicode::AlefWasla:
            case unicode::AlefWithMaddaAbove:
                if (c.silent() && afterPluralAw())
                    add(PlainAlef, c.begin);  // وَلَّوۡاْ: ولوا, never ولو
                else if (c.silent())
                    add(OptionalAlef, c.begin);
                else if (wordFinal() && vowelOf(c.marks) == Vowel::None && tanwinOnAlefSeat())
                    add(OptionalAlef, c.begin);  // خَطَـٔٗا: خطأ
                else if (wordFinal() && wordLength() &&
                         wordUnit(wordLength() - 1) == HamzaBeforeAlef)
                    add(AlefOrYeh, c.begin);
                else if (wordFinal() && afterFathatan())
                    add(TanwinAlef, c.begin);
                else
                    add(PlainAlef, c.begin);
                break;
            case unicode::AlefWithHamzaAbove:
            case unicode::AlefWithHamzaBelow:
                if (c.has(unicode::MaddahAbove) || c.has(unicode::SuperscriptAlef)) {
                    add(HamzaBeforeAlef, c.begin);  // أٓ, and ءَأَٰلِهَتُنَا: أآلهتنا
                    add(PlainAlef, c.begin);
                    superAlefTaken = true;
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
                add(nextBase() == unicode::Alef && next_->silent() ? WawOrAlefWithHamza
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
                    // The verb in -aw that ordinary spelling ends with an alef: سَعَوۡ, عَتَوۡ
                    // as سعوا, عتوا; but لَوۡ, أَوۡ.
                    if (wordFinal() && vowelOf(c.marks) == Vowel::Sukun && lastWritten_ &&
                        vowelOf(lastWritten_->marks) == Vowel::A && stemLength() > 2)
                        add(OptionalAlef, c.begin);
                }
                break;
            case unicode::AlefMaksura:
                if (c.has(unicode::SuperscriptAlef)) {
                    // At the end of a lament after the vocative, يَٰحَسۡرَتَىٰ and
                    // يَٰوَيۡلَتَىٰ, ordinary spelling writes ا or ى: يا حسرتا, يا ويلتى.
                    const std::size_t n = wordLength();
                    const bool lament = n > 4 && wordUnit(0) == Yeh &&
                                        wordUnit(1) == SuperscriptAlef &&
                                        wordUnit(2) == OptionalBreak && wordUnit(n - 1) == PlainTeh;
                    add(!wordFinal() ? MaksuraAsAlef : lament ? AlefOrYeh : PlainYeh, c.begin);
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
                // The open ta of a noun (رَحۡمَتَ) has no sukun, nor has the letter before it
                // (خَلَتۡ, صَدَّقۡتَ are verbs); which nouns have one, RespellWord knows.
                const Vowel own = vowelOf(c.marks);
                const bool open = wordFinal() && previous_ && own != Vowel::Sukun &&
                                  vowelOf(previous_->marks) != Vowel::Sukun;
                add(open ? OpenTeh : PlainTeh, c.begin);
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
        if (b == unicode::Waw && wordFinal() && vowelOf(c.marks) == Vowel::None && previous_ &&
            vowelOf(previous_->marks) == Vowel::U)
            add(OptionalAlef, c.begin);
        if (out_.units.size() > first) {
            previous_ = &c;
            written(c);
        }
    }

    void written(const Cluster& c) {
        if (lastWritten_ != &c)
            writtenBefore_ = lastWritten_;
        lastWritten_ = &c;
    }

    // Whether the word so far ends in the plural -aw, a waw after a letter with fatha
    // (وَلَّوۡ, ٱشۡتَرَوُ), to which ordinary spelling adds an alef.
    bool afterPluralAw() const {
        return wordLength() && wordUnit(wordLength() - 1) == Waw && lastWritten_ &&
               lastWritten_->base == unicode::Waw && writtenBefore_ &&
               vowelOf(writtenBefore_->marks) == Vowel::A;
    }

    // Whether the word so far ends in a hamza with fathatan seated on alef after a fatha:
    // the alef after it is the tanwin's, which ordinary spelling leaves out (خطأً; but جزءًا).
    bool tanwinOnAlefSeat() const {
        return wordLength() && wordUnit(wordLength() - 1) == HamzaOnAlefSeat && lastWritten_ &&
               vowelOf(lastWritten_->marks) == Vowel::An && writtenBefore_ &&
               vowelOf(writtenBefore_->marks) == Vowel::A;
    }

    // Whether the word so far ends in a letter with fathatan: the alef after it is the
    // tanwin's (لُّدّٗا), not a long ā (لَدَا).
    bool afterFathatan() const {
        return wordLength() && lastWritten_ && vowelOf(lastWritten_->marks) == Vowel::An;
    }

    // The letters of the word so far without the و ف أ it may begin with.
    std::size_t stemLength() const {
        std::size_t from = 0;
        while (from < wordLength() && from < 2 &&
               (wordUnit(from) == Waw || wordUnit(from) == Feh || wordUnit(from) == AlefWithHamza))
            ++from;
        return wordLength() - from;
    }

    void endWord() {
        if (out_.units.size() > wordStart_) {
            RespellWord(out_, wordStart_);
            // A unit's range ends where the next unit's character begins, the word's last
            // ones where the word's last character (a trailing sign excluded) ends.
            std::uint32_t end = lastEnd_;
            for (std::size_t i = out_.units.size(); i-- > wordStart_;) {
                out_.end[i] = end;
                if (i > wordStart_ && out_.begin[i - 1] < out_.begin[i])
                    end = out_.begin[i];
            }
            add(Blank, lastEnd_);
            out_.end.back() = lastEnd_;
        }
        wordStart_ = out_.units.size();
        previous_ = nullptr;
        lastWritten_ = nullptr;
        writtenBefore_ = nullptr;
    }

    std::vector<Cluster> clusters_;
    std::size_t k_ = 0;
    const Cluster* next_ = nullptr;
    const Cluster* previous_ = nullptr;       // the word's last letter cluster
    const Cluster* lastWritten_ = nullptr;    // the cluster of the word's last unit
    const Cluster* writtenBefore_ = nullptr;  // the cluster of the units before it
    std::size_t wordStart_ = 0;
    std::uint32_t lastEnd_ = 0;
    FoldedVerse out_;
};

}  // namespace

FoldedVerse FoldVerse(std::string_view verse) {
    return VerseFolder(verse).fold();
}

}  // namespace rules::arabic
