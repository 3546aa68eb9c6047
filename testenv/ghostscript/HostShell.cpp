#include "HostShell.h"

#include <vector>

#include "HostCommand.h"
#include "win/UniqueHandle.h"

namespace testenv {

namespace {

// Time between two looks at the done file: short, since every run pays half
// of it on average.
constexpr DWORD kPollMs = 5;

// A file name of our own in the temporary folder: GetTempFileName creates it,
// so no other run picks the same name while it exists.
class ReservedTempFile {
public:
    ReservedTempFile() {
        char folder[MAX_PATH];
        char name[MAX_PATH];
        DWORD length = GetTempPathA(sizeof(folder), folder);
        if (length == 0 || length >= sizeof(folder)) return;
        if (GetTempFileNameA(folder, "hsh", 0, name) == 0) return;
        path_ = name;
    }
    ~ReservedTempFile() {
        if (!path_.empty()) DeleteFileA(path_.c_str());
    }
    ReservedTempFile(const ReservedTempFile&) = delete;
    ReservedTempFile& operator=(const ReservedTempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string ReadSmallFile(const std::string& path) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    char buffer[64];
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr)) return {};
    return std::string(buffer, got);
}

}  // namespace

std::string UnixPath(const std::string& windowsPath) {
    using WineGetUnixFileName = char*(CDECL*)(const WCHAR*);
    static const auto toUnix = reinterpret_cast<WineGetUnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix || windowsPath.empty()) return {};

    int wide = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    if (wide <= 0) return {};
    std::vector<WCHAR> path(static_cast<size_t>(wide));
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, path.data(), wide);

    char* unix = toUnix(path.data());
    if (!unix) return {};
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

std::optional<int> RunHostScript(const std::string& script, DWORD timeoutMs) {
    ReservedTempFile reserved;
    if (reserved.path().empty()) return std::nullopt;
    const std::string doneFile = reserved.path() + ".status";
    const std::string unixDoneFile = UnixPath(doneFile);
    if (unixDoneFile.empty()) return std::nullopt;

    std::string commandLine = "/bin/sh -c " + QuoteArgument(ExitStatusScript(script, unixDoneFile));
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return std::nullopt;
    }
    // Neither handle tells anything about the Unix program: let them go.
    UniqueHandle(info.hThread).reset();
    UniqueHandle(info.hProcess).reset();

    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (GetFileAttributesA(doneFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
            std::optional<int> status = ParseExitStatus(ReadSmallFile(doneFile));
            DeleteFileA(doneFile.c_str());
            return status;
        }
        if (GetTickCount64() >= deadline) return std::nullopt;
        Sleep(kPollMs);
    }
}

}  // namespace testenv
