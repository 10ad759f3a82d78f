// Splitter: a narrow bar between a control aligned to the left (or right) and the rest of its
// parent. Dragging it with the left button changes the width of the control created just
// before it on the same side, and the parent lays its children out again at once. Escape
// during the drag puts the width back where the drag began.
#pragma once

#include "toolkit/Control.h"

class Splitter : public Control {
public:
    explicit Splitter(Control& parent);

    // The smallest width the resized control may get, and the smallest room left for the
    // rest of the parent.
    int minSize() const { return minSize_; }
    int minRest() const { return minRest_; }
    void setMinSizes(int minSize, int minRest);

    bool dragging() const { return target_ != nullptr; }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The aligned sibling created just before this splitter on the same side, or null.
    Control* resizedControl() const;
    void beginDrag(LPARAM where);
    void dragTo(LPARAM where);
    // Ends the drag; `restore` puts back the width the drag began with.
    void endDrag(bool restore);
    int screenX(LPARAM where) const;
    void paint(HDC dc);

    int minSize_ = 0;
    int minRest_ = 0;
    Control* target_ = nullptr;  // the control being resized, while dragging
    int startWidth_ = 0;
    int startX_ = 0;
};
