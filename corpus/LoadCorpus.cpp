#include "corpus/LoadCorpus.h"

#include "corpus/FastStrList.h"
#include "corpus/MemoryStream.h"
#include "corpus/ResourceStream.h"

void LoadCorpus(FastStrList& corpus) {
    MemoryStream unpacked;
    unpackResource("INDO", "QRN", unpacked);
    corpus.loadFromStream(unpacked, false);
}
