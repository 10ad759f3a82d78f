#include "corpus/ArabicText.h"

#include "corpus/Decompress.h"
#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "corpus/MemoryStream.h"
#include "corpus/SurahTable.h"
#include "corpus/Utf8.h"

namespace {

constexpr const char* Unreadable = "Teks Arab tidak dapat dibaca: ";

}  // namespace

void UnpackArabicText(Stream& packed, FastStrList& arabic) {
    MemoryStream unpacked;
    try {
        DecompressStream(packed, unpacked);
    } catch (const Exception& e) {
        raiseException(Unreadable + e.message());
    }
    unpacked.seek(0, Stream::Origin::Begin);
    FastStrList lines;
    lines.loadFromStream(unpacked);
    if (lines.count() != surah::TotalVerses) {
        raiseExceptionF("%s%d baris, seharusnya %d.", Unreadable, lines.count(),
                        surah::TotalVerses);
    }
    for (int i = 0; i < lines.count(); ++i) {
        const std::size_t bad = utf8::firstInvalid(lines.view(i));
        if (bad != std::string_view::npos) {
            const surah::VerseRef verse = surah::verseAt(i);
            raiseExceptionF("%sayat %d:%d bukan UTF-8 yang sah (byte ke-%u).", Unreadable,
                            verse.surah, verse.verse, static_cast<unsigned>(bad + 1));
        }
    }
    arabic.swap(lines);
}
