// The shell's "open" of a PDF file and of a web link reaches the recorders,
// with the path or link as the one argument.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "Recorders.h"
#include "TestWorld.h"

using testenv::Recorder;

namespace {

struct OpenCase {
    const char* name;
    Recorder recorder;
    std::string target;  // filled in for the PDF case, which needs a file
};

void ExpectOpenedOnce(const OpenCase& c) {
    testenv::ClearRecorded(c.recorder);
    const unsigned long long before = testenv::NowMs();
    HINSTANCE result = ShellExecuteA(nullptr, "open", c.target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ASSERT_GT(reinterpret_cast<INT_PTR>(result), 32) << c.name << ": ShellExecuteA failed";
    ASSERT_TRUE(testenv::WaitForRecorded(c.recorder, 1, 20000)) << c.name << ": the recorder never started";
    const unsigned long long after = testenv::NowMs();

    const std::vector<testenv::Recorded> recorded = testenv::ReadRecorded(c.recorder);
    ASSERT_EQ(recorded.size(), 1u) << c.name;
    EXPECT_EQ(recorded[0].argument, c.target) << c.name;
    EXPECT_GE(recorded[0].timeMs, before) << c.name;
    EXPECT_LE(recorded[0].timeMs, after) << c.name;
}

TEST(Recorders, ShellOpenReachesTheRecorderWithTheExactArgument) {
    // A folder and a file name with blanks: the handler's "%1" must stay one argument.
    const std::string folder = testenv::FreshFolder("recorders open");
    const std::string pdf = folder + "\\My Report.pdf";
    ASSERT_TRUE(testenv::WriteFileBytes(pdf, "%PDF-1.4\n%%EOF\n"));

    const OpenCase cases[] = {
        {"a PDF file", Recorder::Viewer, pdf},
        {"a web link", Recorder::Browser,
         "http://127.0.0.1:8080/Appdirect.asp?utm_source=test&utm_medium=app&utm_campaign=v3&gotopg=home"},
    };
    for (const OpenCase& c : cases) ExpectOpenedOnce(c);
}

TEST(Recorders, EachStartAddsALine) {
    testenv::ClearRecorded(Recorder::Browser);
    const std::string links[] = {"http://127.0.0.1/first", "http://127.0.0.1/second"};
    for (size_t i = 0; i < 2; ++i) {
        ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", links[i].c_str(), nullptr, nullptr, SW_SHOWNORMAL)), 32);
        ASSERT_TRUE(testenv::WaitForRecorded(Recorder::Browser, i + 1, 20000)) << links[i];
    }
    const std::vector<testenv::Recorded> recorded = testenv::ReadRecorded(Recorder::Browser);
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].argument, links[0]);
    EXPECT_EQ(recorded[1].argument, links[1]);
    EXPECT_LE(recorded[0].timeMs, recorded[1].timeMs);
}

}  // namespace
