#include "reader/ArabicUnits.h"

#include <array>
#include <initializer_list>

namespace rules::arabic {

namespace {

constexpr LetterSet bit(Letter l) {
    return LetterSet{1} << l;
}
constexpr LetterSet set(std::initializer_list<Letter> letters) {
    LetterSet s = 0;
    for (Letter l : letters)
        s |= bit(l);
    return s;
}

const std::array<UnitRule, unit::Count>& rules() {
    using namespace unit;
    static const std::array<UnitRule, Count> table = [] {
        std::array<UnitRule, Count> t{};
        for (int l = 0; l < LetterCount; ++l)
            t[l] = {bit(static_cast<Letter>(l)), false, l == WordBreak};
        t[PlainAlef] = {set({Alef, AlefHamza}), false, false};
        t[AlefWithHamza] = {set({Alef, AlefHamza, Hamza}), false, false};
        t[WawWithHamza] = {set({Waw, WawHamza, Hamza}), false, false};
        t[WawOrAlefWithHamza] = {set({Waw, WawHamza, Hamza, AlefHamza, Alef}), false, false};
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
        t[TanwinAlef] = t[PlainAlef];
        return t;
    }();
    return table;
}

}  // namespace

const UnitRule& unitRule(std::uint8_t u) {
    return rules()[u < unit::Count ? u : unit::Blank];
}

std::size_t unitKinds() {
    return unit::Count;
}

}  // namespace rules::arabic
