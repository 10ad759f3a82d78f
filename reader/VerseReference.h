#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "corpus/SurahTable.h"

namespace rules {

// What a typed verse reference comes to. Letter case and blanks around the parts do not
// matter. The forms read:
//   2:255   2 255   2.255   2/255   2          (surah number, verse number)
//   QS 2:255   QS. 2:255                        ("QS" or "QS." in front of any form)
//   QS. Al-Baqarah [2]: 255   al-baqarah 255   Baqarah:255   Yasin   2. Al-Baqarah 255
//   (QS. Al-Baqarah [2]: 255)                   (a citation as "Kutip" writes it)
//   juz 30   juz30   j30   juz ke-30   juz amma   juz 'amma        (a juz: 1..30)
//   hal 582   hal. 582   halaman 582   hlm. 582   page 582         (a page of the Madinah
//                                                                    mushaf: 1..604)
// A surah without a verse means its verse 1. Names are matched by MatchSurahName; a name
// given together with a number must name that surah. The words of the juz and page forms
// are no surah's name, nor the start of one ("j" alone is too short for a name).
struct VerseReference {
    enum class Status {
        Found,
        Empty,               // nothing but blanks
        NotAReference,       // none of the forms
        NoSuchSurah,         // a surah number outside 1..114
        UnknownName,         // a name no surah has
        NameTooShort,        // fewer than 3 letters of a name
        AmbiguousName,       // a name several surahs start with
        NoSuchVerse,         // verse 0, or past the surah's last verse
        NameNumberMismatch,  // "Al-Fatihah [2]"
        NoSuchJuz,           // a juz outside 1..30
        NoSuchPage,          // a page outside 1..604
        NotAPart,            // "juz" or "hal" without a number after it
    };
    // What the reference names: a verse (a surah alone names its first verse), a juz or a
    // page. Set for Found, NoSuchJuz, NoSuchPage and NotAPart.
    enum class Kind { Verse, Juz, Page };
    Status status = Status::NotAReference;
    Kind kind = Kind::Verse;
    // Found: the verse; for a juz or a page, its first verse. NoSuchVerse and
    // NameNumberMismatch: the surah meant (verse 0).
    surah::VerseRef verse{0, 0};
    // Found, a juz or a page: its number.
    int part = 0;
    // NoSuchSurah, NoSuchVerse, NoSuchJuz and NoSuchPage: the number as typed, without
    // leading zeros ("0" for zeros only); it may be far too large for any integer type.
    std::string number;
    // UnknownName, NameTooShort, AmbiguousName, NameNumberMismatch: the name as typed.
    std::string name;
    // AmbiguousName: the surahs the name could be, in ascending order.
    std::vector<int> candidates;
};

VerseReference ParseVerseReference(std::string_view text);

// "2:255": how the reader writes a verse reference for the user to edit.
std::string ShortReference(surah::VerseRef verse);

}  // namespace rules
