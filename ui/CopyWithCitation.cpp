// "Kutip": the view's selection as plain text on the clipboard, followed by the citation of
// the verses it touches; with nothing selected, the verse at the caret.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "reader/Citation.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Form.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

void MainWindow::CopyWithCitationCommand() {
    const std::string text = ReadingView->text();
    const CHARRANGE selection = ReadingView->getSelection();
    const auto position = [](LONG p) { return static_cast<std::size_t>(std::max<LONG>(0, p)); };
    const std::optional<std::string> copy =
        rules::CitedCopy(text, position(selection.cpMin), position(selection.cpMax));
    // Nothing to copy leaves the clipboard as it was, as "Copy" does.
    if (!copy)
        return;
    setClipboardText(MainForm->handle(), *copy);
}
