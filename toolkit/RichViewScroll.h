// Scrolling a rich-text view to a place in its text. Lines here are the lines the control
// shows, after wrapping; positions are character positions as the view counts them.
#pragma once

class RichView;

// The first line the view shows (EM_GETFIRSTVISIBLELINE).
int firstVisibleLine(const RichView& view);
// The line that holds character position (EM_EXLINEFROMCHAR).
int lineOfPosition(const RichView& view, int position);
// Scrolls so that the line holding position is the first one shown, or as near to the top
// as the end of the text lets it come.
void scrollPositionToTop(RichView& view, int position);
