#include "reader/VerseReferenceMessage.h"

#include "reader/Citation.h"

namespace rules {

namespace {

using Status = VerseReference::Status;

// A message box shows this much of what was typed, then "...".
constexpr std::size_t LongestQuote = 40;
constexpr std::size_t LongestNumber = 12;

std::string shortened(std::string_view text, std::size_t longest) {
    if (text.size() <= longest)
        return std::string(text);
    return std::string(text.substr(0, longest)) + "...";
}

std::string quoted(std::string_view text) {
    return "\"" + shortened(text, LongestQuote) + "\"";
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view Blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::string nameWithNumber(int s) {
    return std::string(CitationName(s)) + " [" + std::to_string(s) + "]";
}

}  // namespace

std::string VerseReferenceMessage(const VerseReference& reference, std::string_view typed) {
    const int s = reference.verse.surah;
    switch (reference.status) {
        case Status::Found:
        case Status::Empty:
            return {};
        case Status::NotAReference:
            return quoted(trimmed(typed)) +
                   " bukan rujukan ayat; contoh: 2:255 atau Al-Baqarah 255";
        case Status::NoSuchSurah:
            return "Surat " + shortened(reference.number, LongestNumber) +
                   " tidak ada; surat 1 sampai 114";
        case Status::UnknownName:
            return "Tidak ada surat bernama " + quoted(reference.name);
        case Status::NameTooShort:
            return quoted(reference.name) +
                   " terlalu pendek; tulis paling sedikit 3 huruf nama surat";
        case Status::AmbiguousName: {
            std::string message = quoted(reference.name) + " cocok dengan beberapa surat: ";
            for (std::size_t i = 0; i < reference.candidates.size(); ++i) {
                if (i > 0)
                    message += ", ";
                message += nameWithNumber(reference.candidates[i]);
            }
            return message;
        }
        case Status::NoSuchVerse: {
            const std::string name(CitationName(s));
            const std::string count = std::to_string(surah::verseCount(s));
            if (reference.number == "0")
                return "Ayat 0 tidak ada; " + name + " ayat 1 sampai " + count;
            return name + " hanya " + count + " ayat";
        }
        case Status::NameNumberMismatch:
            return "Surat " + std::to_string(s) + " adalah " + std::string(CitationName(s)) +
                   ", bukan " + quoted(reference.name);
    }
    return {};
}

}  // namespace rules
