// The mouse wheel turns what is under the pointer. Windows before 10, and Wine, send the
// wheel to the window with the keyboard focus: a reader with the focus in the search box who
// turns the wheel (or Ctrl and the wheel) over the text would scroll (or size) nothing. The
// message pumps hand a wheel message to the window under the pointer instead, when that
// window belongs to the same top-level window and takes input.
#pragma once

#include <windows.h>

// Retargets msg when it is a wheel message meant for another window of the pointer's
// top-level window.
void routeWheelToPointer(MSG& msg);
