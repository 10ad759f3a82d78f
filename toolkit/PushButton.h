// PushButton: the system push button. A click first gives the button the keyboard focus,
// then runs onClick. Its colour shows as the button's face.
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
    SIZE autoSizeExtra() const override { return SIZE{14, 6}; }

protected:
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
