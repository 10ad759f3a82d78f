#include "reader/ArabicUnicode.h"

#include <array>

namespace rules::arabic {

namespace {

// The Persian and Urdu forms that a keyboard layout or a document may give for a letter.
constexpr char32_t AlefWithWavyHamzaAbove = 0x0672, AlefWithWavyHamzaBelow = 0x0673,
                   HighHamzaAlef = 0x0675, HighHamzaWaw = 0x0676, HighHamzaYeh = 0x0678,
                   Keheh = 0x06A9, SwashKaf = 0x06AA, HehDoachashmee = 0x06BE,
                   HehWithYehAbove = 0x06C0, HehGoal = 0x06C1, HehGoalWithHamzaAbove = 0x06C2,
                   TehMarbutaGoal = 0x06C3, FarsiYeh = 0x06CC, Ae = 0x06D5;

}  // namespace

Letter letterOf(char32_t c) {
    // Hamza to Ghain, in Unicode's order.
    static constexpr std::array<Letter, unicode::Ghain - unicode::Hamza + 1> first = {
        Hamza, Alef,  AlefHamza, WawHamza, AlefHamza, YehHamza, Alef, Beh,  TehMarbuta,
        Teh,   Theh,  Jeem,      Hah,      Khah,      Dal,      Thal, Reh,  Zain,
        Seen,  Sheen, Sad,       Dad,      Tah,       Zah,      Ain,  Ghain};
    if (c >= unicode::Hamza && c <= unicode::Ghain)
        return first[c - unicode::Hamza];
    switch (c) {
        case unicode::Feh:
            return Feh;
        case unicode::Qaf:
            return Qaf;
        case unicode::Kaf:
        case Keheh:
        case SwashKaf:
            return Kaf;
        case unicode::Lam:
            return Lam;
        case unicode::Meem:
            return Meem;
        case unicode::Noon:
            return Noon;
        case unicode::Heh:
        case HehDoachashmee:
        case HehWithYehAbove:
        case HehGoal:
        case HehGoalWithHamzaAbove:
        case Ae:
            return Heh;
        case unicode::Waw:
            return Waw;
        case unicode::AlefMaksura:
        case unicode::Yeh:
        case FarsiYeh:
            return Yeh;
        case unicode::AlefWasla:
            return Alef;
        case AlefWithWavyHamzaAbove:
        case AlefWithWavyHamzaBelow:
        case HighHamzaAlef:
            return AlefHamza;
        case HighHamzaWaw:
            return WawHamza;
        case HighHamzaYeh:
            return YehHamza;
        case TehMarbutaGoal:
            return TehMarbuta;
        default:
            return LetterCount;
    }
}

// Arabic Presentation Forms-B: each letter has one to four forms, in Unicode's order.
char32_t presentationBase(char32_t c) {
    static constexpr struct {
        char32_t letter;
        int forms;
    } runs[] = {{unicode::Hamza, 1},
                {unicode::AlefWithMaddaAbove, 2},
                {unicode::AlefWithHamzaAbove, 2},
                {unicode::WawWithHamzaAbove, 2},
                {unicode::AlefWithHamzaBelow, 2},
                {unicode::YehWithHamzaAbove, 4},
                {unicode::Alef, 2},
                {unicode::Beh, 4},
                {unicode::TehMarbuta, 2},
                {unicode::Teh, 4},
                {unicode::Theh, 4},
                {unicode::Jeem, 4},
                {unicode::Hah, 4},
                {unicode::Khah, 4},
                {unicode::Dal, 2},
                {unicode::Thal, 2},
                {unicode::Reh, 2},
                {unicode::Zain, 2},
                {unicode::Seen, 4},
                {unicode::Sheen, 4},
                {unicode::Sad, 4},
                {unicode::Dad, 4},
                {unicode::Tah, 4},
                {unicode::Zah, 4},
                {unicode::Ain, 4},
                {unicode::Ghain, 4},
                {unicode::Feh, 4},
                {unicode::Qaf, 4},
                {unicode::Kaf, 4},
                {unicode::Lam, 4},
                {unicode::Meem, 4},
                {unicode::Noon, 4},
                {unicode::Heh, 4},
                {unicode::Waw, 2},
                {unicode::AlefMaksura, 2},
                {unicode::Yeh, 4}};
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

bool isCombiningMark(char32_t c) {
    return (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) ||
           c == unicode::SuperscriptAlef || (c >= 0x06D6 && c <= 0x06DC) ||
           (c >= 0x06DF && c <= 0x06E4) || c == unicode::SmallHighYeh ||
           c == unicode::SmallHighNoon || (c >= 0x06EA && c <= 0x06ED) ||
           (c >= 0x08D3 && c <= 0x08FF && c != 0x08E2);
}

bool belongsToLetterBefore(char32_t c) {
    return isCombiningMark(c) || c == unicode::SmallWaw || c == unicode::SmallYeh ||
           (c >= 0xFE70 && c <= 0xFE7F && c != 0xFE75);
}

bool joinsLetterAfter(char32_t c) {
    switch (letterOf(c)) {
        case Hamza:
        case Alef:
        case AlefHamza:
        case WawHamza:
        case TehMarbuta:
        case Dal:
        case Thal:
        case Reh:
        case Zain:
        case Waw:
        case LetterCount:
            return false;
        default:
            return true;
    }
}

bool isCarrier(char32_t c) {
    return c == unicode::Tatweel || c == unicode::ThinSpace;
}

bool isIgnorable(char32_t c) {
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x061C || c == 0xFEFF || c == 0x00AD;
}

bool isAnnotationSign(char32_t c) {
    return c == 0x06DE || c == 0x06E9 || c == 0x06DD;
}

bool isBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == 0x00A0;
}

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

}  // namespace rules::arabic
