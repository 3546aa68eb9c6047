// The Windows console interpreter of Ghostscript as the converter finds it,
// played by the host's Ghostscript.  Each run first records its command line
// and current directory beside the program (gswin32c.record, overwritten),
// then runs the host's Ghostscript on the same job and ends with its exit
// code.  INKVALE_GS_PROGRAM names another host program to run (a test of a
// missing interpreter); otherwise it is /usr/bin/gs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HostCommand.h"
#include "HostShell.h"
#include "win/UniqueHandle.h"

namespace {

// Ghostscript over a long document takes a while; a run that has not ended
// after this long never will.
constexpr DWORD kRunLimitMs = 10 * 60 * 1000;
// Our own failures, told apart from Ghostscript's codes (0 and 1).
constexpr int kStandInFailed = 255;

std::string ModulePath() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) return {};
    return path;
}

std::string CurrentDirectory() {
    char folder[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof(folder), folder);
    if (length == 0 || length >= sizeof(folder)) return {};
    return folder;
}

bool WriteRecord(const std::string& commandLine, const std::string& currentDirectory) {
    std::string record = ModulePath();
    const size_t dot = record.find_last_of('.');
    if (dot == std::string::npos) return false;
    record.replace(dot, std::string::npos, ".record");
    UniqueHandle file(CreateFileA(record.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const std::string text = commandLine + "\r\n" + currentDirectory + "\r\n";
    DWORD written = 0;
    return WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

std::string HostProgram() {
    const char* program = std::getenv("INKVALE_GS_PROGRAM");
    return program && *program ? program : "/usr/bin/gs";
}

}  // namespace

int main() {
    const std::string commandLine = GetCommandLineA();
    const std::string currentDirectory = CurrentDirectory();
    if (!WriteRecord(commandLine, currentDirectory)) {
        std::fprintf(stderr, "gswin32c stand-in: cannot write the record\n");
        return kStandInFailed;
    }

    std::vector<std::string> arguments = testenv::SplitCommandLine(commandLine);
    if (!arguments.empty()) arguments.erase(arguments.begin());
    const std::string folder = testenv::UnixPath(currentDirectory);
    if (folder.empty()) {
        std::fprintf(stderr, "gswin32c stand-in: no Unix path for %s\n", currentDirectory.c_str());
        return kStandInFailed;
    }
    const std::string script = testenv::RunInFolderScript(
        folder, HostProgram(), testenv::HostGhostscriptArguments(arguments, testenv::UnixPath));

    const std::optional<int> status = testenv::RunHostScript(script, kRunLimitMs);
    if (!status) {
        std::fprintf(stderr, "gswin32c stand-in: the host's Ghostscript did not run to its end\n");
        return kStandInFailed;
    }
    return *status;
}
