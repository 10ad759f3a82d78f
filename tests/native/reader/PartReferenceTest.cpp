// "Ke Ayat" with a juz or a page of the Madinah mushaf: the forms a reader types, what they
// lead to, the numbers outside the mushaf, and that none of the words can be read as a surah.
#include <gtest/gtest.h>

#include <string>

#include "corpus/MushafTable.h"
#include "reader/SurahNameMatch.h"
#include "reader/VerseReference.h"
#include "reader/VerseReferenceMessage.h"

using namespace rules;
using Status = VerseReference::Status;
using Kind = VerseReference::Kind;

namespace {

std::string messageFor(std::string_view text) {
    return VerseReferenceMessage(ParseVerseReference(text), text);
}

}  // namespace

TEST(PartReference, EveryFormOfAJuzFindsIt) {
    for (const char* text :
         {"juz 30", "Juz 30", "JUZ 30", "juz30", "j30", "J 30", "juz. 30", "  juz  30  ",
          "juz ke-30", "Juz ke 30", "juz ke30", "juz 030", "juz amma", "Juz 'Amma", "juz `amma",
          "juz \x92"
          "amma",
          "juz'amma", "JUZ AMMA"}) {
        const VerseReference reference = ParseVerseReference(text);
        EXPECT_EQ(reference.status, Status::Found) << '"' << text << '"';
        EXPECT_EQ(reference.kind, Kind::Juz) << text;
        EXPECT_EQ(reference.part, 30) << text;
        EXPECT_EQ(reference.verse, (surah::VerseRef{78, 1})) << text;
    }
    for (int j = 1; j <= mushaf::JuzCount; ++j) {
        const VerseReference reference = ParseVerseReference("juz " + std::to_string(j));
        ASSERT_EQ(reference.status, Status::Found) << j;
        EXPECT_EQ(reference.part, j);
        EXPECT_EQ(surah::corpusIndex(reference.verse.surah, reference.verse.verse),
                  mushaf::juzStart(j));
    }
    EXPECT_EQ(ParseVerseReference("juz 2").verse, (surah::VerseRef{2, 142}));
}

TEST(PartReference, EveryFormOfAPageLeadsToItsFirstVerse) {
    for (const char* text : {"hal 582", "hal. 582", "Hal.582", "halaman 582", "HALAMAN 582",
                             "hlm 582", "hlm. 582", "page 582", "hal582", "halaman ke-582"}) {
        const VerseReference reference = ParseVerseReference(text);
        EXPECT_EQ(reference.status, Status::Found) << '"' << text << '"';
        EXPECT_EQ(reference.kind, Kind::Page) << text;
        EXPECT_EQ(reference.part, 582) << text;
        EXPECT_EQ(reference.verse, (surah::VerseRef{78, 1})) << text;
    }
    EXPECT_EQ(ParseVerseReference("hal 1").verse, (surah::VerseRef{1, 1}));
    EXPECT_EQ(ParseVerseReference("hal 2").verse, (surah::VerseRef{2, 1}));
    EXPECT_EQ(ParseVerseReference("hal 604").verse, (surah::VerseRef{112, 1}));
    // A verse reference stays one.
    EXPECT_EQ(ParseVerseReference("2:255").kind, Kind::Verse);
    EXPECT_EQ(ParseVerseReference("Yasin").kind, Kind::Verse);
}

TEST(PartReference, NumbersOutsideTheMushafAreNamedWithTheRange) {
    const VerseReference juz31 = ParseVerseReference("juz 31");
    EXPECT_EQ(juz31.status, Status::NoSuchJuz);
    EXPECT_EQ(juz31.number, "31");
    EXPECT_EQ(ParseVerseReference("juz 0").status, Status::NoSuchJuz);
    EXPECT_EQ(ParseVerseReference("hal 605").status, Status::NoSuchPage);
    EXPECT_EQ(ParseVerseReference("hal 0").status, Status::NoSuchPage);
    EXPECT_EQ(messageFor("juz 31"), "Juz 31 tidak ada; juz 1 sampai 30");
    EXPECT_EQ(messageFor("juz 0"), "Juz 0 tidak ada; juz 1 sampai 30");
    EXPECT_EQ(messageFor("juz 000"), "Juz 0 tidak ada; juz 1 sampai 30");
    EXPECT_EQ(messageFor("hal 605"), "Halaman 605 tidak ada; halaman 1 sampai 604");
    EXPECT_EQ(messageFor("page 0"), "Halaman 0 tidak ada; halaman 1 sampai 604");
    // Far past any integer: neither wrapped into range nor copied whole into the message.
    const std::string huge = "juz " + std::string(40, '9');
    EXPECT_EQ(ParseVerseReference(huge).status, Status::NoSuchJuz);
    EXPECT_EQ(messageFor(huge), "Juz 999999999999... tidak ada; juz 1 sampai 30");
    EXPECT_EQ(ParseVerseReference("juz 4294967326").status, Status::NoSuchJuz);
}

TEST(PartReference, TheWordsWithoutANumberSayWhatIsMissing) {
    for (const char* text : {"juz", "juz abc", "juz 3:5", "juz 30 2", "j", "juz ke", "juz -3"}) {
        const VerseReference reference = ParseVerseReference(text);
        EXPECT_EQ(reference.status, Status::NotAPart) << '"' << text << '"';
        EXPECT_EQ(reference.kind, Kind::Juz) << text;
    }
    for (const char* text : {"hal", "halaman x", "page 2:5", "hal. amma"}) {
        const VerseReference reference = ParseVerseReference(text);
        EXPECT_EQ(reference.status, Status::NotAPart) << '"' << text << '"';
        EXPECT_EQ(reference.kind, Kind::Page) << text;
    }
    EXPECT_EQ(messageFor(" juz abc "),
              "\"juz abc\" bukan rujukan juz; contoh: juz 30 atau juz amma");
    EXPECT_EQ(messageFor("hal x"), "\"hal x\" bukan rujukan halaman; contoh: hal. 582");
}

TEST(PartReference, NoWordOfTheFormsCanBeASurahName) {
    // Each word, were it read as a name, would find no surah: the forms take nothing away
    // from the names. "j" alone is shorter than any name may be typed.
    for (const char* word : {"juz", "hal", "halaman", "hlm", "page", "amma"}) {
        const SurahNameMatch match = MatchSurahName(word);
        EXPECT_TRUE(match.surahs.empty()) << word;
    }
    EXPECT_TRUE(MatchSurahName("j").tooShort);
    // Names that start like the words are still names.
    EXPECT_EQ(ParseVerseReference("jin 5").verse, (surah::VerseRef{72, 5}));
    EXPECT_EQ(ParseVerseReference("Al-Jum'ah 2").verse, (surah::VerseRef{62, 2}));
    EXPECT_EQ(ParseVerseReference("hajj 5").verse, (surah::VerseRef{22, 5}));
    EXPECT_EQ(ParseVerseReference("jinn 3").verse, (surah::VerseRef{72, 3}));
    EXPECT_EQ(ParseVerseReference("Al-Haqqah").verse, (surah::VerseRef{69, 1}));
    EXPECT_EQ(ParseVerseReference("jurnal").status, Status::UnknownName);
}
