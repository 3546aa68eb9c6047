// The converter's PDF job under Wine: text printed through "InkvaleB" into
// the job folder, Ghostscript behind the stand-in, the PDF copied to the
// destination and opened through the viewer recorder, and the failures.
#include <gtest/gtest.h>

#include <string>

#include "ConverterSession.h"
#include "Ghostscript.h"
#include "HostShell.h"
#include "Printing.h"
#include "Recorders.h"
#include "TestWorld.h"
#include "win/UniqueHandle.h"

using converter_test::CanOpenForWriting;
using converter_test::ConverterSession;
using testenv::Quoted;
using testenv::Recorder;

namespace {

constexpr char kSampleText[] = "Inkvale converts this sample line";
constexpr char kFailed[] = "Failed to create pdf. Please try again.";

// Printed once for every case: printing is slow.
const std::string& PrintedPostScript() {
    static const std::string ps = [] {
        const std::string folder = testenv::FreshFolder("job_sample");
        const std::string text = folder + "\\sample.txt";
        const std::string ps = folder + "\\sample.ps";
        if (!testenv::WriteFileBytes(text, std::string(kSampleText) + "\r\n")) return std::string();
        return testenv::PrintTextToPostScript(text, ps) ? ps : std::string();
    }();
    return ps;
}

std::string TextOfPdf(const std::string& pdf) {
    const std::string text = pdf + ".txt";
    const std::optional<int> status = testenv::RunHostScript(
        "pdftotext '" + testenv::UnixPath(pdf) + "' '" + testenv::UnixPath(text) + "'", 60000);
    if (!status || *status != 0) return "(pdftotext failed)";
    return testenv::ReadFileBytes(text);
}

class ConverterJob : public testing::TestWithParam<bool> {};

// The whole road; the parameter is the state of "Open pdf file after conversion".
TEST_P(ConverterJob, PrintedTextBecomesThePdfAtTheDestination) {
    const bool openAfter = GetParam();
    const std::string name = openAfter ? "open" : "box";
    ASSERT_FALSE(PrintedPostScript().empty()) << "printing through InkvaleB failed";
    const std::string job = testenv::FreshFolder("job_road_" + name);
    ASSERT_TRUE(CopyFileA(PrintedPostScript().c_str(), (job + "\\PsFile.ps").c_str(), FALSE));
    const std::string destination = testenv::FreshFolder("job_road_out_" + name) + "\\Report.pdf";
    ASSERT_TRUE(testenv::WriteFileBytes(destination, "an older file"));

    ConverterSession converter = ConverterSession::Start(" " + Quoted(job));
    ASSERT_TRUE(converter);
    ASSERT_TRUE(converter.WaitForStatus("Please select destination path."));
    converter.ChooseDestination(destination, true);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(converter.WaitForStatus("Click on create button to generate pdf file."));
    HWND check = GetDlgItem(converter.dialog(), 1005);
    if (!openAfter) {
        PostMessageA(check, BM_CLICK, 0, 0);
        ASSERT_TRUE(gui::WaitUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    }

    testenv::ForgetGhostscriptRuns();
    testenv::ClearRecorded(Recorder::Viewer);
    ASSERT_TRUE(gui::ClickButton(converter.dialog(), 1050));
    if (openAfter) {
        unsigned long long opening = 0;
        ASSERT_TRUE(gui::WaitUntil([&] { return converter.Status() == "Opening converted pdf file..."; }, 120000))
            << converter.Status();
        opening = testenv::NowMs();
        ASSERT_TRUE(testenv::WaitForRecorded(Recorder::Viewer, 1, 30000)) << "the PDF was never opened";
        const std::vector<testenv::Recorded> opened = testenv::ReadRecorded(Recorder::Viewer);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].argument, destination);
        EXPECT_GE(opened[0].timeMs + 50, opening + 1500) << "opened too early";
        EXPECT_LE(opened[0].timeMs, opening + 1500 + 10000) << "opened far too late";
    } else {
        HWND box = converter.WaitForOtherDialog(nullptr, 120000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(converter.Status(), "PDF created successfully.");
        converter.ExpectMessage("PDF created successfully.");
        EXPECT_TRUE(testenv::ReadRecorded(Recorder::Viewer).empty()) << "opened although the box was cleared";
    }
    converter.ExpectEnded();

    const std::string pdf = testenv::ReadFileBytes(destination);
    EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0) << "the destination holds no PDF";
    EXPECT_EQ(pdf, testenv::ReadFileBytes(job + "\\PdfFile.pdf"));
    EXPECT_NE(TextOfPdf(destination).find(kSampleText), std::string::npos) << TextOfPdf(destination);

    const std::optional<testenv::GhostscriptRun> run = testenv::LastGhostscriptRun();
    ASSERT_TRUE(run) << "Ghostscript never ran";
    EXPECT_EQ(run->commandLine, testenv::GhostscriptCommandLine(job + "\\PdfFile.pdf", job + "\\PsFile.ps"));
    EXPECT_EQ(run->currentDirectory, job);

    for (const char* file : {"PsFile.ps", "PdfFile.pdf", "lock.txt"}) {
        EXPECT_TRUE(testenv::FileExists(job + "\\" + file)) << file;
    }
    EXPECT_EQ(testenv::ReadFileBytes(job + "\\lock.txt"), "");
    EXPECT_TRUE(CanOpenForWriting(job + "\\lock.txt"));
}

INSTANTIATE_TEST_SUITE_P(OpenAfter, ConverterJob, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "opened" : "success_box");
                         });

enum class Fault { NoPostScript, BadPostScript, NoInterpreter, BusyDestination };

struct FailureCase {
    const char* name;
    Fault fault;
};

class ConverterFailure : public testing::TestWithParam<FailureCase> {};

// Puts the interpreter back however the test ends.
struct InterpreterRestorer {
    ~InterpreterRestorer() { testenv::InstallGhostscript(); }
};

TEST_P(ConverterFailure, EndsWithTheFailureMessage) {
    const FailureCase& c = GetParam();
    const std::string job = testenv::FreshFolder(std::string("job_fail_") + c.name);
    const std::string destination = testenv::FreshFolder(std::string("job_fail_out_") + c.name) + "\\out.pdf";
    const std::string oldPdf = "%PDF-1.4 from an earlier run";
    ASSERT_TRUE(testenv::WriteFileBytes(job + "\\PdfFile.pdf", oldPdf));

    InterpreterRestorer restorer;
    UniqueHandle holder;
    switch (c.fault) {
    case Fault::NoPostScript: break;
    case Fault::BadPostScript:
        ASSERT_TRUE(testenv::WriteFileBytes(job + "\\PsFile.ps", "%!PS\n/nosuchoperator cvx exec }{ showpage\n"));
        break;
    case Fault::NoInterpreter:
        ASSERT_FALSE(PrintedPostScript().empty());
        ASSERT_TRUE(CopyFileA(PrintedPostScript().c_str(), (job + "\\PsFile.ps").c_str(), FALSE));
        ASSERT_TRUE(DeleteFileA(testenv::GhostscriptExe().c_str()));
        break;
    case Fault::BusyDestination:
        ASSERT_FALSE(PrintedPostScript().empty());
        ASSERT_TRUE(CopyFileA(PrintedPostScript().c_str(), (job + "\\PsFile.ps").c_str(), FALSE));
        ASSERT_TRUE(testenv::WriteFileBytes(destination, "held by another program"));
        holder.reset(CreateFileA(destination.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder);
        break;
    }

    ConverterSession converter = ConverterSession::Start(" " + Quoted(job));
    ASSERT_TRUE(converter);
    ASSERT_TRUE(converter.WaitForStatus("Please select destination path."));
    converter.ChooseDestination(destination, c.fault == Fault::BusyDestination);
    if (HasFatalFailure()) return;
    if (c.fault == Fault::BusyDestination) {
        converter.ExpectMessage("Sorry! You don't have access rights on the selected folder.");
        if (HasFatalFailure()) return;
    }
    ASSERT_TRUE(converter.WaitForStatus("Click on create button to generate pdf file."));

    testenv::ForgetGhostscriptRuns();
    testenv::ClearRecorded(Recorder::Viewer);
    ASSERT_TRUE(gui::ClickButton(converter.dialog(), 1050));
    ASSERT_NE(converter.WaitForOtherDialog(nullptr, 120000), nullptr);
    EXPECT_EQ(converter.Status(), "Failed to create pdf.");
    converter.ExpectMessage(kFailed);
    converter.ExpectEnded();

    EXPECT_TRUE(testenv::ReadRecorded(Recorder::Viewer).empty()) << "a failed job opened a PDF";
    switch (c.fault) {
    case Fault::NoPostScript:
        EXPECT_FALSE(testenv::LastGhostscriptRun()) << "Ghostscript ran without PostScript";
        EXPECT_EQ(testenv::ReadFileBytes(job + "\\PdfFile.pdf"), oldPdf) << "the old PDF was touched";
        EXPECT_FALSE(testenv::FileExists(destination));
        break;
    case Fault::BadPostScript:
        EXPECT_TRUE(testenv::LastGhostscriptRun()) << "Ghostscript never ran";
        EXPECT_NE(testenv::ReadFileBytes(job + "\\PdfFile.pdf"), oldPdf) << "the old PDF was not removed";
        EXPECT_FALSE(testenv::FileExists(destination)) << "a failed run was copied";
        break;
    case Fault::NoInterpreter:
        EXPECT_FALSE(testenv::FileExists(job + "\\PdfFile.pdf")) << "the old PDF was not removed";
        EXPECT_FALSE(testenv::FileExists(destination));
        break;
    case Fault::BusyDestination:
        holder.reset();
        EXPECT_EQ(testenv::ReadFileBytes(destination), "held by another program");
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConverterFailure,
    testing::Values(FailureCase{"no_postscript", Fault::NoPostScript},
                    FailureCase{"bad_postscript", Fault::BadPostScript},
                    FailureCase{"no_interpreter", Fault::NoInterpreter},
                    FailureCase{"busy_destination", Fault::BusyDestination}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
