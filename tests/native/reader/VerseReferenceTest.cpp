#include "reader/VerseReference.h"

#include <gtest/gtest.h>

#include <string>

#include "corpus/SurahTable.h"
#include "reader/Citation.h"
#include "reader/SurahNameMatch.h"
#include "reader/VerseReferenceMessage.h"

using namespace rules;
using Status = VerseReference::Status;

namespace {

surah::VerseRef found(std::string_view text) {
    const VerseReference reference = ParseVerseReference(text);
    EXPECT_EQ(reference.status, Status::Found) << '"' << text << '"';
    return reference.verse;
}

Status statusOf(std::string_view text) {
    return ParseVerseReference(text).status;
}

std::string messageFor(std::string_view text) {
    return VerseReferenceMessage(ParseVerseReference(text), text);
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

TEST(VerseReference, EveryWrittenFormOfAVerseFindsIt) {
    const surah::VerseRef ayatKursi{2, 255};
    for (const char* text : {"2:255",
                             "2 255",
                             "2.255",
                             "2/255",
                             "QS 2:255",
                             "QS. 2:255",
                             "QS. Al-Baqarah [2]: 255",
                             "al-baqarah 255",
                             "Baqarah:255",
                             "baqarah 255",
                             "  2 : 255  ",
                             "2\t255",
                             "qs.2:255",
                             "qs 2 255",
                             "AL-BAQARAH 255",
                             "Al Baqarah 255",
                             "albaqarah 255",
                             "Al-Baqarah [2] 255",
                             "2. Al-Baqarah 255",
                             "2. Al-Baqarah: 255",
                             "(QS. Al-Baqarah [2]: 255)",
                             "( 2:255 )",
                             "002:0255",
                             "QS.Al-Baqarah[2]:255",
                             "baqa 255",
                             "Al-Baqarah / 255",
                             "Baqarah. 255"}) {
        EXPECT_EQ(found(text), ayatKursi) << '"' << text << '"';
    }
}

TEST(VerseReference, ASurahAloneMeansItsFirstVerse) {
    EXPECT_EQ(found("2"), (surah::VerseRef{2, 1}));
    EXPECT_EQ(found("Yasin"), (surah::VerseRef{36, 1}));
    EXPECT_EQ(found("al-kahfi"), (surah::VerseRef{18, 1}));
    EXPECT_EQ(found("QS 114"), (surah::VerseRef{114, 1}));
    EXPECT_EQ(found("Al-Baqarah [2]"), (surah::VerseRef{2, 1}));
    EXPECT_EQ(found("2. Al-Baqarah"), (surah::VerseRef{2, 1}));
    EXPECT_EQ(found("at tahrim"), (surah::VerseRef{66, 1}));
    EXPECT_EQ(found("asysyams"), (surah::VerseRef{91, 1}));
}

TEST(VerseReference, EverySurahIsFoundByNumberAndByEveryWayOfWritingItsName) {
    for (int s = 1; s <= surah::SurahCount; ++s) {
        SCOPED_TRACE(s);
        const std::string display = surah::displayName(s);
        const std::string name(CitationName(s));
        const int last = surah::verseCount(s);
        const std::string lastVerse = std::to_string(last);
        EXPECT_EQ(found(std::to_string(s)), (surah::VerseRef{s, 1}));
        EXPECT_EQ(found(std::to_string(s) + ":" + lastVerse), (surah::VerseRef{s, last}));
        EXPECT_EQ(found(display), (surah::VerseRef{s, 1}));
        EXPECT_EQ(found(name), (surah::VerseRef{s, 1}));
        EXPECT_EQ(found(lowered(name) + " " + lastVerse), (surah::VerseRef{s, last}));
        EXPECT_EQ(found(SurahNameKey(display)), (surah::VerseRef{s, 1}));
        EXPECT_EQ(found("QS. " + name + " [" + std::to_string(s) + "]: " + lastVerse),
                  (surah::VerseRef{s, last}));
        // What "Kutip" writes leads back to the verse.
        EXPECT_EQ(found(FormatCitation({{s, last}})), (surah::VerseRef{s, last}));
    }
}

TEST(VerseReference, EveryVerseOfTheTableComesBackFromItsShortReference) {
    for (int index = 0; index < surah::TotalVerses; ++index) {
        const surah::VerseRef verse = surah::verseAt(index);
        ASSERT_EQ(found(ShortReference(verse)), verse) << index;
    }
    EXPECT_EQ(ShortReference({2, 255}), "2:255");
}

TEST(VerseReference, NamesMatchByUniquePrefixOrWholeKey) {
    EXPECT_EQ(found("baq"), (surah::VerseRef{2, 1}));
    // A whole key wins over the longer keys it starts.
    EXPECT_EQ(found("mumin"), (surah::VerseRef{40, 1}));
    EXPECT_EQ(found("Al-Mu'min"), (surah::VerseRef{40, 1}));
    EXPECT_EQ(found("Al-Mu'minun"), (surah::VerseRef{23, 1}));
    EXPECT_EQ(found("nuh"), (surah::VerseRef{71, 1}));
    EXPECT_EQ(found("ala"), (surah::VerseRef{87, 1}));
    EXPECT_EQ(found("alaq"), (surah::VerseRef{96, 1}));
    // A number resolves a name several surahs share.
    EXPECT_EQ(found("mum [60] 3"), (surah::VerseRef{60, 3}));

    const VerseReference several = ParseVerseReference("mum");
    EXPECT_EQ(several.status, Status::AmbiguousName);
    EXPECT_EQ(several.candidates, (std::vector<int>{23, 40, 60}));
    EXPECT_EQ(several.name, "mum");
    EXPECT_EQ(statusOf("al"), Status::NameTooShort);
    EXPECT_EQ(statusOf("Al-"), Status::NameTooShort);
    EXPECT_EQ(statusOf("ya 3"), Status::NameTooShort);
    EXPECT_EQ(statusOf("xyz"), Status::UnknownName);
    EXPECT_EQ(statusOf("baqarahh 2"), Status::UnknownName);
}

TEST(VerseReference, SurahsAndVersesOutsideTheTableAreNamed) {
    VerseReference reference = ParseVerseReference("115");
    EXPECT_EQ(reference.status, Status::NoSuchSurah);
    EXPECT_EQ(reference.number, "115");
    EXPECT_EQ(ParseVerseReference("0:1").number, "0");
    EXPECT_EQ(ParseVerseReference("000:1").number, "0");
    EXPECT_EQ(ParseVerseReference("00115:1").number, "115");
    EXPECT_EQ(statusOf("QS. Al-Baqarah [115]: 1"), Status::NoSuchSurah);

    reference = ParseVerseReference("2:287");
    EXPECT_EQ(reference.status, Status::NoSuchVerse);
    EXPECT_EQ(reference.verse.surah, 2);
    EXPECT_EQ(reference.number, "287");
    EXPECT_EQ(statusOf("2:0"), Status::NoSuchVerse);
    EXPECT_EQ(statusOf("Yasin 84"), Status::NoSuchVerse);
    EXPECT_EQ(found("Yasin 83"), (surah::VerseRef{36, 83}));

    reference = ParseVerseReference("Al-Fatihah [2]: 3");
    EXPECT_EQ(reference.status, Status::NameNumberMismatch);
    EXPECT_EQ(reference.verse.surah, 2);
    EXPECT_EQ(reference.name, "Al-Fatihah");
    EXPECT_EQ(statusOf("3. Al-Baqarah"), Status::NameNumberMismatch);
}

TEST(VerseReference, NumbersOfAnyLengthNeitherOverflowNorWrap) {
    // 2^32 + 2 and 2^64 + 2 would come out as 2 if they wrapped.
    EXPECT_EQ(statusOf("4294967298:1"), Status::NoSuchSurah);
    EXPECT_EQ(statusOf("18446744073709551618"), Status::NoSuchSurah);
    EXPECT_EQ(statusOf("2:4294967297"), Status::NoSuchVerse);
    const std::string huge(30000, '9');
    EXPECT_EQ(ParseVerseReference(huge).number, huge);
    EXPECT_EQ(ParseVerseReference("2:" + huge).number, huge);
    EXPECT_EQ(found("2:" + std::string(29990, '0') + "255"), (surah::VerseRef{2, 255}));
}

TEST(VerseReference, SignsPunctuationAndStrayTextAreNoReference) {
    for (const char* text : {"-2:255",
                             "+2:255",
                             "2:-255",
                             "2:+255",
                             "2:255:1",
                             "2::255",
                             "2:",
                             ":255",
                             "2:255abc",
                             "2,255",
                             "[2]",
                             "2:255)",
                             "(2:255",
                             "((2:255))",
                             "QS",
                             "QS.",
                             "#@!",
                             "2:2.5",
                             "2 255 3",
                             "2:255-257",
                             "Al-Baqarah 2 3",
                             "Al-Baqarah [2",
                             "Al-Baqarah []",
                             "Al-Baqarah [x]",
                             ".",
                             "\xE9",
                             "2:255\xE9",
                             "2. 255x",
                             "2. !"}) {
        EXPECT_EQ(statusOf(text), Status::NotAReference) << '"' << text << '"';
    }
    EXPECT_EQ(statusOf(std::string_view("2:2\0"
                                        "55",
                                        5)),
              Status::NotAReference);
    EXPECT_EQ(statusOf(""), Status::Empty);
    EXPECT_EQ(statusOf(" \t "), Status::Empty);
}

TEST(VerseReference, LongTextsAreReadToTheEndWithoutHarm) {
    constexpr std::size_t Long = 30000;
    EXPECT_EQ(statusOf(std::string(Long, ' ')), Status::Empty);
    EXPECT_EQ(found("2:255" + std::string(Long, ' ')), (surah::VerseRef{2, 255}));
    EXPECT_EQ(found(std::string(Long, ' ') + "Yasin"), (surah::VerseRef{36, 1}));
    EXPECT_EQ(statusOf(std::string(Long, 'a')), Status::UnknownName);
    // Hyphens do not count in a name, however many.
    EXPECT_EQ(found("baqarah" + std::string(Long, '-') + " 5"), (surah::VerseRef{2, 5}));
    EXPECT_EQ(statusOf(std::string(Long, ':')), Status::NotAReference);
    EXPECT_EQ(statusOf(std::string(Long, '(')), Status::NotAReference);
    std::string words;
    while (words.size() < Long)
        words += "al baqarah ";
    EXPECT_EQ(statusOf(words + "255"), Status::UnknownName);
    std::string mixed;
    for (std::size_t i = 0; i < Long; ++i)
        mixed.push_back(static_cast<char>(1 + i * 7 % 255));
    EXPECT_EQ(statusOf(mixed), Status::NotAReference);
}

TEST(VerseReferenceMessage, SaysInIndonesianWhatIsWrong) {
    EXPECT_EQ(messageFor("115"), "Surat 115 tidak ada; surat 1 sampai 114");
    EXPECT_EQ(messageFor("0:5"), "Surat 0 tidak ada; surat 1 sampai 114");
    EXPECT_EQ(messageFor("2:287"), "Al-Baqarah hanya 286 ayat");
    EXPECT_EQ(messageFor("al-fatihah 8"), "Al-Fatihah hanya 7 ayat");
    EXPECT_EQ(messageFor("2:0"), "Ayat 0 tidak ada; Al-Baqarah ayat 1 sampai 286");
    EXPECT_EQ(messageFor(" xyz! "),
              "\"xyz!\" bukan rujukan ayat; contoh: 2:255 atau Al-Baqarah 255");
    EXPECT_EQ(messageFor("xyz 5"), "Tidak ada surat bernama \"xyz\"");
    EXPECT_EQ(messageFor("al"), "\"al\" terlalu pendek; tulis paling sedikit 3 huruf nama surat");
    EXPECT_EQ(messageFor("mum"),
              "\"mum\" cocok dengan beberapa surat: Al-Mu'minun [23], Al-Mu'min [40], "
              "Al-Mumtahanah [60]");
    EXPECT_EQ(messageFor("QS. Al-Fatihah [2]: 3"),
              "Surat 2 adalah Al-Baqarah, bukan \"Al-Fatihah\"");
    EXPECT_EQ(messageFor("2:255"), "");
    EXPECT_EQ(messageFor(""), "");
}

TEST(VerseReferenceMessage, LongInputIsShortenedInTheMessage) {
    const std::string digits(30000, '7');
    EXPECT_EQ(messageFor(digits), "Surat 777777777777... tidak ada; surat 1 sampai 114");
    EXPECT_EQ(messageFor("2:" + digits), "Al-Baqarah hanya 286 ayat");
    const std::string junk(30000, '#');
    EXPECT_EQ(messageFor(junk), "\"" + std::string(40, '#') +
                                    "...\" bukan rujukan ayat; contoh: 2:255 atau Al-Baqarah 255");
    EXPECT_LT(messageFor(std::string(30000, 'q')).size(), 100u);
}
