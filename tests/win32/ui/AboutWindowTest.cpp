// The About window as the user meets it: built from the real resources, laid out on its
// fixed 429 x 291 client area, painted with the two band bitmaps, filled with the unpacked
// README, and opened and closed modally from the real main window.
#include "ui/UAbout.h"

#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include "tests/win32/support/Scale.h"

#include <functional>
#include <memory>
#include <string>

#include "tests/win32/toolkit/WindowGeometry.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PushButton.h"
#include "toolkit/RichView.h"
#include "ui/Unit1.h"

namespace {

// The About window found on screen by its caption, with its controls.
struct OpenAbout {
    Form* form = nullptr;
    RichView* view = nullptr;
    PushButton* closeButton = nullptr;
};

OpenAbout findOpenAbout() {
    OpenAbout open;
    HWND hwnd = FindWindowA(nullptr, AboutCaption);
    if (!hwnd || !IsWindowVisible(hwnd)) {
        return open;
    }
    open.form = dynamic_cast<Form*>(Control::fromHandle(hwnd));
    if (!open.form) {
        return open;
    }
    for (const auto& child : open.form->children()) {
        if (auto* view = dynamic_cast<RichView*>(child.get())) {
            open.view = view;
        } else if (auto* button = dynamic_cast<PushButton*>(child.get())) {
            open.closeButton = button;
        }
    }
    return open;
}

// Runs `step` from inside the next modal run of this thread, as soon as the About window is
// visible. If the run has not ended ten seconds later, the window is destroyed (which ends
// the run) and the test fails, so a close that does nothing cannot hang the suite.
class WhileAboutIsOpen {
public:
    explicit WhileAboutIsOpen(std::function<void(const OpenAbout&)> step) : step_(std::move(step)) {
        current_ = this;
        poll_ = SetTimer(nullptr, 0, 20, &WhileAboutIsOpen::poll);
        watchdog_ = SetTimer(nullptr, 0, 10000, &WhileAboutIsOpen::giveUp);
    }
    ~WhileAboutIsOpen() {
        KillTimer(nullptr, poll_);
        KillTimer(nullptr, watchdog_);
        current_ = nullptr;
    }
    WhileAboutIsOpen(const WhileAboutIsOpen&) = delete;
    WhileAboutIsOpen& operator=(const WhileAboutIsOpen&) = delete;

    bool ran() const { return ran_; }
    bool gaveUp() const { return gaveUp_; }

private:
    static void CALLBACK poll(HWND, UINT, UINT_PTR, DWORD) {
        WhileAboutIsOpen* self = current_;
        if (!self || self->ran_) {
            return;
        }
        OpenAbout open = findOpenAbout();
        if (!open.form || !open.view || !open.closeButton) {
            return;
        }
        self->ran_ = true;
        KillTimer(nullptr, self->poll_);
        self->step_(open);
    }
    static void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
        WhileAboutIsOpen* self = current_;
        if (!self) {
            return;
        }
        KillTimer(nullptr, self->watchdog_);
        self->gaveUp_ = true;
        if (HWND hwnd = FindWindowA(nullptr, AboutCaption)) {
            DestroyWindow(hwnd);
        }
    }

    static inline WhileAboutIsOpen* current_ = nullptr;
    std::function<void(const OpenAbout&)> step_;
    UINT_PTR poll_ = 0;
    UINT_PTR watchdog_ = 0;
    bool ran_ = false;
    bool gaveUp_ = false;
};

// The formatting rectangle's distance from the view's client edges.
RECT textMargins(const RichView& view) {
    RECT format{};
    SendMessageA(view.handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    RECT client{};
    GetClientRect(view.handle(), &client);
    return RECT{format.left - client.left, format.top - client.top, client.right - format.right,
                client.bottom - format.bottom};
}

bool boldAt(RichView& view, int position, int length) {
    CHARRANGE range{position, position + length};
    SendMessageA(view.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(view.handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD);
}

COLORREF pixel(HDC dc, int x, int y) {
    return GetPixel(dc, x, y);
}

// The real main window, built once per suite as the program builds it. It is also what
// makes the process's first rich-text view the plain-path one, so the About view finds the
// library already loaded and uses the same window class, as in the program.
class WithMainWindow : public testing::Test {
protected:
    static void SetUpTestSuite() { mainForm = CreateMainWindow(window, nullptr).release(); }
    static void TearDownTestSuite() {
        delete mainForm;
        mainForm = nullptr;
        window = nullptr;
    }

    static inline MainWindow* window = nullptr;
    static inline Form* mainForm = nullptr;
};

// One About window built on the main window's form, not shown: what construction leaves.
class AboutWindowBuilt : public WithMainWindow {
protected:
    void SetUp() override {
        form = CreateAboutWindow(about, *mainForm);
        ASSERT_NE(about, nullptr);
    }
    void TearDown() override { form.reset(); }

    std::unique_ptr<Form> form;
    AboutWindow* about = nullptr;
};

TEST_F(AboutWindowBuilt, FixedDialogFrameCentredOnTheScreenOwnedByTheParent) {
    HWND hwnd = form->handle();
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, px(429));
    EXPECT_EQ(client.bottom, px(291));

    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(style & WS_SYSMENU, 0) << "the close box stays";
    EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0);
    EXPECT_NE(exStyle & WS_EX_WINDOWEDGE, 0);
    EXPECT_FALSE(form->resizable());
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "built hidden";
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), mainForm->handle());

    RECT outer{};
    GetWindowRect(hwnd, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

    char caption[64] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    EXPECT_STREQ(caption, " Tentang Program");
    EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(AboutWindowBuilt, BandViewAndButtonSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(boxInParent(about->HeaderBand->handle()), (WindowBox{0, 0, px(429), px(55)}));
    EXPECT_EQ(boxInParent(about->AboutView->handle()), (WindowBox{0, px(55), px(429), px(191)}));
    EXPECT_EQ(boxInParent(about->CloseButton->handle()),
              (WindowBox{px(336), px(258), px(77), px(22)}));
    EXPECT_TRUE(about->CloseButton->flat());
    EXPECT_EQ(about->CloseButton->caption(), "Tutup");
    EXPECT_EQ(about->HeaderBand->colour(), 0x00800000u);
    EXPECT_EQ(about->AboutView->backgroundColor(), 0x8000000Fu);
    EXPECT_EQ(form->font().face, "arial");
    EXPECT_EQ(form->font().height, 16);
}

TEST_F(AboutWindowBuilt, TitleAndCreditAreCentredInTheBandInTheirOwnFonts) {
    Label& title = *about->TitleLabel;
    Label& credit = *about->CreditLabel;
    EXPECT_EQ(title.caption(), "Nurvela  v1.5");
    EXPECT_FALSE(credit.caption().empty());

    // Sizes measured with fonts built here, not with the toolkit's own.
    const SIZE titleText = textExtent("arial", px(16), FW_BOLD, title.caption());
    const SIZE creditText = textExtent("arial", px(14), FW_NORMAL, credit.caption());
    const WindowBox titleBox = boxInParent(title.handle());
    const WindowBox creditBox = boxInParent(credit.handle());
    EXPECT_EQ(titleBox.width, titleText.cx + px(1));
    EXPECT_EQ(creditBox.width, creditText.cx + px(1));
    EXPECT_EQ(titleBox.top, px(5));
    EXPECT_EQ(creditBox.top, px(24));
    EXPECT_EQ(titleBox.left, (px(429) - titleBox.width) / 2);
    EXPECT_EQ(creditBox.left, (px(429) - creditBox.width) / 2);
    EXPECT_LE(creditBox.width, px(429)) << "the credit fits on the band";
    EXPECT_LE(titleBox.top + titleBox.height, creditBox.top) << "the lines do not overlap";
    EXPECT_LE(creditBox.top + creditBox.height, px(55) - px(4)) << "above the accent line";

    EXPECT_EQ(title.font().colour, 0x00FFFFFFu);
    EXPECT_EQ(credit.font().colour, 0x00FFFFFFu);
    EXPECT_TRUE(title.transparent());
    EXPECT_TRUE(credit.transparent());
}

TEST_F(AboutWindowBuilt, ReadmeArrivesFormattedNotAsRtfSource) {
    RichView& view = *about->AboutView;
    const std::string text = view.text();
    const auto description = text.find("Deskripsi Singkat");
    const auto contact = text.find("Kontak dan Informasi");
    const auto history = text.find("Sejarah Perkembangan");
    ASSERT_NE(description, std::string::npos) << text.substr(0, 200);
    ASSERT_NE(contact, std::string::npos);
    ASSERT_NE(history, std::string::npos);
    EXPECT_LT(description, contact);
    EXPECT_LT(contact, history);
    EXPECT_EQ(text.find("\\rtf"), std::string::npos);
    EXPECT_EQ(text.find("\\par"), std::string::npos);
    EXPECT_LT(text.find("v1.5"), text.find("v1.0"));
    EXPECT_NE(text.find("CC BY-SA 4.0"), std::string::npos);
    // The text size keys are explained.
    EXPECT_NE(text.find("Ctrl+Plus"), std::string::npos);
    EXPECT_NE(text.find("Ctrl+0 kembali ke 100%"), std::string::npos);

    EXPECT_TRUE(boldAt(view, view.findText("Sejarah Perkembangan", 0, false), 20));
    EXPECT_FALSE(boldAt(view, view.findText("menampilkan", 0, false), 11));
}

TEST_F(AboutWindowBuilt, BandsFillTheirRowsAndReleasedBandsDrawNothing) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    // The band's own size at the tests' DPI; the accent line is four rows at 96 DPI.
    const int w = about->HeaderBand->width();
    const int h = about->HeaderBand->height();
    const int accent = h - px(4);
    HBITMAP surface = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, surface);
    const COLORREF magenta = RGB(255, 0, 255);
    auto clear = [&] {
        HBRUSH brush = CreateSolidBrush(magenta);
        RECT all{0, 0, w, h};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    };

    clear();
    about->PaintAboutBands(*about->HeaderBand, dc);
    // TOPFRAME1 over rows 0..50 (at 96 DPI): blue on the left, lighter in the middle.
    EXPECT_EQ(pixel(dc, 0, 0), RGB(0x62, 0x86, 0xE1));
    EXPECT_EQ(pixel(dc, 0, accent - 1), RGB(0x62, 0x86, 0xE1));
    EXPECT_EQ(pixel(dc, w - 1, accent / 2), RGB(0x72, 0x94, 0xE7));
    // TOPFRAME2 over the last four rows: blue at the left, orange near the middle.
    EXPECT_EQ(pixel(dc, 0, accent), RGB(0x63, 0x7E, 0xD4));
    EXPECT_EQ(pixel(dc, 0, h - 1), RGB(0x63, 0x7E, 0xD4));
    const COLORREF middle = pixel(dc, w * 210 / 429, accent + 1);
    EXPECT_GT(GetRValue(middle), 0xE0);
    EXPECT_LT(GetBValue(middle), 0x80);

    about->ReleaseBands();
    EXPECT_EQ(about->bandBitmap1, nullptr);
    EXPECT_EQ(about->bandBitmap2, nullptr);
    clear();
    about->PaintAboutBands(*about->HeaderBand, dc);
    EXPECT_EQ(pixel(dc, 0, 0), magenta);
    EXPECT_EQ(pixel(dc, 0, accent + 1), magenta);

    SelectObject(dc, old);
    DeleteObject(surface);
    DeleteDC(dc);
}

TEST_F(AboutWindowBuilt, ModalRunInsetsTheTextOnceAndCloseReleasesTheBands) {
    RECT margins{};
    WhileAboutIsOpen probe([&](const OpenAbout& open) {
        margins = textMargins(*open.view);
        EXPECT_FALSE(IsWindowEnabled(mainForm->handle())) << "the owner takes no input";
        PostMessageA(open.form->handle(), WM_CLOSE, 0, 0);
    });
    form->showModal();
    ASSERT_TRUE(probe.ran());
    EXPECT_FALSE(probe.gaveUp());
    // Wine reads the rectangle back one pixel off on some sides.
    EXPECT_NEAR(margins.left, px(10), 1);
    EXPECT_NEAR(margins.top, px(10), 1);
    EXPECT_NEAR(margins.right, px(10), 1);
    EXPECT_NEAR(margins.bottom, px(10), 1);
    EXPECT_TRUE(IsWindowEnabled(mainForm->handle()));
    EXPECT_FALSE(IsWindowVisible(form->handle()));
    EXPECT_EQ(about->bandBitmap1, nullptr);
    EXPECT_EQ(about->bandBitmap2, nullptr);
}

// The About window opened from the real main window, the way "??" opens it.
class AboutFromMainWindow : public WithMainWindow {
protected:
    // Opens the About window with ShowAboutWindow, or with a click on "??" when viaButton,
    // runs `whileOpen` inside, closes it by `close` and checks that the modal run ended with
    // the window gone.
    void openAndClose(const std::function<void(const OpenAbout&)>& whileOpen,
                      const std::function<void(const OpenAbout&)>& close, bool viaButton = false) {
        HWND seen = nullptr;
        WhileAboutIsOpen probe([&](const OpenAbout& open) {
            seen = open.form->handle();
            EXPECT_FALSE(IsWindowEnabled(mainForm->handle()));
            whileOpen(open);
            close(open);
        });
        if (viaButton) {
            SendMessageA(window->AboutButton->handle(), BM_CLICK, 0, 0);
        } else {
            window->ShowAboutWindow();
        }
        ASSERT_TRUE(probe.ran()) << "the About window never showed";
        EXPECT_FALSE(probe.gaveUp()) << "the close request did not end the modal run";
        EXPECT_FALSE(IsWindow(seen)) << "released after the modal run";
        EXPECT_TRUE(IsWindowEnabled(mainForm->handle())) << "the main window takes input again";
    }
};

// The second time through the "??" button, as the user opens it.
TEST_F(AboutFromMainWindow, OpenedTwiceShowsTheSameTextWithATenPixelMarginEachTime) {
    std::string texts[2];
    RECT margins[2]{};
    for (int i = 0; i < 2; ++i) {
        openAndClose(
            [&](const OpenAbout& open) {
                texts[i] = open.view->text();
                margins[i] = textMargins(*open.view);
            },
            [](const OpenAbout& open) { PostMessageA(open.closeButton->handle(), BM_CLICK, 0, 0); },
            i == 1);
    }
    EXPECT_NE(texts[0].find("Deskripsi Singkat"), std::string::npos);
    EXPECT_EQ(texts[0], texts[1]);
    for (const RECT& m : margins) {
        EXPECT_NEAR(m.left, px(10), 1);
        EXPECT_NEAR(m.top, px(10), 1);
        EXPECT_NEAR(m.right, px(10), 1);
    }
}

TEST_F(AboutFromMainWindow, CloseBoxAltF4AndCloseRequestEachEndTheModalRun) {
    const std::function<void(const OpenAbout&)> nothing = [](const OpenAbout&) {};
    // The caption's close box.
    openAndClose(nothing, [](const OpenAbout& open) {
        PostMessageA(open.form->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    // Alt+F4: the system key with the Alt flag (context code, bit 29) set, to the window
    // that has the keyboard focus, as the keyboard delivers it.
    openAndClose(nothing, [](const OpenAbout& open) {
        const LPARAM altDown = 1 | (0x3E << 16) | (1 << 29);
        HWND focus = GetFocus();
        HWND target = focus && IsChild(open.form->handle(), focus) ? focus : open.form->handle();
        PostMessageA(target, WM_SYSKEYDOWN, VK_F4, altDown);
    });
    // A plain close request.
    openAndClose(nothing, [](const OpenAbout& open) { open.form->close(); });
}

}  // namespace
