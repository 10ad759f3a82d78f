// "Kutip": the view's selection as plain text on the clipboard, followed by the citation of
// the verses it touches; with nothing selected, the verse at the caret. With the Arabic shown,
// every verse touched with its own Arabic text above its translation, as Unicode text and RTF.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "reader/ArabicCitation.h"
#include "reader/Citation.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Form.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

void MainWindow::CopyWithCitationCommand() {
    const CHARRANGE selection = ReadingView->getSelection();
    const auto position = [](LONG p) { return static_cast<std::size_t>(std::max<LONG>(0, p)); };
    // Nothing to copy leaves the clipboard as it was, as "Copy" does.
    if (arabicShown) {
        if (!arabicLayout)
            return;
        const std::optional<rules::ArabicCopy> copy = rules::CitedArabicCopy(
            *arabicLayout, position(selection.cpMin), position(selection.cpMax),
            ArabicStyle(false, rules::ArabicForm::Source));
        if (copy)
            setClipboardUnicode(MainForm->handle(), copy->text, copy->rtf);
        return;
    }
    const std::string text = ReadingView->text();
    const std::optional<std::string> copy =
        rules::CitedCopy(text, position(selection.cpMin), position(selection.cpMax));
    if (!copy)
        return;
    setClipboardText(MainForm->handle(), *copy);
}
