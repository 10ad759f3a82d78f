// RichView: one read-only rich edit control. It shows long plain texts, colours and bolds
// ranges of them, finds words, selects, copies, and streams content in and out as RTF or
// text. Positions are zero-based character counts as the control counts them (the control
// in use under Wine counts CR LF as two characters). A view can switch to the Unicode class,
// which shows text outside the ANSI code page (Arabic, right to left); that window ends
// every paragraph with a single CR, and its positions count UTF-16 units.
#pragma once

#include "toolkit/Control.h"

#include <windows.h>
#include <richedit.h>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class Stream;

enum class StreamFormat : WPARAM { Rtf = SF_RTF, Text = SF_TEXT };

class RichView : public Control {
public:
    // Plain: the library table is probed oldest first. Ole: OLE is initialised first and,
    // when that succeeds, the table is probed newest first and the view exchanges the larger
    // character-format record.
    enum class Path { Plain, Ole };

    // The control's EN_SELCHANGE notification.
    std::function<void(Control& sender)> onSelectionChange;
    // The user's copy in the view (Ctrl+C, Ctrl+Insert, WM_COPY). When set, it runs instead
    // of the control's own copy.
    std::function<void(Control& sender)> onCopy;
    // The mouse wheel turned with Ctrl held over the view: steps is +1 for each notch away
    // from the user, -1 for each towards (a fine wheel's turns are added up to whole notches).
    // When set, it runs instead of the control's own zoom.
    std::function<void(Control& sender, int steps)> onZoomWheel;
    // The first line in view moved: the user scrolled (scroll bar, wheel, keys, a selection
    // dragged past the edge), the view was resized, or the program scrolled or selected.
    // Not fired for a content replaced: whoever replaces it knows.
    std::function<void(Control& sender)> onScroll;

    RichView(Control& parent, Path path);
    ~RichView() override;

    // Replaces the whole content with text (up to its first NUL): plain, in the view's font
    // and default colour, caret at 0. Background, margin, font and bounds stay.
    void setText(std::string_view text);
    // setText of the current text followed by text.
    void appendText(std::string_view text);
    // Replaces the whole content with an RTF document (setText's way for large contents: a
    // fresh window). True when the view has a window that took the document.
    bool setRtf(std::string_view rtf);
    // Adds an RTF document at the end of the content. The view does not draw meanwhile, and
    // its selection and scroll position stay as they were. True when the view took it.
    bool appendRtf(std::string_view rtf);
    // Grows whenever the whole content is replaced (setText, appendText, setRtf): work that
    // adds to the content between looks at the message queue tells from it whether
    // something run there replaced the content meanwhile.
    std::uint32_t contentGeneration() const { return contentGeneration_; }
    // The whole content as 8-bit text ("" without a window); in a Unicode window every
    // character outside the ANSI code page reads as '?'.
    std::string text() const;
    // The whole content as UTF-16, each paragraph ended as the control ends it (a single CR
    // in the Unicode window), so that indices are the control's positions.
    std::wstring unicodeText() const;

    // Puts the content into a window of the Unicode class (on) or of the view's usual class
    // (off). The content is emptied; font, colours, margin, bounds and focus stay. False when
    // the Unicode library cannot be loaded: the view then stays as it was.
    bool setUnicode(bool on);
    bool unicode() const { return unicode_; }
    // Changes the face of the view's font; nothing happens when it is already that face.
    void setFontFace(const std::string& face);
    void setBackgroundColor(Colour colour);
    Colour backgroundColor() const { return backgroundColor_; }
    // Shrinks the formatting rectangle the control reports now by margin on every side.
    void insetFormatRect(int margin);

    // The size the text is drawn at, in percent of its own (100: as its character format
    // says). The character format does not change: what is copied or saved keeps its size.
    // The control lays the whole content out again at once, which takes time with its
    // length: empty the view first where the content is long and will be shown again anyway.
    void setZoom(int percent);
    int zoom() const { return zoomPercent_; }

    // Scrolls the line that holds position to the top of the view, as far as the view can
    // scroll (the last lines of a text cannot come first).
    void scrollToTop(int position);
    // The position of the first character of the top line in view (0 without a window).
    int firstVisiblePosition() const;

    void setSelStart(int position);
    // The selection runs length characters from its start; -1 from 0 selects everything.
    void setSelLength(int length);
    void selectAll();
    CHARRANGE getSelection();
    void setSelTextColor(Colour colour);
    void setSelBold();

    // Position of the first match at or after start, ignoring case; -1 when none (and
    // always -1 on a view without a window). The selection does not move.
    int findText(const std::string& text, int start, bool wholeWord);
    // Keyboard focus to the view when it is enabled; false otherwise.
    bool focus();
    // The control's own copy of the selection to the clipboard (onCopy is not asked).
    void copySelection();

    // Reads count bytes from the stream's position into the view. True when the control
    // reported no error.
    bool streamIn(Stream& stream, std::uint32_t count, StreamFormat format,
                  bool selectionOnly = false);
    // Writes the content at the stream's position. True when the control reported no error.
    bool streamOut(Stream& stream, StreamFormat format, bool selectionOnly = false);
    // Writes the content to a new file beside path and puts it in place of path only when
    // everything was written, so a failure leaves an existing file as it was. False on
    // failure, with the system error in lastSaveError() and GetLastError().
    bool saveToFile(const std::string& path, StreamFormat format, bool selectionOnly = false);

    // The character height of the view's font (cell height less internal leading), in twips:
    // the size the view's text is drawn at and the size its RTF carries.
    int fontSizeTwips();

    std::uint32_t charFormatSize() const { return charFormatSize_; }
    DWORD lastStreamError() const { return lastStreamError_; }
    DWORD lastSaveError() const { return lastSaveError_; }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void windowDestroyed() override;
    void fontApplied() override;
    void dpiChanged(int oldDpi) override;

private:
    static DWORD CALLBACK readCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);
    static DWORD CALLBACK writeCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);

    // Creates the window when there is none (probing the library again if needed).
    bool ensureWindow();
    // A new, hidden window of the view's class, child of parent, with the given styles.
    HWND createViewWindow(HWND parent, DWORD style, DWORD exStyle, HMENU id) const;
    // Where text added at the end goes, in the control's own positions.
    LONG endPosition() const;
    // How far the content is scrolled up, in pixels.
    int verticalScroll() const;
    // The top of a position's character, in client coordinates.
    long positionY(int position) const;
    // Font, event mask, text limit, background, zoom and margin onto the current window.
    void applyWindowState();
    // The control's zoom: the text size in percent, and the window's DPI over the one the
    // control measures its character sizes with (the system's).
    void applyZoom();
    // The formatting rectangle's distance from each edge of the client area.
    RECT margins() const;
    void setMargins(const RECT& margins);
    // The font as the control's default and current character format, with a positive size.
    void applyDefaultCharFormat();
    // The fast way to a new content: a fresh window with this view's state, data streamed in.
    bool replaceWithFreshWindow(std::string_view data, StreamFormat streamFormat);
    // Streams data from memory into the current window; true when the control reported no
    // error.
    bool streamFromMemory(std::string_view data, WPARAM flags);
    void changeSelFormat(const std::function<void(CHARFORMAT2A&)>& change);
    LRESULT send(UINT msg, WPARAM wParam, LPARAM lParam) const;
    // Fires onScroll when the first line in view is not the one it was last time.
    void noticeScroll();

    Colour backgroundColor_ = ColourWindow;
    std::uint32_t charFormatSize_ = sizeof(CHARFORMATA);
    bool formatRectSet_ = false;
    Stream* stream_ = nullptr;
    std::uint32_t streamRemaining_ = 0;
    DWORD lastStreamError_ = 0;
    DWORD lastSaveError_ = 0;
    std::uint32_t contentGeneration_ = 0;
    bool unicode_ = false;
    int zoomPercent_ = 100;
    bool zoomed_ = false;  // the window has a zoom other than none
    int wheelTurn_ = 0;    // of a fine wheel, not yet a whole notch
    int lastTop_ = 0;      // the first position in view when onScroll last looked
    bool appending_ = false;  // appendRtf puts the first line in view back where it was
};

// Creates a view as a child of parent on the given creation path.
RichView& createRichView(Control& parent, RichView::Path path);
