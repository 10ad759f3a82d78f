// The edges of the main window's life: the last step of building it (band bitmap, caption,
// swatch colours, the Corpus) and the close handler that lets go of the data.
#include <vector>

#include "corpus/FastStrList.h"
#include "corpus/LoadCorpus.h"
#include "reader/ArabicSearch.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/RichView.h"
#include "toolkit/SwatchButton.h"
#include "ui/ContrastColour.h"
#include "ui/Unit1.h"

void MainWindow::InitMainWindow() {
    // 1. The band image.
    headerBitmap = std::make_unique<Bitmap>(Bitmap::load(Application::instance(), "TOPFRAME1"));

    // 2. The product title; the window is still hidden, so "Form1" is never seen.
    MainForm->setCaption("Nurvela");

    // 3-5. The swatches show the list's background and the text colour, the latter with a
    //      caption that stands out against it.
    BackColourButton->setColour(SurahList->colour());
    FontColourButton->setColour(textColour);
    FontColourButton->setFontColour(ContrastColour(textColour));

    // 6. The data of the window, empty.
    textColour = 0;
    corpus = std::make_unique<FastStrList>();
    ResultItems = std::make_unique<std::vector<ResultItem>>();
    ResultSurahs = std::make_unique<std::vector<int>>();
    searchMode = false;
    ReadingView->setFontHeight(16);

    // 7. The translation, unpacked and split before the window is first shown.
    LoadCorpus();

    // 8. The status line starts empty.
    SurahLabel->setCaption("");
    CountLabel->setCaption("");
}

void MainWindow::LoadCorpus() {
    ::LoadCorpus(*corpus);
}

void MainWindow::ReleaseOnClose(bool& accept) {
    // A long highlighting walk running in a nested pump stops at its next look at closing;
    // nothing may use the Corpus, the results or the band once they are gone.
    closing = true;
    arabicLayout.reset();
    arabicResult.reset();
    arabicIndex.reset();
    arabic.reset();
    headerBitmap.reset();
    ResultItems.reset();
    ResultSurahs.reset();
    corpus.reset();
    accept = true;
}
