// Application: the process state the window layer needs. There is one per process, so the
// class is all static: the module instance, the application main window, the running and
// terminated flags, the message pump and the handler for exceptions that reach a callback.
#pragma once

#include <windows.h>
#include <exception>
#include <functional>

class Form;

class Application {
public:
    using ExceptionHandler = std::function<void(std::exception_ptr)>;
    using ExitHandler = std::function<void()>;

    Application() = delete;

    // The program's own module; resources are looked up in it.
    static HINSTANCE instance();

    // The application main window: long operations pump on its behalf, modal forms use it as
    // owner, and its accepted close posts the quit message. Null when none.
    static Form* mainForm();
    static void setMainForm(Form* form);

    static bool running();
    static void setRunning(bool on);
    static bool terminated();
    static void setTerminated(bool on);

    // Handles every message already in the thread's queue and returns; never waits. WM_QUIT
    // sets terminated and is not dispatched; a key-down that is a shortcut of its form runs
    // the shortcut instead (dispatchShortcut).
    static void processMessages();
    // The message loop on form: running set, form registered and shown, WaitMessage and
    // processMessages until terminated, then running cleared, the window forgotten and the
    // form's window destroyed with its controls and its release-on-destroy list.
    static void run(Form& form);

    // Every window procedure, subclass procedure, hook and stream callback of the program
    // catches whatever is thrown in it and hands it here. The handler set with
    // setExceptionHandler runs (the program shows its fatal error box and exits); if it
    // returns, the callback returns a neutral value. Without a handler the exception is
    // dropped after a debug message.
    static void handleException(std::exception_ptr error);
    // Returns the previous handler, so a test can put it back.
    static ExceptionHandler setExceptionHandler(ExceptionHandler handler);

    // The user's logon is ending (WM_ENDSESSION with a true flag on the main window): running
    // cleared, the main window forgotten and destroyed at once, then the normal end. The
    // normal end is the exit handler: by default std::exit(0), which runs the finalisation of
    // the program's statics and ends the process with code 0. Tests replace it.
    static void endSession();
    static ExitHandler setExitHandler(ExitHandler handler);
};
