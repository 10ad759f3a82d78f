#pragma once

class FastStrList;

// Unpacks the program's "QRN"/"INDO" resource and splits it into corpus, replacing what
// corpus held. Failures raise Exception and leave corpus untouched.
void LoadCorpus(FastStrList& corpus);
