#pragma once
// The main window: one record that holds every control of the reader's window, the two
// dialogs, the Corpus and the results of the last search. The controls are owned by their
// parents (and so by MainForm); the dialogs and the record itself are on MainForm's
// release-on-destroy list; corpus, the result lists and the band bitmap are owned here and
// released by ReleaseOnClose, which leaves them null so that nothing can touch them again.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Colour.h"

class Form;
class Panel;
class ListBox;
class RichView;
class ColourDialog;
class Splitter;
class Toolbar;
class SaveDialog;
class EditBox;
class PushButton;
class SwatchButton;
class CheckBox;
class Label;
class Bitmap;
class Control;
class FastStrList;

// A search result entry: a Corpus index (0..10000), or above 10000 the heading marker of
// surah (value - 10000), which comes before that surah's first hit.
using ResultItem = int;
inline constexpr ResultItem HeadingMarkerBase = 10000;

struct MainWindow {
    // Controls, in the order they are declared; owned by their parent controls.
    Form* MainForm = nullptr;
    Panel* HeaderPanel = nullptr;
    Panel* BodyPanel = nullptr;
    ListBox* SurahList = nullptr;
    RichView* ReadingView = nullptr;
    class ColourDialog* ColourDialog = nullptr;
    Panel* ViewPanel = nullptr;
    Splitter* ListSplitter = nullptr;
    Toolbar* ViewToolbar = nullptr;
    class SaveDialog* SaveDialog = nullptr;
    EditBox* SearchBox = nullptr;
    PushButton* SearchButton = nullptr;
    PushButton* ShowAllButton = nullptr;
    SwatchButton* BackColourButton = nullptr;
    SwatchButton* FontColourButton = nullptr;
    CheckBox* BoldCheck = nullptr;
    CheckBox* WholeWordCheck = nullptr;
    PushButton* AboutButton = nullptr;
    Panel* StatusPanel = nullptr;
    Label* SurahLabel = nullptr;
    Label* CountLabel = nullptr;

    // Data owned by the window until ReleaseOnClose.
    std::unique_ptr<FastStrList> corpus;
    std::unique_ptr<std::vector<ResultItem>> ResultItems;
    std::unique_ptr<std::vector<int>> ResultSurahs;
    bool searchMode = false;
    Colour textColour = 0;
    bool closing = false;
    std::unique_ptr<Bitmap> headerBitmap;

    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Start-up and close.
    void InitMainWindow();
    void LoadCorpus();
    void ReleaseOnClose(bool& accept);

    // Reading operations.
    void PrepareReadingView();
    void ResetToAllSurahs();
    void ShowSelectedSurah();
    void RunSearch();
    // Shows text in ReadingView with every occurrence of the search box's text counted and,
    // when makeBold, bold; the count goes into CountLabel. False when something handled
    // meanwhile replaced the view's content or closed the window: the newer work stands.
    bool HighlightMatches(const std::string& text, bool makeBold);

    // Window commands and events.
    void BeginWindowMove();
    void KeepAboutButtonRight();
    void PaintHeaderBand(Control& panel, HDC dc);
    void SearchBoxKeyDown(WORD& key);
    void SearchCommand();
    void MarkSearchButtonHot(Control& sender);
    void SurahListKeyDown(WORD& key);
    void ChooseBackColour();
    void ChooseTextColour();
    void ShowAboutWindow();

    // Export and clipboard.
    void ExportCommand();
    void SelectAllCommand();
    void CopyCommand();

    // Going to a verse, copying with the citation, the search box from the keyboard.
    void GotoVerseCommand();
    void ShowVerse(int s, int a);
    void CopyWithCitationCommand();
    void FocusSearchBox();
};

// Builds the record, the window tree and the wiring, all hidden; stores the record in place
// before anything else, and ends with InitMainWindow. The form becomes the application's
// main window and is handed to the caller, who owns it: destroying it destroys the controls
// and then releases the record and the dialogs. If InitMainWindow raises, the form and the
// record are destroyed as the exception leaves, and place is null again.
[[nodiscard]] std::unique_ptr<Form> CreateMainWindow(MainWindow*& place, Form* parent);
