// PushButton: the system push button. A click first gives the button the keyboard focus,
// then runs onClick. Until a colour is set it keeps the system's look; once setColour has
// been called the face is painted in that colour (caption in the font colour, the flat frame
// or the 3-D edge, the pushed and focus states), since the system button ignores colours.
#pragma once

#include "toolkit/Control.h"

#include <string>

class PushButton : public Control {
public:
    explicit PushButton(Control& parent, const std::string& caption = {});

    bool flat() const;
    // The flat look (BS_FLAT): a one-pixel frame instead of the 3-D bevel.
    void setFlat(bool on);

    void setColour(Colour c) override;
    SIZE autoSizeExtra() const override { return SIZE{scaled(14), scaled(6)}; }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void paintFace(HDC dc);

    bool ownFace_ = false;  // a colour was set: the face is painted here
};
