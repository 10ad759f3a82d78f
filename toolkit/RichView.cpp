#include "toolkit/RichView.h"

#include "corpus/Stream.h"
#include "toolkit/Application.h"
#include "toolkit/FileStream.h"
#include "toolkit/RichEditLibrary.h"
#include "toolkit/SafeSave.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <numeric>

namespace {

// Child, visible, clipping, vertical scroll bar, multi-line, auto vertical scroll, read-only.
// No border, no tab stop, no horizontal scrolling: lines wrap at the formatting rectangle.
constexpr DWORD ViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL |
                            ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;
static_assert(ViewStyle == 0x56200844);

constexpr LPARAM EventMask =
    ENM_CHANGE | ENM_REQUESTRESIZE | ENM_SELCHANGE | ENM_PROTECTED | ENM_LINK;
static_assert(EventMask == 0x042C0001);

// The control's default limit would cut a search result over all verses (about 1.2 million
// characters); this leaves ample room.
constexpr LPARAM TextLimit = 16 * 1024 * 1024;

// Above this many characters, old or new, replacing the text with WM_SETTEXT costs seconds
// to minutes in the control in use; a fresh window filled by streaming costs the same as
// filling an empty one.
constexpr int LargeText = 16 * 1024;

// dwError reported to the control when a stream callback failed with an exception.
constexpr DWORD CallbackFailed = ERROR_GEN_FAILURE;

// Whether the message can move the first line in view: scrolling, keys, the mouse dragging a
// selection (with the control's timer that scrolls on while the mouse is past the edge), a new
// size, and the program's scrolling and selecting. Only after these does onScroll look.
bool canScroll(UINT msg, WPARAM wParam) {
    switch (msg) {
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN:
        case WM_TIMER:
        case WM_LBUTTONUP:
        case WM_SIZE:
        case EM_LINESCROLL:
        case EM_SCROLL:
        case EM_SCROLLCARET:
        case EM_SETSCROLLPOS:
        case EM_SETSEL:
        case EM_EXSETSEL:
            return true;
        case WM_MOUSEMOVE:
            return (wParam & MK_LBUTTON) != 0;
        default:
            return false;
    }
}

// Text or a document handed to the control from memory.
struct TextSource {
    const char* next;
    std::size_t remaining;
};

DWORD CALLBACK readText(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* source = reinterpret_cast<TextSource*>(cookie);
    std::size_t n = std::min<std::size_t>(count > 0 ? count : 0, source->remaining);
    std::memcpy(buffer, source->next, n);
    source->next += n;
    source->remaining -= n;
    *done = static_cast<LONG>(n);
    return 0;
}

}  // namespace

RichView::RichView(Control& parent, Path path) : Control(&parent) {
    const bool ole = path == Path::Ole && RichEditLibrary::initialiseOle();
    charFormatSize_ = ole ? sizeof(CHARFORMAT2A) : sizeof(CHARFORMATA);
    ensureWindow();
}

RichView::~RichView() {
    if (handle()) {
        // Unbound first, so windowDestroyed() does not run for it: the count drops here.
        destroyWindow();
        RichEditLibrary::windowDestroyed();
    }
}

void RichView::windowDestroyed() {
    // The parent's window took this one with it.
    RichEditLibrary::windowDestroyed();
}

RichView& createRichView(Control& parent, RichView::Path path) {
    return parent.add<RichView>(path);
}

LRESULT RichView::send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (!handle()) {
        return 0;
    }
    return unicode_ ? SendMessageW(handle(), msg, wParam, lParam)
                    : SendMessageA(handle(), msg, wParam, lParam);
}

HWND RichView::createViewWindow(HWND parentWindow, DWORD style, DWORD exStyle, HMENU id) const {
    if (unicode_) {
        // What leaves a Unicode view is up to its owner (onCopy); dragging the selection out
        // would go around it.
        return CreateWindowExW(exStyle, RichEditLibrary::unicodeWindowClass(), L"",
                               style | ES_NOOLEDRAGDROP, left(), top(), width(), height(),
                               parentWindow, id, Application::instance(), nullptr);
    }
    return CreateWindowExA(exStyle, RichEditLibrary::windowClass(), "", style & ~ES_NOOLEDRAGDROP,
                           left(), top(), width(), height(), parentWindow, id,
                           Application::instance(), nullptr);
}

bool RichView::ensureWindow() {
    if (handle()) {
        return true;
    }
    // Without a library the class is unknown and the creation below fails by itself;
    // the next operation tries again.
    if (unicode_) {
        RichEditLibrary::ensureUnicodeLoaded();
        HWND parentWindow = parent() ? parent()->handle() : nullptr;
        if (HWND hwnd = createViewWindow(parentWindow, ViewStyle, 0, nullptr)) {
            attachWindow(hwnd);
        }
    } else {
        RichEditLibrary::ensureLoaded();
        createStockWindow(RichEditLibrary::windowClass(), ViewStyle, 0);
    }
    if (!handle()) {
        return false;
    }
    RichEditLibrary::windowCreated();
    applyWindowState();
    return true;
}

void RichView::applyWindowState() {
    send(WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), TRUE);
    applyDefaultCharFormat();
    send(EM_SETEVENTMASK, 0, EventMask);
    send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(resolveColour(backgroundColor_)));
    send(EM_EXLIMITTEXT, 0, TextLimit);
    // The view is read-only, so there is nothing for the user to undo, but the control would
    // still record every insertion of a content streamed in pieces: memory, and an undo that
    // takes the last piece away again.
    send(EM_SETUNDOLIMIT, 0, 0);
    zoomed_ = false;  // a new window has none
    applyZoom();
}

void RichView::setZoom(int percent) {
    zoomPercent_ = std::clamp(percent, 10, 500);
    applyZoom();
}

void RichView::applyZoom() {
    if (!handle()) {
        return;
    }
    // The control turns character sizes into pixels at the system's DPI; a window on a
    // monitor of another DPI draws them larger or smaller by that ratio.
    int numerator = zoomPercent_ * dpi();
    int denominator = 100 * scaling::system();
    const int common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (numerator == denominator) {
        // No zoom at all: the text is drawn exactly as without one.
        if (zoomed_) {
            send(EM_SETZOOM, 0, 0);
            zoomed_ = false;
        }
        return;
    }
    send(EM_SETZOOM, static_cast<WPARAM>(numerator), static_cast<LPARAM>(denominator));
    zoomed_ = true;
}

void RichView::dpiChanged(int oldDpi) {
    if (formatRectSet_ && handle()) {
        const RECT old = margins();
        const auto scale = [&](LONG v) { return static_cast<LONG>(MulDiv(v, dpi(), oldDpi)); };
        setMargins(RECT{scale(old.left), scale(old.top), scale(old.right), scale(old.bottom)});
    }
    applyZoom();
}

RECT RichView::margins() const {
    RECT format{};
    RECT client{};
    send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    GetClientRect(handle(), &client);
    return RECT{format.left - client.left, format.top - client.top, client.right - format.right,
                client.bottom - format.bottom};
}

void RichView::setMargins(const RECT& margins) {
    RECT format{};
    GetClientRect(handle(), &format);
    format.left += margins.left;
    format.top += margins.top;
    format.right -= margins.right;
    format.bottom -= margins.bottom;
    send(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
}

void RichView::fontApplied() {
    applyDefaultCharFormat();
}

int RichView::fontSizeTwips() {
    HDC dc = GetDC(handle());
    if (!dc) {
        return 0;
    }
    HGDIOBJ old = SelectObject(dc, fontHandle());
    TEXTMETRICA metrics{};
    const bool measured = GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(handle(), dc);
    if (!measured) {
        return 0;
    }
    // The font is made at the window's DPI, so its size in points is the same at any DPI.
    return MulDiv(metrics.tmHeight - metrics.tmInternalLeading, 1440, dpi());
}

void RichView::applyDefaultCharFormat() {
    // The control takes a font's positive cell height as a negative character size, draws it
    // right, but writes it into RTF as a negative \fs, and office software then drops the
    // size and every bold mark with it. The same font given as a positive character height
    // draws the same pixels and is written as it should be. It must become the default format
    // and the format of the present text: either alone leaves the negative size somewhere.
    const int twips = fontSizeTwips();
    if (!handle() || twips <= 0) {
        return;
    }
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD;
    format.yHeight = twips;
    const std::string& face = font().face;
    face.copy(format.szFaceName, LF_FACESIZE - 1);
    send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void RichView::setText(std::string_view text) {
    // The text ends where a C string would: as WM_SETTEXT would take it.
    text = text.substr(0, text.find('\0'));
    if (!ensureWindow()) {
        return;
    }
    ++contentGeneration_;
    if (text.size() > LargeText || GetWindowTextLengthA(handle()) > LargeText) {
        if (replaceWithFreshWindow(text, StreamFormat::Text)) {
            return;
        }
    }
    std::string copy(text);
    SetWindowTextA(handle(), copy.c_str());
    invalidate();
}

bool RichView::setRtf(std::string_view rtf) {
    if (!ensureWindow()) {
        return false;
    }
    ++contentGeneration_;
    if (rtf.size() > LargeText || GetWindowTextLengthA(handle()) > LargeText) {
        if (replaceWithFreshWindow(rtf, StreamFormat::Rtf)) {
            return true;
        }
    }
    if (unicode_) {
        // The Unicode window keeps every paragraph and its format only when the document is
        // inserted at the caret, never when it replaces the content.
        SetWindowTextA(handle(), "");
        CHARRANGE start{0, 0};
        send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
        streamFromMemory(rtf, SF_RTF | SFF_SELECTION);
        // Inserting left the caret at the document's end; a new content starts at its start.
        send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    } else {
        streamFromMemory(rtf, SF_RTF);
    }
    invalidate();
    return true;
}

bool RichView::appendRtf(std::string_view rtf) {
    if (!handle()) {
        return false;
    }
    // Switching the drawing off clears WS_VISIBLE and switching it on sets it: a view that
    // was not visible is left alone.
    const HWND window = handle();
    const bool drawing = (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (drawing) {
        send(WM_SETREDRAW, FALSE, 0);
    }
    // The selection and the scroll position come back as they were: the first line in view
    // stays, and asking the control for it after each of these messages cost a search
    // through every line (a tenth more time for the longest results, in pieces).
    appending_ = true;
    CHARRANGE selection{0, 0};
    send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    POINT scroll{0, 0};
    send(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    scroll.y = verticalScroll();
    const LONG end = endPosition();
    CHARRANGE atEnd{end, end};
    send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&atEnd));
    const bool taken = streamFromMemory(rtf, SF_RTF | SFF_SELECTION);
    send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    send(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    appending_ = false;
    if (drawing) {
        send(WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    return taken;
}

LONG RichView::endPosition() const {
    if (!unicode_) {
        return GetWindowTextLengthA(handle());
    }
    // Counted as the control counts positions: a paragraph mark is one character.
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<LONG>(send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

bool RichView::streamFromMemory(std::string_view data, WPARAM flags) {
    TextSource source{data.data(), data.size()};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, readText};
    send(EM_STREAMIN, flags, reinterpret_cast<LPARAM>(&es));
    return es.dwError == 0;
}

bool RichView::replaceWithFreshWindow(std::string_view data, StreamFormat streamFormat) {
    HWND old = handle();
    const DWORD style = static_cast<DWORD>(GetWindowLongA(old, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(old, GWL_EXSTYLE));
    const bool hadFocus = GetFocus() == old;
    // The margin is kept relative to the client area: the control moves the right edge of
    // its rectangle with the client's, which the vertical scroll bar narrows while shown.
    const RECT kept = formatRectSet_ ? margins() : RECT{};
    // Hidden until it holds the text, so the half-filled window never paints. The control
    // drops WS_VSCROLL while its text fits, but only a window created with it ever scrolls.
    const DWORD freshStyle = (style | WS_VSCROLL) & ~WS_VISIBLE;
    HWND fresh = createViewWindow(GetParent(old), freshStyle, exStyle,
                                  reinterpret_cast<HMENU>(GetWindowLongPtrA(old, GWLP_ID)));
    if (!fresh) {
        return false;
    }
    // Bound and styled while still empty: a font change over a long text costs a second.
    // The old window is unbound before it goes, so the window count stays as it is.
    replaceWindow(fresh);
    applyWindowState();
    if (formatRectSet_) {
        setMargins(kept);
    }
    // Text the control failed to take is set the slow way; a document is left as far as
    // the control got with it.
    // The Unicode window takes a document whole only when it is inserted at the caret.
    const WPARAM flags = static_cast<WPARAM>(streamFormat) |
                         (unicode_ && streamFormat == StreamFormat::Rtf ? SFF_SELECTION : 0);
    if (!streamFromMemory(data, flags) && streamFormat == StreamFormat::Text) {
        std::string copy(data);
        SetWindowTextA(fresh, copy.c_str());
    }
    if (flags & SFF_SELECTION) {
        CHARRANGE start{0, 0};
        send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    }
    if (style & WS_VISIBLE) {
        ShowWindow(fresh, SW_SHOWNA);
    }
    if (hadFocus) {
        SetFocus(fresh);
    }
    invalidate();
    return true;
}

void RichView::appendText(std::string_view text) {
    std::string joined = this->text();
    joined.append(text);
    setText(joined);
}

std::string RichView::text() const {
    if (!handle()) {
        return {};
    }
    int length = GetWindowTextLengthA(handle());
    std::string result(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(handle(), result.data(), length + 1);
    result.resize(static_cast<std::size_t>(std::max(0, copied)));
    return result;
}

std::wstring RichView::unicodeText() const {
    if (!handle()) {
        return {};
    }
    if (!unicode_) {
        const std::string ansi = text();
        std::wstring wide(ansi.size(), L'\0');
        const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                          wide.data(), static_cast<int>(wide.size()));
        wide.resize(static_cast<std::size_t>(std::max(0, n)));
        return wide;
    }
    const LONG length = endPosition();
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    get.flags = GT_DEFAULT;
    get.codepage = 1200;
    const LRESULT copied = send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
    return wide;
}

bool RichView::setUnicode(bool on) {
    if (on == unicode_) {
        return true;
    }
    if (on && !RichEditLibrary::ensureUnicodeLoaded()) {
        return false;
    }
    unicode_ = on;
    ++contentGeneration_;
    if (!handle()) {
        return ensureWindow();
    }
    if (replaceWithFreshWindow({}, StreamFormat::Text)) {
        return true;
    }
    // No window of the other class: the view stays what it was.
    unicode_ = !on;
    return false;
}

void RichView::setFontFace(const std::string& face) {
    if (face == font().face) {
        return;
    }
    Control::setFontFace(face.substr(0, LF_FACESIZE - 1));
}

void RichView::setBackgroundColor(Colour colour) {
    ensureWindow();
    send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(resolveColour(colour)));
    const bool changed = colour != backgroundColor_;
    backgroundColor_ = colour;
    if (changed) {
        invalidate();
    }
}

void RichView::insetFormatRect(int margin) {
    if (!ensureWindow()) {
        return;
    }
    RECT rect{};
    send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    InflateRect(&rect, -margin, -margin);
    send(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    formatRectSet_ = true;
}

void RichView::scrollToTop(int position) {
    if (!handle()) {
        return;
    }
    // The control under Wine scrolls every line by a height of its own: the Unicode view's
    // Arabic lines are several times that tall, and a content streamed in as RTF into the
    // usual view was scrolled 24 pixels a line for lines of 16. There the scroll position is
    // set in pixels; a plain text's lines scroll as lines, as they always have.
    const auto inPixels = [this, position] {
        POINT to{0, static_cast<LONG>(positionY(position) - positionY(0))};
        send(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&to));
    };
    if (unicode_) {
        inPixels();
        return;
    }
    const auto line = static_cast<int>(send(EM_EXLINEFROMCHAR, 0, position));
    const auto first = static_cast<int>(send(EM_GETFIRSTVISIBLELINE, 0, 0));
    if (line != first) {
        send(EM_LINESCROLL, 0, line - first);
        if (static_cast<int>(send(EM_GETFIRSTVISIBLELINE, 0, 0)) != line) {
            inPixels();
        }
    }
}

long RichView::positionY(int position) const {
    POINTL at{0, 0};
    send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), position);
    return at.y;
}

int RichView::verticalScroll() const {
    // EM_GETSCROLLPOS and the scroll bar report a document taller than 65,535 pixels scaled
    // down to 16 bits, while EM_SETSCROLLPOS takes pixels. The first character's place in
    // the window tells the pixels.
    if (endPosition() == 0) {
        return 0;
    }
    RECT format{};
    send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return static_cast<int>(format.top - positionY(0));
}

int RichView::firstVisiblePosition() const {
    const auto line = static_cast<WPARAM>(send(EM_GETFIRSTVISIBLELINE, 0, 0));
    return std::max(0, static_cast<int>(send(EM_LINEINDEX, line, 0)));
}

void RichView::setSelStart(int position) {
    if (!ensureWindow()) {
        return;
    }
    CHARRANGE range{position, position};
    send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichView::setSelLength(int length) {
    if (!ensureWindow()) {
        return;
    }
    CHARRANGE range = getSelection();
    range.cpMax = range.cpMin + length;
    send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichView::selectAll() {
    setSelStart(0);
    setSelLength(-1);
    // On an empty view the control selects its final paragraph mark, which holds no text;
    // the selection stays an empty caret at 0 instead.
    if (handle() && GetWindowTextLengthA(handle()) == 0) {
        setSelStart(0);
    }
}

CHARRANGE RichView::getSelection() {
    CHARRANGE range{0, 0};
    if (ensureWindow()) {
        send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    return range;
}

void RichView::changeSelFormat(const std::function<void(CHARFORMAT2A&)>& change) {
    if (!ensureWindow()) {
        return;
    }
    CHARFORMAT2A format{};
    format.cbSize = charFormatSize_;
    send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    change(format);
    send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RichView::setSelTextColor(Colour colour) {
    const COLORREF rgb = resolveColour(colour);
    changeSelFormat([rgb](CHARFORMAT2A& format) {
        format.dwMask = CFM_COLOR;
        format.crTextColor = rgb;
        format.dwEffects &= ~(CFE_AUTOCOLOR | CFE_AUTOBACKCOLOR);
    });
}

void RichView::setSelBold() {
    changeSelFormat([](CHARFORMAT2A& format) {
        format.dwMask = CFM_BOLD;
        format.dwEffects = CFE_BOLD;
    });
}

int RichView::findText(const std::string& text, int start, bool wholeWord) {
    // Without a window nothing can match; a caller looping until -1 must end.
    if (!ensureWindow()) {
        return -1;
    }
    FINDTEXTA find{};
    find.chrg.cpMin = start;
    find.chrg.cpMax = 0x7FFFFFFF;
    find.lpstrText = text.c_str();
    const WPARAM flags = FR_DOWN | (wholeWord ? FR_WHOLEWORD : 0);
    if (unicode_) {
        std::wstring wide(text.size(), L'\0');
        const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                          wide.data(), static_cast<int>(wide.size()));
        wide.resize(static_cast<std::size_t>(std::max(0, n)));
        FINDTEXTW findW{find.chrg, wide.c_str()};
        return static_cast<int>(send(EM_FINDTEXTW, flags, reinterpret_cast<LPARAM>(&findW)));
    }
    return static_cast<int>(send(EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&find)));
}

bool RichView::focus() {
    if (!ensureWindow() || !IsWindowEnabled(handle())) {
        return false;
    }
    SetFocus(handle());
    return true;
}

void RichView::copySelection() {
    if (!handle()) {
        return;
    }
    // A selection that holds no character (an empty caret, or only the final paragraph mark
    // the control counts past the text) would replace the clipboard with nothing.
    CHARRANGE range{0, 0};
    send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (std::min<LONG>(range.cpMax, endPosition()) <= range.cpMin) {
        return;
    }
    defaultProc(WM_COPY, 0, 0);
}

bool RichView::streamIn(Stream& stream, std::uint32_t count, StreamFormat format,
                        bool selectionOnly) {
    if (!ensureWindow()) {
        lastStreamError_ = ERROR_INVALID_WINDOW_HANDLE;
        return false;
    }
    stream_ = &stream;
    streamRemaining_ = count;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(this), 0, readCallback};
    const WPARAM flags = static_cast<WPARAM>(format) | (selectionOnly ? SFF_SELECTION : 0);
    send(EM_STREAMIN, flags, reinterpret_cast<LPARAM>(&es));
    stream_ = nullptr;
    lastStreamError_ = es.dwError;
    return es.dwError == 0;
}

bool RichView::streamOut(Stream& stream, StreamFormat format, bool selectionOnly) {
    if (!ensureWindow()) {
        lastStreamError_ = ERROR_INVALID_WINDOW_HANDLE;
        return false;
    }
    stream_ = &stream;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(this), 0, writeCallback};
    const WPARAM flags = static_cast<WPARAM>(format) | (selectionOnly ? SFF_SELECTION : 0);
    send(EM_STREAMOUT, flags, reinterpret_cast<LPARAM>(&es));
    stream_ = nullptr;
    lastStreamError_ = es.dwError;
    return es.dwError == 0;
}

DWORD CALLBACK RichView::readCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    *done = 0;
    try {
        auto* view = reinterpret_cast<RichView*>(cookie);
        const std::uint32_t wanted =
            std::min<std::uint32_t>(count > 0 ? count : 0, view->streamRemaining_);
        const std::size_t got = wanted ? view->stream_->read(buffer, wanted) : 0;
        view->streamRemaining_ -= static_cast<std::uint32_t>(got);
        *done = static_cast<LONG>(got);
        return 0;
    } catch (...) {
        Application::handleException(std::current_exception());
        return CallbackFailed;
    }
}

DWORD CALLBACK RichView::writeCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    *done = 0;
    try {
        auto* view = reinterpret_cast<RichView*>(cookie);
        const std::size_t wanted = count > 0 ? static_cast<std::size_t>(count) : 0;
        const std::size_t written = view->stream_->write(buffer, wanted);
        *done = static_cast<LONG>(written);
        // A short write is an error: the control must not believe the content was kept.
        return written == wanted ? 0 : ERROR_WRITE_FAULT;
    } catch (...) {
        Application::handleException(std::current_exception());
        return CallbackFailed;
    }
}

bool RichView::saveToFile(const std::string& path, StreamFormat format, bool selectionOnly) {
    lastSaveError_ = 0;
    if (!ensureWindow()) {
        lastSaveError_ = ERROR_INVALID_WINDOW_HANDLE;
    } else {
        lastSaveError_ = saveReplacing(path, [&](FileStream& out) -> DWORD {
            if (streamOut(out, format, selectionOnly)) {
                return 0;
            }
            const DWORD error = out.error() ? out.error() : lastStreamError_;
            return error ? error : ERROR_WRITE_FAULT;
        });
    }
    if (lastSaveError_ == 0) {
        return true;
    }
    SetLastError(lastSaveError_);
    return false;
}

LRESULT RichView::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) && onZoomWheel) {
        wheelTurn_ += GET_WHEEL_DELTA_WPARAM(wParam);
        const int steps = wheelTurn_ / WHEEL_DELTA;
        wheelTurn_ %= WHEEL_DELTA;
        if (steps != 0) {
            fire(onZoomWheel, *this, steps);
        }
        return 0;
    }
    if (onCopy) {
        const bool ctrlOnly = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
        const bool copyKey = msg == WM_KEYDOWN && ctrlOnly && (wParam == 'C' || wParam == VK_INSERT);
        if (msg == WM_COPY || copyKey) {
            fire(onCopy, *this);
            return 0;
        }
    }
    if (!onScroll || appending_ || !canScroll(msg, wParam)) {
        return Control::handleMessage(msg, wParam, lParam);
    }
    const HWND window = handle();
    const LRESULT result = Control::handleMessage(msg, wParam, lParam);
    if (handle() == window) {
        noticeScroll();
    }
    return result;
}

void RichView::noticeScroll() {
    const int top = firstVisiblePosition();
    if (top == lastTop_) {
        return;
    }
    lastTop_ = top;
    fire(onScroll, *this);
}

bool RichView::reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == EN_SELCHANGE) {
        fire(onSelectionChange, *this);
        result = 0;
        return true;
    }
    return Control::reflect(msg, wParam, lParam, result);
}
