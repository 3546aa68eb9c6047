// Haltmere: closes running Word, with the user's consent, before the
// installation puts the add-in in place.  A refusal is written to the answer
// file named by the first argument; the exit code says whether the process
// list could be read (1) or not (0).
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <memory>

#include "ProcessMatch.h"
#include "win/UniqueHandle.h"

static_assert(sizeof(void*) != 4 || sizeof(PROCESSENTRY32) == 296, "32-bit process record");

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using AnswerFile = std::unique_ptr<std::FILE, FileCloser>;

// Without an argument, or when the file cannot be written, the pass still
// runs; the refusals are then simply lost.
AnswerFile OpenAnswerFile(int argc, char** argv) {
    return AnswerFile(argc > 1 ? std::fopen(argv[1], "w") : nullptr);
}

UniqueHandle OpenForTermination(DWORD processId) {
    return UniqueHandle(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
}

// Failures to end a process (no rights, already gone) are ignored.
void End(const UniqueHandle& process) {
    if (process) TerminateProcess(process.get(), kEndedExitCode);
}

bool UserAgreesToCloseWord() {
    return MessageBoxA(nullptr, kQuestionText, kQuestionCaption, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

}  // namespace

int main(int argc, char** argv) {
    AnswerFile answers = OpenAnswerFile(argc, argv);

    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return 0;

    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    if (!Process32First(snapshot.get(), &entry)) return 0;

    UniqueHandle outlook;  // always the latest Outlook listed so far
    do {
        switch (MatchProcessName(entry.szExeFile)) {
        case ProcessKind::Word:
            if (UserAgreesToCloseWord()) {
                End(OpenForTermination(entry.th32ProcessID));
                End(outlook);
            } else if (answers) {
                std::fputs(kRefusal, answers.get());
            }
            break;
        case ProcessKind::Outlook:
            outlook = OpenForTermination(entry.th32ProcessID);
            break;
        case ProcessKind::Other:
            break;
        }
    } while (Process32Next(snapshot.get(), &entry));

    return 1;
}
