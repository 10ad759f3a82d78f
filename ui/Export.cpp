// The toolbar's three commands on the reading view: save everything it shows, select all of
// it, copy the selection.
#include <windows.h>

#include <string>

#include "reader/ExportFormat.h"
#include "toolkit/Form.h"
#include "toolkit/RichView.h"
#include "toolkit/SaveDialog.h"
#include "ui/Unit1.h"

namespace {

// The system's own words for an error code, without the line break it ends with.
std::string systemMessage(DWORD error) {
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        text = "Kode kesalahan " + std::to_string(error) + ".";
    }
    return text;
}

// A long path over several lines, broken after a "\\" where one is near, so that the box
// stays narrower than the screen and the whole name can be read.
std::string wrappedPath(const std::string& path) {
    constexpr std::size_t Width = 64;
    std::string lines;
    std::size_t from = 0;
    while (path.size() - from > Width) {
        std::size_t cut = path.rfind('\\', from + Width - 1);
        cut = cut == std::string::npos || cut < from + Width / 2 ? from + Width : cut + 1;
        lines.append(path, from, cut - from).append("\r\n");
        from = cut;
    }
    return lines.append(path, from);
}

// The file and the system's reason, over `owner`.
void reportSaveFailure(HWND owner, const std::string& path, DWORD error) {
    const std::string message =
        "File tidak dapat disimpan:\r\n" + wrappedPath(path) + "\r\n\r\n" + systemMessage(error);
    MessageBoxA(owner, message.c_str(), "Simpan", MB_OK | MB_ICONERROR);
}

}  // namespace

void MainWindow::ExportCommand() {
    SaveDialog->filter = "Rich Text Format (*.rtf)|*.RTF|Text File (*.txt)|*.TXT";
    SaveDialog->saveMode = true;
    // A name too long for any file is answered while the dialog is still open, so the user
    // can shorten it there.
    SaveDialog->onNameRefused = reportSaveFailure;
    if (!SaveDialog->execute()) {
        return;
    }
    const std::string path = SaveDialog->fileName;
    // The dialog appends ".TXT" to a bare name when the text type is chosen; a user who types
    // ".txt" (or ".Txt") means text just the same. Everything else is Rich Text.
    const StreamFormat format =
        rules::SavesAsPlainText(path) ? StreamFormat::Text : StreamFormat::Rtf;
    if (ReadingView->saveToFile(path, format)) {
        return;
    }
    // The view wrote to a file of its own beside the target, so whatever stood under this
    // name is still there; the user only needs to know that this save did not happen.
    reportSaveFailure(MainForm->handle(), path, ReadingView->lastSaveError());
}

void MainWindow::SelectAllCommand() {
    ReadingView->focus();
    ReadingView->selectAll();
}

void MainWindow::CopyCommand() {
    ReadingView->copySelection();
}
