// Building the About window and what it does while it is open.
#include "ui/UAbout.h"

#include <cstdint>

#include "corpus/MemoryStream.h"
#include "corpus/ResourceStream.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"
#include "toolkit/RichView.h"
#include "ui/DialogBand.h"
#include "ui/Unit1.h"

namespace {

constexpr int ClientWidth = 429;
constexpr int ClientHeight = 291;
constexpr int BandHeight = 55;
constexpr int ViewHeight = 191;

}  // namespace

AboutWindow::AboutWindow() = default;
AboutWindow::~AboutWindow() = default;

std::unique_ptr<Form> CreateAboutWindow(AboutWindow*& place, Form& parent) {
    auto record = std::make_unique<AboutWindow>();
    place = record.get();

    // 1. The form, owned by the parent's window, 429 x 291 inside; it owns the record.
    auto owner = std::make_unique<Form>(&parent);
    Form& form = *owner;
    AboutWindow& w = form.releaseOnDestroy(std::move(record));
    w.FAbout = &form;

    // 2. A dialog frame without minimise and maximise boxes.
    form.changeExStyle(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, 0);
    form.changeStyle(0, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    // Places and sizes are given for a 96-DPI display, drawn at the window's DPI.
    const auto px = [&form](int v) { return form.scaled(v); };
    form.setClientSize(px(ClientWidth), px(ClientHeight));

    // 3. Arial with a 16-pixel cell, copied by every control below.
    form.setFontHeight(16);
    form.setFontFace("arial");

    // 4. Close and shown.
    form.onClose = [&w](Control&, bool&) { w.ReleaseBands(); };
    form.onShow = [&w](Control&) { w.InsetAboutText(); };
    form.onDpiChange = [&w](Control&) { w.PlaceAboutContents(); };

    // 5. The help text view; placed under the band by InitAboutContents.
    w.AboutView = &createRichView(form, RichView::Path::Ole);
    w.AboutView->setHeight(px(ViewHeight));

    // 6. "Tutup".
    w.CloseButton = &form.add<PushButton>("Tutup");
    w.CloseButton->setBounds(px(336), px(258), px(77), px(22));
    w.CloseButton->setFlat(true);

    // 7. The band across the top.
    w.HeaderBand = &form.add<Panel>(PanelEdge::None);
    w.HeaderBand->setAlign(Align::Top);
    w.HeaderBand->setHeight(px(BandHeight));
    w.HeaderBand->setColour(band::Navy);

    // 8. The credit line; the band shows around its letters.
    w.CreditLabel = &band::addLabel(*w.HeaderBand, 24, 14, FW_NORMAL);

    // 9. The title, bold.
    w.TitleLabel = &band::addLabel(*w.HeaderBand, 5, 16, FW_BOLD);

    // 10. The help text on the button face, like the rest of a dialog.
    w.AboutView->setBackgroundColor(ColourBtnFace);

    // 11. Button and band.
    w.CloseButton->onClick = [&form](Control&) { form.close(); };
    w.HeaderBand->onPaint = [&w](Control& band, HDC dc) { w.PaintAboutBands(band, dc); };

    // 12. Fixed size, then centred with the final outer size.
    form.setResizable(false);
    form.centreOnScreen();

    // 13. What the window shows.
    w.InitAboutContents();

    // 14. No caption icon.
    form.setIcon(nullptr);

    return owner;
}

void AboutWindow::InitAboutContents() {
    bandBitmap1 = band::loadBitmap("TOPFRAME1");
    bandBitmap2 = band::loadBitmap("TOPFRAME2");

    TitleLabel->setCaption(AboutTitle);
    CreditLabel->setCaption(AboutCredit);
    PlaceAboutContents();

    FAbout->setCaption(AboutCaption);

    // The README travels packed like the translation; a damaged one raises here. A stream-in
    // the control refuses leaves the view empty, which is all the user would notice anyway.
    MemoryStream readme;
    unpackResource("README", "RDM", readme);
    readme.seek(0, Stream::Origin::Begin);
    AboutView->streamIn(readme, static_cast<std::uint32_t>(readme.size()), StreamFormat::Rtf);
}

void AboutWindow::PlaceAboutContents() {
    band::centre(*TitleLabel, *HeaderBand);
    band::centre(*CreditLabel, *HeaderBand);
    AboutView->setBounds(0, HeaderBand->top() + HeaderBand->height(), HeaderBand->width(),
                         AboutView->height());
}

void AboutWindow::PaintAboutBands(Control& bandPanel, HDC dc) {
    band::paint(bandPanel, dc, bandBitmap1.get(), bandBitmap2.get());
}

void AboutWindow::InsetAboutText() {
    AboutView->insetFormatRect(AboutView->scaled(10));
}

void AboutWindow::ReleaseBands() {
    bandBitmap1.reset();
    bandBitmap2.reset();
}

void MainWindow::ShowAboutWindow() {
    AboutWindow* about = nullptr;
    std::unique_ptr<Form> form = CreateAboutWindow(about, *MainForm);
    form->showModal();
    // Destroys the window and its controls, then releases the record.
    form.reset();
}
