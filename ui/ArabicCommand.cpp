// "Arab" (the toolbar's check button and Ctrl+Shift+A): the Arabic verse above every verse
// the view shows, or the translation alone again, with the same verse at the top and the
// same selection. The Arabic text and its font are unpacked and loaded the first time.
#include <windows.h>

#include <iterator>
#include <memory>
#include <string>

#include "corpus/ArabicFont.h"
#include "corpus/Exception.h"
#include "corpus/FastStrList.h"
#include "corpus/LoadArabicText.h"
#include "toolkit/Form.h"
#include "toolkit/Gdi.h"
#include "toolkit/RichView.h"
#include "toolkit/Toolbar.h"
#include "ui/Unit1.h"

namespace {

constexpr const char* Caption = "Arab";
// Drawn instead when the program's own font cannot be loaded: it has Arabic on every Windows.
constexpr const char* SystemArabicFace = "Times New Roman";

}  // namespace

bool MainWindow::LoadArabic() {
    const HWND form = MainForm->handle();
    if (!arabic) {
        auto text = std::make_unique<FastStrList>();
        try {
            LoadArabicText(*text);
        } catch (const Exception& error) {
            const std::string message =
                "Teks Arab tidak dapat ditampilkan: datanya di dalam program ini rusak.\r\n\r\n" +
                error.message() + "\r\n\r\nTerjemahan tetap dapat dibaca seperti biasa.";
            MessageBoxA(form, message.c_str(), Caption, MB_OK | MB_ICONERROR);
            return false;
        }
        arabic = std::move(text);
    }
    // The font is tried once; without it the Arabic shows in a font of the system's.
    if (arabicFace.empty()) {
        try {
            arabicFont = std::make_unique<PrivateFont>(LoadArabicFont());
            arabicFace.assign(std::begin(ArabicFontFace), std::end(ArabicFontFace) - 1);
        } catch (const Exception& error) {
            arabicFace = SystemArabicFace;
            const std::string message = "Huruf Amiri Quran tidak dapat dimuat (" + error.message() +
                                        ").\r\n\r\nTeks Arab ditampilkan dengan huruf sistem.";
            MessageBoxA(form, message.c_str(), Caption, MB_OK | MB_ICONWARNING);
            // The box ran its own message loop: the window may be gone, and this record.
            if (!IsWindow(form))
                return false;
        }
    }
    return true;
}

bool MainWindow::SwitchArabicView(bool on) {
    if (!ReadingView->setUnicode(on)) {
        ViewToolbar->setChecked(toolbar::Arabic, arabicShown);
        MessageBoxA(MainForm->handle(),
                    "Teks Arab memerlukan tampilan teks Unicode (msftedit.dll), yang tidak "
                    "tersedia di sistem ini.",
                    Caption, MB_OK | MB_ICONERROR);
        return false;
    }
    arabicShown = on;
    ViewToolbar->setChecked(toolbar::Arabic, on);
    // The Unicode view holds the Arabic as it is drawn; copying goes through the program.
    if (on)
        ReadingView->onCopy = [this](Control&) { CopyCommand(); };
    else
        ReadingView->onCopy = nullptr;
    return true;
}

void MainWindow::ArabicCommand() {
    const HWND form = MainForm->handle();
    const bool on = !arabicShown;
    // The message boxes of a failed load run their own message loop.
    if (on && !LoadArabic()) {
        if (IsWindow(form))
            ViewToolbar->setChecked(toolbar::Arabic, arabicShown);
        return;
    }
    const ViewAnchor anchor = CurrentAnchor();
    if (!SwitchArabicView(on))
        return;

    ShowAgain(anchor);
}
