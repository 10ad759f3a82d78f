// The toolbar's three commands on the reading view: save everything it shows, select all of
// it, copy the selection. With the Arabic shown, what is saved and copied is written here
// from the verses' own text: the view holds the Arabic as it is drawn, which may differ.
#include <windows.h>

#include <string>

#include "reader/ArabicLayout.h"
#include "reader/ArabicRtf.h"
#include "reader/ExportFormat.h"
#include "reader/Utf16.h"
#include "toolkit/Clipboard.h"
#include "toolkit/FileStream.h"
#include "toolkit/Form.h"
#include "toolkit/SafeSave.h"
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

// Writes all of bytes; 0 or the system error.
DWORD writeAll(FileStream& out, std::string_view bytes) {
    const std::size_t written = out.write(bytes.data(), bytes.size());
    if (written == bytes.size())
        return 0;
    return out.error() ? out.error() : ERROR_WRITE_FAULT;
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
    DWORD error = 0;
    if (arabicShown) {
        // Text as UTF-8 with a byte-order mark, which Notepad and every editor read right;
        // RTF as the view shows it, with the verses' own Arabic.
        std::string bytes;
        if (arabicLayout && format == StreamFormat::Text) {
            bytes = "\xEF\xBB\xBF" +
                    rules::Utf16ToUtf8(arabicLayout->sourceText(0, arabicLayout->viewLength()));
        } else if (arabicLayout) {
            const rules::TextPiece whole{0, shownText.text.size(), 0, shownText.bold.size()};
            bytes =
                rules::ArabicPieceRtf(*arabicLayout, whole, shownText.bold,
                                      ArabicStyle(shownText.coloured, rules::ArabicForm::Source),
                                      rules::ArabicForm::Source, shownText.arabicBold.get());
        }
        error = saveReplacing(path, [&](FileStream& out) { return writeAll(out, bytes); });
    } else if (!ReadingView->saveToFile(path, format)) {
        error = ReadingView->lastSaveError();
    }
    if (error == 0) {
        return;
    }
    // The file was written to a file of its own beside the target, so whatever stood under
    // this name is still there; the user only needs to know that this save did not happen.
    reportSaveFailure(MainForm->handle(), path, error);
}

void MainWindow::SelectAllCommand() {
    ReadingView->focus();
    ReadingView->selectAll();
}

void MainWindow::CopyCommand() {
    if (!arabicShown) {
        ReadingView->copySelection();
        return;
    }
    // The selection's own text, as Unicode; an empty selection leaves the clipboard as it was.
    const CHARRANGE selection = ReadingView->getSelection();
    if (!arabicLayout || selection.cpMax <= selection.cpMin)
        return;
    const std::u16string text = arabicLayout->sourceText(static_cast<std::size_t>(selection.cpMin),
                                                         static_cast<std::size_t>(selection.cpMax));
    if (!text.empty())
        setClipboardUnicode(MainForm->handle(), text);
}
