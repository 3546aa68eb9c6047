#pragma once
// A program a test starts.  The process is ended when the object goes, so a
// failing test leaves nothing running behind it.
#include <windows.h>

#include <string>

#include "win/UniqueHandle.h"

namespace testenv {

class ChildProcess {
public:
    // commandLine as CreateProcess takes it; workingFolder may be empty.
    static ChildProcess Start(const std::string& commandLine, const std::string& workingFolder = "");

    ChildProcess() = default;
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = default;
    ~ChildProcess();

    explicit operator bool() const { return static_cast<bool>(process_); }
    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }

    bool WaitForExit(DWORD timeoutMs = 30000) const;
    bool IsRunning() const;
    DWORD ExitCode() const;  // STILL_ACTIVE while running
    void Kill();

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};

// "C:\a b\x.exe" -> "\"C:\a b\x.exe\"" for a command line.
std::string Quoted(const std::string& argument);

}  // namespace testenv
