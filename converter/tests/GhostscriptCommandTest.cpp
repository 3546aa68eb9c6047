#include "GhostscriptCommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

TEST(GhostscriptCommandTest, TokensInOrderSeparatedBySingleBlanks) {
    const std::string line = GhostscriptCommandLine(InterpreterPath("C:\\WINDOWS\\system32"), "C:\\J\\PdfFile.pdf",
                                                    "C:\\J\\PsFile.ps");
    EXPECT_EQ(line,
              "C:\\WINDOWS\\system32\\gs\\gs8.71\\bin\\gswin32c.exe -dSAFER -dNOPAUSE -dBATCH -sDEVICE=pdfwrite "
              "-sOutputFile=\"C:\\J\\PdfFile.pdf\" -dCompatibilityLevel=1.4 -c .setpdfwrite -f \"C:\\J\\PsFile.ps\"");

    std::vector<std::string> tokens;
    std::istringstream in(line);
    for (std::string t; in >> t;) tokens.push_back(t);
    ASSERT_EQ(tokens.size(), 11u);
    EXPECT_EQ(tokens[5], "-sOutputFile=\"C:\\J\\PdfFile.pdf\"");
    EXPECT_EQ(tokens[10], "\"C:\\J\\PsFile.ps\"");
    EXPECT_NE(line.back(), ' ');
}

TEST(GhostscriptCommandTest, FolderWithBlanksStaysInsideQuotes) {
    const std::string line = GhostscriptCommandLine("gs.exe", "C:\\My Job\\PdfFile.pdf", "C:\\My Job\\PsFile.ps");
    EXPECT_NE(line.find(" -sOutputFile=\"C:\\My Job\\PdfFile.pdf\" "), std::string::npos) << line;
    EXPECT_NE(line.find(" -f \"C:\\My Job\\PsFile.ps\""), std::string::npos) << line;
}

TEST(GhostscriptCommandTest, MissingSystemDirectoryLeavesTheSuffix) {
    EXPECT_EQ(InterpreterPath(""), "\\gs\\gs8.71\\bin\\gswin32c.exe");
}

}  // namespace
