#pragma once
// Answers a modal dialog from inside a test while the code under test is blocked in the
// modal call. A CBT hook on the current thread sees each dialog ("#32770") being activated;
// once the dialog's own modal loop runs and has shown it, the callback of the first matching
// answer is called with the dialog's handle. It can read texts, fill fields and press a button
// (posted, so the dialog closes after the callback returns).
//
//     ModalAnswer answer(ModalAnswer::Kind::SaveDialog, [](HWND dialog) {
//         ModalAnswer::setFileName(dialog, "out");
//         ModalAnswer::press(dialog, IDOK);
//     });
//     EXPECT_TRUE(saveDialog.execute());
//     EXPECT_EQ(answer.answered(), 1);
//
// A dialog that no live answer matches is cancelled at once and its text recorded in
// unexpected() of every live answer, so a test never hangs on a box nobody expected.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ModalAnswer {
public:
    enum class Kind { AnyDialog, MessageBox, ColourChooser, SaveDialog };
    using Callback = std::function<void(HWND dialog)>;

    // Any dialog.
    explicit ModalAnswer(Callback callback);
    ModalAnswer(Kind kind, Callback callback);
    // A message box whose text is exactly `text`.
    ModalAnswer(std::string text, Callback callback);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    // How many dialogs this answer has handled.
    int answered() const { return answered_; }
    // Message texts (or captions) of dialogs that no answer matched and that were cancelled.
    const std::vector<std::string>& unexpected() const { return unexpected_; }

    static Kind kindOf(HWND dialog);

    // Reading and pressing.
    static std::string caption(HWND dialog);
    static std::string text(HWND dialog, int id);
    static std::string messageText(HWND messageBox);
    static void setText(HWND dialog, int id, const std::string& text);
    // WM_COMMAND for button `id`, posted as the button itself would send it.
    static void press(HWND dialog, int id);
    // BM_CLICK, posted to the button.
    static void click(HWND dialog, int id);

    // The save dialog: file name field and file-type list (0-based entries).
    static std::string fileName(HWND saveDialog);
    static void setFileName(HWND saveDialog, const std::string& name);
    static int fileType(HWND saveDialog);
    static std::vector<std::string> fileTypes(HWND saveDialog);
    static void chooseFileType(HWND saveDialog, int index);

    // The colour chooser: the colour its red, green and blue fields show.
    static COLORREF colour(HWND chooser);
    static void setColour(HWND chooser, COLORREF colour);
    // Clicks custom colour slot `slot` (0..15), which makes it the chooser's colour.
    static void pickCustomColour(HWND chooser, int slot);

private:
    bool matches(HWND dialog) const;
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK deliver(HWND dialog, UINT, UINT_PTR timer, DWORD);

    Kind kind_;
    std::string text_;
    bool byText_ = false;
    Callback callback_;
    int answered_ = 0;
    std::vector<std::string> unexpected_;
    std::vector<HWND> seen_;
    HHOOK hook_ = nullptr;
};
