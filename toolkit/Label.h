// Label: one line of text in the label's font and font colour. Transparent labels show their
// parent's painting around the letters.
#pragma once

#include "toolkit/Control.h"

#include <string>

class Label : public Control {
public:
    explicit Label(Control& parent, const std::string& caption = {});

    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    // Shows the label and hides it again after the given time; a later call starts the time
    // anew.
    void showFor(UINT milliseconds);

    SIZE autoSizeExtra() const override { return SIZE{scaled(1), scaled(1)}; }
    void paintBackground(HDC dc) override;

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool transparent_ = false;
};
