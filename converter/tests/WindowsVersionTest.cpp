#include "WindowsVersion.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct VersionCase {
    const char* label;
    VersionReport report;
    int code;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const VersionCase& c, std::ostream* out) { *out << c.label; }

class WindowsVersionTest : public testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionTest, CodesEachVersion) {
    EXPECT_EQ(OsVersionCode(GetParam().report), GetParam().code) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsVersionTest,
    testing::Values(
        VersionCase{"call_failed", {false, 2, 5, 1}, -1},
        VersionCase{"win32s", {true, 0, 3, 11}, 0},
        VersionCase{"windows95", {true, 1, 4, 0}, 1},
        VersionCase{"windows98", {true, 1, 4, 10}, 2},
        VersionCase{"windows_me", {true, 1, 4, 90}, 3},
        VersionCase{"windows9x_other_minor", {true, 1, 4, 3}, -1},
        VersionCase{"nt3", {true, 2, 3, 51}, 4},
        VersionCase{"nt4", {true, 2, 4, 0}, 5},
        VersionCase{"windows2000", {true, 2, 5, 0}, 6},
        VersionCase{"xp", {true, 2, 5, 1}, 7},
        VersionCase{"server2003", {true, 2, 5, 2}, 8},
        VersionCase{"nt5_unknown_minor", {true, 2, 5, 3}, -1},
        VersionCase{"vista", {true, 2, 6, 0}, -1},
        VersionCase{"windows7", {true, 2, 6, 1}, -1},
        VersionCase{"other_platform", {true, 3, 5, 1}, -1}),
    [](const testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.label); });

}  // namespace
