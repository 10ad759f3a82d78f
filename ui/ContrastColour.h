#pragma once
#include "toolkit/Colour.h"

// The caption colour for a swatch of colour c: every channel 255 where c's channel is 128 or
// less, 0 where it is 129 or more. A system colour is resolved first.
Colour ContrastColour(Colour c);
