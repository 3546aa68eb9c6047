// A program that plays the system's PDF viewer or web browser: it only notes
// what it was asked to open.  Each start adds one line to its log in
// C:\recorded (RECORDER_LOG names it): the time in milliseconds since 1601,
// a TAB and the argument as received; more arguments, which a sound handler
// registration never gives, follow after more TABs so a test sees them.
#include <windows.h>

#include <string>

#include "win/UniqueHandle.h"

int main(int argc, char** argv) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ms = ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;

    std::string line = std::to_string(ms);
    line += '\t';
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += '\t';
        line += argv[i];
    }
    line += "\r\n";

    CreateDirectoryA("C:\\recorded", nullptr);
    // Appending in one write keeps lines of recorders started together whole.
    UniqueHandle log(CreateFileA("C:\\recorded\\" RECORDER_LOG, FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!log) return 1;
    DWORD written = 0;
    return WriteFile(log.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                   written == line.size()
               ? 0
               : 1;
}
