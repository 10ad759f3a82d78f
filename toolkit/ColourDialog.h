#pragma once
// A reusable colour chooser: the system's colour dialog with an owner, a current colour and
// sixteen custom colour slots that live as long as the object. Not a control: it owns no
// window of its own; the dialog exists only while execute() runs.
#include <windows.h>

#include <array>

class ColourDialog {
public:
    static constexpr int CustomSlots = 16;

    // Owner of the dialog while it runs; null means the dialog has no owner.
    HWND owner = nullptr;
    // The colour the next run starts on; a confirmed run stores the chosen colour here.
    COLORREF colour = 0;
    // Opens with the custom-colour section expanded.
    bool fullOpen = true;
    // Handed to the dialog by address, so that changes the user makes there last until the
    // object goes away. All white at creation.
    std::array<COLORREF, CustomSlots> customColours;

    ColourDialog();

    // Shows the dialog modally. True when the user confirmed a colour (now in `colour`);
    // false on cancel or failure, which leaves `colour` unchanged.
    bool execute();
};
