#include "Recorders.h"

#include "GuiDriver.h"
#include "TestWorld.h"

namespace testenv {

namespace {

std::string LogPath(Recorder recorder) {
    return recorder == Recorder::Viewer ? "C:\\recorded\\viewer.log" : "C:\\recorded\\browser.log";
}

}  // namespace

std::vector<Recorded> ReadRecorded(Recorder recorder) {
    const std::string text = ReadFileBytes(LogPath(recorder));
    std::vector<Recorded> recorded;
    size_t from = 0;
    // Only whole lines: a recorder may be writing the next one right now.
    for (size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab > 20) continue;
        if (line.find_first_not_of("0123456789") != tab) continue;
        recorded.push_back({std::stoull(line.substr(0, tab)), line.substr(tab + 1)});
    }
    return recorded;
}

void ClearRecorded(Recorder recorder) { DeleteFileA(LogPath(recorder).c_str()); }

bool WaitForRecorded(Recorder recorder, size_t count, DWORD timeoutMs) {
    return gui::WaitUntil([&] { return ReadRecorded(recorder).size() >= count; }, timeoutMs);
}

unsigned long long NowMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

}  // namespace testenv
