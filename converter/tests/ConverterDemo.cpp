// Shows the converter at work: a sample text printed through "InkvaleB"
// into a job folder, Inkvale.exe started on it, the destination chosen and
// Create pressed, then what came of it.
//   converter_demo OUTPUT_FOLDER [interactive]
// Driven automatically, or by a person at the display in interactive mode.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ConverterSession.h"
#include "Ghostscript.h"
#include "Printing.h"
#include "Recorders.h"
#include "TestWorld.h"

using converter_test::ConverterSession;

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// What the window shows once its painting has settled: the same pixels in
// captures 200 ms apart.
gui::Pixels SettledCapture(HWND window) {
    gui::Pixels last = gui::CaptureWindow(window);
    ULONGLONG since = GetTickCount64();
    gui::WaitUntil([&] {
        gui::Pixels now = gui::CaptureWindow(window);
        if (now.rgb != last.rgb) {
            last = std::move(now);
            since = GetTickCount64();
        }
        return GetTickCount64() - since >= 200;
    }, 10000);
    return last;
}

int Fail(const std::string& why) {
    Say("demo failed: " + why);
    return 1;
}

constexpr char kSample[] =
    "Inkvale sample document\r\n"
    "\r\n"
    "This page was printed through the PostScript printer InkvaleB,\r\n"
    "turned into PDF by Ghostscript, started by Inkvale.exe,\r\n"
    "and copied to the destination chosen in the converter's dialog.\r\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: converter_demo OUTPUT_FOLDER [interactive]\n");
        return 2;
    }
    const std::string out = argv[1];
    const bool interactive = argc > 2 && std::strcmp(argv[2], "interactive") == 0;
    const std::string job = out + "\\job";
    const std::string destination = out + "\\Sample.pdf";
    CreateDirectoryA(job.c_str(), nullptr);

    const std::string text = out + "\\sample.txt";
    if (!testenv::WriteFileBytes(text, kSample)) return Fail("cannot write " + text);
    Say("printing " + text + " through InkvaleB into " + job + "\\PsFile.ps");
    if (!testenv::PrintTextToPostScript(text, job + "\\PsFile.ps")) return Fail("printing failed");

    testenv::ClearRecorded(testenv::Recorder::Viewer);
    ConverterSession converter = ConverterSession::Start(" " + testenv::Quoted(job));
    if (!converter) return Fail("the converter's dialog did not appear");
    Say("started Inkvale.exe \"" + job + "\"; status: " + converter.Status());

    if (interactive) {
        Say("choose a destination with Browse and press Create on your display");
        converter.process().WaitForExit(INFINITE);
    } else {
        std::string failure;
        if (!converter.TryChooseDestination(destination, testenv::FileExists(destination), &failure)) {
            return Fail(failure);
        }
        converter.WaitForStatus("Click on create button to generate pdf file.");
        Say("destination: " + converter.Text(1009) + "; status: " + converter.Status());
        const std::string shot = out + "\\dialog.bmp";
        if (gui::SaveBitmap(SettledCapture(converter.dialog()), shot)) Say("screenshot: " + shot);
        Say("pressing Create");
        gui::ClickButton(converter.dialog(), 1050);
        if (converter.WaitForStatus("Opening converted pdf file...", 120000)) Say("status: " + converter.Status());
        converter.process().WaitForExit(120000);
        testenv::WaitForRecorded(testenv::Recorder::Viewer, 1, 10000);
    }
    Say("Inkvale ended with exit code " + std::to_string(converter.process().ExitCode()));

    if (const auto run = testenv::LastGhostscriptRun()) {
        Say("Ghostscript was started in " + run->currentDirectory + " with:\n    " + run->commandLine);
    }
    for (const testenv::Recorded& opened : testenv::ReadRecorded(testenv::Recorder::Viewer)) {
        Say("the PDF viewer was asked to open " + opened.argument);
    }
    const std::string pdf = testenv::ReadFileBytes(destination);
    if (!interactive && pdf.compare(0, 5, "%PDF-") != 0) return Fail("no PDF at " + destination);
    if (!pdf.empty()) Say("PDF of " + std::to_string(pdf.size()) + " bytes at " + destination);
    return 0;
}
