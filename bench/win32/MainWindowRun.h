#pragma once
// What the benchmarks that drive the real main window share: the window, shown and drawn
// once, and a time limit that stops the work running in it as a close would.
#include <windows.h>

#include <memory>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "ui/Unit1.h"

namespace bench {

struct MainWindowRun {
    MainWindow* w = nullptr;
    std::unique_ptr<Form> form;
    MainWindowRun() {
        form = CreateMainWindow(w, nullptr);
        form->show();
        Application::processMessages();
    }
};

// While it lives, the window's work is stopped once the seconds are over: the timer runs in
// the work's own pumps.
class TimeLimit {
public:
    TimeLimit(MainWindow* w, double seconds) {
        window_ = w;
        timer_ = SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), stop);
    }
    ~TimeLimit() {
        KillTimer(nullptr, timer_);
        window_ = nullptr;
    }
    TimeLimit(const TimeLimit&) = delete;
    TimeLimit& operator=(const TimeLimit&) = delete;

private:
    static void CALLBACK stop(HWND, UINT, UINT_PTR, DWORD) {
        if (window_)
            window_->closing = true;
    }
    static inline MainWindow* window_ = nullptr;
    UINT_PTR timer_ = 0;
};

}  // namespace bench
