#pragma once
// The "Ke Ayat" window: a reference typed into one edit box ("2:255", "Al-Baqarah 255",
// "Yasin", "juz 30", "hal. 582"), "OK" and "Batal" under it, on the band the program's
// windows share. Enter is OK and Esc is Batal wherever the focus is in it. A reference that
// leads nowhere keeps the window open and says why in a message box. The window is built anew
// for every showing; the form owns the controls and the record, and whoever builds the form
// owns the form.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "reader/VerseReference.h"

class Form;
class Control;
class Panel;
class Label;
class EditBox;
class PushButton;
class Bitmap;

struct GotoVerseWindow {
    Form* FGotoVerse = nullptr;
    Panel* HeaderBand = nullptr;
    Label* TitleLabel = nullptr;
    Label* HintLabel = nullptr;
    EditBox* ReferenceBox = nullptr;
    PushButton* OkButton = nullptr;
    PushButton* CancelButton = nullptr;
    std::unique_ptr<Bitmap> bandBitmap1;
    std::unique_ptr<Bitmap> bandBitmap2;
    // The reference confirmed with OK (found: a verse, a juz or a page); nothing after Batal,
    // Esc, the close box, or OK on a box holding nothing but blanks.
    std::optional<rules::VerseReference> chosen;

    GotoVerseWindow();
    ~GotoVerseWindow();
    GotoVerseWindow(const GotoVerseWindow&) = delete;
    GotoVerseWindow& operator=(const GotoVerseWindow&) = delete;

    // OK and Enter: a reference found closes the window with it; bad input shows why and
    // leaves the text selected for the next try.
    void AcceptReference();
    // Shown handler, and after a message: the focus in the box, its text selected.
    void FocusReference();
    // The band: TOPFRAME1 over all but the last four rows, TOPFRAME2 over those.
    void PaintBand(Control& band, HDC dc);
};

inline constexpr const char* GotoVerseCaption = "Ke Ayat";
inline constexpr const char* GotoVerseHint = "Contoh: 2:255, Al-Baqarah 255, juz 30, hal. 582";
// The caption of the box that says what is wrong with a reference.
inline constexpr const char* GotoVerseMessageCaption = "Informasi";

// Builds the window hidden, owned by parent's window, with reference in the box; stores
// the record in place (the form releases it when the form is destroyed).
[[nodiscard]] std::unique_ptr<Form> CreateGotoVerseWindow(GotoVerseWindow*& place, Form& parent,
                                                          const std::string& reference);

// Runs the window modally over parent, the box starting with reference, and hands back the
// reference the user confirmed, if any (always one that was found).
std::optional<rules::VerseReference> AskVerse(Form& parent, const std::string& reference);
