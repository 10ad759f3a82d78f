#include "ui/DialogBand.h"

#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

namespace band {

namespace {

// The accent bitmap is a thin line this many rows high at the bottom of the band.
constexpr int AccentRows = 4;

}  // namespace

std::unique_ptr<Bitmap> loadBitmap(const char* name) {
    auto bitmap = std::make_unique<Bitmap>();
    *bitmap = Bitmap::load(Application::instance(), name);
    return bitmap;
}

Label& addLabel(Panel& band, int top, int fontHeight, int weight) {
    Label& label = band.add<Label>();
    label.setTop(band.scaled(top));
    label.setAutoSize(true);
    label.setFontColour(White);
    label.setFontHeight(fontHeight);
    label.setFontWeight(weight);
    label.setTransparent(true);
    return label;
}

void centre(Label& label, const Panel& band) {
    label.setLeft((band.width() - label.width()) / 2);
}

void paint(const Control& band, HDC dc, const Bitmap* upper, const Bitmap* accent) {
    const int w = band.width();
    const int h = band.height();
    const int accentRows = band.scaled(AccentRows);
    if (upper) {
        upper->draw(dc, RECT{0, 0, w, h - accentRows});
    }
    if (accent) {
        accent->draw(dc, RECT{0, h - accentRows, w, h});
    }
}

}  // namespace band
