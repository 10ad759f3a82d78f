#pragma once
// The main window: one record that holds every control of the reader's window, the two
// dialogs, the Corpus and the results of the last search. The controls are owned by their
// parents (and so by MainForm); the dialogs and the record itself are on MainForm's
// release-on-destroy list; corpus, the result lists and the band bitmap are owned here and
// released by ReleaseOnClose, which leaves them null so that nothing can touch them again.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "reader/ArabicLayout.h"
#include "reader/ArabicMarks.h"
#include "reader/ArabicRtf.h"
#include "corpus/SurahTable.h"
#include "reader/Occurrences.h"
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
class PrivateFont;
namespace rules {
class ArabicIndex;
}

// A search result entry: a Corpus index (0..10000), or above 10000 the heading marker of
// surah (value - 10000), which comes before that surah's first hit.
using ResultItem = int;
inline constexpr ResultItem HeadingMarkerBase = 10000;

// What the reading view shows, as the translation alone: kept so that "Arab" can show the
// same again with or without the Arabic.
struct ShownText {
    std::string text;                  // the view text
    std::vector<rules::TextRun> bold;  // the stretches shown bold
    long long occurrences = 0;         // of the search text in text, for a marked result
    bool coloured = false;             // in textColour; otherwise the view's default colour
    bool marked = false;               // a search result: it arrives in pieces and is counted
    bool inPieces = false;             // arrives in pieces without the Arabic too (a juz)
    // What the Arabic lines show bold (a result of a search in the Arabic); null: nothing.
    std::shared_ptr<const rules::ArabicMarks> arabicBold;
};

// The last search when it searched the Arabic text: the occurrences in each verse found and
// the words that hold them, for the whole result and for each surah chosen from it.
struct ArabicResult {
    std::unordered_map<int, int> occurrences;  // by Corpus index
    rules::ArabicMarks words;                  // by Corpus index, the verse's own UTF-16 units
};

// A place in the view text to bring into view once the part of the text that holds it has
// arrived: the line of top at the top of the view, from..to selected.
struct ViewAnchor {
    std::size_t top = 0;
    std::size_t from = 0;
    std::size_t to = 0;
    bool focus = false;  // the view takes the keyboard focus
};

// The toolbar's entries, in order.
namespace toolbar {
inline constexpr int Save = 1;
inline constexpr int SelectAll = 3;
inline constexpr int Copy = 4;
inline constexpr int Cite = 5;
inline constexpr int Arabic = 7;
inline constexpr int Juz = 9;
}  // namespace toolbar

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
    // At the right of the status line for a moment after the text size changes.
    Label* ZoomLabel = nullptr;
    // At the right of the status line: the juz and page of the verse at the top of the view.
    Label* PlaceLabel = nullptr;

    // Data owned by the window until ReleaseOnClose.
    std::unique_ptr<FastStrList> corpus;
    std::unique_ptr<std::vector<ResultItem>> ResultItems;
    std::unique_ptr<std::vector<int>> ResultSurahs;
    bool searchMode = false;
    // The list shows the 30 juz instead of the 114 surahs; a search result is still a list of
    // surahs, and "Tampilkan Semua" or a search that finds nothing comes back to the juz.
    // Off at every start.
    bool juzMode = false;
    // The view shows an entry chosen from the list (a surah, a juz, a surah's hits); false
    // after a reset, which shows the opening with no entry chosen.
    bool entryShown = false;
    Colour textColour = 0;
    bool closing = false;
    std::unique_ptr<Bitmap> headerBitmap;

    // The Arabic text (line i for Corpus index i), unpacked the first time "Arab" is pressed
    // and released by ReleaseOnClose, and the Arabic font, loaded with it and kept while the
    // view may draw with it, until the record goes.
    std::unique_ptr<FastStrList> arabic;
    std::unique_ptr<PrivateFont> arabicFont;
    std::string arabicFace;
    // "Arab": the view shows the Arabic of every verse above it, in the Unicode view.
    bool arabicShown = false;
    // What the view shows, and where its entries stand while the Arabic is shown.
    ShownText shownText;
    std::unique_ptr<rules::ArabicLayout> arabicLayout;
    // A marked result is arriving and its count is not in the status line yet.
    bool countPending = false;
    // The reading view's text size in percent; 100 at every start.
    int textZoom = 100;
    // The reader's place while the window moves to a monitor of another DPI.
    ViewAnchor dpiAnchor;
    // The place ShowText brings into view once its text has arrived, until it has.
    std::optional<ViewAnchor> pendingAnchor;
    // The Arabic text folded for searching, made at the first search in the Arabic and kept
    // with the Arabic text; the last search's result when it was one (null otherwise).
    std::unique_ptr<rules::ArabicIndex> arabicIndex;
    std::shared_ptr<const ArabicResult> arabicResult;

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
    // Back to the whole list, the 114 surahs or in juz mode the 30 juz, surah 1 shown.
    void ResetToAllSurahs();
    // Fills SurahList with every surah, or every juz in juz mode; nothing selected.
    void FillList();
    // anchor: the place to bring into view; without one the caret goes to the start.
    void ShowSelectedSurah(const ViewAnchor* anchor = nullptr);
    void RunSearch();
    // Shows text in ReadingView with every occurrence of the search box's text counted and,
    // when makeBold, bold; the count goes into CountLabel. False when something handled
    // meanwhile replaced the view's content or closed the window: the newer work stands.
    bool HighlightMatches(const std::string& text, bool makeBold);
    // The search in the Arabic text, for a search text that holds Arabic (UTF-8): the result
    // shows with the Arabic, its hits bold in the Arabic lines.
    void RunArabicSearch(const std::string& searchText);
    // As HighlightMatches, for a result of the search in the Arabic: the occurrences are
    // arabicResult's, and when makeBold the words that hold them are bold.
    bool HighlightArabicMatches(const std::string& text, bool makeBold);
    // Shows content in the reading view, with the Arabic when "Arab" is on; a search result,
    // and anything with the Arabic, in pieces with the queue looked at between them. anchor,
    // when given, is brought into view as soon as the text holding it is in. False when
    // something handled meanwhile replaced the view's content or closed the window (the newer
    // work stands: touch nothing). shownEnd: how far into the text the view got, 0 without a
    // window.
    bool ShowText(ShownText content, const ViewAnchor* anchor, std::size_t& shownEnd);
    // The selection and the top of the view as places in the view text; while content is
    // arriving and its place is not reached yet, that place.
    ViewAnchor CurrentAnchor();
    void ApplyAnchor(const ViewAnchor& anchor);
    // The view position of a place in the view text, as the view shows it now.
    int ViewPosition(std::size_t textPosition);

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
    // Verse s:a first in the view and selected, in its surah, or in its juz in juz mode; out
    // of search results first, as "Tampilkan Semua" leads out.
    void ShowVerse(int s, int a);
    // The list's entry that holds the verse, shown with the verse's line at the top; that line
    // selected and the view focused when select, otherwise the caret at its start.
    void ShowEntryOfVerse(surah::VerseRef verse, bool select);
    void CopyWithCitationCommand();
    void FocusSearchBox();

    // The reading view's text size: steps up (down for a negative count) through the sizes
    // of rules::TextZoomSteps, or back to 100 %. The verse at the top stays at the top and
    // the selection stays; what is copied, cited and saved keeps its size.
    void ZoomCommand(int steps);
    void ResetZoomCommand();
    void SetTextZoom(int percent);
    // Shows the view's content again with the place given (at a new text size or DPI); a
    // result whose pieces this interrupted gets its count when it is complete.
    void ShowAgain(const ViewAnchor& anchor);
    // Around a move to a monitor of another DPI: the place is kept and the view emptied
    // before the controls are scaled, and the content shown again at the new size after.
    void BeforeDpiChange();
    void AfterDpiChange();

    // The juz list (the toolbar's "Juz" and Ctrl+J): the list shows the 30 juz, or the 114
    // surahs again. What the view shows goes on in the other list: the entry that holds the
    // verse at the top is shown, that verse at the top (a reset stays a reset).
    void JuzCommand();
    void SetListMode(bool juz);
    // Juz j from its start, the list showing the juz ("Ke Ayat" with "juz 30").
    void ShowJuz(int j);

    // The reader's place: the verse at the top of the view (its line, or the first verse line
    // after a heading), and its juz and page in the status line, kept current as the view
    // scrolls or its content changes.
    std::optional<surah::VerseRef> VerseAtTop();
    void ShowPlace();
    // The place at the right of the status line, the text size's message left of it.
    void ArrangeStatusRight();

    // "Arab": the Arabic above every verse, or not.
    void ArabicCommand();
    // Unpacks the Arabic text and loads its font the first time; false, after saying why,
    // when the text cannot be had.
    bool LoadArabic();
    // Puts the view into the form that shows the Arabic, or back, and sets the button;
    // leaves the content to the caller. False, after saying why, when the system cannot.
    bool SwitchArabicView(bool on);
    // How the Arabic view's text is written as RTF: in the form the view draws (the view's own
    // font) or in the verses' own text, for what leaves the program (the font office software
    // knows in place of the program's copy).
    rules::ArabicStyle ArabicStyle(bool coloured, rules::ArabicForm form);
};

// Builds the record, the window tree and the wiring, all hidden; stores the record in place
// before anything else, and ends with InitMainWindow. The form becomes the application's
// main window and is handed to the caller, who owns it: destroying it destroys the controls
// and then releases the record and the dialogs. If InitMainWindow raises, the form and the
// record are destroyed as the exception leaves, and place is null again.
[[nodiscard]] std::unique_ptr<Form> CreateMainWindow(MainWindow*& place, Form* parent);
