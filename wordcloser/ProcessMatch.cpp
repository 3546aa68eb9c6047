#include "ProcessMatch.h"

#include <cstring>

static_assert(sizeof(kWordExe) == 12 && sizeof(kOutlookExe) == 12,
              "both names are compared as 12 bytes, NUL included");

ProcessKind MatchProcessName(const char (&exeFile)[kExeFileSize]) {
    if (std::memcmp(exeFile, kWordExe, sizeof(kWordExe)) == 0) return ProcessKind::Word;
    if (std::memcmp(exeFile, kOutlookExe, sizeof(kOutlookExe)) == 0) return ProcessKind::Outlook;
    return ProcessKind::Other;
}
