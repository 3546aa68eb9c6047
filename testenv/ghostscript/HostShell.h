#pragma once
// Runs programs of the host from a Windows program under Wine.  Wine starts a
// Unix program with CreateProcess, but the handle it gives back neither waits
// for that program nor carries its exit code, so the work goes through
// /bin/sh, which writes the exit status to a file that we poll for.
#include <windows.h>

#include <optional>
#include <string>

namespace testenv {

// The Unix path Wine maps a Windows path to (the last part need not exist
// yet); empty when there is none.
std::string UnixPath(const std::string& windowsPath);

// Runs a /bin/sh script on the host and waits for it; its exit status, or
// none when it could not be started or has not ended within timeoutMs.
std::optional<int> RunHostScript(const std::string& script, DWORD timeoutMs);

}  // namespace testenv
