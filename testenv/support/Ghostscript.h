#pragma once
// The Ghostscript stand-in in the prefix and what it recorded of its last
// run.  Tests that read the record take the "ghostscript" lock, since every
// run overwrites it.
#include <optional>
#include <string>

namespace testenv {

// C:\windows\system32\gs\gs8.71\bin\gswin32c.exe, where the converter looks.
std::string GhostscriptExe();

// Puts the stand-in (built at testenv/ghostscript/gswin32c.exe) in place
// again, after a test of a missing interpreter deleted GhostscriptExe().
bool InstallGhostscript();

// The command line the converter starts the interpreter with, for a PDF
// output and a PostScript input path.
std::string GhostscriptCommandLine(const std::string& pdfOutput, const std::string& psInput);

struct GhostscriptRun {
    std::string commandLine;       // as GetCommandLineA gave it to the stand-in
    std::string currentDirectory;  // as GetCurrentDirectoryA gave it
};

// The last run since the record was forgotten; none when there was none.
std::optional<GhostscriptRun> LastGhostscriptRun();
void ForgetGhostscriptRuns();

}  // namespace testenv
