#include "toolkit/RichView.h"

#include "corpus/MemoryStream.h"
#include "tests/win32/toolkit/RichViewTestHost.h"

#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <vector>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* Verses =
    "1:1. Dengan nama Allah Yang Maha Pengasih, Maha Penyayang.\r\n\r\n"
    "1:2. Segala puji bagi Allah, Tuhan seluruh alam,\r\n\r\n";

std::string contentOf(const MemoryStream& stream) {
    return std::string(stream.data(), static_cast<std::size_t>(stream.size()));
}

std::string fileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// Takes the first `capacity` bytes and refuses the rest, as a full disk would.
class FullStream final : public Stream {
public:
    explicit FullStream(std::size_t capacity) : capacity_(capacity) {}
    std::size_t read(void*, std::size_t) override { return 0; }
    std::size_t write(const void*, std::size_t count) override {
        std::size_t taken = std::min(count, capacity_ - taken_);
        taken_ += taken;
        return taken;
    }
    std::int64_t seek(std::int64_t offset, Origin) override { return offset; }
    std::int64_t size() const override { return static_cast<std::int64_t>(taken_); }
    std::int64_t position() const override { return static_cast<std::int64_t>(taken_); }

private:
    std::size_t capacity_;
    std::size_t taken_ = 0;
};

class RichViewStreamTest : public RichViewSuite {
protected:
    void SetUp() override {
        view.setBounds(0, 0, 600, 400);
        view.setText(Verses);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "nurvela-richview-" + std::to_string(GetTickCount());
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string path = folder + "\\" + found.cFileName;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
        ShowWindow(view.handle(), SW_HIDE);
    }

    // The names in the test folder, so a leftover of a save shows.
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                    names.push_back(found.cFileName);
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        return names;
    }

    void boldSecondVerse() {
        view.setSelStart(66);
        view.setSelLength(4);
        view.setSelBold();
    }

    RichView& view = createRichView(*host, RichView::Path::Plain);
    std::string folder;
};

TEST_F(RichViewStreamTest, StreamsOutTheTextAndRtfWithItsBold) {
    MemoryStream text;
    ASSERT_TRUE(view.streamOut(text, StreamFormat::Text));
    EXPECT_EQ(contentOf(text), view.text());
    EXPECT_EQ(view.lastStreamError(), 0u);

    boldSecondVerse();
    MemoryStream rtf;
    ASSERT_TRUE(view.streamOut(rtf, StreamFormat::Rtf));
    const std::string document = contentOf(rtf);
    EXPECT_EQ(document.rfind("{\\rtf", 0), 0u) << document.substr(0, 40);
    EXPECT_NE(document.find("\\b"), std::string::npos);
    EXPECT_NE(document.find("Tuhan seluruh alam"), std::string::npos);
}

// Every font size an RTF document gives (\fsN, in half points).
std::vector<int> fontSizesIn(const std::string& document) {
    std::vector<int> sizes;
    for (std::size_t at = document.find("\\fs"); at != std::string::npos;
         at = document.find("\\fs", at + 3)) {
        sizes.push_back(std::atoi(document.c_str() + at + 3));
    }
    return sizes;
}

// Office software drops a negative size and every bold mark with it: the RTF carries the
// size the view draws, positive, after a small and a large text, and after a font change.
TEST_F(RichViewStreamTest, RtfCarriesThePositiveSizeTheViewDraws) {
    const auto expectSizeOfTheView = [this](const char* when) {
        boldSecondVerse();
        MemoryStream rtf;
        ASSERT_TRUE(view.streamOut(rtf, StreamFormat::Rtf));
        const std::string document = contentOf(rtf);
        const std::vector<int> sizes = fontSizesIn(document);
        ASSERT_FALSE(sizes.empty()) << when << ": " << document.substr(0, 300);
        for (int halfPoints : sizes) {
            EXPECT_GT(halfPoints, 0) << when;
            EXPECT_NEAR(halfPoints * 10, view.fontSizeTwips(), 5) << when;
        }
    };
    ASSERT_GT(view.fontSizeTwips(), 0);
    expectSizeOfTheView("small text");
    std::string large;
    while (large.size() < 64 * 1024)  // big enough for the view to take a fresh window
        large += Verses;
    view.setText(large);
    view.setText(Verses);
    expectSizeOfTheView("after a large text");
    view.setFontHeight(20);
    view.setText(Verses);
    expectSizeOfTheView("after a font change");
}

TEST_F(RichViewStreamTest, StreamOutIntoAFullStreamFails) {
    FullStream full(10);
    EXPECT_FALSE(view.streamOut(full, StreamFormat::Text));
    EXPECT_NE(view.lastStreamError(), 0u);
    // The next stream starts clean.
    MemoryStream fine;
    EXPECT_TRUE(view.streamOut(fine, StreamFormat::Text));
    EXPECT_EQ(view.lastStreamError(), 0u);
}

TEST_F(RichViewStreamTest, StreamInReplacesTheContentWithCountBytesFromThePosition) {
    MemoryStream rtf;
    const std::string skipped = "xxxx";
    const std::string document =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 biasa {\\b tebal} akhir}";
    rtf.write(skipped.data(), skipped.size());
    rtf.write(document.data(), document.size());
    rtf.seek(4, Stream::Origin::Begin);
    ASSERT_TRUE(view.streamIn(rtf, static_cast<std::uint32_t>(document.size()), StreamFormat::Rtf));
    const std::string shown = view.text();
    EXPECT_EQ(shown.rfind("biasa tebal akhir", 0), 0u) << shown;
    const LONG bold = static_cast<LONG>(shown.find("tebal"));
    EXPECT_TRUE(charFormatOf(view, bold, bold + 5).dwEffects & CFE_BOLD);
    EXPECT_FALSE(charFormatOf(view, 0, 5).dwEffects & CFE_BOLD);

    // Only count bytes are taken, though the stream holds more.
    MemoryStream plain;
    plain.write("abcdef", 6);
    plain.seek(0, Stream::Origin::Begin);
    ASSERT_TRUE(view.streamIn(plain, 3, StreamFormat::Text));
    EXPECT_EQ(view.text(), "abc");
    EXPECT_EQ(plain.position(), 3);
}

TEST_F(RichViewStreamTest, SavesTextAndRtf) {
    boldSecondVerse();
    const std::string textPath = folder + "\\hasil.TXT";
    const std::string rtfPath = folder + "\\hasil.RTF";
    ASSERT_TRUE(view.saveToFile(textPath, StreamFormat::Text));
    EXPECT_EQ(fileContent(textPath), view.text());
    ASSERT_TRUE(view.saveToFile(rtfPath, StreamFormat::Rtf));
    const std::string document = fileContent(rtfPath);
    EXPECT_EQ(document.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(document.find("\\b"), std::string::npos);
    EXPECT_EQ(view.lastSaveError(), 0u);

    // Saving over an existing, longer file leaves exactly the new content and nothing else.
    writeFile(textPath, std::string(5000, 'z'));
    view.setText("pendek");
    ASSERT_TRUE(view.saveToFile(textPath, StreamFormat::Text));
    EXPECT_EQ(fileContent(textPath), "pendek");
    EXPECT_EQ(filesInFolder().size(), 2u);
}

TEST_F(RichViewStreamTest, FailedSaveKeepsTheExistingFileAndReportsWhy) {
    const std::string missing = folder + "\\tidak-ada\\hasil.RTF";
    SetLastError(0);
    EXPECT_FALSE(view.saveToFile(missing, StreamFormat::Rtf));
    EXPECT_EQ(view.lastSaveError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(GetLastError(), view.lastSaveError());

    const std::string readOnly = folder + "\\lama.TXT";
    writeFile(readOnly, "isi lama");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(view.saveToFile(readOnly, StreamFormat::Text));
    EXPECT_NE(view.lastSaveError(), 0u);
    EXPECT_EQ(GetLastError(), view.lastSaveError());
    EXPECT_EQ(fileContent(readOnly), "isi lama");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"lama.TXT"}) << "no half-written file";

    // A folder in place of the file is no target either.
    const std::string isFolder = folder + "\\map";
    CreateDirectoryA(isFolder.c_str(), nullptr);
    EXPECT_FALSE(view.saveToFile(isFolder, StreamFormat::Text));
    RemoveDirectoryA(isFolder.c_str());

    // And a good save afterwards reports no old error.
    EXPECT_TRUE(view.saveToFile(folder + "\\baru.TXT", StreamFormat::Text));
    EXPECT_EQ(view.lastSaveError(), 0u);
}

TEST_F(RichViewStreamTest, SaveOfASelectionWritesOnlyTheSelection) {
    view.setSelStart(5);
    view.setSelLength(6);
    const std::string path = folder + "\\pilihan.TXT";
    ASSERT_TRUE(view.saveToFile(path, StreamFormat::Text, true));
    EXPECT_EQ(fileContent(path), "Dengan");
}

}  // namespace
