#include "OsNames.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    std::uint32_t platform, major, minor;
    const char* name;
};

TEST(OsNamesTest, NamesByPlatformThenMajorThenMinor) {
    const VersionCase cases[] = {
        // Windows 95 family: the minor version alone decides.
        {1, 4, 0, "95"}, {1, 4, 10, "98"}, {1, 4, 90, "ME"}, {1, 9, 10, "98"}, {1, 4, 5, ""},
        // NT family.
        {2, 3, 51, "3.51"}, {2, 3, 0, "3.51"}, {2, 4, 0, "4.0"}, {2, 4, 7, "4.0"},
        {2, 5, 0, "2000"}, {2, 5, 1, "WinXP/.NET Server"}, {2, 5, 2, "2003"}, {2, 5, 3, ""},
        {2, 6, 0, "VISTA"}, {2, 6, 1, "VISTA"}, {2, 6, 2, "VISTA"}, {2, 6, 3, "VISTA"},
        {2, 10, 0, ""}, {2, 2, 0, ""}, {2, 7, 0, ""},
        // A failed version call leaves platform 0; other platforms are unknown too.
        {0, 0, 0, "Failed"}, {0, 6, 1, "Failed"}, {3, 5, 1, "Failed"},
    };
    for (const VersionCase& c : cases) {
        EXPECT_EQ(OsName(c.platform, c.major, c.minor), c.name)
            << "platform " << c.platform << ", version " << c.major << "." << c.minor;
    }
}

}  // namespace
