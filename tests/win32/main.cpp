// Entry of the Windows test program. It runs on the GUI thread like the reader itself,
// so windows, message pumps and modal dialogs behave as they do for a user.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    InitCommonControls();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
