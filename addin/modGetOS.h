#pragma once
// The add-in's system routines: the name of the running Windows version and
// the renewal of a folder (the job folder before every print).
#include <windows.h>

#include <string>

// "95", "98", "ME", "3.51", "4.0", "2000", "WinXP/.NET Server", "2003",
// "VISTA", the empty text for a version without a name, "Failed" when the
// version cannot be read.
std::string GetOSName();

// Removal attempts are this far apart and stop this long after the start.
constexpr DWORD kRenewRetryMs = 100;
constexpr DWORD kRenewTimeLimitMs = 5000;

// Removes folder (a full path without trailing backslash) with everything in
// it, trying again while the removal fails and the time limit allows, and
// with recreate creates it again, empty.  Window messages of the calling
// thread are processed between attempts.
//
// *renewed is true when the folder was removed (and made again), false for an
// empty folder text or a folder that resisted removal; the result is S_OK
// then.  A folder that cannot be made again gives the system's error as an
// HRESULT and *renewed false.
HRESULT RenewFolder(const std::string& folder, bool recreate, bool* renewed);
