// EditBox: the system's single-line edit box. Scrolls horizontally as the text grows; drawn in
// its colour and font colour. onKeyDown sees every key before the box does.
#pragma once

#include "toolkit/Control.h"

#include <optional>
#include <string>

class EditBox : public Control {
public:
    // Ansi: the box holds text of the ANSI code page, like every other control. Unicode: the
    // box of the class's Unicode form, which takes any character typed with any keyboard
    // layout or pasted (the search box, where Arabic is typed); text() gives its ANSI form.
    enum class Characters { Ansi, Unicode };

    explicit EditBox(Control& parent, const std::string& text = {},
                     Characters characters = Characters::Ansi);

    // What the box shows now, typing included, in the ANSI code page: a character outside it
    // comes out as '?'. (caption() is the text the program set last.)
    std::string text() const;
    void setText(const std::string& text) { setCaption(text); }
    // What the box shows now, every character as it is.
    std::wstring unicodeText() const;
    // What the box shows now in the ANSI code page when every character has a place there;
    // nothing when one has not (text() would give a '?' for it): a lone surrogate half, a
    // letter of another script.
    std::optional<std::string> exactAnsiText() const { return exactAnsi(unicodeText()); }
    // The same for any text.
    static std::optional<std::string> exactAnsi(const std::wstring& text);
    // Selects the whole text, so that typing replaces it.
    void selectAll();

    // On: the sunken 3-D edge. Off: a one-pixel flat border instead.
    bool edge3D() const;
    void setEdge3D(bool on);
};
