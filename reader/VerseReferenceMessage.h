#pragma once
#include <string>
#include <string_view>

#include "reader/VerseReference.h"

namespace rules {

// What the "Ke Ayat" window tells the user about a reference it cannot go to, in
// Indonesian; typed is the text as the user wrote it. Typed texts and numbers are
// shortened in the message when they are long. Empty for a reference that was found and
// for an empty text, which need no message.
std::string VerseReferenceMessage(const VerseReference& reference, std::string_view typed);

}  // namespace rules
