#pragma once
// The About window: the product title and a credit line on a painted band, the help text
// (README, unpacked from the program's resources) in a read-only rich-text view, and "Tutup".
// It is built anew for every showing; the form owns the controls and the record, and whoever
// builds the form owns the form.
#include <windows.h>

#include <memory>

#include "NurvelaVersion.h"

class Form;
class Control;
class RichView;
class Panel;
class PushButton;
class Label;
class Bitmap;

struct AboutWindow {
    Form* FAbout = nullptr;
    RichView* AboutView = nullptr;
    Panel* HeaderBand = nullptr;
    PushButton* CloseButton = nullptr;
    Label* TitleLabel = nullptr;
    Label* CreditLabel = nullptr;
    // Owned until the window closes (ReleaseBands); null once released or never loaded.
    std::unique_ptr<Bitmap> bandBitmap1;
    std::unique_ptr<Bitmap> bandBitmap2;

    AboutWindow();
    ~AboutWindow();
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    // Bitmaps, centred title and credit, the view under the band, caption, the README.
    void InitAboutContents();
    // Title and credit centred in the band, the view directly under it; again after a move
    // to a monitor of another DPI.
    void PlaceAboutContents();
    // Paints the band: TOPFRAME1 over all but the last four rows, TOPFRAME2 over those.
    void PaintAboutBands(Control& band, HDC dc);
    // Shown handler: the help text keeps a 10-pixel margin.
    void InsetAboutText();
    // Close handler: the band bitmaps go with the window's visible life.
    void ReleaseBands();
};

// The product title on the band, with two blanks before the version ("Nurvela  v1.5").
inline constexpr const char* AboutTitle = "Nurvela  v" NURVELA_VERSION_SHORT;
// The one-line credit under the title.
inline constexpr const char* AboutCredit =
    "Terjemahan: paket quran-json 3.1.2, lisensi CC BY-SA 4.0";
inline constexpr const char* AboutCaption = " Tentang Program";

// Builds the About window hidden, owned by parent's window; stores the record in place (the
// form releases it when the form is destroyed) and hands the form to the caller. A damaged
// README raises the decompressor's Exception, and the half-built form goes as it leaves.
[[nodiscard]] std::unique_ptr<Form> CreateAboutWindow(AboutWindow*& place, Form& parent);
