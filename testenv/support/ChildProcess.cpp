#include "ChildProcess.h"

#include <vector>

namespace testenv {

ChildProcess ChildProcess::Start(const std::string& commandLine, const std::string& workingFolder) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    ChildProcess child;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        child.process_.reset(info.hProcess);
        child.id_ = info.dwProcessId;
    }
    return child;
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

bool ChildProcess::IsRunning() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = 0;
    if (!process_ || !GetExitCodeProcess(process_.get(), &code)) return 0;
    return code;
}

void ChildProcess::Kill() {
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

std::string Quoted(const std::string& argument) { return "\"" + argument + "\""; }

}  // namespace testenv
