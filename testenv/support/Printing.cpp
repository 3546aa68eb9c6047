#include "Printing.h"

#include "ChildProcess.h"
#include "TestWorld.h"

namespace testenv {

bool PrintTextToPostScript(const std::string& textFile, const std::string& psFile) {
    // The first print of a fresh prefix builds Wine's font cache: allow for it.
    constexpr DWORD kPrintLimitMs = 180000;
    ChildProcess printer = ChildProcess::Start(Quoted(BuildPath("testenv/printer/print_text.exe")) + " " +
                                               Quoted(textFile) + " " + Quoted(psFile));
    return printer && printer.WaitForExit(kPrintLimitMs) && printer.ExitCode() == 0 && FileExists(psFile);
}

}  // namespace testenv
