// An exception escaping from an event handler of the real main window: the error box, exit
// code 1, no close handler, and the rich-edit library still freed on the way out. The
// failing window runs in a child copy of this test program, which writes what it saw on
// its way out to the file named by NURVELA_FATAL_REPORT.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/FatalError.h"
#include "app/MessageLoop.h"
#include "corpus/Exception.h"
#include "tests/win32/app/ChildProcess.h"
#include "tests/win32/ui/RealMainWindow.h"
#include "toolkit/PushButton.h"
#include "toolkit/RichEditLibrary.h"

namespace {

constexpr DWORD Patience = 30000;

// What the child saw; written out by the last exit handler.
bool recordReleased = false;
bool closingWhenReleased = false;
HMODULE richEditLibrary = nullptr;

void writeReport() {
    const char* path = std::getenv("NURVELA_FATAL_REPORT");
    if (path == nullptr) {
        return;
    }
    char name[MAX_PATH] = {};
    bool libraryLoaded =
        richEditLibrary != nullptr && GetModuleFileNameA(richEditLibrary, name, sizeof name) != 0;
    if (FILE* out = std::fopen(path, "w")) {
        std::fprintf(out, "released=%d closing=%d library=%d", recordReleased, closingWhenReleased,
                     libraryLoaded);
        std::fclose(out);
    }
}

struct ReleaseWitness {
    MainWindow& w;
    ~ReleaseWitness() {
        recordReleased = true;
        closingWhenReleased = w.closing;
    }
};

}  // namespace

TEST(FatalChild, DISABLED_ExceptionInAHandler) {
    // Registered before anything the window creates, so it runs after their finalisation.
    std::atexit(writeReport);
    Application::setExceptionHandler(ShowFatalExceptionAndExit);
    MainWindow* w = nullptr;
    std::unique_ptr<Form> form = CreateMainWindow(w, nullptr);
    richEditLibrary = RichEditLibrary::library();
    form->releaseOnDestroy(std::make_unique<ReleaseWitness>(ReleaseWitness{*w}));
    w->SearchButton->onClick = [](Control&) {
        raiseException("Decompression Error -3 - BZ_MEM_ERROR");
    };
    PostMessageA(w->SearchButton->handle(), BM_CLICK, 0, 0);
    RunMessageLoop(*form);
    ADD_FAILURE() << "the loop ended normally";
}

TEST(FatalPath, AnExceptionInAHandlerShowsTheBoxAndEndsWithOneWithoutTheCloseHandler) {
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string report = std::string(folder) + "nurvela-fatal-report.txt";
    DeleteFileA(report.c_str());
    SetEnvironmentVariableA("NURVELA_FATAL_REPORT", report.c_str());
    ChildProcess child(commandLine(testProgramPath(),
                                   "--gtest_also_run_disabled_tests"
                                   " --gtest_filter=FatalChild.DISABLED_ExceptionInAHandler"));
    SetEnvironmentVariableA("NURVELA_FATAL_REPORT", nullptr);
    ASSERT_TRUE(child.started());

    HWND box = child.waitForWindow(isMessageBox, Patience);
    ASSERT_NE(box, nullptr);
    std::string text = messageBoxText(box);
    std::string expectedStart = "Exception Exception in module " + testProgramPath() + " at ";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart) << text;
    EXPECT_NE(text.find(".\nDecompression Error -3 - BZ_MEM_ERROR"), std::string::npos) << text;
    pressOk(box);
    EXPECT_EQ(child.waitForExit(Patience), 1u);

    std::ifstream in(report);
    std::stringstream seen;
    seen << in.rdbuf();
    EXPECT_EQ(seen.str(), "released=1 closing=0 library=0");
    in.close();
    DeleteFileA(report.c_str());
}
