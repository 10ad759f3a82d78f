// Building the "Ke Ayat" window and what it does while it is open.
#include "ui/UGotoVerse.h"

#include "reader/VerseReference.h"
#include "reader/VerseReferenceMessage.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"
#include "ui/DialogBand.h"

namespace {

constexpr int ClientWidth = 320;
constexpr int ClientHeight = 132;
constexpr int BandHeight = 48;
constexpr int Margin = 12;
constexpr int ButtonWidth = 77;
constexpr int ButtonGap = 8;
constexpr int RowHeight = 22;
constexpr int BoxTop = BandHeight + Margin;
constexpr int ButtonTop = BoxTop + RowHeight + 16;
static_assert(ButtonTop + RowHeight + Margin == ClientHeight);

PushButton& dialogButton(Form& form, const char* caption, int left) {
    PushButton& button = form.add<PushButton>(caption);
    button.setBounds(form.scaled(left), form.scaled(ButtonTop), form.scaled(ButtonWidth),
                     form.scaled(RowHeight));
    button.setFlat(true);
    return button;
}

}  // namespace

GotoVerseWindow::GotoVerseWindow() = default;
GotoVerseWindow::~GotoVerseWindow() = default;

std::unique_ptr<Form> CreateGotoVerseWindow(GotoVerseWindow*& place, Form& parent,
                                            const std::string& reference) {
    auto record = std::make_unique<GotoVerseWindow>();
    place = record.get();

    auto owner = std::make_unique<Form>(&parent, GotoVerseCaption);
    Form& form = *owner;
    GotoVerseWindow& w = form.releaseOnDestroy(std::move(record));
    w.FGotoVerse = &form;

    // A small fixed dialog frame, Arial with a 16-pixel cell like the other windows.
    form.changeExStyle(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, 0);
    form.changeStyle(0, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    // Places and sizes are given for a 96-DPI display, drawn at the window's DPI.
    const auto px = [&form](int v) { return form.scaled(v); };
    form.setClientSize(px(ClientWidth), px(ClientHeight));
    form.setFontHeight(16);
    form.setFontFace("Arial");

    w.HeaderBand = &form.add<Panel>(PanelEdge::None);
    w.HeaderBand->setAlign(Align::Top);
    w.HeaderBand->setHeight(px(BandHeight));
    w.HeaderBand->setColour(band::Navy);
    w.TitleLabel = &band::addLabel(*w.HeaderBand, 5, 16, FW_BOLD);
    w.TitleLabel->setCaption(GotoVerseCaption);
    band::centre(*w.TitleLabel, *w.HeaderBand);
    w.HintLabel = &band::addLabel(*w.HeaderBand, 24, 14, FW_NORMAL);
    w.HintLabel->setCaption(GotoVerseHint);
    band::centre(*w.HintLabel, *w.HeaderBand);
    w.bandBitmap1 = band::loadBitmap("TOPFRAME1");
    w.bandBitmap2 = band::loadBitmap("TOPFRAME2");

    // The box as the search box looks: one-pixel border on the window colour.
    w.ReferenceBox = &form.add<EditBox>(reference);
    w.ReferenceBox->setBounds(px(Margin), px(BoxTop), px(ClientWidth - 2 * Margin), px(RowHeight));
    w.ReferenceBox->setEdge3D(false);
    w.ReferenceBox->setColour(ColourWindow);

    const int cancelLeft = ClientWidth - Margin - ButtonWidth;
    w.OkButton = &dialogButton(form, "OK", cancelLeft - ButtonGap - ButtonWidth);
    w.CancelButton = &dialogButton(form, "Batal", cancelLeft);

    w.HeaderBand->onPaint = [&w](Control& band, HDC dc) { w.PaintBand(band, dc); };
    w.OkButton->onClick = [&w](Control&) { w.AcceptReference(); };
    w.CancelButton->onClick = [&form](Control&) { form.close(); };
    form.onShow = [&w](Control&) { w.FocusReference(); };
    form.onDpiChange = [&w](Control&) {
        band::centre(*w.TitleLabel, *w.HeaderBand);
        band::centre(*w.HintLabel, *w.HeaderBand);
    };
    form.shortcuts.add({VK_RETURN, NoModifier}, [&w] { w.AcceptReference(); });
    form.shortcuts.add({VK_ESCAPE, NoModifier}, [&form] { form.close(); });

    form.setResizable(false);
    form.centreOnScreen();
    form.setIcon(nullptr);
    return owner;
}

void GotoVerseWindow::AcceptReference() {
    const std::string typed = ReferenceBox->text();
    const rules::VerseReference reference = rules::ParseVerseReference(typed);
    using Status = rules::VerseReference::Status;
    if (reference.status == Status::Found || reference.status == Status::Empty) {
        if (reference.status == Status::Found)
            chosen = reference;
        FGotoVerse->close();
        return;
    }
    const HWND window = FGotoVerse->handle();
    const std::string message = rules::VerseReferenceMessage(reference, typed);
    MessageBoxA(window, message.c_str(), GotoVerseMessageCaption, MB_OK | MB_ICONINFORMATION);
    // The box ran its own message loop: the window may be gone, and this record with it.
    if (!IsWindow(window))
        return;
    FocusReference();
}

void GotoVerseWindow::FocusReference() {
    ReferenceBox->setFocus();
    ReferenceBox->selectAll();
}

void GotoVerseWindow::PaintBand(Control& bandPanel, HDC dc) {
    band::paint(bandPanel, dc, bandBitmap1.get(), bandBitmap2.get());
}

std::optional<rules::VerseReference> AskVerse(Form& parent, const std::string& reference) {
    GotoVerseWindow* window = nullptr;
    std::unique_ptr<Form> form = CreateGotoVerseWindow(window, parent, reference);
    form->showModal();
    // A window destroyed while it ran (its owner went) took the record with it.
    if (!form->handle())
        return std::nullopt;
    return window->chosen;
}
