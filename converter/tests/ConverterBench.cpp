// Times the conversion of a 50-page document through Inkvale.exe against
// the same Ghostscript command run directly, several times each, and prints
// the ratio.  The converter's run is timed from Create to its success box,
// with "Open pdf file after conversion" cleared, so the wait before opening
// is left out.
//   converter_bench OUTPUT_FOLDER [RUNS]
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ConverterSession.h"
#include "Ghostscript.h"
#include "Printing.h"
#include "TestWorld.h"

using converter_test::ConverterSession;

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string FiftyPages() {
    std::string text;
    for (int page = 1; page <= 50; ++page) {
        if (page > 1) text += '\f';
        for (int line = 1; line <= 40; ++line) {
            text += "Page " + std::to_string(page) + ", line " + std::to_string(line) +
                    ": the quick brown fox jumps over the lazy dog.\r\n";
        }
    }
    return text;
}

std::string JobWithPostScript(const std::string& out, const std::string& name, const std::string& ps) {
    const std::string job = out + "\\" + name;
    CreateDirectoryA(job.c_str(), nullptr);
    DeleteFileA((job + "\\PdfFile.pdf").c_str());
    return CopyFileA(ps.c_str(), (job + "\\PsFile.ps").c_str(), FALSE) ? job : std::string();
}

// Milliseconds of one direct run, or a negative value when it failed.
double DirectRun(const std::string& job) {
    const std::string commandLine = testenv::GhostscriptCommandLine(job + "\\PdfFile.pdf", job + "\\PsFile.ps");
    const ULONGLONG start = GetTickCount64();
    testenv::ChildProcess gs = testenv::ChildProcess::Start(commandLine, job);
    if (!gs || !gs.WaitForExit(600000) || gs.ExitCode() != 0) return -1;
    return static_cast<double>(GetTickCount64() - start);
}

// Milliseconds from Create to the success box, or a negative value.
double ConverterRun(const std::string& job, const std::string& destination) {
    ConverterSession converter = ConverterSession::Start(" " + testenv::Quoted(job));
    if (!converter) return -1;
    std::string failure;
    if (!converter.TryChooseDestination(destination, testenv::FileExists(destination), &failure)) {
        Say(failure);
        return -1;
    }
    HWND check = GetDlgItem(converter.dialog(), 1005);
    PostMessageA(check, BM_CLICK, 0, 0);
    if (!gui::WaitUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; })) return -1;

    const ULONGLONG start = GetTickCount64();
    gui::ClickButton(converter.dialog(), 1050);
    HWND box = converter.WaitForOtherDialog(nullptr, 600000);
    const ULONGLONG end = GetTickCount64();
    if (!box) return -1;
    const bool succeeded = gui::ReadMessageBox(box).text == "PDF created successfully.";
    gui::AnswerMessageBox(box, IDOK);
    converter.process().WaitForExit();
    return succeeded ? static_cast<double>(end - start) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: converter_bench OUTPUT_FOLDER [RUNS]\n");
        return 2;
    }
    const std::string out = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    const std::string text = out + "\\fifty_pages.txt";
    const std::string ps = out + "\\fifty_pages.ps";
    if (!testenv::WriteFileBytes(text, FiftyPages())) return 1;
    Say("printing a 50-page document through InkvaleB");
    if (!testenv::PrintTextToPostScript(text, ps)) {
        Say("printing failed");
        return 1;
    }

    std::vector<double> direct, converter;
    // One warm-up of each, so neither side pays for a cold cache.
    for (int i = -1; i < runs; ++i) {
        const std::string n = std::to_string(i + 1);
        const double d = DirectRun(JobWithPostScript(out, "direct" + n, ps));
        const double c = ConverterRun(JobWithPostScript(out, "converter" + n, ps), out + "\\converted" + n + ".pdf");
        if (d < 0 || c < 0) {
            Say("run " + n + " failed");
            return 1;
        }
        if (i < 0) continue;
        direct.push_back(d);
        converter.push_back(c);
        Say("run " + n + ": Ghostscript directly " + std::to_string(static_cast<int>(d)) + " ms, through Inkvale " +
            std::to_string(static_cast<int>(c)) + " ms");
    }
    double sumDirect = 0, sumConverter = 0;
    for (int i = 0; i < runs; ++i) {
        sumDirect += direct[i];
        sumConverter += converter[i];
    }
    std::printf("mean: Ghostscript directly %.0f ms, through Inkvale %.0f ms\n", sumDirect / runs, sumConverter / runs);
    std::printf("ratio (Inkvale / Ghostscript): %.3f (aim: at most 1.05)\n", sumConverter / sumDirect);
    return 0;
}
