#include "toolkit/ColourDialog.h"

#include <commdlg.h>

ColourDialog::ColourDialog() {
    customColours.fill(RGB(255, 255, 255));
}

bool ColourDialog::execute() {
    CHOOSECOLORA record{};
    record.lStructSize = sizeof(record);
    record.hwndOwner = owner;
    record.rgbResult = colour;
    record.lpCustColors = customColours.data();
    record.Flags = CC_RGBINIT | (fullOpen ? CC_FULLOPEN : 0);
    if (!ChooseColorA(&record)) {
        return false;
    }
    colour = record.rgbResult;
    return true;
}
