// The small rules of the library: paths, the folder dialog's version class
// and probe names, and the texts of the objects' results.
#include <gtest/gtest.h>

#include "FolderWriteTest.h"
#include "ModulePaths.h"
#include "ResultText.h"

namespace {

TEST(ModulePathsTest, HelpDirectoryAndTypeLibraryBesideTheModule) {
    struct Case { const char* path; const char* help; const char* tlb; };
    const Case cases[] = {
        {"C:\\Program Files\\Inkvale\\Utility.dll", "C:\\Program Files\\Inkvale\\", "C:\\Program Files\\Inkvale\\Utility.tlb"},
        {"C:/a.b/Utility", "C:/a.b/", "C:/a.b/Utility.tlb"},
        {"C:Utility.dll", "C:", "C:Utility.tlb"},
        {"Utility.dll", "", "Utility.tlb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utility::HelpDirectory(c.path), c.help) << c.path;
        EXPECT_EQ(utility::TypeLibraryBeside(c.path), c.tlb) << c.path;
    }
}

TEST(FolderWriteTestRules, VersionClassAndWriteTest) {
    struct Case { unsigned long platform, major, minor; int versionClass; };  // -1: none
    const Case cases[] = {
        {0, 3, 11, 0}, {1, 4, 0, 1}, {1, 4, 10, 2}, {1, 4, 90, 3}, {1, 7, 10, 2}, {1, 4, 3, -1},
        {2, 3, 51, 4}, {2, 4, 0, 5}, {2, 5, 0, 6}, {2, 5, 1, 7}, {2, 5, 2, 8}, {2, 5, 3, -1},
        {2, 6, 0, -1}, {2, 6, 1, -1}, {2, 10, 0, -1}, {3, 5, 1, -1},
    };
    for (const Case& c : cases) {
        const auto got = utility::FolderVersionClass(c.platform, c.major, c.minor);
        EXPECT_EQ(got.value_or(-1), c.versionClass) << c.platform << " " << c.major << "." << c.minor;
        if (got) {
            EXPECT_EQ(utility::WriteTestApplies(*got), c.versionClass >= 5) << c.versionClass;
        }
    }
}

TEST(FolderWriteTestRules, ProbeNamesAndTheirLength) {
    EXPECT_EQ(utility::ProbeFilePath("C:\\Data", 0), "C:\\Data\\test00000.tmp");
    EXPECT_EQ(utility::ProbeFilePath("C:\\Data", 42), "C:\\Data\\test00042.tmp");
    EXPECT_EQ(utility::ProbeFilePath("C:\\Data", utility::kProbeNames), "");
    const std::string fits(259 - 14, 'a');
    EXPECT_EQ(utility::ProbeFilePath(fits, 0).size(), 259u);
    EXPECT_EQ(utility::ProbeFilePath(fits + "a", 0), "");
}

TEST(ResultTextTest, TextUpToTheFirstZeroByte) {
    EXPECT_EQ(utility::TextUpToZero("abc", 3), "abc");
    EXPECT_EQ(utility::TextUpToZero("ab\0cd", 5), "ab");
    EXPECT_EQ(utility::TextUpToZero("\0ab", 3), "");
    EXPECT_EQ(utility::TextUpToZero("", 0), "");
}

TEST(ResultTextTest, InstalledEntriesEachEndWithTheDelimiter) {
    std::string list;
    utility::AppendInstalledEntry(list, "Alpha", "A", ";");
    utility::AppendInstalledEntry(list, "", "B", ";");
    EXPECT_EQ(list, "Alpha;B;");
    std::string runTogether;
    utility::AppendInstalledEntry(runTogether, "Alpha", "A", "");
    utility::AppendInstalledEntry(runTogether, "", "B", "");
    EXPECT_EQ(runTogether, "AlphaB");
}

TEST(ResultTextTest, AdapterTexts) {
    const unsigned char mac[8] = {0x02, 0xab, 0x0c, 0xff, 0x00, 0x9e, 0x77, 0x88};
    EXPECT_EQ(utility::HardwareAddressText(mac), "02AB0CFF009E");
    EXPECT_EQ(utility::JoinAddresses({"10.1.0.2", "10.1.0.3"}), "10.1.0.2\r\n10.1.0.3");
    EXPECT_EQ(utility::JoinAddresses({"10.1.0.2"}), "10.1.0.2");
    EXPECT_EQ(utility::JoinAddresses({}), "");
}

}  // namespace
