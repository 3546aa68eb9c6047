// The Ghostscript stand-in, started as the converter starts it: it records
// the run, converts through the host's Ghostscript and ends with its code.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "Ghostscript.h"
#include "HostCommand.h"
#include "HostShell.h"
#include "TestWorld.h"

namespace {

constexpr DWORD kRunLimitMs = 120000;

const char kGoodPostScript[] =
    "%!PS\n/Helvetica findfont 24 scalefont setfont\n72 700 moveto (Stand-in test page) show\nshowpage\n";
const char kBadPostScript[] = "%!PS\n72 700 moveto nosuchoperator showpage\n";

struct Job {
    std::string folder, ps, pdf, commandLine;
};

// A job folder with blanks in its name, as the add-in makes under a home folder.
Job MakeJob(const std::string& name, const std::string& postScript) {
    Job job;
    job.folder = testenv::FreshFolder(name);
    job.ps = job.folder + "\\PsFile.ps";
    job.pdf = job.folder + "\\PdfFile.pdf";
    job.commandLine = testenv::GhostscriptCommandLine(job.pdf, job.ps);
    EXPECT_TRUE(testenv::WriteFileBytes(job.ps, postScript));
    return job;
}

DWORD RunStandIn(const Job& job) {
    testenv::ChildProcess gs = testenv::ChildProcess::Start(job.commandLine, job.folder);
    EXPECT_TRUE(gs) << "the stand-in did not start: " << job.commandLine;
    EXPECT_TRUE(gs.WaitForExit(kRunLimitMs)) << "the stand-in did not end";
    return gs.ExitCode();
}

struct ConvertCase {
    const char* name;
    const char* postScript;
    bool succeeds;
};

TEST(GhostscriptStandIn, RecordsTheRunAndEndsWithGhostscriptsCode) {
    const ConvertCase cases[] = {
        {"good postscript", kGoodPostScript, true},
        {"bad postscript", kBadPostScript, false},
    };
    for (const ConvertCase& c : cases) {
        testenv::ForgetGhostscriptRuns();
        ASSERT_FALSE(testenv::LastGhostscriptRun()) << "the record was not forgotten";
        const Job job = MakeJob(std::string("gs standin ") + c.name, c.postScript);

        const DWORD code = RunStandIn(job);
        if (c.succeeds) {
            EXPECT_EQ(code, 0u) << c.name;
            EXPECT_EQ(testenv::ReadFileBytes(job.pdf).substr(0, 5), "%PDF-") << c.name;
        } else {
            EXPECT_NE(code, 0u) << c.name;
        }

        const std::optional<testenv::GhostscriptRun> run = testenv::LastGhostscriptRun();
        ASSERT_TRUE(run) << c.name << ": nothing recorded";
        EXPECT_EQ(run->commandLine, job.commandLine) << c.name;
        EXPECT_EQ(run->currentDirectory, job.folder) << c.name;
    }
}

TEST(GhostscriptStandIn, MissingHostGhostscriptFailsWithoutHanging) {
    const Job job = MakeJob("gs standin missing", kGoodPostScript);
    ASSERT_TRUE(SetEnvironmentVariableA("INKVALE_GS_PROGRAM", "/nonexistent/gs"));
    const DWORD code = RunStandIn(job);
    SetEnvironmentVariableA("INKVALE_GS_PROGRAM", nullptr);
    EXPECT_NE(code, 0u);
    EXPECT_NE(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(testenv::FileExists(job.pdf));
}

// Wine splits the command line of a Unix program by the Windows rules: a
// script with quotes, backslashes and blanks must reach the shell intact.
TEST(RunHostScript, HandsTheScriptToTheShellIntactAndReturnsItsStatus) {
    const std::string folder = testenv::FreshFolder("host script");
    const std::string out = folder + "\\out.txt";
    const std::string text = R"(a "quoted" word, a \ backslash\, it's $HOME)";
    const std::optional<int> written = testenv::RunHostScript(
        "printf '%s' " + testenv::ShellQuote(text) + " > " + testenv::ShellQuote(testenv::UnixPath(out)), 30000);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(testenv::ReadFileBytes(out), text);
    EXPECT_EQ(testenv::RunHostScript("exit 7", 30000), 7);
}

TEST(GhostscriptStandIn, CanBeRemovedAndPutBack) {
    const Job job = MakeJob("gs standin removed", kGoodPostScript);
    ASSERT_TRUE(DeleteFileA(testenv::GhostscriptExe().c_str()));
    EXPECT_FALSE(testenv::ChildProcess::Start(job.commandLine, job.folder)) << "started a deleted interpreter";
    ASSERT_TRUE(testenv::InstallGhostscript());
    EXPECT_EQ(RunStandIn(job), 0u);
}

}  // namespace
