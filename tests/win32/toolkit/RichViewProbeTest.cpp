#include "toolkit/RichEditLibrary.h"
#include "toolkit/RichView.h"

#include "tests/win32/toolkit/RichViewTestHost.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A loader that records the names asked for and answers from a table of handles.
struct FakeLoader {
    std::vector<std::string> asked;
    std::vector<std::pair<std::string, UINT_PTR>> answers;

    LibraryLoader loader() {
        return [this](const char* name) -> HMODULE {
            asked.emplace_back(name);
            for (auto& [library, handle] : answers) {
                if (library == name) {
                    return reinterpret_cast<HMODULE>(handle);
                }
            }
            return nullptr;
        };
    }
};

const std::vector<std::string> OldestFirst = {"RICHED.DLL", "RICHED32.DLL", "RICHED20.DLL",
                                              "msftedit.dll"};
const std::vector<std::string> NewestFirst = {"msftedit.dll", "RICHED20.DLL", "RICHED32.DLL",
                                              "RICHED.DLL"};

TEST(RichEditProbeTest, PlainPathTriesOldestFirstAndStopsAtTheFirstThatLoads) {
    FakeLoader fake;
    fake.answers = {{"RICHED32.DLL", 0x10000}, {"RICHED20.DLL", 0x20000}};
    RichEditProbe probe = probeRichEditLibrary(false, fake.loader());
    EXPECT_EQ(fake.asked, (std::vector<std::string>{"RICHED.DLL", "RICHED32.DLL"}));
    EXPECT_EQ(probe.library, reinterpret_cast<HMODULE>(0x10000));
    EXPECT_STREQ(probe.windowClass, "RichEdit");
}

TEST(RichEditProbeTest, OlePathTriesNewestFirst) {
    FakeLoader fake;
    fake.answers = {{"RICHED20.DLL", 0x20000}, {"RICHED32.DLL", 0x10000}};
    RichEditProbe probe = probeRichEditLibrary(true, fake.loader());
    EXPECT_EQ(fake.asked, (std::vector<std::string>{"msftedit.dll", "RICHED20.DLL"}));
    EXPECT_EQ(probe.library, reinterpret_cast<HMODULE>(0x20000));
    EXPECT_STREQ(probe.windowClass, "RichEdit20A");
}

TEST(RichEditProbeTest, HandlesUpTo32AreFailures) {
    FakeLoader fake;
    fake.answers = {{"msftedit.dll", 32}, {"RICHED20.DLL", 33}};
    RichEditProbe probe = probeRichEditLibrary(true, fake.loader());
    EXPECT_EQ(probe.library, reinterpret_cast<HMODULE>(33));
    EXPECT_STREQ(probe.windowClass, "RichEdit20A");
}

TEST(RichEditProbeTest, NothingLoadsLeavesTheClassOfTheLastRowTried) {
    FakeLoader plain;
    RichEditProbe probe = probeRichEditLibrary(false, plain.loader());
    EXPECT_EQ(plain.asked, OldestFirst);
    EXPECT_EQ(probe.library, nullptr);
    EXPECT_STREQ(probe.windowClass, "RichEdit50W");

    FakeLoader ole;
    probe = probeRichEditLibrary(true, ole.loader());
    EXPECT_EQ(ole.asked, NewestFirst);
    EXPECT_EQ(probe.library, nullptr);
    EXPECT_STREQ(probe.windowClass, "RichEdit");
}

class RichEditLibraryTest : public RichViewSuite {};

TEST_F(RichEditLibraryTest, LoadedLibraryMatchesItsClassAndStaysWhileViewsLive) {
    RichView& view = createRichView(*host, RichView::Path::Plain);
    ASSERT_NE(view.handle(), nullptr);
    HMODULE library = RichEditLibrary::library();
    ASSERT_NE(library, nullptr);
    char path[MAX_PATH] = "";
    GetModuleFileNameA(library, path, MAX_PATH);
    std::string file = path;
    file = file.substr(file.find_last_of("\\/") + 1);
    CharUpperA(file.data());
    const std::string windowClass = RichEditLibrary::windowClass();
    if (file == "RICHED32.DLL" || file == "RICHED.DLL") {
        EXPECT_EQ(windowClass, "RichEdit");
    } else if (file == "RICHED20.DLL") {
        EXPECT_EQ(windowClass, "RichEdit20A");
    } else {
        EXPECT_EQ(file, "MSFTEDIT.DLL");
        EXPECT_EQ(windowClass, "RichEdit50W");
    }

    EXPECT_GE(RichEditLibrary::liveWindows(), 1);
    EXPECT_FALSE(RichEditLibrary::release()) << "a view still uses the library";
    EXPECT_EQ(RichEditLibrary::library(), library);
}

}  // namespace
