#include "reader/ArabicFold.h"

#include <array>
#include <initializer_list>

#include "corpus/Utf8.h"

namespace rules::arabic {

namespace {

// The verse units beyond the plain letters (see unitRule).
constexpr std::uint8_t PlainAlef = Alef;  // ا ٱ آ: alef, and alef with hamza typed for it
constexpr std::uint8_t Blank = WordBreak;
constexpr std::uint8_t PlainYeh = Yeh;
constexpr std::uint8_t PlainTeh = Teh;
constexpr std::uint8_t AlefWithHamza = LetterCount;       // أ إ
constexpr std::uint8_t WawWithHamza = AlefWithHamza + 1;  // ؤ
constexpr std::uint8_t WawWithHamzaFinal =
    WawWithHamza + 1;  // ؤ before a silent alef (ٱلۡمَلَؤُاْ): a final hamza
constexpr std::uint8_t YehWithHamza = WawWithHamzaFinal + 1;  // ئ
constexpr std::uint8_t HamzaOnAlefSeat =
    YehWithHamza + 1;  // a lone hamza whose ordinary seat is alef
constexpr std::uint8_t HamzaOnWawSeat = HamzaOnAlefSeat + 1;
constexpr std::uint8_t HamzaOnYehSeat = HamzaOnWawSeat + 1;
constexpr std::uint8_t HamzaOnYehOrAlefSeat =
    HamzaOnYehSeat + 1;  // after a yeh with sukun: شيئا, but ييأس
constexpr std::uint8_t HamzaAlone = HamzaOnYehOrAlefSeat + 1;
constexpr std::uint8_t HamzaBeforeAlef =
    HamzaAlone + 1;  // ءَا: the long ā with hamza, typed آ; may be left out
constexpr std::uint8_t WawAsAlef = HamzaBeforeAlef + 1;  // وٰ: صلوٰة
constexpr std::uint8_t MaksuraAsAlef = WawAsAlef + 1;    // ىٰ inside a word: هدىٰهم
constexpr std::uint8_t OpenTeh = MaksuraAsAlef + 1;      // a word-final ت that may stand for ة
constexpr std::uint8_t SuperscriptAlef = OpenTeh + 1;    // ٰ: an alef to be typed
constexpr std::uint8_t OptionalAlef = SuperscriptAlef + 1;
constexpr std::uint8_t OptionalWaw = OptionalAlef + 1;
constexpr std::uint8_t OptionalYeh = OptionalWaw + 1;
constexpr std::uint8_t OptionalNoon = OptionalYeh + 1;
constexpr std::uint8_t OptionalLam = OptionalNoon + 1;
constexpr std::uint8_t OptionalBreak = OptionalLam + 1;  // after the vocative يٰ
constexpr std::uint8_t AlefOrYeh = OptionalBreak + 1;    // the final alef of رَءَا (رأى)
constexpr std::uint8_t SadOrSeen = AlefOrYeh + 1;  // ص with a small seen above: بَصۜۡطَة
constexpr std::uint8_t UnitCount = SadOrSeen + 1;

constexpr LetterSet bit(Letter l) {
    return LetterSet{1} << l;
}
constexpr LetterSet set(std::initializer_list<Letter> letters) {
    LetterSet s = 0;
    for (Letter l : letters)
        s |= bit(l);
    return s;
}

const std::array<UnitRule, UnitCount>& rules() {
    static const std::array<UnitRule, UnitCount> table = [] {
        std::array<UnitRule, UnitCount> t{};
        for (int l = 0; l < LetterCount; ++l)
            t[l] = {bit(static_cast<Letter>(l)), false, l == WordBreak};
        t[PlainAlef] = {set({Alef, AlefHamza}), false, false};
        t[AlefWithHamza] = {set({Alef, AlefHamza, Hamza}), false, false};
        t[WawWithHamza] = {set({Waw, WawHamza, Hamza}), false, false};
        t[WawWithHamzaFinal] = {set({Waw, WawHamza, Hamza, AlefHamza, Alef}), false, false};
        t[YehWithHamza] = {set({Yeh, YehHamza, Hamza}), false, false};
        t[HamzaOnAlefSeat] = {set({Hamza, AlefHamza, Alef}), false, false};
        t[HamzaOnWawSeat] = {set({Hamza, WawHamza, Waw, YehHamza, Yeh}), false, false};
        t[HamzaOnYehSeat] = {set({Hamza, YehHamza, Yeh}), false, false};
        t[HamzaOnYehOrAlefSeat] = {set({Hamza, YehHamza, Yeh, AlefHamza, Alef}), false, false};
        t[HamzaAlone] = {set({Hamza, AlefHamza, WawHamza, YehHamza}), false, false};
        t[HamzaBeforeAlef] = {set({Hamza, AlefHamza, Alef}), true, false};
        t[WawAsAlef] = {set({Waw, Alef}), false, false};
        t[MaksuraAsAlef] = {bit(Alef), false, false};
        t[OpenTeh] = {set({Teh, TehMarbuta}), false, false};
        t[SuperscriptAlef] = {bit(Alef), false, false};
        t[OptionalAlef] = {bit(Alef), true, false};
        t[OptionalWaw] = {bit(Waw), true, false};
        t[OptionalYeh] = {bit(Yeh), true, false};
        t[OptionalNoon] = {bit(Noon), true, false};
        t[OptionalLam] = {bit(Lam), true, false};
        t[OptionalBreak] = {bit(WordBreak), true, true};
        t[AlefOrYeh] = {set({Alef, AlefHamza, Yeh}), false, false};
        t[SadOrSeen] = {set({Sad, Seen}), false, false};
        return t;
    }();
    return table;
}

// Code points.
constexpr char32_t Tatweel = 0x0640;
constexpr char32_t ThinSpace = 0x2009;
constexpr char32_t Fathatan = 0x064B, Dammatan = 0x064C, Kasratan = 0x064D, Fatha = 0x064E,
                   Damma = 0x064F, Kasra = 0x0650, Shadda = 0x0651, Sukun = 0x0652,
                   MaddahAbove = 0x0653, HamzaAbove = 0x0654, HamzaBelow = 0x0655,
                   SubscriptAlef = 0x0656,  // the package's open kasratan
    InvertedDamma = 0x0657,                 // the package's open fathatan
    FathaTwoDots = 0x065E,                  // the package's open dammatan
    SuperAlef = 0x0670, SmallHighRoundedZero = 0x06DF, SmallHighUprightZero = 0x06E0,
                   SmallHighDotlessKhah = 0x06E1,  // sukun
    SmallWaw = 0x06E5, SmallYeh = 0x06E6, SmallHighYeh = 0x06E7, SmallHighNoon = 0x06E8,
                   OpenFathatan = 0x08F0, OpenDammatan = 0x08F1, OpenKasratan = 0x08F2;

// The letter a code point is written with, folded: Arabic letters, their Persian and Urdu
// forms and the presentation forms; LetterCount for anything else.
Letter letterOf(char32_t c) {
    static constexpr std::array<Letter, 26> base = {
        Hamza, Alef,  AlefHamza, WawHamza, AlefHamza, YehHamza, Alef, Beh,  TehMarbuta,
        Teh,   Theh,  Jeem,      Hah,      Khah,      Dal,      Thal, Reh,  Zain,
        Seen,  Sheen, Sad,       Dad,      Tah,       Zah,      Ain,  Ghain};
    if (c >= 0x0621 && c <= 0x063A)
        return base[c - 0x0621];
    switch (c) {
        case 0x0641:
            return Feh;
        case 0x0642:
            return Qaf;
        case 0x0643:
        case 0x06A9:
        case 0x06AA:
            return Kaf;
        case 0x0644:
            return Lam;
        case 0x0645:
            return Meem;
        case 0x0646:
            return Noon;
        case 0x0647:
        case 0x06BE:
        case 0x06C1:
        case 0x06D5:
            return Heh;
        case 0x0648:
            return Waw;
        case 0x0649:
        case 0x064A:
        case 0x06CC:
            return Yeh;
        case 0x0671:
            return Alef;
        case 0x0672:
        case 0x0673:
        case 0x0675:
            return AlefHamza;
        case 0x0676:
            return WawHamza;
        case 0x0678:
            return YehHamza;
        case 0x06C0:
        case 0x06C2:
            return Heh;
        case 0x06C3:
            return TehMarbuta;
        default:
            return LetterCount;
    }
}

// Arabic Presentation Forms-B: the letter each form stands for (0 for marks and gaps).
char32_t presentationBase(char32_t c) {
    static constexpr struct {
        char32_t letter;
        int forms;
    } runs[] = {{0x0621, 1}, {0x0622, 2}, {0x0623, 2}, {0x0624, 2}, {0x0625, 2}, {0x0626, 4},
                {0x0627, 2}, {0x0628, 4}, {0x0629, 2}, {0x062A, 4}, {0x062B, 4}, {0x062C, 4},
                {0x062D, 4}, {0x062E, 4}, {0x062F, 2}, {0x0630, 2}, {0x0631, 2}, {0x0632, 2},
                {0x0633, 4}, {0x0634, 4}, {0x0635, 4}, {0x0636, 4}, {0x0637, 4}, {0x0638, 4},
                {0x0639, 4}, {0x063A, 4}, {0x0641, 4}, {0x0642, 4}, {0x0643, 4}, {0x0644, 4},
                {0x0645, 4}, {0x0646, 4}, {0x0647, 4}, {0x0648, 2}, {0x0649, 2}, {0x064A, 4}};
    if (c < 0xFE80 || c > 0xFEF4)
        return 0;
    char32_t at = 0xFE80;
    for (const auto& run : runs) {
        if (c < at + run.forms)
            return run.letter;
        at += run.forms;
    }
    return 0;
}

bool isMark(char32_t c) {
    return (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || c == SuperAlef ||
           (c >= 0x06D6 && c <= 0x06DC) || (c >= 0x06DF && c <= 0x06E8) ||
           (c >= 0x06EA && c <= 0x06ED) || (c >= 0x08D3 && c <= 0x08FF && c != 0x08E2) ||
           (c >= 0xFE70 && c <= 0xFE7F && c != 0xFE75);
}

// Carriers take marks without being letters.
bool isCarrier(char32_t c) {
    return c == Tatweel || c == ThinSpace;
}

// Never part of what is searched: joiners, direction marks, the byte order mark.
bool isIgnorable(char32_t c) {
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x061C || c == 0xFEFF || c == 0x00AD;
}

// The annotation signs that stand between or beside words.
bool isSign(char32_t c) {
    return c == 0x06DE || c == 0x06E9 || c == 0x06DD;
}

// Breaks words in a search text (besides blanks): punctuation and digits of any script.
bool isSeparator(char32_t c) {
    if (c < 0x80)
        return !((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
    return (c >= 0x00A0 && c <= 0x00BF) || c == 0x00D7 || c == 0x00F7 ||
           (c >= 0x2000 && c <= 0x206F) || c == 0x060C || c == 0x061B || c == 0x061F ||
           (c >= 0x0660 && c <= 0x066D) || c == 0x06D4 || (c >= 0x06F0 && c <= 0x06F9) ||
           c == 0xFD3E || c == 0xFD3F || c == 0x3000;
}

bool isArabicLetter(char32_t c) {
    return (c >= 0x0620 && c <= 0x064A) || (c >= 0x066E && c <= 0x066F) ||
           (c >= 0x0671 && c <= 0x06D3) || c == 0x06D5 || (c >= 0x06EE && c <= 0x06EF) ||
           (c >= 0x06FA && c <= 0x06FC) || c == 0x06FF || (c >= 0x0750 && c <= 0x077F) ||
           (c >= 0x0870 && c <= 0x0887) || (c >= 0x08A0 && c <= 0x08C9) ||
           (c >= 0xFB50 && c <= 0xFDFF && c != 0xFD3E && c != 0xFD3F) ||
           (c >= 0xFE80 && c <= 0xFEFC);
}

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
    bool silent() const { return has(Sukun) || has(SmallHighUprightZero); }
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
        if (isMark(c) && !clusters.empty() && clusters.back().base != ' ' &&
            !isSign(clusters.back().base)) {
            clusters.back().marks.push_back(c);
            clusters.back().end = offset + width;
        } else if (isMark(c)) {
            clusters.push_back({Tatweel, offset, offset + width, {}});
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
            case Fatha:
                return Vowel::A;
            case Fathatan:
            case InvertedDamma:
            case OpenFathatan:
                return Vowel::An;
            case Damma:
            case Dammatan:
            case FathaTwoDots:
            case OpenDammatan:
                return Vowel::U;
            case Kasra:
            case Kasratan:
            case SubscriptAlef:
            case OpenKasratan:
                return Vowel::I;
            case Sukun:
            case SmallHighDotlessKhah:
                return Vowel::Sukun;
            default:
                break;
        }
    }
    return Vowel::None;
}

bool isBlankChar(char32_t c) {
    return c == ' ' || c == '\t' || c == 0x00A0;
}

class VerseFolder {
public:
    explicit VerseFolder(std::string_view verse) : clusters_(clustersOf(verse)) {}

    FoldedVerse fold() {
        for (k_ = 0; k_ < clusters_.size(); ++k_) {
            const Cluster& c = clusters_[k_];
            if (isBlankChar(c.base)) {
                endWord();
                continue;
            }
            if (isSign(c.base) || c.base == 0xFFFD)
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
            if (isBlankChar(b) || isSign(b))
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
        const bool initial = wordLength() == 0 ||
                             (wordLength() == 1 && (pb == 0x0628 || pb == 0x0644 || pb == 0x0648 ||
                                                    pb == 0x0641 || pb == 0x0643));
        const bool alefNext =
            (nextBase() == 0x0627 && (next_->marks.empty() || (next_->marks.size() == 1 &&
                                                               next_->marks[0] == MaddahAbove))) ||
            c.has(SuperAlef);
        std::uint8_t seat;
        if (wordLength() == 1 && wordUnit(0) == AlefWithHamza)
            seat = HamzaOnYehOrAlefSeat;  // after the interrogative: أَءِذَا as أإذا, أئذا, ااذا
        else if (initial)
            seat = own == Vowel::I ? HamzaOnYehSeat : HamzaOnAlefSeat;
        else if (own == Vowel::I || pv == Vowel::I)
            seat = HamzaOnYehSeat;
        else if ((pb == 0x064A || pb == 0x0649) && (pv == Vowel::Sukun || pv == Vowel::None))
            seat = HamzaOnYehOrAlefSeat;
        else if (wordFinal())
            seat = pv == Vowel::A ? HamzaOnAlefSeat : pv == Vowel::U ? HamzaOnWawSeat : HamzaAlone;
        else if (pb == 0x0627 || pb == 0x0622 ||
                 (pb == 0x0648 && (pv == Vowel::Sukun || pv == Vowel::None)))
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
        const bool attention = n == 2 && wordUnit(0) == Heh && nextBase() == 0x0623;
        if (vocative || attention)
            add(OptionalBreak, begin);
    }

    void carrier(const Cluster& c) {
        for (char32_t m : c.marks) {
            if (m == SuperAlef)
                superscriptAlef(c.begin);
            else if (m == HamzaAbove)
                add(hamza(c), c.begin);
            else if (m == SmallHighYeh)
                add(OptionalYeh, c.begin);
            else if (m == SmallHighNoon)
                add(OptionalNoon, c.begin);
        }
    }

    void letter(const Cluster& c) {
        const char32_t b = c.base;
        const std::size_t first = out_.units.size();
        bool superAlefTaken = false;
        switch (b) {
            case 0x0627:
            case 0x0671:
            case 0x0622:
                if (c.silent())
                    add(OptionalAlef, c.begin);
                else if (wordFinal() && wordLength() &&
                         wordUnit(wordLength() - 1) == HamzaBeforeAlef)
                    add(AlefOrYeh, c.begin);
                else
                    add(PlainAlef, c.begin);
                break;
            case 0x0623:
            case 0x0625:
                if (c.has(MaddahAbove)) {
                    add(HamzaBeforeAlef, c.begin);
                    add(PlainAlef, c.begin);
                } else if (nextBase() == 0x064A && next_->silent()) {
                    add(HamzaOnYehOrAlefSeat, c.begin);  // مَلَإِيْهِۦ: ملئه
                } else {
                    add(AlefWithHamza, c.begin);
                }
                break;
            case 0x0621:
                add(hamza(c), c.begin);
                break;
            case 0x0624:
                add(nextBase() == 0x0627 && next_->silent() ? WawWithHamzaFinal : WawWithHamza,
                    c.begin);
                break;
            case 0x0626:
                add(YehWithHamza, c.begin);
                break;
            case 0x0648:
                if (!c.silent() && !c.marks.empty() && c.marks[0] == SuperAlef) {
                    add(WawAsAlef, c.begin);
                    add(OptionalAlef, c.begin);
                    superAlefTaken = true;
                } else if (c.silent() && nextBase() != 0x0644) {
                    add(OptionalWaw, c.begin);  // سَأُوْرِيكُمۡ, but أُوْلَـٰٓئِكَ
                } else {
                    add(c.has(HamzaBelow) ? WawWithHamza : std::uint8_t{Waw}, c.begin);
                }
                break;
            case 0x0649:
                if (c.has(SuperAlef)) {
                    add(wordFinal() ? PlainYeh : MaksuraAsAlef, c.begin);
                    superAlefTaken = true;
                } else {
                    add(Yeh, c.begin);
                }
                break;
            case 0x064A:
                if (c.silent()) {
                    add(OptionalYeh, c.begin);
                } else if (c.has(HamzaBelow)) {
                    add(YehWithHamza, c.begin);  // تِلۡقَآيِٕ: تلقاء
                } else {
                    add(PlainYeh, c.begin);
                    if (wordFinal() && vowelOf(c.marks) == Vowel::I)
                        add(OptionalYeh, c.begin);  // يُحۡيِ: يحيي
                }
                break;
            case 0x062A: {
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
                add(l == Sad && c.has(0x06DC) ? SadOrSeen : std::uint8_t{l}, c.begin);
            }
        }
        // و or ف before the imperative of سأل, which the mushaf writes without its alef.
        if (wordLength() == 1 && (b == 0x0648 || b == 0x0641) && nextBase() == 0x0633 &&
            vowelOf(next_->marks) == Vowel::Sukun &&
            next_ + 1 < clusters_.data() + clusters_.size() && (next_ + 1)->base == Tatweel)
            add(OptionalAlef, c.begin);
        // ٱلَّ with the second lam of الليل, اللذان, اللاتي left out.
        if (b == 0x0644 && c.has(Shadda) && wordLength() >= 2 &&
            wordUnit(wordLength() - 2) == PlainAlef && clusters_[k_ - 1].base == 0x0671) {
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
            if (nextBase() == 0x064A ||
                (after && after->base == Tatweel && after->has(SuperAlef)) ||
                (nextBase() == 0x0630 &&
                 ((afterNext && afterNext->base == 0x0627) || vowelOf(next_->marks) == Vowel::A)))
                add(OptionalLam, c.begin);
        }
        for (char32_t m : c.marks) {
            if (m == SuperAlef && !superAlefTaken) {
                superscriptAlef(c.begin);
            } else if (m == SmallWaw && b != 0x0647) {
                add(OptionalWaw, c.begin);
            } else if ((m == SmallYeh || m == SmallHighYeh) && b != 0x0647) {
                add(OptionalYeh, c.begin);
            } else if (m == SmallHighNoon) {
                add(OptionalNoon, c.begin);
            }
        }
        // The waw of جَآءُو, which ordinary spelling follows with an alef.
        if (b == 0x0648 && wordFinal() && c.marks.empty() && previous_ &&
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

const UnitRule& unitRule(std::uint8_t unit) {
    return rules()[unit < UnitCount ? unit : Blank];
}

std::size_t unitKinds() {
    return UnitCount;
}

FoldedVerse FoldVerse(std::string_view verse) {
    return VerseFolder(verse).fold();
}

FoldedSearch FoldSearchText(std::string_view text) {
    FoldedSearch folded;
    std::vector<Letter>& out = folded.letters;
    bool lastWasMaksura = false;
    std::size_t maksuraAlefAt = SIZE_MAX;  // a ى followed by a superscript alef
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = utf8::decodeAt(text, pos);
        if (c == utf8::Invalid) {
            folded.kind = SearchTextKind::ForeignLetter;
            folded.letters.clear();
            return folded;
        }
        if (c >= 0xFEF5 && c <= 0xFEFC) {
            // The lam-alef ligatures: lam, then the alef form.
            out.push_back(Lam);
            out.push_back(c >= 0xFEFB ? Alef : c >= 0xFEF7 ? AlefHamza : Alef);
            lastWasMaksura = false;
            continue;
        }
        if (const char32_t b = presentationBase(c))
            c = b;
        if (isIgnorable(c))
            continue;
        const bool mark = isMark(c) || c == Tatweel;
        if (maksuraAlefAt != SIZE_MAX && !mark) {
            // ىٰ inside a word is alef (هدىٰهم); at its end it stays ى.
            if (letterOf(c) != LetterCount)
                out[maksuraAlefAt] = Alef;
            maksuraAlefAt = SIZE_MAX;
        }
        if (isBlankChar(c) || isSeparator(c)) {
            if (!out.empty() && out.back() != WordBreak)
                out.push_back(WordBreak);
            lastWasMaksura = false;
            continue;
        }
        if (c == HamzaAbove || c == HamzaBelow) {
            // A hamza mark on its seat letter gives that seat's hamza form.
            const Letter last = out.empty() ? WordBreak : out.back();
            if (last == Alef)
                out.back() = AlefHamza;
            else if (last == Waw)
                out.back() = WawHamza;
            else if (last == Yeh)
                out.back() = YehHamza;
            else if (last != AlefHamza && last != WawHamza && last != YehHamza)
                out.push_back(Hamza);
            continue;
        }
        if (c == SuperAlef) {
            const std::size_t n = out.size();
            if (n && out.back() == Yeh && lastWasMaksura)
                maksuraAlefAt = n - 1;
            else if (!(n >= 2 && out[n - 1] == Lam && out[n - 2] == Lam))
                out.push_back(Alef);  // but اللّٰه is written with it too
            continue;
        }
        if (mark || isSign(c))
            continue;
        const Letter l = letterOf(c);
        if (l == LetterCount) {
            folded.kind = SearchTextKind::ForeignLetter;
            folded.letters.clear();
            return folded;
        }
        out.push_back(l);
        lastWasMaksura = c == 0x0649;
    }
    if (!out.empty() && out.back() == WordBreak)
        out.pop_back();
    folded.kind = out.empty() ? SearchTextKind::NothingToSearch : SearchTextKind::Letters;
    return folded;
}

bool HoldsArabicLetter(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = utf8::decodeAt(text, pos);
        if (c == utf8::Invalid) {
            ++pos;
            continue;
        }
        if (isArabicLetter(c))
            return true;
    }
    return false;
}

}  // namespace rules::arabic
