#include "reader/VerseReferenceMessage.h"

#include <initializer_list>

#include "corpus/MushafTable.h"
#include "reader/Citation.h"

namespace rules {

namespace {

using Status = VerseReference::Status;

// A message box shows this much of what was typed, then "...".
constexpr std::size_t LongestQuote = 40;
constexpr std::size_t LongestNumber = 12;

// The parts one after another. (Built by appending: GCC 12 at -O3 reports a false overlap
// for a literal added in front of a temporary string.)
std::string join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts)
        out.append(part);
    return out;
}

std::string shortened(std::string_view text, std::size_t longest) {
    if (text.size() <= longest)
        return std::string(text);
    return join({text.substr(0, longest), "..."});
}

std::string quoted(std::string_view text) {
    return join({"\"", shortened(text, LongestQuote), "\""});
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view Blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::string nameWithNumber(int s) {
    return join({CitationName(s), " [", std::to_string(s), "]"});
}

}  // namespace

std::string VerseReferenceMessage(const VerseReference& reference, std::string_view typed) {
    const int s = reference.verse.surah;
    switch (reference.status) {
        case Status::Found:
        case Status::Empty:
            return {};
        case Status::NotAReference:
            return join(
                {quoted(trimmed(typed)), " bukan rujukan ayat; contoh: 2:255 atau Al-Baqarah 255"});
        case Status::NoSuchSurah:
            return join({"Surat ", shortened(reference.number, LongestNumber),
                         " tidak ada; surat 1 sampai 114"});
        case Status::UnknownName:
            return join({"Tidak ada surat bernama ", quoted(reference.name)});
        case Status::NameTooShort:
            return join({quoted(reference.name),
                         " terlalu pendek; tulis paling sedikit 3 huruf nama surat"});
        case Status::AmbiguousName: {
            std::string message = join({quoted(reference.name), " cocok dengan beberapa surat: "});
            for (std::size_t i = 0; i < reference.candidates.size(); ++i) {
                if (i > 0)
                    message += ", ";
                message += nameWithNumber(reference.candidates[i]);
            }
            return message;
        }
        case Status::NoSuchVerse: {
            const std::string count = std::to_string(surah::verseCount(s));
            if (reference.number == "0")
                return join({"Ayat 0 tidak ada; ", CitationName(s), " ayat 1 sampai ", count});
            return join({CitationName(s), " hanya ", count, " ayat"});
        }
        case Status::NameNumberMismatch:
            return join({"Surat ", std::to_string(s), " adalah ", CitationName(s), ", bukan ",
                         quoted(reference.name)});
        case Status::NoSuchJuz:
            return join({"Juz ", shortened(reference.number, LongestNumber),
                         " tidak ada; juz 1 sampai ", std::to_string(mushaf::JuzCount)});
        case Status::NoSuchPage:
            return join({"Halaman ", shortened(reference.number, LongestNumber),
                         " tidak ada; halaman 1 sampai ", std::to_string(mushaf::PageCount)});
        case Status::NotAPart:
            if (reference.kind == VerseReference::Kind::Juz)
                return join(
                    {quoted(trimmed(typed)), " bukan rujukan juz; contoh: juz 30 atau juz amma"});
            return join({quoted(trimmed(typed)), " bukan rujukan halaman; contoh: hal. 582"});
    }
    return {};
}

}  // namespace rules
