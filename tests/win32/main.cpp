// Entry of the Windows test program. It runs on the GUI thread like the reader itself,
// so windows, message pumps and modal dialogs behave as they do for a user.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    InitCommonControls();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // A run that tested nothing (a filter that matches no test, say) proves nothing: it fails.
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no test ran: the filter matches no test\n");
        return 1;
    }
    return result;
}
