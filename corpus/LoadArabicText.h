#pragma once

class FastStrList;

// Unpacks the program's "QRN"/"ARAB" resource, the Arabic text, into arabic (one verse a
// line, UTF-8), replacing what arabic held. Called when the Arabic view is first asked for,
// never at start-up. Failures raise Exception (UnpackArabicText) and leave arabic untouched.
void LoadArabicText(FastStrList& arabic);
