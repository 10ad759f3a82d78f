// The life of the main window: what is in place when it first becomes visible, the message
// loop and its pump, the close handler, the end of a logon session.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MessageLoop.h"
#include "corpus/FastStrList.h"
#include "tests/win32/ui/RealMainWindow.h"
#include "toolkit/Bitmap.h"

namespace {

// What the window looked like each time it was asked to change its visibility.
struct ShowRecord {
    bool show;
    std::string caption;
    int corpusLines;
};
std::vector<ShowRecord>* showRecords = nullptr;
HWND watchedForm = nullptr;
MainWindow** watchedRecord = nullptr;

// The form's window does not exist before CreateMainWindow: the hook picks it out as soon as
// the record names it.
LRESULT CALLBACK watchShow(int code, WPARAM wParam, LPARAM lParam) {
    if (watchedForm == nullptr && *watchedRecord && (*watchedRecord)->MainForm) {
        watchedForm = (*watchedRecord)->MainForm->handle();
    }
    auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->hwnd == watchedForm && message->message == WM_SHOWWINDOW) {
        MainWindow* w = *watchedRecord;
        showRecords->push_back({message->wParam != 0, textOf(message->hwnd),
                                w && w->corpus ? w->corpus->count() : -1});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Put on the form's release-on-destroy list after the record, so it is released first and
// can still look at the record as the form goes.
struct LastLook {
    struct Seen {
        bool released = false;
        bool closing = false;
        bool dataGone = false;
        bool dataKept = false;
    };
    MainWindow& w;
    Seen& seen;
    ~LastLook() {
        seen.released = true;
        seen.closing = w.closing;
        seen.dataGone = !w.corpus && !w.ResultItems && !w.ResultSurahs && !w.headerBitmap;
        seen.dataKept = w.corpus && w.ResultItems && w.ResultSurahs && w.headerBitmap;
    }
};

}  // namespace

TEST(StartUp, TheWindowIsFirstShownWithItsTitleAndTheWholeTranslationInPlace) {
    std::vector<ShowRecord> records;
    MainWindow* w = nullptr;
    showRecords = &records;
    watchedRecord = &w;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, watchShow, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    std::unique_ptr<Form> form = CreateMainWindow(w, nullptr);
    EXPECT_FALSE(IsWindowVisible(form->handle()));
    form->show();
    UnhookWindowsHookEx(hook);
    watchedForm = nullptr;
    showRecords = nullptr;

    ASSERT_FALSE(records.empty());
    const ShowRecord& first = records.front();
    EXPECT_TRUE(first.show);
    EXPECT_EQ(first.caption, "Nurvela");
    EXPECT_EQ(first.corpusLines, 6236);
    EXPECT_TRUE(IsWindowVisible(form->handle()));
}

using LifeOfTheWindow = RealMainWindow;

TEST_F(LifeOfTheWindow, ACloseRunsReleaseOnCloseEndsTheLoopAndReleasesTheRecordWithTheForm) {
    LastLook::Seen seen;
    form->releaseOnDestroy(std::make_unique<LastLook>(LastLook{*w, seen}));
    PostMessageA(form->handle(), WM_CLOSE, 0, 0);
    RunMessageLoop(*form);

    EXPECT_TRUE(seen.released);
    EXPECT_TRUE(seen.closing);
    EXPECT_TRUE(seen.dataGone);
    EXPECT_EQ(form->handle(), nullptr);
    EXPECT_TRUE(Application::terminated());
    EXPECT_FALSE(Application::running());
    EXPECT_EQ(Application::mainForm(), nullptr);
}

TEST_F(LifeOfTheWindow, TheEndOfALogonSessionDestroysTheWindowWithoutTheCloseHandler) {
    LastLook::Seen seen;
    form->releaseOnDestroy(std::make_unique<LastLook>(LastLook{*w, seen}));
    int normalEnds = 0;
    Application::ExitHandler previous = Application::setExitHandler([&] {
        ++normalEnds;
        PostQuitMessage(0);  // in the program the process ends here
    });
    PostMessageA(form->handle(), WM_ENDSESSION, TRUE, 0);
    RunMessageLoop(*form);
    Application::setExitHandler(previous);

    EXPECT_EQ(normalEnds, 1);
    EXPECT_TRUE(seen.released);
    EXPECT_FALSE(seen.closing);
    EXPECT_TRUE(seen.dataKept);
    EXPECT_EQ(form->handle(), nullptr);
}

TEST_F(LifeOfTheWindow, ReleaseOnCloseLetsGoOfTheDataAndAcceptsTheClose) {
    bool accept = true;
    w->ReleaseOnClose(accept);
    EXPECT_TRUE(accept);
    EXPECT_TRUE(w->closing);
    EXPECT_EQ(w->corpus, nullptr);
    EXPECT_EQ(w->ResultItems, nullptr);
    EXPECT_EQ(w->ResultSurahs, nullptr);
    EXPECT_EQ(w->headerBitmap, nullptr);
    // The window is still there: the close request that follows takes its course.
    EXPECT_NE(form->handle(), nullptr);
}

TEST_F(LifeOfTheWindow, ASecondCloseRequestDoesNotRunTheCloseHandlerAgain) {
    SendMessageA(form->handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->onClose) << "the close handler stays connected";
    EXPECT_EQ(form->handle(), nullptr);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

namespace {

int userMessages = 0;
LRESULT CALLBACK countUserMessages(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        ++userMessages;
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

TEST(MessagePump, HandlesWhatIsWaitingAndNeverWaitsForMore) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = countUserMessages;
    windowClass.lpszClassName = "NurvelaPumpProbe";
    RegisterClassA(&windowClass);
    HWND probe = CreateWindowExA(0, "NurvelaPumpProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(probe, nullptr);
    Application::processMessages();  // nothing waiting: returns at once
    userMessages = 0;

    PostMessageA(probe, WM_USER, 0, 0);
    PostQuitMessage(0);
    PostMessageA(probe, WM_USER, 0, 0);
    EXPECT_FALSE(Application::terminated());
    Application::processMessages();
    EXPECT_TRUE(Application::terminated());
    EXPECT_EQ(userMessages, 2) << "messages around the quit are all handled";
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, nullptr, 0, 0, PM_NOREMOVE)) << "the queue is drained";

    Application::setTerminated(false);
    DestroyWindow(probe);
}
