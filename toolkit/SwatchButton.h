// SwatchButton: an owner-drawn button that shows a colour. The face is filled with the
// button's colour and the caption is centred in the font colour; no edge at rest, a raised
// edge while the mouse is over it, a sunken edge with the caption one pixel right and down
// while pressed. It never takes the keyboard focus; a click fires when the button is released
// over it (BM_CLICK works too).
#pragma once

#include "toolkit/Control.h"

#include <string>

class SwatchButton : public Control {
public:
    enum class Look { Rest, Hot, Pressed };

    explicit SwatchButton(Control& parent, const std::string& caption = {});

    // What the button shows now (and drew last).
    Look look() const;

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void draw(const DRAWITEMSTRUCT& item);
    bool cursorInside(LPARAM lParam) const;

    bool hot_ = false;       // the mouse is over the button
    bool tracking_ = false;  // the left button went down on it and the capture is held
    bool pressedInside_ = false;
};
