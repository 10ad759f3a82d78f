// What Windows reads from the built nurvela.exe without running it: the version resource that
// Explorer's Properties show under Details, and the application manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NurvelaVersion.h"
#include "tests/win32/app/ChildProcess.h"
#include "ui/UAbout.h"

namespace {

class Credentials : public testing::Test {
protected:
    void SetUp() override {
        exe = readerPath();
        ASSERT_FALSE(exe.empty()) << "NURVELA_EXE is not set";
    }

    // A string of the version resource's only language block, "" when missing.
    std::string versionString(const std::vector<char>& info, const std::string& name) const {
        char* value = nullptr;
        UINT length = 0;
        const std::string key = "\\StringFileInfo\\042104E4\\" + name;
        if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
            !value) {
            return "";
        }
        return std::string(value, length > 0 ? length - 1 : 0);
    }

    std::string exe;
};

TEST_F(Credentials, VersionResourceNamesTheProgramItsVersionAndBothLicences) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &handle);
    ASSERT_GT(size, 0u) << "no version resource in " << exe;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    const std::string numbers = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, NURVELA_VERSION);
    // The About window's title shows the same version the file declares.
    EXPECT_EQ(std::string(AboutTitle), "Nurvela  v" +
                                           std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                           std::to_string(LOWORD(fixed->dwFileVersionMS)));

    WORD* translation = nullptr;
    UINT translationLength = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &translationLength));
    ASSERT_EQ(translationLength, 4u);
    EXPECT_EQ(translation[0], 0x0421) << "Indonesian";
    EXPECT_EQ(translation[1], 1252);

    EXPECT_EQ(versionString(info, "ProductName"), "Nurvela");
    EXPECT_EQ(versionString(info, "FileDescription"),
              "Pembaca terjemahan Al-Qur'an berbahasa Indonesia");
    EXPECT_EQ(versionString(info, "FileVersion"), NURVELA_VERSION);
    EXPECT_EQ(versionString(info, "ProductVersion"), NURVELA_VERSION);
    EXPECT_EQ(versionString(info, "OriginalFilename"), "nurvela.exe");
    const std::string copyright = versionString(info, "LegalCopyright");
    EXPECT_NE(copyright.find("MIT"), std::string::npos) << copyright;
    EXPECT_NE(copyright.find("quran-json 3.1.2"), std::string::npos) << copyright;
    EXPECT_NE(copyright.find("CC BY-SA 4.0"), std::string::npos) << copyright;
}

TEST_F(Credentials, ManifestRunsAsInvokerOnWindows7To11PerMonitorAwareWithClassicControls) {
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr) << exe;
    HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr) << "no manifest in " << exe;
    const DWORD size = SizeofResource(image, found);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(image, found)));
    ASSERT_NE(bytes, nullptr);
    const std::string manifest(bytes, size);
    FreeLibrary(image);

    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
              std::string::npos);
    const char* windows7To11[] = {
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
    };
    for (const char* id : windows7To11) {
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"), std::string::npos)
            << id;
    }
    EXPECT_NE(manifest.find("version=\"" NURVELA_VERSION ".0\""), std::string::npos);
    // The program scales itself for every monitor: per-monitor v2 where Windows has it, the
    // first per-monitor mode before, system aware on Windows 7 and 8 ("true/pm" reads as
    // "true" there). The layout is built for the classic controls.
    EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                            "WindowsSettings\">true/pm</dpiAware>"),
              std::string::npos);
    EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                            "WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"),
              std::string::npos);
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
    EXPECT_EQ(manifest.find("<dependency"), std::string::npos);
}

}  // namespace
