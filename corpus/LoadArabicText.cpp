#include "corpus/LoadArabicText.h"

#include <windows.h>

#include "corpus/ArabicText.h"
#include "corpus/MemoryStream.h"
#include "corpus/ResourceStream.h"

void LoadArabicText(FastStrList& arabic) {
    // The translation's sequence (unpackResource) with the check of the text between
    // unpacking and splitting; a missing resource arrives as an empty stream and fails there.
    MemoryStream packed;
    resourceToStream(packed, GetModuleHandleA(nullptr), "ARAB", "QRN");
    packed.seek(0, Stream::Origin::Begin);
    UnpackArabicText(packed, arabic);
}
