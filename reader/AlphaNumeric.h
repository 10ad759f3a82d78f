#pragma once

namespace rules {

// Whether one byte counts as a letter or a digit for the whole-word tests. On Windows
// this is the system's own IsCharAlphaNumericA; elsewhere the table below.
bool isAlphaNumeric(unsigned char c);

// The answers IsCharAlphaNumericA gives for the ANSI code page 1252, as a table that
// every host can use. The Windows tests compare it with the real call byte for byte.
bool alphaNumericInCodePage1252(unsigned char c);

}  // namespace rules
