#include "ProcessMatch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct NameCase {
    const char* label;
    std::string bytes;  // the record's first bytes; the rest of the field is zero
    ProcessKind expected;
};

class ProcessMatchTest : public testing::TestWithParam<NameCase> {};

TEST_P(ProcessMatchTest, ComparesTwelveBytes) {
    const NameCase& c = GetParam();
    char exeFile[kExeFileSize] = {};
    std::memcpy(exeFile, c.bytes.data(), c.bytes.size());
    EXPECT_EQ(MatchProcessName(exeFile), c.expected) << c.label;
}

using std::string_literals::operator""s;

INSTANTIATE_TEST_SUITE_P(
    Names, ProcessMatchTest,
    testing::Values(
        NameCase{"word", "WINWORD.EXE", ProcessKind::Word},
        NameCase{"outlook", "OUTLOOK.EXE", ProcessKind::Outlook},
        NameCase{"bytes_after_nul_ignored", "WINWORD.EXE\0junk"s, ProcessKind::Word},
        NameCase{"lower_case", "winword.exe", ProcessKind::Other},
        NameCase{"mixed_case", "WinWord.exe", ProcessKind::Other},
        NameCase{"with_path", "C:\\Office\\WINWORD.EXE", ProcessKind::Other},
        NameCase{"longer_name", "WINWORD.EXEX", ProcessKind::Other},
        NameCase{"shorter_name", "WINWORD.EX", ProcessKind::Other},
        NameCase{"trailing_space", "OUTLOOK.EXE ", ProcessKind::Other},
        NameCase{"empty", "", ProcessKind::Other}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.label); });

}  // namespace
