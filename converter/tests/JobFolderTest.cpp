#include "JobFolder.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct NormaliseCase {
    const char* label;
    std::string folder;
    std::string expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NormaliseCase& c, std::ostream* out) { *out << c.label; }

class NormaliseJobFolderTest : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseJobFolderTest, CollapsesDoubledBackslashes) {
    EXPECT_EQ(NormaliseJobFolder(GetParam().folder), GetParam().expected) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseJobFolderTest,
    testing::Values(
        NormaliseCase{"unchanged", "C:\\Docs\\Job", "C:\\Docs\\Job"},
        NormaliseCase{"doubled", "C:\\\\Docs\\\\Job", "C:\\Docs\\Job"},
        NormaliseCase{"three_become_two", "C:\\\\\\Job", "C:\\\\Job"},
        NormaliseCase{"four_become_two", "C:\\\\\\\\Job", "C:\\\\Job"},
        NormaliseCase{"trailing_pair", "C:\\Job\\\\", "C:\\Job\\"},
        NormaliseCase{"network_untouched", "\\\\server\\\\share\\Job", "\\\\server\\\\share\\Job"},
        NormaliseCase{"single_leading_backslash", "\\Job\\\\x", "\\Job\\x"},
        NormaliseCase{"empty", "", ""}),
    [](const testing::TestParamInfo<NormaliseCase>& info) { return std::string(info.param.label); });

TEST(JobFolderTest, FilesLieDirectlyInTheFolder) {
    EXPECT_EQ(JobFile("C:\\J", kPsFileName), "C:\\J\\PsFile.ps");
    EXPECT_EQ(JobFile("C:\\J", kPdfFileName), "C:\\J\\PdfFile.pdf");
    EXPECT_EQ(JobFile("C:\\J", kLockFileName), "C:\\J\\lock.txt");
}

TEST(JobFolderTest, LongestFolderStillFitsEveryBuffer) {
    // "\PdfFile.pdf" and the terminator must fit 260 characters.
    const std::string longest(260 - 1 - 11 - 1, 'a');
    EXPECT_TRUE(JobFolderFits(longest));
    EXPECT_FALSE(JobFolderFits(longest + "a"));
    EXPECT_TRUE(JobFolderFits("C:\\J"));
}

}  // namespace
