// EditBox: the system's single-line edit box. Scrolls horizontally as the text grows; drawn in
// its colour and font colour. onKeyDown sees every key before the box does.
#pragma once

#include "toolkit/Control.h"

#include <string>

class EditBox : public Control {
public:
    explicit EditBox(Control& parent, const std::string& text = {});

    // What the box shows now, typing included. (caption() is the text the program set last.)
    std::string text() const;
    void setText(const std::string& text) { setCaption(text); }
    // Selects the whole text, so that typing replaces it.
    void selectAll();

    // On: the sunken 3-D edge. Off: a one-pixel flat border instead.
    bool edge3D() const;
    void setEdge3D(bool on);
};
