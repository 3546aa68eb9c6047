// The test world's printer "InkvaleB": installed by "PrinterInstallation.bat"
// (also from a folder with blanks), and the whole way from printed text to
// PostScript, through the Ghostscript stand-in to a PDF whose text the host's
// pdftotext reads back.
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Ghostscript.h"
#include "HostCommand.h"
#include "HostShell.h"
#include "Printing.h"
#include "TestWorld.h"

namespace {

constexpr char kPrinterName[] = "InkvaleB";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Printer, InkvaleBIsTheDefaultPostScriptPrinter) {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count));
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    const PRINTER_INFO_2A* inkvale = nullptr;
    for (DWORD i = 0; i < count; ++i) {
        if (std::string(printers[i].pPrinterName) == kPrinterName) inkvale = &printers[i];
    }
    ASSERT_NE(inkvale, nullptr) << "EnumPrinters does not list " << kPrinterName;
    EXPECT_STREQ(inkvale->pPortName, "FILE:");
    EXPECT_STREQ(inkvale->pDriverName, "Wine PostScript Driver");
    EXPECT_STREQ(inkvale->pPrintProcessor, "WinPrint");
    EXPECT_STREQ(inkvale->pDatatype, "RAW");

    char defaultPrinter[256];
    DWORD size = sizeof(defaultPrinter);
    ASSERT_TRUE(GetDefaultPrinterA(defaultPrinter, &size));
    EXPECT_STREQ(defaultPrinter, kPrinterName);

    HANDLE printer = nullptr;
    ASSERT_TRUE(OpenPrinterA(const_cast<char*>(kPrinterName), &printer, nullptr));
    needed = 0;
    GetPrinterDriverA(printer, nullptr, 3, nullptr, 0, &needed);
    std::vector<BYTE> driverBuffer(needed);
    const bool gotDriver = GetPrinterDriverA(printer, nullptr, 3, driverBuffer.data(), needed, &needed);
    ClosePrinter(printer);
    ASSERT_TRUE(gotDriver);
    const auto* driver = reinterpret_cast<const DRIVER_INFO_3A*>(driverBuffer.data());
    EXPECT_TRUE(EndsWith(driver->pDriverPath, "\\wineps.drv")) << driver->pDriverPath;
    EXPECT_TRUE(EndsWith(driver->pDataFile, "\\InkvaleColourLaser.ppd")) << driver->pDataFile;
}

struct ScriptCase {
    const char* name;
    std::vector<std::string> files;  // copied beside the batch file
    bool succeeds;
};

// The batch file as the add-in runs it from the installation folder: its
// path quoted, one argument, a folder with blanks.
TEST(PrinterInstallation, FindsItsToolAndPPDBesideItself) {
    const std::vector<std::string> all = {"printer_install.exe", "InkvaleColourLaser.ppd"};
    const ScriptCase cases[] = {
        {"complete", all, true},
        {"without the PPD", {"printer_install.exe"}, false},
        {"without the tool", {"InkvaleColourLaser.ppd"}, false},
    };
    for (const ScriptCase& c : cases) {
        const std::string folder = testenv::FreshFolder(std::string("printer script ") + c.name) + "\\Program Files";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        const std::string bat = folder + "\\PrinterInstallation.bat";
        ASSERT_TRUE(CopyFileA(testenv::BuildPath("testenv/printer/PrinterInstallation.bat").c_str(), bat.c_str(), FALSE));
        for (const std::string& file : c.files) {
            ASSERT_TRUE(CopyFileA(testenv::BuildPath("testenv/printer/" + file).c_str(), (folder + "\\" + file).c_str(),
                                  FALSE))
                << file;
        }
        testenv::ChildProcess script = testenv::ChildProcess::Start(testenv::Quoted(bat) + " c:\\");
        ASSERT_TRUE(script) << c.name;
        ASSERT_TRUE(script.WaitForExit(120000)) << c.name;
        if (c.succeeds) {
            EXPECT_EQ(script.ExitCode(), 0u) << c.name;
        } else {
            EXPECT_NE(script.ExitCode(), 0u) << c.name;
        }
    }
    char defaultPrinter[256];
    DWORD size = sizeof(defaultPrinter);
    ASSERT_TRUE(GetDefaultPrinterA(defaultPrinter, &size));
    EXPECT_STREQ(defaultPrinter, kPrinterName);
}

std::vector<std::string> SplitPages(const std::string& text) {
    std::vector<std::string> pages;
    size_t from = 0;
    for (size_t end; (end = text.find('\f', from)) != std::string::npos; from = end + 1) {
        pages.push_back(text.substr(from, end - from));
    }
    return pages;
}

TEST(PrintToPdf, PrintedTextComesBackFromThePdf) {
    // 60 lines and a form feed: pages of 50 and 10 lines, then the rest.
    std::string text;
    for (int i = 1; i <= 60; ++i) text += "Line " + std::to_string(i) + " of the report\r\n";
    text += "\fAfter the form feed\r\n";

    const std::string folder = testenv::FreshFolder("print to pdf");
    const std::string textFile = folder + "\\report.txt";
    const std::string ps = folder + "\\PsFile.ps";
    const std::string pdf = folder + "\\PdfFile.pdf";
    ASSERT_TRUE(testenv::WriteFileBytes(textFile, text));

    ASSERT_TRUE(testenv::PrintTextToPostScript(textFile, ps));
    const std::string postScript = testenv::ReadFileBytes(ps);
    EXPECT_EQ(postScript.substr(0, 15), "%!PS-Adobe-3.0\n");
    EXPECT_NE(postScript.find("%%Creator: Wine PostScript Driver"), std::string::npos);
    EXPECT_NE(postScript.find("%%Pages: 3"), std::string::npos);

    testenv::ChildProcess gs =
        testenv::ChildProcess::Start(testenv::GhostscriptCommandLine(pdf, ps), folder);
    ASSERT_TRUE(gs);
    ASSERT_TRUE(gs.WaitForExit(120000));
    ASSERT_EQ(gs.ExitCode(), 0u);

    const std::string pdfText = folder + "\\report-back.txt";
    const std::optional<int> status = testenv::RunHostScript(
        "pdftotext " + testenv::ShellQuote(testenv::UnixPath(pdf)) + " " + testenv::ShellQuote(testenv::UnixPath(pdfText)), 60000);
    ASSERT_EQ(status, 0) << "pdftotext failed";
    const std::vector<std::string> pages = SplitPages(testenv::ReadFileBytes(pdfText));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_NE(pages[0].find("Line 1 of the report"), std::string::npos);
    EXPECT_NE(pages[0].find("Line 50 of the report"), std::string::npos);
    EXPECT_EQ(pages[0].find("Line 51 "), std::string::npos);
    EXPECT_NE(pages[1].find("Line 51 of the report"), std::string::npos);
    EXPECT_NE(pages[1].find("Line 60 of the report"), std::string::npos);
    EXPECT_NE(pages[2].find("After the form feed"), std::string::npos);
}

}  // namespace
