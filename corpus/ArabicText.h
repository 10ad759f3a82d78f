#pragma once

class FastStrList;
class Stream;

// Unpacks the packed Arabic text (one bzip2 stream from packed's position to its end: one
// verse a line in mushaf order, UTF-8, CR LF after each) and splits it into arabic, replacing
// what arabic held, once the whole text is known usable: exactly surah::TotalVerses lines,
// each well-formed UTF-8 (utf8::firstInvalid). Any fault, in the stream or in the text,
// raises Exception with a message for the reader and leaves arabic untouched: the Arabic
// view is an addition, and a damaged Arabic resource must cost nothing else.
void UnpackArabicText(Stream& packed, FastStrList& arabic);
