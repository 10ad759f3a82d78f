#include "toolkit/Application.h"

#include "toolkit/WheelRouting.h"

#include "toolkit/Form.h"
#include "toolkit/ShortcutTable.h"

#include <cstdlib>
#include <utility>

namespace {

// The process state of the window layer, as the program's frame describes it.
struct ProcessState {
    Form* mainForm = nullptr;
    bool running = false;
    bool terminated = false;
    Application::ExceptionHandler exceptionHandler;
    Application::ExitHandler exitHandler;
};

ProcessState& state() {
    static ProcessState s;
    return s;
}

}  // namespace

HINSTANCE Application::instance() {
    return GetModuleHandleA(nullptr);
}

Form* Application::mainForm() {
    return state().mainForm;
}

void Application::setMainForm(Form* form) {
    state().mainForm = form;
}

bool Application::running() {
    return state().running;
}

void Application::setRunning(bool on) {
    state().running = on;
}

bool Application::terminated() {
    return state().terminated;
}

void Application::setTerminated(bool on) {
    state().terminated = on;
}

// The pumps take and dispatch messages in their Unicode form: a character typed into a
// Unicode window (the search box) with a keyboard layout outside the ANSI code page reaches it
// whole, where the ANSI form would have made it '?' on the way. An ANSI window still gets its
// messages in ANSI form: the system converts them when it dispatches.
void Application::processMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            state().terminated = true;
            continue;
        }
        routeWheelToPointer(msg);
        if (dispatchShortcut(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Application::run(Form& form) {
    state().running = true;
    state().mainForm = &form;
    form.show();
    while (!state().terminated) {
        WaitMessage();
        processMessages();
    }
    state().running = false;
    state().mainForm = nullptr;
    form.destroy();
}

void Application::handleException(std::exception_ptr error) {
    // A copy: the handler may replace itself.
    ExceptionHandler handler = state().exceptionHandler;
    if (handler) {
        handler(std::move(error));
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        OutputDebugStringA(e.what());
    } catch (...) {
        OutputDebugStringA("unknown exception in a window callback");
    }
}

Application::ExceptionHandler Application::setExceptionHandler(ExceptionHandler handler) {
    return std::exchange(state().exceptionHandler, std::move(handler));
}

void Application::endSession() {
    state().running = false;
    Form* form = std::exchange(state().mainForm, nullptr);
    if (form) {
        form->destroy();
    }
    ExitHandler exitHandler = state().exitHandler;
    if (exitHandler) {
        exitHandler();
    } else {
        std::exit(0);
    }
}

Application::ExitHandler Application::setExitHandler(ExitHandler handler) {
    return std::exchange(state().exitHandler, std::move(handler));
}
