// The five web buttons reach the browser recorder with the exact link, the
// campaign source taken afresh from the install log beside the program.
#include <gtest/gtest.h>

#include <string>

#include "ConverterSession.h"
#include "Recorders.h"
#include "TestWorld.h"
#include "WebLink.h"

using converter_test::ConverterSession;
using testenv::Recorder;

namespace {

std::string Link(const std::string& source, const std::string& page) {
    return std::string("http://") + kWebSiteHost + "/Appdirect.asp?utm_source=" + source +
           "&utm_medium=PPD&utm_campaign=" + source + "&gotopg=" + page;
}

// Presses a button and returns the link the browser was started with.
std::string LinkOpenedBy(ConverterSession& converter, int button) {
    const size_t before = testenv::ReadRecorded(Recorder::Browser).size();
    if (!gui::ClickButton(converter.dialog(), button)) return "(no button)";
    if (!testenv::WaitForRecorded(Recorder::Browser, before + 1, 20000)) return "(browser never started)";
    return testenv::ReadRecorded(Recorder::Browser).back().argument;
}

struct ButtonCase {
    int id;
    const char* page;
};

constexpr ButtonCase kButtons[] = {{3, "homepage"}, {4, "homepage"}, {6, "purchase"}, {5, "support"}, {7, "help"}};

TEST(ConverterLinks, EachButtonOpensItsPage) {
    struct LogCase {
        const char* name;
        const char* log;  // nullptr: no install log
        const char* source;
    };
    const LogCase logs[] = {
        {"no_log", nullptr, "default"},
        {"log", "Installation started\r\nSOURCE: C:\\Temp\\Setup_ABC.EXE\r\nfinished", "abc"},
    };
    for (const LogCase& log : logs) {
        SCOPED_TRACE(log.name);
        const std::string folder = testenv::FreshFolder(std::string("links_") + log.name);
        const std::string exe = converter_test::CopyOfInkvale(folder);
        ASSERT_FALSE(exe.empty());
        if (log.log) {
            ASSERT_TRUE(testenv::WriteFileBytes(folder + "\\install.log", log.log));
        }

        testenv::ClearRecorded(Recorder::Browser);
        // Also while the job folder is refused (no argument).
        ConverterSession converter = ConverterSession::Start("", exe);
        ASSERT_TRUE(converter);
        for (const ButtonCase& b : kButtons) {
            EXPECT_EQ(LinkOpenedBy(converter, b.id), Link(log.source, b.page)) << "button " << b.id;
        }
        EXPECT_EQ(converter.WaitForOtherDialog(nullptr, 200), nullptr) << "a link button showed a message";
        ASSERT_TRUE(gui::CloseWindowAndWait(converter.dialog()));
        converter.ExpectEnded();
    }
}

TEST(ConverterLinks, EveryClickReadsTheLogAfresh) {
    const std::string folder = testenv::FreshFolder("links_fresh");
    const std::string exe = converter_test::CopyOfInkvale(folder);
    ASSERT_FALSE(exe.empty());
    const std::string log = folder + "\\install.log";
    ASSERT_TRUE(testenv::WriteFileBytes(log, "source: D:\\Downloads\\setup_partner.exe\n"));

    testenv::ClearRecorded(Recorder::Browser);
    ConverterSession converter = ConverterSession::Start(" " + testenv::Quoted(testenv::FreshFolder("links_job")), exe);
    ASSERT_TRUE(converter);
    EXPECT_EQ(LinkOpenedBy(converter, 7), Link("partner", "help"));
    ASSERT_TRUE(testenv::WriteFileBytes(log, "source: D:\\Downloads\\setup_other.exe"));
    EXPECT_EQ(LinkOpenedBy(converter, 7), Link("other", "help"));
    ASSERT_TRUE(DeleteFileA(log.c_str()));
    EXPECT_EQ(LinkOpenedBy(converter, 7), Link("default", "help"));
    ASSERT_TRUE(gui::ClickButton(converter.dialog(), 1011));
    converter.ExpectEnded();
}

}  // namespace
