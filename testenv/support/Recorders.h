#pragma once
// What the viewer and browser recorders were asked to open.  The viewer
// recorder is the "open" handler of .pdf files, the browser recorder that of
// http links; each start adds one line to C:\recorded\viewer.log or
// C:\recorded\browser.log: the time in milliseconds since 1601, a TAB and
// the argument as received (further arguments, which there should never be,
// follow after more TABs).  Tests that clear or count recordings take the
// "viewer_recorder" or "browser_recorder" lock.
#include <windows.h>

#include <string>
#include <vector>

namespace testenv {

enum class Recorder { Viewer, Browser };

struct Recorded {
    unsigned long long timeMs;
    std::string argument;
};

std::vector<Recorded> ReadRecorded(Recorder recorder);
void ClearRecorded(Recorder recorder);
// Until at least count starts are recorded; false after the timeout.
bool WaitForRecorded(Recorder recorder, size_t count, DWORD timeoutMs);

// The recorders' clock: GetSystemTimeAsFileTime in milliseconds.
unsigned long long NowMs();

}  // namespace testenv
