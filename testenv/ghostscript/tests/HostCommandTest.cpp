// The command-line rules of the Ghostscript stand-in, and its shell scripts
// run by the real /bin/sh.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "HostCommand.h"

using testenv::ExitStatusScript;
using testenv::HostGhostscriptArguments;
using testenv::ParseExitStatus;
using testenv::QuoteArgument;
using testenv::RunInFolderScript;
using testenv::SplitCommandLine;
using Args = std::vector<std::string>;

namespace {

struct SplitCase {
    const char* line;
    Args arguments;
};

TEST(SplitCommandLine, FollowsTheWindowsRules) {
    const SplitCase cases[] = {
        {R"(C:\gs\gswin32c.exe -dSAFER -sOutputFile="C:\J\PdfFile.pdf" -f "C:\J\PsFile.ps")",
         {R"(C:\gs\gswin32c.exe)", "-dSAFER", R"(-sOutputFile=C:\J\PdfFile.pdf)", "-f", R"(C:\J\PsFile.ps)"}},
        {R"("C:\Program Files\x.exe" a)", {R"(C:\Program Files\x.exe)", "a"}},
        {R"("C:\a\" b)", {R"(C:\a\)", "b"}},  // no escapes in the program name
        {"  p \t a   b\t", {"p", "a", "b"}},
        {R"(p "a b" c)", {"p", "a b", "c"}},
        {R"(p 'a b')", {"p", "'a", "b'"}},  // single quotes do not group
        {R"(p a\\b C:\x\)", {"p", R"(a\\b)", R"(C:\x\)"}},  // backslashes alone are literal
        {R"(p a\"b)", {"p", R"(a"b)"}},
        {R"(p a\\\"b)", {"p", R"(a\"b)"}},
        {R"(p "a\\" b)", {"p", R"(a\)", "b"}},
        {R"(p "a""b")", {"p", R"(a"b)"}},
        {R"(p "" x)", {"p", "", "x"}},
        {R"(p "open ended)", {"p", "open ended"}},
        {"", {}},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.arguments) << "line: " << c.line;
}

TEST(QuoteArgument, SplitsBackUnchanged) {
    const Args nasty = {"plain", "a b", "", R"(a"b)", R"(tail\)", R"(C:\J K\)", R"(\\server\x)",
                        R"(x\"y)", "it's", "tab\there", R"(""")", "\\\\\"\\"};
    std::string all = "p";
    for (const std::string& argument : nasty) {
        EXPECT_EQ(SplitCommandLine("p " + QuoteArgument(argument)), (Args{"p", argument})) << argument;
        all += " " + QuoteArgument(argument);
    }
    Args expected = {"p"};
    expected.insert(expected.end(), nasty.begin(), nasty.end());
    EXPECT_EQ(SplitCommandLine(all), expected);
    EXPECT_EQ(QuoteArgument("plain"), "plain");
}

std::string FakeUnixPath(const std::string& windows) {
    if (windows.find("unmapped") != std::string::npos) return {};
    std::string unix = "/mapped/" + windows;
    for (char& c : unix) {
        if (c == '\\') c = '/';
    }
    return unix;
}

struct HostArgsCase {
    const char* name;
    Args windows;
    Args host;
};

TEST(HostGhostscriptArguments, FitsTheHostsGhostscript) {
    const HostArgsCase cases[] = {
        {"the converter's command line",
         {"-dSAFER", "-dNOPAUSE", "-dBATCH", "-sDEVICE=pdfwrite", R"(-sOutputFile=C:\J K\PdfFile.pdf)",
          "-dCompatibilityLevel=1.4", "-c", ".setpdfwrite", "-f", R"(C:\J K\PsFile.ps)"},
         {"-dSAFER", "-dNOPAUSE", "-dBATCH", "-sDEVICE=pdfwrite", "-sOutputFile=/mapped/C:/J K/PdfFile.pdf",
          "-dCompatibilityLevel=1.4", "-f", "/mapped/C:/J K/PsFile.ps"}},
        {"other operators of a -c section stay",
         {"-c", "save", ".setpdfwrite", "pop", "-f", "in.ps"},
         {"-c", "save", "pop", "-f", "in.ps"}},
        {"a -c section at the end", {"in.ps", "-c", ".setpdfwrite"}, {"in.ps"}},
        {"relative paths stay relative", {R"(-sOutputFile=out\a.pdf)", R"(sub\in.ps)"}, {"-sOutputFile=out/a.pdf", "sub/in.ps"}},
        {"path values of other strings",
         {R"(-sFONTPATH=D:\fonts)", "-sPAPERSIZE=a4", R"(-dX=C:\y)"},
         {"-sFONTPATH=/mapped/D:/fonts", "-sPAPERSIZE=a4", R"(-dX=C:\y)"}},
        {"a path Wine cannot map is left for Ghostscript to refuse",
         {R"(C:\unmapped\in.ps)", R"(-sOutputFile=C:\unmapped\o.pdf)"},
         {R"(C:\unmapped\in.ps)", R"(-sOutputFile=C:\unmapped\o.pdf)"}},
        {"forward slashes and UNC", {"c:/a/in.ps", R"(\\srv\share\in.ps)"}, {"/mapped/c:/a/in.ps", "/mapped///srv/share/in.ps"}},
    };
    for (const HostArgsCase& c : cases) {
        EXPECT_EQ(HostGhostscriptArguments(c.windows, FakeUnixPath), c.host) << c.name;
    }
}

TEST(ParseExitStatus, ReadsOnlyAWholeStatus) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0\n", 0}, {"1\n", 1}, {"127\n", 127}, {"255", 255}, {"", std::nullopt}, {"\n", std::nullopt},
        {"12", 12}, {"256\n", std::nullopt}, {"1 2\n", std::nullopt}, {"-1\n", std::nullopt}, {"abc", std::nullopt},
        {"0000", std::nullopt},
    };
    for (const auto& [text, status] : cases) EXPECT_EQ(ParseExitStatus(text), status) << '"' << text << '"';
}

// The scripts as the stand-in hands them to the host, run by /bin/sh.
class HostScript : public testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/host_command_testXXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        folder_ = folder;
    }
    void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

    // Runs the script as the stand-in does and reads back the done file.
    std::optional<int> Run(const std::string& script) {
        const std::string done = folder_ + "/done";
        std::remove(done.c_str());
        if (std::system(ExitStatusScript(script, done).c_str()) != 0) return std::nullopt;
        std::ifstream file(done);
        std::stringstream text;
        text << file.rdbuf();
        if (std::ifstream(done + ".part")) return std::nullopt;  // renamed, never left behind
        return ParseExitStatus(text.str());
    }

    std::string folder_;
};

TEST_F(HostScript, PassesEveryArgumentUnchanged) {
    const Args arguments = {"a b", "it's", "$HOME", "\"q\"", R"(back\slash)", "`x`", "*", ""};
    std::string script = RunInFolderScript(folder_, "/usr/bin/printf", Args{"[%s]"});
    for (const std::string& a : arguments) script += " " + testenv::ShellQuote(a);
    ASSERT_EQ(Run(script + " > out.txt"), 0);
    std::ifstream out(folder_ + "/out.txt");
    std::stringstream text;
    text << out.rdbuf();
    EXPECT_EQ(text.str(), "[a b][it's][$HOME][\"q\"][back\\slash][`x`][*][]");
}

TEST_F(HostScript, WritesTheExitStatus) {
    const std::pair<std::string, int> cases[] = {
        {RunInFolderScript(folder_, "/bin/true", {}), 0},
        {RunInFolderScript(folder_, "/bin/sh", {"-c", "exit 3"}), 3},
        {"exit 4", 4},
        {RunInFolderScript(folder_, "/nonexistent/gs", {"-dBATCH"}), 127},
        {"echo done # a comment", 0},
    };
    for (const auto& [script, status] : cases) EXPECT_EQ(Run(script), status) << script;
    EXPECT_NE(Run(RunInFolderScript(folder_ + "/missing", "/bin/true", {})), 0) << "a missing folder";
}

}  // namespace
