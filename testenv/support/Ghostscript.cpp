#include "Ghostscript.h"

#include <windows.h>

#include "TestWorld.h"

namespace testenv {

namespace {

std::string GhostscriptRecord() {
    std::string record = GhostscriptExe();
    return record.replace(record.size() - 4, 4, ".record");
}

// The line that starts at from, without its line end; from moves past it.
std::optional<std::string> NextLine(const std::string& text, size_t& from) {
    const size_t end = text.find('\n', from);
    if (end == std::string::npos) return std::nullopt;
    std::string line = text.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    from = end + 1;
    return line;
}

}  // namespace

std::string GhostscriptExe() {
    char folder[MAX_PATH + 1];
    UINT length = GetSystemDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder)) return "C:\\windows\\system32\\gs\\gs8.71\\bin\\gswin32c.exe";
    return std::string(folder, length) + "\\gs\\gs8.71\\bin\\gswin32c.exe";
}

bool InstallGhostscript() {
    return CopyFileA(BuildPath("testenv/ghostscript/gswin32c.exe").c_str(), GhostscriptExe().c_str(), FALSE) != 0;
}

std::string GhostscriptCommandLine(const std::string& pdfOutput, const std::string& psInput) {
    return GhostscriptExe() + " -dSAFER -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile=\"" + pdfOutput +
           "\" -dCompatibilityLevel=1.4 -c .setpdfwrite -f \"" + psInput + "\"";
}

std::optional<GhostscriptRun> LastGhostscriptRun() {
    const std::string text = ReadFileBytes(GhostscriptRecord());
    size_t from = 0;
    std::optional<std::string> commandLine = NextLine(text, from);
    std::optional<std::string> currentDirectory = NextLine(text, from);
    if (!commandLine || !currentDirectory) return std::nullopt;
    return GhostscriptRun{*commandLine, *currentDirectory};
}

void ForgetGhostscriptRuns() { DeleteFileA(GhostscriptRecord().c_str()); }

}  // namespace testenv
