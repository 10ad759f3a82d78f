// Program entry: the main window is built hidden (the translation is unpacked on the way),
// shown by the message loop and torn down when the loop ends; the process then ends with
// exit code 0 after the finalisation of its statics, which frees the rich-edit library. An
// error that escapes, here or in any window callback, ends it through the error box.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <memory>

#include "app/FatalError.h"
#include "app/MessageLoop.h"
#include "toolkit/Application.h"
#include "toolkit/CommonControls.h"
#include "toolkit/Form.h"
#include "ui/Unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    installRuntimeErrorTraps();
    Application::setExceptionHandler(ShowFatalExceptionAndExit);
    // Every basic common-control class, before the first one is created.
    initCommonControls(0xFF);
    try {
        MainWindow* mainWindow = nullptr;
        std::unique_ptr<Form> mainForm = CreateMainWindow(mainWindow, nullptr);
        RunMessageLoop(*mainForm);
    } catch (...) {
        Application::handleException(std::current_exception());
        return 1;
    }
    return 0;
}
