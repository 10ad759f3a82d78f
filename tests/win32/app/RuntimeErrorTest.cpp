// Faults that never become a C++ exception: the plain "Runtime error" box and the error's
// number as exit code. The faults happen in a child copy of this test program.
#include <windows.h>
#include <gtest/gtest.h>

#include <exception>
#include <string>

#include "app/FatalError.h"
#include "tests/win32/app/ChildProcess.h"

namespace {
constexpr DWORD Patience = 30000;
}  // namespace

// Run as a child of the test below: a fault outside the exception mapping.
TEST(RuntimeErrorChild, DISABLED_Terminate) {
    installRuntimeErrorTraps();
    std::terminate();
}

TEST(RuntimeErrorChild, DISABLED_AccessViolation) {
    installRuntimeErrorTraps();
    *static_cast<volatile int*>(nullptr) = 1;
}

TEST(RuntimeError, FaultsOutsideTheExceptionMappingShowTheRuntimeErrorBox) {
    struct Case {
        const char* test;
        DWORD exitCode;
    };
    for (Case c : {Case{"Terminate", 217}, Case{"AccessViolation", 216}}) {
        SCOPED_TRACE(c.test);
        std::string filter = std::string("--gtest_filter=RuntimeErrorChild.DISABLED_") + c.test;
        ChildProcess child(
            commandLine(testProgramPath(),
                        "--gtest_also_run_disabled_tests --gtest_catch_exceptions=0 " + filter));
        ASSERT_TRUE(child.started());
        HWND box = child.waitForWindow(isMessageBox, Patience);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(windowText(box), "Error");
        std::string text = messageBoxText(box);
        std::string expected = "Runtime error " + std::to_string(c.exitCode) + " at ";
        EXPECT_EQ(text.substr(0, expected.size()), expected) << text;
        EXPECT_EQ(text.size(), expected.size() + 2 * sizeof(void*)) << text;
        EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF", expected.size()), std::string::npos)
            << text;
        pressOk(box);
        EXPECT_EQ(child.waitForExit(Patience), c.exitCode);
    }
}
