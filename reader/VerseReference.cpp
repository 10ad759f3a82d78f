#include "reader/VerseReference.h"

#include <algorithm>
#include <optional>

#include "corpus/MushafTable.h"
#include "reader/AsciiCase.h"
#include "reader/SurahNameMatch.h"

namespace rules {

namespace {

using Status = VerseReference::Status;

// Numbers longer than this are past every surah and verse; they are only ever reported.
constexpr std::size_t LongestUsefulNumber = 6;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// Characters that may stand inside a surah name after its first letter.
bool isNamePart(char c) {
    return isLetter(c) || c == '-' || c == '\'' || c == '`';
}

// A number as typed: its digits without leading zeros, and its value when it is small
// enough to mean anything.
struct Number {
    std::string digits;
    int value = -1;  // -1: longer than LongestUsefulNumber digits
};

Number numberFrom(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    Number number;
    number.digits = first == std::string_view::npos ? "0" : std::string(digits.substr(first));
    if (number.digits.size() <= LongestUsefulNumber)
        number.value = std::stoi(number.digits);
    return number;
}

// The parts of a reference, read left to right.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    char next() const { return atEnd() ? '\0' : text_[at_]; }
    char after(std::size_t ahead) const {
        return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0';
    }
    // True when there were any.
    bool skipBlanks() {
        const std::size_t from = at_;
        while (!atEnd() && isBlank(text_[at_]))
            ++at_;
        return at_ > from;
    }
    bool take(char c) {
        if (atEnd() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }
    // "QS" or "QS." in front, not the start of a name.
    void skipCitationMark() {
        if (lowerAZ(next()) == 'q' && lowerAZ(after(1)) == 's' && !isLetter(after(2))) {
            at_ += 2;
            take('.');
            skipBlanks();
        }
    }
    bool atNumber() const { return isDigit(next()); }
    Number number() {
        const std::size_t from = at_;
        while (!atEnd() && isDigit(text_[at_]))
            ++at_;
        return numberFrom(text_.substr(from, at_ - from));
    }
    bool atName() const { return isLetter(next()); }
    // Letters, hyphens and apostrophes, with single words apart ("at tahrim"): a blank
    // belongs to the name only when another letter follows it.
    std::string_view name() {
        const std::size_t from = at_;
        std::size_t end = at_;
        while (!atEnd()) {
            if (isNamePart(text_[at_])) {
                ++at_;
                end = at_;
            } else if (isBlank(text_[at_])) {
                std::size_t ahead = at_;
                while (ahead < text_.size() && isBlank(text_[ahead]))
                    ++ahead;
                if (ahead >= text_.size() || !isLetter(text_[ahead]))
                    break;
                at_ = ahead;
            } else {
                break;
            }
        }
        at_ = end;
        return text_.substr(from, end - from);
    }
    // Between surah and verse: one of ":", ".", "/" (blanks alone are read by the caller).
    bool takeVerseMark() { return take(':') || take('.') || take('/'); }
    // A word (given in lower case) in any letter case, not followed by another letter.
    bool takeWord(std::string_view word) {
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (lowerAZ(after(i)) != word[i])
                return false;
        }
        if (isLetter(after(word.size())))
            return false;
        at_ += word.size();
        return true;
    }
    // "amma" or "'amma", with an apostrophe as a keyboard or a word processor writes it
    // (' ` and the code page's curly ones): juz 'Amma.
    bool takeAmma() {
        const std::size_t from = at_;
        for (char apostrophe : {'\'', '`', '\x91', '\x92'}) {
            if (take(apostrophe))
                break;
        }
        if (takeWord("amma"))
            return true;
        at_ = from;
        return false;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// The parts found in the text; any of them may be missing.
struct Parts {
    std::optional<Number> surahNumber;
    std::optional<std::string_view> name;
    std::optional<Number> verse;
};

VerseReference notAReference() {
    return VerseReference{};
}

// An optional verse: after one of the verse marks, or after blanks (spaced) alone.
bool readVerse(Reader& in, Parts& parts, bool spaced) {
    if (in.takeVerseMark()) {
        in.skipBlanks();
        if (!in.atNumber())
            return false;
        parts.verse = in.number();
    } else if (spaced && in.atNumber()) {
        parts.verse = in.number();
    }
    return true;
}

// After a name: an optional "[n]" and an optional verse.
bool readNameTail(Reader& in, Parts& parts) {
    bool spaced = in.skipBlanks();
    if (in.take('[')) {
        in.skipBlanks();
        if (!in.atNumber())
            return false;
        const Number bracketed = in.number();
        in.skipBlanks();
        if (!in.take(']'))
            return false;
        if (parts.surahNumber && parts.surahNumber->digits != bracketed.digits)
            return false;
        parts.surahNumber = bracketed;
        spaced = in.skipBlanks();
    }
    return readVerse(in, parts, spaced);
}

// The whole text read into parts; false when it is none of the forms.
bool readParts(std::string_view text, Parts& parts) {
    Reader in(text);
    in.skipBlanks();
    const bool inParentheses = in.take('(');
    in.skipBlanks();
    in.skipCitationMark();

    if (in.atNumber()) {
        parts.surahNumber = in.number();
        const bool spaced = in.skipBlanks();
        if (in.take('.')) {
            // "2.255", or the list's "2. Al-Baqarah".
            in.skipBlanks();
            if (in.atName()) {
                parts.name = in.name();
                if (!readNameTail(in, parts))
                    return false;
            } else if (in.atNumber()) {
                parts.verse = in.number();
            } else {
                return false;
            }
        } else if (!readVerse(in, parts, spaced)) {
            return false;
        }
    } else if (in.atName()) {
        parts.name = in.name();
        if (!readNameTail(in, parts))
            return false;
    } else {
        return false;
    }

    in.skipBlanks();
    if (inParentheses && !in.take(')'))
        return false;
    in.skipBlanks();
    return in.atEnd();
}

bool isSurahNumber(const Number& n) {
    return n.value >= 1 && n.value <= surah::SurahCount;
}

// Juz 'Amma, the name readers give juz 30 after its first word.
constexpr int JuzAmma = 30;

// The juz and page forms: "juz 30", "j30", "juz ke-30", "juz amma", "hal. 582", "halaman
// 582", "hlm 582", "page 582". Nothing when the text does not start with one of their words;
// NotAPart when it does but no number (or "amma") follows.
std::optional<VerseReference> readPart(std::string_view text) {
    using Kind = VerseReference::Kind;
    Reader in(text);
    in.skipBlanks();
    VerseReference result;
    if (in.takeWord("juz") || in.takeWord("j")) {
        result.kind = Kind::Juz;
    } else if (in.takeWord("halaman") || in.takeWord("hal") || in.takeWord("hlm") ||
               in.takeWord("page")) {
        result.kind = Kind::Page;
    } else {
        return std::nullopt;
    }
    result.status = Status::NotAPart;
    in.take('.');
    in.skipBlanks();
    Number number;
    if (result.kind == Kind::Juz && in.takeAmma()) {
        number = numberFrom(std::to_string(JuzAmma));
    } else {
        // "ke-30", "ke 30": the Indonesian ordinal.
        if (in.takeWord("ke")) {
            in.skipBlanks();
            in.take('-');
            in.skipBlanks();
        }
        if (!in.atNumber())
            return result;
        number = in.number();
    }
    in.skipBlanks();
    if (!in.atEnd())
        return result;

    const int last = result.kind == Kind::Juz ? mushaf::JuzCount : mushaf::PageCount;
    if (number.value < 1 || number.value > last) {
        result.status = result.kind == Kind::Juz ? Status::NoSuchJuz : Status::NoSuchPage;
        result.number = number.digits;
        return result;
    }
    result.status = Status::Found;
    result.part = number.value;
    result.verse = surah::verseAt(result.kind == Kind::Juz ? mushaf::juzStart(number.value)
                                                           : mushaf::pageStart(number.value));
    return result;
}

}  // namespace

VerseReference ParseVerseReference(std::string_view text) {
    VerseReference result;
    if (std::all_of(text.begin(), text.end(), isBlank)) {
        result.status = Status::Empty;
        return result;
    }
    if (std::optional<VerseReference> part = readPart(text))
        return *part;
    Parts parts;
    if (!readParts(text, parts))
        return notAReference();

    int s = 0;
    if (parts.surahNumber) {
        if (!isSurahNumber(*parts.surahNumber)) {
            result.status = Status::NoSuchSurah;
            result.number = parts.surahNumber->digits;
            return result;
        }
        s = parts.surahNumber->value;
    }
    if (parts.name) {
        const SurahNameMatch match = MatchSurahName(*parts.name);
        result.name = std::string(*parts.name);
        if (s != 0) {
            if (std::find(match.surahs.begin(), match.surahs.end(), s) == match.surahs.end()) {
                result.status = Status::NameNumberMismatch;
                result.verse = {s, 0};
                return result;
            }
        } else if (match.tooShort) {
            result.status = Status::NameTooShort;
            return result;
        } else if (match.surahs.empty()) {
            result.status = Status::UnknownName;
            return result;
        } else if (match.surahs.size() > 1) {
            result.status = Status::AmbiguousName;
            result.candidates = match.surahs;
            return result;
        } else {
            s = match.surahs.front();
        }
        result.name.clear();
    }

    int a = 1;
    if (parts.verse) {
        const Number& verse = *parts.verse;
        if (verse.value < 1 || verse.value > surah::verseCount(s)) {
            result.status = Status::NoSuchVerse;
            result.verse = {s, 0};
            result.number = verse.digits;
            return result;
        }
        a = verse.value;
    }
    result.status = Status::Found;
    result.verse = {s, a};
    return result;
}

std::string ShortReference(surah::VerseRef verse) {
    return std::to_string(verse.surah) + ":" + std::to_string(verse.verse);
}

}  // namespace rules
