// The Arabic lines at their height, in the real view: every line of the verses with the
// highest and the lowest ink, of those that Wine once drew off their line, and of a sample
// across the text, plain and with every other word bold, at 28 and 42 pixels, is drawn as the
// program draws it, read back from the screen, and compared pixel for pixel with the same
// line drawn with the source's tall lines (4.175 em, room to spare around every mark):
// the new line holds exactly the same ink, and the tall line has none outside the new one.
// With the same content the tall lines are the old view, so the test also gives the
// baseline-to-baseline distance and the Arabic lines per screen before and after.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "corpus/ArabicFont.h"
#include "corpus/FastStrList.h"
#include "corpus/SurahTable.h"
#include "reader/ArabicLayout.h"
#include "reader/Utf16.h"
#include "reader/ViewText.h"
#include "tests/ArabicInkVerses.h"
#include "tests/win32/support/PackageArabic.h"
#include "tests/win32/ui/ReaderDriver.h"
#include "toolkit/Gdi.h"

namespace {

// The program's font with the source's own tall lines (the build makes it for the tests).
constexpr char TallFontFile[] = NURVELA_ARABIC_FONT_TALL;
constexpr char TallFace[] = "Nurvela Quran Tall";

std::string narrow(const wchar_t* ascii) {
    std::string out;
    for (; *ascii; ++ascii)
        out.push_back(static_cast<char>(*ascii));
    return out;
}

// The view's client area as the screen shows it, one 0x00RRGGBB value a pixel.
struct Screen {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

Screen capture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Screen screen{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = screen.width;
    info.bmiHeader.biHeight = -screen.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    {
        const BitmapHandle bitmap(
            CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const SelectObjectScope selected(memory, bitmap.get());
        BitBlt(memory, 0, 0, screen.width, screen.height, source, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        screen.pixels.assign(first, first + static_cast<std::size_t>(screen.width) * screen.height);
    }
    for (std::uint32_t& p : screen.pixels)
        p &= 0xFFFFFF;
    DeleteDC(memory);
    ReleaseDC(window, source);
    return screen;
}

// Rows [from, from + count) of a screen as a 24-bit BMP file, for a person to look at.
void saveRows(const Screen& screen, int from, int count, const std::string& path) {
    const int stride = (screen.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = screen.width;
    header.biHeight = -count;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * count);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = from; y < from + count; ++y) {
        std::string row(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < screen.width; ++x) {
            const std::uint32_t p = y >= 0 && y < screen.height ? screen.at(x, y) : 0x808080;
            row[3 * x] = static_cast<char>(p & 0xFF);
            row[3 * x + 1] = static_cast<char>(p >> 8 & 0xFF);
            row[3 * x + 2] = static_cast<char>(p >> 16 & 0xFF);
        }
        bytes += row;
    }
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
}

// A face's ascent and descent at a pixel size, as the system gives them to the view.
struct LineBox {
    int ascent = 0;
    int descent = 0;
    int height() const { return ascent + descent; }
};

LineBox lineBoxOf(const char* face, int pixels) {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRICA metrics{};
    char chosen[LF_FACESIZE] = {};
    {
        const FontHandle font(
            CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face));
        const SelectObjectScope selected(dc, font.get());
        GetTextMetricsA(dc, &metrics);
        GetTextFaceA(dc, LF_FACESIZE, chosen);
    }
    DeleteDC(dc);
    EXPECT_STREQ(chosen, face);
    return {metrics.tmAscent, metrics.tmDescent};
}

// One Arabic line of the view: where it starts, and its top in the window after it was
// scrolled to the top.
struct DrawnLine {
    int verse = 0;  // Corpus index
    int start = 0;  // view position of its first character
    int top = 0;
};

class ArabicInk : public ShownReader {
protected:
    void SetUp() override {
        ShownReader::SetUp();
        ASSERT_GT(AddFontResourceExA(TallFontFile, FR_PRIVATE, nullptr), 0)
            << "the tall copy of the font is needed";
        pressArab();
        ASSERT_TRUE(w->arabicShown);
        ASSERT_EQ(w->arabicFace, narrow(ArabicFontFace));
        // Nothing but the text on the lines: no caret, no selection.
        SetFocus(w->SearchBox->handle());
        Application::processMessages();
    }
    void TearDown() override {
        ShownReader::TearDown();
        RemoveFontResourceExA(TallFontFile, FR_PRIVATE, nullptr);
    }

    // The Arabic drawn `pixels` high: the text size that gives it at the DPI of the run.
    void drawArabicAt(int pixels) {
        const int dpi = testDpi();
        w->SetTextZoom(static_cast<int>(std::lround(100.0 * pixels * 96 / (28.0 * dpi))));
    }
    // Shows content again in face, from its start.
    void showIn(ShownText content, const std::string& face) {
        w->arabicFace = face;
        std::size_t shownEnd = 0;
        ASSERT_TRUE(w->ShowText(std::move(content), nullptr, shownEnd));
        Application::processMessages();
    }
    // Shows the verses (Corpus indices) as the view text, in face, with every other word of
    // the Arabic of those in bold bold, from the first, as an Arabic search marks its hits.
    void show(const std::vector<int>& verses, const std::string& face,
              const std::vector<int>& bold = {}) {
        ShownText content;
        content.text = rules::ResultText(*w->corpus, verses);
        if (!bold.empty()) {
            auto marks = std::make_shared<rules::ArabicMarks>();
            for (const int verse : bold) {
                const std::u16string own = rules::Utf8ToUtf16(packageArabic().view(verse));
                std::vector<rules::TextRun>& runs = (*marks)[verse];
                for (std::size_t word = 0, at = 0; at < own.size(); ++word) {
                    const std::size_t end = std::min(own.find(u' ', at), own.size());
                    if (word % 2 == 0)
                        runs.push_back({at, end});
                    at = end + 1;
                }
            }
            content.arabicBold = marks;
        }
        showIn(std::move(content), face);
    }
    HWND view() const { return w->ReadingView->handle(); }
    int lineOf(int position) const {
        return static_cast<int>(SendMessageW(view(), EM_EXLINEFROMCHAR, 0, position));
    }
    int lineStart(int line) const {
        return static_cast<int>(SendMessageW(view(), EM_LINEINDEX, line, 0));
    }
    int topOf(int position) const {
        POINTL at{0, 0};
        SendMessageW(view(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), position);
        return at.y;
    }
    // The height of the view's text area (the client area less the margin above and below).
    int textHeight() const {
        RECT format{};
        SendMessageW(view(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        return format.bottom - format.top;
    }
    // The first character of every Arabic line the view shows, in order.
    std::vector<DrawnLine> arabicLines() const {
        std::vector<DrawnLine> lines;
        for (const rules::ArabicEntry& e : w->arabicLayout->entries()) {
            if (!e.hasArabic())
                continue;
            const int first = lineOf(static_cast<int>(e.viewBegin));
            const int last = lineOf(static_cast<int>(e.viewBegin + e.arabicLength - 1));
            for (int line = first; line <= last; ++line)
                lines.push_back({e.corpusIndex, lineStart(line), 0});
        }
        return lines;
    }
    // Every Arabic line brought to the top in turn, drawn, and read back from the screen.
    std::vector<std::pair<DrawnLine, Screen>> drawEveryArabicLine() {
        std::vector<std::pair<DrawnLine, Screen>> drawn;
        for (DrawnLine line : arabicLines()) {
            w->ReadingView->scrollToTop(line.start);
            UpdateWindow(view());
            line.top = topOf(line.start);
            drawn.emplace_back(line, capture(view()));
        }
        return drawn;
    }

    // The lines of verses drawn at `pixels` with the program's font and with the source
    // font's tall lines, compared: within the program's line box every pixel the same, and
    // nothing but background in the tall line outside it. Adds the ink pixels compared to
    // inkPixels.
    void compareInk(const std::vector<int>& verses, int pixels, const std::vector<int>& bold,
                    const std::string& name, long long& inkPixels) {
        const std::string face = narrow(ArabicFontFace);
        const LineBox fitted = lineBoxOf(face.c_str(), pixels);
        const LineBox tall = lineBoxOf(TallFace, pixels);
        drawArabicAt(pixels);
        show(verses, TallFace, bold);
        const auto reference = drawEveryArabicLine();
        show(verses, face, bold);
        const auto drawn = drawEveryArabicLine();
        ASSERT_EQ(drawn.size(), reference.size());

        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        int failures = 0;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const auto& [line, screen] = drawn[i];
            const auto& [tallLine, tallScreen] = reference[i];
            const surah::VerseRef ref = surah::verseAt(line.verse);
            SCOPED_TRACE(name + ": " + std::to_string(ref.surah) + ":" + std::to_string(ref.verse) +
                         ", line at " + std::to_string(line.start));
            ASSERT_EQ(line.start, tallLine.start) << "the lines break alike";
            ASSERT_GE(line.top, 0);
            ASSERT_LE(line.top + fitted.height(), screen.height) << "the whole line in view";
            ASSERT_GE(tallLine.top, 0);
            ASSERT_LE(tallLine.top + tall.height(), tallScreen.height);
            // The view's own background, in its margin.
            const std::uint32_t background = screen.at(1, 1);
            ASSERT_EQ(tallScreen.at(1, 1), background);
            const int baseline = line.top + fitted.ascent;
            const int tallBaseline = tallLine.top + tall.ascent;
            int missing = 0, outside = 0;
            for (int dy = -tall.ascent; dy < tall.descent; ++dy) {
                const bool inBox = dy >= -fitted.ascent && dy < fitted.descent;
                for (int x = 0; x < screen.width; ++x) {
                    const std::uint32_t want = tallScreen.at(x, tallBaseline + dy);
                    if (!inBox) {
                        outside += want != background;
                        continue;
                    }
                    const std::uint32_t got = screen.at(x, baseline + dy);
                    missing += got != want;
                    inkPixels += want != background;
                }
            }
            EXPECT_EQ(outside, 0) << "ink pixels of the tall line outside the fitted line";
            EXPECT_EQ(missing, 0) << "pixels that differ from the tall line's";
            // The first few lines that differ, or with NURVELA_INK_PICTURES set every line, as
            // pictures in the temporary folder.
            if (((outside || missing) && failures++ < 4) || std::getenv("NURVELA_INK_PICTURES")) {
                const std::string base =
                    std::string(temp) + "nurvela-ink-" + name + "-" + std::to_string(ref.surah) +
                    "-" + std::to_string(ref.verse) + "-" + std::to_string(line.start);
                saveRows(tallScreen, tallLine.top, tall.height(), base + "-tall.bmp");
                saveRows(screen, line.top, fitted.height(), base + "-fitted.bmp");
                std::printf("ink test: saved %s-tall.bmp and -fitted.bmp\n", base.c_str());
            }
        }
    }

    // The verses with the highest and the lowest ink, and two whose last mark made Wine draw
    // the whole line off its place (20 pixels low in 88:7, high in the last line of 20:40).
    static std::vector<int> extremes() {
        std::vector<int> verses;
        for (const surah::VerseRef v : ink::LowestVerses)
            verses.push_back(surah::corpusIndex(v.surah, v.verse));
        for (const surah::VerseRef v : ink::HighestVerses)
            verses.push_back(surah::corpusIndex(v.surah, v.verse));
        verses.push_back(surah::corpusIndex(88, 7));
        verses.push_back(surah::corpusIndex(20, 40));
        return verses;
    }
    // Those, then one verse in every 260 from the first: 24 across the text, and the longest
    // (2:282).
    static std::vector<int> sample() {
        std::vector<int> verses = extremes();
        for (int i = 0; i < surah::TotalVerses; i += 260)
            verses.push_back(i);
        verses.push_back(surah::corpusIndex(2, 282));
        return verses;
    }
};

// From one Arabic line of a verse to the next, the view goes exactly the fitted line's height,
// at most 2.9 em to the pixel (82 pixels at 28, 122 at 42), where the source's lines took
// 4.175 em.
TEST_F(ArabicInk, ArabicLinesFollowOneAnotherAtMost2Point9EmApart) {
    const std::string face = narrow(ArabicFontFace);
    const std::vector<int> longest = {surah::corpusIndex(2, 282)};
    for (const int pixels : {28, 42}) {
        drawArabicAt(pixels);
        int pitch[2] = {};
        for (const int tall : {0, 1}) {
            const std::string shownFace = tall ? TallFace : face;
            show(longest, shownFace);
            const std::vector<DrawnLine> lines = arabicLines();
            ASSERT_GE(lines.size(), 8u);
            pitch[tall] = topOf(lines[1].start) - topOf(lines[0].start);
            for (std::size_t k = 1; k + 1 < lines.size(); ++k)
                EXPECT_EQ(topOf(lines[k + 1].start) - topOf(lines[k].start), pitch[tall])
                    << shownFace << " at " << pixels << " px, line " << k;
            EXPECT_EQ(pitch[tall], lineBoxOf(shownFace.c_str(), pixels).height()) << shownFace;
        }
        EXPECT_LE(pitch[0], static_cast<int>(std::ceil(2.9 * pixels)));
        EXPECT_GE(pitch[1], 1.4 * pitch[0]);  // 1.4 times as many lines for the same height
        std::printf(
            "Arabic baseline to baseline at %d px, %d DPI: %d -> %d pixels (%.3f -> "
            "%.3f em)\n",
            pixels, testDpi(), pitch[1], pitch[0], double(pitch[1]) / pixels,
            double(pitch[0]) / pixels);
    }
}

// The same verses take fewer screens: the whole Arabic lines on each screenful the content
// fills, the Arabic lines per screenful over the whole content, and the whole lines on the
// first screen, of surah 2 and of the search for "sabar" (one verse a screen before), with
// the fitted lines and with the tall ones, in the window as it opens (688 x 450).
TEST_F(ArabicInk, HalfAsManyArabicLinesAgainFitOnAScreen) {
    const std::string face = narrow(ArabicFontFace);
    struct Content {
        const char* name;
        ShownText shown;
    };
    std::vector<Content> contents;
    clickEntry(1);  // 2. Al-Baqarah
    contents.push_back({"surah 2", w->shownText});
    searchWithEnter("sabar");
    contents.push_back({"search \"sabar\"", w->shownText});
    SetFocus(w->SearchBox->handle());
    for (const Content& content : contents) {
        double perScreen[2] = {}, perPage[2] = {};
        int firstScreen[2] = {};
        for (const int tall : {0, 1}) {
            const std::string shownFace = tall ? TallFace : face;
            showIn(content.shown, shownFace);
            const std::vector<DrawnLine> lines = arabicLines();
            ASSERT_FALSE(lines.empty());
            const int height = lineBoxOf(shownFace.c_str(), px(28)).height();
            const int origin = topOf(0);
            const int end = static_cast<int>(w->arabicLayout->viewLength()) - 1;
            const int contentHeight = topOf(end) - origin + 17;  // to the end of the last line
            perScreen[tall] = double(lines.size()) * textHeight() / contentHeight;
            // Whole lines on each screenful the content fills, as Page Down shows them.
            const int pages = contentHeight / textHeight();
            int whole = 0;
            for (const DrawnLine& line : lines) {
                const int top = topOf(line.start) - origin;
                const int page = top / textHeight();
                if (page < pages && top + height <= (page + 1) * textHeight())
                    ++whole;
                firstScreen[tall] += top + height <= textHeight();
            }
            perPage[tall] = pages ? double(whole) / pages : 0;
        }
        // Whole lines on a screen, what a reader counts, half as many again; over the content,
        // where the translation's lines keep their height, about a third more.
        EXPECT_GE(perPage[0], 1.4 * perPage[1]) << content.name;
        EXPECT_GE(perScreen[0], 1.25 * perScreen[1]) << content.name;
        EXPECT_GE(firstScreen[0], firstScreen[1] + 1) << content.name;
        std::printf(
            "Arabic lines per screen of %s: %.2f -> %.2f on average (%.2fx); whole "
            "lines per screenful %.2f -> %.2f (%.2fx); %d -> %d on the first\n",
            content.name, perScreen[1], perScreen[0], perScreen[0] / perScreen[1], perPage[1],
            perPage[0], perPage[0] / perPage[1], firstScreen[1], firstScreen[0]);
    }
}

TEST_F(ArabicInk, EveryLineHoldsTheInkOfTheTallLinePixelForPixel) {
    for (const int pixels : {28, 42}) {
        const std::string size = std::to_string(pixels) + "px";
        long long plain = 0, bold = 0;
        compareInk(sample(), pixels, {}, size, plain);
        compareInk(extremes(), pixels, extremes(), size + "-bold", bold);
        std::printf(
            "ink test at %d px: %lld ink pixels compared in %zu verses, %lld of them bold\n",
            pixels, plain + bold, sample().size(), bold);
        EXPECT_GT(plain, 0);
        EXPECT_GT(bold, 0);
    }
}

}  // namespace
