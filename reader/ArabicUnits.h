#pragma once
#include <cstdint>

#include "reader/ArabicFold.h"

// The kinds of verse unit (see unitRule in reader/ArabicFold.h). Units 0 to WordBreak stand
// for their own letter; these names add the units that stand for several letters or may be
// left out, the mushaf's special spellings.
namespace rules::arabic::unit {

constexpr std::uint8_t PlainAlef = Alef;  // ا ٱ آ: alef, and alef with hamza typed for it
constexpr std::uint8_t Blank = WordBreak;
constexpr std::uint8_t PlainYeh = Yeh;
constexpr std::uint8_t PlainTeh = Teh;
constexpr std::uint8_t AlefWithHamza = LetterCount;       // أ إ
constexpr std::uint8_t WawWithHamza = AlefWithHamza + 1;  // ؤ
// ؤ where ordinary spelling may write أ: before a silent alef (ٱلۡمَلَؤُاْ, a final hamza),
// and in يَبۡنَؤُمَّ (يا ابن أم).
constexpr std::uint8_t WawOrAlefWithHamza = WawWithHamza + 1;
constexpr std::uint8_t YehWithHamza = WawOrAlefWithHamza + 1;  // ئ
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
constexpr std::uint8_t OpenTeh = MaksuraAsAlef + 1;    // the open ta of رَحۡمَتَ: ت or ة
constexpr std::uint8_t SuperscriptAlef = OpenTeh + 1;  // ٰ: an alef to be typed
constexpr std::uint8_t OptionalAlef = SuperscriptAlef + 1;
constexpr std::uint8_t OptionalWaw = OptionalAlef + 1;
constexpr std::uint8_t OptionalYeh = OptionalWaw + 1;
constexpr std::uint8_t OptionalNoon = OptionalYeh + 1;
constexpr std::uint8_t OptionalLam = OptionalNoon + 1;
constexpr std::uint8_t OptionalBreak = OptionalLam + 1;  // in words the mushaf joins: يَٰٓأَيُّهَا
// A final ا or ى that ordinary spelling writes the other way: رَءَا (رأى), ٱلۡأَقۡصَا
// (الأقصى), يَٰحَسۡرَتَىٰ (يا حسرتا).
constexpr std::uint8_t AlefOrYeh = OptionalBreak + 1;
constexpr std::uint8_t SadOrSeen = AlefOrYeh + 1;   // ص with a small seen above: بَصۜۡطَة
constexpr std::uint8_t TanwinAlef = SadOrSeen + 1;  // the alef after fathatan: لُّدّٗا
constexpr std::uint8_t Count = TanwinAlef + 1;

}  // namespace rules::arabic::unit
