// CheckBox: the system check box that toggles itself. Transparent check boxes show their
// parent's painting behind the box and the caption.
#pragma once

#include "toolkit/Control.h"

#include <string>

class CheckBox : public Control {
public:
    explicit CheckBox(Control& parent, const std::string& caption = {});

    bool checked() const;
    void setChecked(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

    SIZE autoSizeExtra() const override { return SIZE{scaled(24), scaled(6)}; }

protected:
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void paintTransparentBackground(HDC dc);

    bool transparent_ = false;
};
