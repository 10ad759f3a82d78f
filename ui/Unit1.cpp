// Building the main window: the record, the window tree with its geometry, fonts and
// colours, the dialogs, and the wiring of every control event to its MainWindow handler.
#include "ui/Unit1.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "corpus/FastStrList.h"
#include "reader/ArabicSearch.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ColourDialog.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Gdi.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"
#include "toolkit/RichView.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/Splitter.h"
#include "toolkit/SwatchButton.h"
#include "toolkit/Toolbar.h"

MainWindow::MainWindow() = default;
MainWindow::~MainWindow() = default;

namespace {

// The pale blue of the list and the reading view, RGB(214, 230, 248).
constexpr Colour PaleBlue = 0x00F8E6D6;
constexpr Colour White = 0x00FFFFFF;

// Slots 3 to 16 of the colour chooser (slots 1 and 2 stay white): pale creams, blues,
// greens, pinks and lilacs that keep black text readable.
constexpr COLORREF CustomColours[14] = {0x00D7F4FF, 0x00C4EFFF, 0x00FFEBD9, 0x00FFE1C6, 0x00FFD6B0,
                                        0x00DAFEEF, 0x00BBFDE1, 0x0098FCD1, 0x00E6E6FF, 0x00D7D7FF,
                                        0x00C6C6FF, 0x00FEDEEA, 0x00FECDDF, 0x00FEBAD3};

bool isXpOrLater() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) {
        return false;
    }
    return version.dwMajorVersion > 5 ||
           (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1);
}

// Every control event and its handler, in one place.
void wireEvents(MainWindow& w) {
    w.MainForm->onClose = [&w](Control&, bool& accept) { w.ReleaseOnClose(accept); };
    w.MainForm->onMouseDown = [&w](Control&) { w.BeginWindowMove(); };
    w.MainForm->onResize = [&w](Control&) {
        w.KeepAboutButtonRight();
        w.ArrangeStatusRight();
    };
    w.MainForm->onShow = [&w](Control&) { w.PrepareReadingView(); };
    w.HeaderPanel->onPaint = [&w](Control& panel, HDC dc) { w.PaintHeaderBand(panel, dc); };
    w.StatusPanel->onPaint = [&w](Control& panel, HDC dc) { w.PaintHeaderBand(panel, dc); };
    w.SearchBox->onKeyDown = [&w](Control&, WORD& key) { w.SearchBoxKeyDown(key); };
    w.SearchButton->onClick = [&w](Control&) { w.SearchCommand(); };
    w.SearchButton->onMouseMove = [&w](Control& sender) { w.MarkSearchButtonHot(sender); };
    w.ShowAllButton->onClick = [&w](Control&) { w.ResetToAllSurahs(); };
    w.BackColourButton->onClick = [&w](Control&) { w.ChooseBackColour(); };
    w.FontColourButton->onClick = [&w](Control&) { w.ChooseTextColour(); };
    w.AboutButton->onClick = [&w](Control&) { w.ShowAboutWindow(); };
    w.SurahList->onSelectionChange = [&w](Control&) { w.ShowSelectedSurah(); };
    w.SurahList->onDoubleClick = [&w](Control&) { w.ShowSelectedSurah(); };
    w.SurahList->onKeyDown = [&w](Control&, WORD& key) { w.SurahListKeyDown(key); };
    w.ViewToolbar->onButtonClick(toolbar::Save, [&w] { w.ExportCommand(); });
    w.ViewToolbar->onButtonClick(toolbar::SelectAll, [&w] { w.SelectAllCommand(); });
    w.ViewToolbar->onButtonClick(toolbar::Copy, [&w] { w.CopyCommand(); });
    w.ViewToolbar->onButtonClick(toolbar::Cite, [&w] { w.CopyWithCitationCommand(); });
    w.ViewToolbar->onButtonClick(toolbar::Arabic, [&w] { w.ArabicCommand(); });
    w.ViewToolbar->onButtonClick(toolbar::Juz, [&w] { w.JuzCommand(); });
    w.ReadingView->onScroll = [&w](Control&) { w.ShowPlace(); };
    // Keys that work wherever the focus is in the window, while no modal window is open.
    ShortcutTable& keys = w.MainForm->shortcuts;
    keys.add({'F', CtrlKey}, [&w] { w.FocusSearchBox(); });
    keys.add({'S', CtrlKey}, [&w] { w.ExportCommand(); });
    keys.add({'G', CtrlKey}, [&w] { w.GotoVerseCommand(); });
    keys.add({'C', CtrlKey | ShiftKey}, [&w] { w.CopyWithCitationCommand(); });
    keys.add({'A', CtrlKey | ShiftKey}, [&w] { w.ArabicCommand(); });
    keys.add({'J', CtrlKey}, [&w] { w.JuzCommand(); });
    // The text size: Ctrl with "+" (with or without Shift, where "=" shares its key), "-" and
    // "0", on the main keys and the keypad, and Ctrl with the wheel over the view.
    for (unsigned shift : {NoModifier, ShiftKey}) {
        keys.add({VK_OEM_PLUS, CtrlKey | shift}, [&w] { w.ZoomCommand(1); });
    }
    keys.add({VK_ADD, CtrlKey}, [&w] { w.ZoomCommand(1); });
    keys.add({VK_OEM_MINUS, CtrlKey}, [&w] { w.ZoomCommand(-1); });
    keys.add({VK_SUBTRACT, CtrlKey}, [&w] { w.ZoomCommand(-1); });
    keys.add({'0', CtrlKey}, [&w] { w.ResetZoomCommand(); });
    keys.add({VK_NUMPAD0, CtrlKey}, [&w] { w.ResetZoomCommand(); });
    w.ReadingView->onZoomWheel = [&w](Control&, int steps) { w.ZoomCommand(steps); };
    // A monitor of another DPI.
    w.MainForm->onDpiChanging = [&w](Control&) { w.BeforeDpiChange(); };
    w.MainForm->onDpiChange = [&w](Control&) { w.AfterDpiChange(); };
}

}  // namespace

std::unique_ptr<Form> CreateMainWindow(MainWindow*& place, Form* parent) {
    // 1. The record, known to the caller before anything else happens.
    auto record = std::make_unique<MainWindow>();
    place = record.get();

    // 2. The form, hidden; it owns the record from here on.
    auto owner = std::make_unique<Form>(parent, "Form1");
    Form& form = *owner;
    // Every place, size and margin below is given for a 96-DPI display and drawn at the DPI
    // of the window's monitor; so are the fonts' heights, which the toolkit scales itself.
    const auto px = [&form](int v) { return form.scaled(v); };
    form.setPosition(px(228), px(161));
    form.setClientSize(px(688), px(450));
    form.setIcon(LoadIconA(Application::instance(), "MAINICON"));
    Application::setMainForm(&form);
    MainWindow& w = form.releaseOnDestroy(std::move(record));
    w.MainForm = &form;

    // 3. Arial with a 16-pixel cell, copied by every control created below.
    form.setFontHeight(16);
    form.setFontFace("Arial");
    form.setChildMargin(0);

    // 4. (The form's close, mouse-down, resize and shown events are connected with the rest
    //    of the wiring below.)

    // 5. One colour chooser for both swatches, opening expanded on the current colour.
    auto colourDialog = std::make_unique<ColourDialog>();
    colourDialog->fullOpen = true;
    colourDialog->customColours.fill(White);
    std::copy(std::begin(CustomColours), std::end(CustomColours),
              colourDialog->customColours.begin() + 2);
    w.ColourDialog = &form.releaseOnDestroy(std::move(colourDialog));

    // 6. The save dialog; the export command sets its filter each time.
    w.SaveDialog = &form.releaseOnDestroy(std::make_unique<SaveDialog>());

    // 7. The band across the top.
    w.HeaderPanel = &form.add<Panel>(PanelEdge::None);
    w.HeaderPanel->setAlign(Align::Top);
    w.HeaderPanel->setHeight(px(39));
    w.HeaderPanel->setColour(ColourBtnFace);

    // 8. The search box: one-pixel flat border, scrolling sideways as the text grows.
    // Unicode: Arabic is typed or pasted here.
    w.SearchBox = &w.HeaderPanel->add<EditBox>("", EditBox::Characters::Unicode);
    w.SearchBox->setBounds(px(8), px(8), px(145), px(22));
    w.SearchBox->setEdge3D(false);
    w.SearchBox->setCaption("Muhammad");

    // 9, 10. The two search options; the band shows through them.
    w.WholeWordCheck = &w.HeaderPanel->add<CheckBox>("Kata tepat sama");
    w.WholeWordCheck->setPosition(px(488), px(2));
    w.WholeWordCheck->setAutoSize(true);
    w.WholeWordCheck->setTransparent(true);
    w.WholeWordCheck->setColour(ColourBtnFace);

    w.BoldCheck = &w.HeaderPanel->add<CheckBox>("Tandai tebal");
    w.BoldCheck->setPosition(px(488), px(18));
    w.BoldCheck->setAutoSize(true);
    w.BoldCheck->setTransparent(true);
    w.BoldCheck->setColour(ColourBtnFace);
    w.BoldCheck->setChecked(true);

    // 11. "Cari".
    w.SearchButton = &w.HeaderPanel->add<PushButton>("Cari");
    w.SearchButton->setBounds(px(168), px(8), px(64), px(22));
    w.SearchButton->setFlat(true);

    // 12. "??", in Verdana; it follows the form's right edge on every resize.
    w.AboutButton = &w.HeaderPanel->add<PushButton>("??");
    w.AboutButton->setPosition(px(648), px(8));
    w.AboutButton->setAutoSize(true);
    w.AboutButton->setFontFace("Verdana");
    w.AboutButton->setFlat(true);

    // 13. "Tampilkan Semua".
    w.ShowAllButton = &w.HeaderPanel->add<PushButton>("Tampilkan Semua");
    w.ShowAllButton->setBounds(px(232), px(8), px(122), px(22));
    w.ShowAllButton->setFlat(true);

    // 14, 15. The colour swatches. The swatch kind is already what the header needs: no
    //         glyph, never focused, no 3-D edge at rest, flat, and the caption shifted one
    //         pixel right and down while pressed.
    w.BackColourButton = &w.HeaderPanel->add<SwatchButton>("Back");
    w.BackColourButton->setBounds(px(376), px(8), px(41), px(22));
    w.FontColourButton = &w.HeaderPanel->add<SwatchButton>("Font");
    w.FontColourButton->setBounds(px(417), px(8), px(41), px(22));

    // 16. Everything below the band, with 2-pixel gaps between its parts.
    w.BodyPanel = &form.add<Panel>(PanelEdge::None);
    w.BodyPanel->setAlign(Align::Client);
    w.BodyPanel->setChildMargin(px(2));

    // 17. The surah list.
    w.SurahList = &w.BodyPanel->add<ListBox>();
    w.SurahList->setIntegralHeight(false);
    w.SurahList->setAlign(Align::Left);
    w.SurahList->setWidth(px(151));
    w.SurahList->setColour(PaleBlue);
    w.SurahList->setItemIndex(0);

    // 18. The splitter that sets the list's width.
    w.ListSplitter = &w.BodyPanel->add<Splitter>();
    w.ListSplitter->setMinSizes(0, 0);
    w.ListSplitter->setAlign(Align::Left);

    // 19-21. The status line with its two white labels.
    w.StatusPanel = &w.BodyPanel->add<Panel>(PanelEdge::None);
    w.StatusPanel->setAlign(Align::Bottom);
    w.StatusPanel->setHeight(px(25));
    for (auto [label, left] : {std::pair{&w.SurahLabel, 8}, std::pair{&w.CountLabel, 160}}) {
        *label = &w.StatusPanel->add<Label>("info1");
        (*label)->setPosition(px(left), px(4));
        (*label)->setAutoSize(true);
        (*label)->setFontColour(White);
        (*label)->setTransparent(true);
    }
    w.ZoomLabel = &w.StatusPanel->add<Label>();
    w.ZoomLabel->setVisible(false);
    w.ZoomLabel->setTop(px(4));
    w.ZoomLabel->setAutoSize(true);
    w.ZoomLabel->setFontColour(White);
    w.ZoomLabel->setTransparent(true);
    // Placed at the right whenever its text or the status line's width changes.
    w.PlaceLabel = &w.StatusPanel->add<Label>();
    w.PlaceLabel->setTop(px(4));
    w.PlaceLabel->setAutoSize(true);
    w.PlaceLabel->setFontColour(White);
    w.PlaceLabel->setTransparent(true);

    // 22. The sunken frame around the toolbar and the reading view.
    w.ViewPanel = &w.BodyPanel->add<Panel>(PanelEdge::Lowered);
    w.ViewPanel->setAlign(Align::Client);

    // 23. The toolbar: save, select all, copy, copy with the citation, the Arabic text, the
    //     list of juz.
    w.ViewToolbar = &w.ViewPanel->add<Toolbar>();
    w.ViewToolbar->setAlign(Align::Top);
    w.ViewToolbar->addStandardImages(IDB_STD_SMALL_COLOR);
    w.ViewToolbar->addStandardImages(IDB_HIST_SMALL_COLOR);
    w.ViewToolbar->addSeparator();
    w.ViewToolbar->addButton("Simpan", STD_FILESAVE, "Menyimpan semua yang tampil");
    w.ViewToolbar->addSeparator();
    w.ViewToolbar->addButton("Pilih Semua", 15 + HIST_ADDTOFAVORITES, "Pilih semua text");
    w.ViewToolbar->addButton("Copy", STD_COPY, "Copy data ke clipboard");
    w.ViewToolbar->addButton("Kutip", STD_PROPERTIES, "Copy dengan rujukan ayat");
    w.ViewToolbar->addSeparator();
    // The letter ain; its greys become the button's face and shadow colours.
    const int arabImage = w.ViewToolbar->addImages("ARABBUTTON", 1);
    w.ViewToolbar->addCheckButton("Arab", arabImage, "Tampilkan teks Arab (Ctrl+Shift+A)");
    w.ViewToolbar->addSeparator();
    // The sign that marks the divisions in the mushaf's margin, drawn as two squares.
    const int juzImage = w.ViewToolbar->addImages("JUZBUTTON", 1);
    w.ViewToolbar->addCheckButton("Juz", juzImage, "Daftar juz (Ctrl+J)");
    if (isXpOrLater()) {
        w.ViewToolbar->changeStyle(TBSTYLE_WRAPABLE, 0);
        w.ViewToolbar->setTransparent(true);
    }

    // 24. The reading view: read-only, multi-line, wrapping, no border.
    w.ReadingView = &createRichView(*w.ViewPanel, RichView::Path::Plain);
    w.ReadingView->setAlign(Align::Client);

    // 25. The search box on the window colour.
    w.SearchBox->setColour(ColourWindow);

    // 26. (Wired below.)

    // 27. The reading view on pale blue.
    w.ReadingView->setBackgroundColor(PaleBlue);

    // 28. (Wired below.)

    // 29. The save dialog belongs to the form's window.
    w.SaveDialog->owner = form.handle();

    // 30. Every event to its handler. The form is still hidden and no message is pumped
    //     while it is built, so the events of steps 4, 23, 26, 28 and 30 are connected
    //     together here, as one table.
    wireEvents(w);

    // A window larger than its monitor's work area at this DPI (a small laptop screen at
    // 125 %) is moved and cut to fit.
    form.keepInWorkArea();

    // 31. Bitmap, caption, swatch colours, the Corpus.
    try {
        w.InitMainWindow();
    } catch (...) {
        place = nullptr;  // the record goes with the form as the exception leaves
        throw;
    }
    return owner;
}
