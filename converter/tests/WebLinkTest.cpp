#include "WebLink.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct LogCase {
    const char* label;
    std::string log;
    std::string installer;  // InstallerNameFromLog
    std::string source;     // CampaignSourceFromName of it
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LogCase& c, std::ostream* out) { *out << c.label; }

class InstallLogTest : public testing::TestWithParam<LogCase> {};

TEST_P(InstallLogTest, FindsInstallerAndSource) {
    const LogCase& c = GetParam();
    const std::string installer = InstallerNameFromLog(c.log);
    EXPECT_EQ(installer, c.installer) << c.label;
    EXPECT_EQ(CampaignSourceFromName(installer), c.source) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallLogTest,
    testing::Values(
        LogCase{"typical", "Installing\nsource: D:\\Downloads\\setup_partner.exe\ndone\n", "setup_partner.exe", "partner"},
        LogCase{"upper_case", "SOURCE: C:\\Temp\\Setup_ABC.EXE\n", "setup_abc.exe", "abc"},
        LogCase{"crlf_lines", "a\r\nsource: C:\\x\\s_crlf.exe\r\nb\r\n", "s_crlf.exe", "crlf"},
        LogCase{"later_line_counts", "source: C:\\a\\s_one.exe\nsource: C:\\b\\s_two.exe\n", "s_two.exe", "two"},
        LogCase{"two_underscores", "source: C:\\x\\a_b_c.exe\n", "a_b_c.exe", "c"},
        LogCase{"no_underscore", "source: C:\\x\\setup.exe\n", "setup.exe", "default"},
        LogCase{"last_line_without_line_feed", "x\nsource: C:\\x\\s_tail.exe", "s_tail.exe", "tail"},
        LogCase{"word_anywhere_in_line", "12:00 Source:C:\\x\\s_mid.exe (ok)\n", "s_mid.exe", "mid"},
        LogCase{"no_source_word", "C:\\x\\s_no.exe\n", "", "default"},
        LogCase{"no_backslash", "source: s_nopath.exe\n", "", "default"},
        LogCase{"no_exe", "source: C:\\x\\s_zip.zip\n", "", "default"},
        LogCase{"empty_log", "", "", "default"},
        LogCase{"unusable_line_keeps_earlier", "source: C:\\a\\s_keep.exe\nsource: nothing\n", "s_keep.exe", "keep"}),
    [](const testing::TestParamInfo<LogCase>& info) { return std::string(info.param.label); });

TEST(WebLinkTest, JoinsTheFiveParts) {
    EXPECT_EQ(WebLinkFor("partner", "help"),
              std::string("http://") + kWebSiteHost +
                  "/Appdirect.asp?utm_source=partner&utm_medium=PPD&utm_campaign=partner&gotopg=help");
}

TEST(WebLinkTest, UnknownKeysGoToTheHomepage) {
    for (const char* key : {"purchase", "quicktour", "help", "support", "homepage"}) {
        EXPECT_EQ(PageFromKey(key), key);
    }
    for (const char* key : {"Help", "SUPPORT", "", "contact"}) {
        EXPECT_EQ(PageFromKey(key), "homepage") << key;
    }
}

}  // namespace
