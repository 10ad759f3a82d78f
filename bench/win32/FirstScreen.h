#pragma once
// When the reading view's first screen after a change of its content has been drawn: the end
// of the view's first paint with text once its content was replaced. A message posted when
// that WM_PAINT is taken from the queue is taken right after it has been handled.
#include <windows.h>

#include <cstdint>

#include "bench/win32/ChildMeasure.h"
#include "toolkit/Application.h"
#include "toolkit/RichView.h"

namespace bench {

// The end of the view's first paint once its content has been replaced.
class FirstScreen {
public:
    explicit FirstScreen(const RichView& view)
        : view_(view), generation_(view.contentGeneration()) {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_GETMESSAGE, watch, nullptr, GetCurrentThreadId());
    }
    ~FirstScreen() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    FirstScreen(const FirstScreen&) = delete;
    FirstScreen& operator=(const FirstScreen&) = delete;
    // When the first screen was drawn; when the work ended before it was, its content is
    // drawn now, as the message loop would draw it next.
    double at() {
        if (at_ < 0) {
            Application::processMessages();
            if (at_ < 0)
                at_ = nowMs();
        }
        return at_;
    }

private:
    static constexpr UINT Painted = WM_APP + 0x3a;
    static LRESULT CALLBACK watch(int code, WPARAM removed, LPARAM lParam) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (FirstScreen* self = current_; code == HC_ACTION && self) {
            // The view may be emptied and drawn empty first (a search clears it before it
            // scans): the first screen is the first one with text.
            if (msg->message == WM_PAINT && !self->posted_ && msg->hwnd == self->view_.handle() &&
                self->view_.contentGeneration() != self->generation_ &&
                GetWindowTextLengthW(msg->hwnd) > 0) {
                self->posted_ = true;
                PostThreadMessageA(GetCurrentThreadId(), Painted, 0, 0);
            } else if (msg->message == Painted && msg->hwnd == nullptr && removed == PM_REMOVE &&
                       self->at_ < 0) {
                self->at_ = nowMs();
            }
        }
        return CallNextHookEx(nullptr, code, removed, lParam);
    }

    static inline FirstScreen* current_ = nullptr;
    const RichView& view_;
    std::uint32_t generation_;
    HHOOK hook_ = nullptr;
    bool posted_ = false;
    double at_ = -1;
};

}  // namespace bench
