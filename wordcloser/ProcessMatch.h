#pragma once
// Which running programs the word closer acts on, and what it says.
#include <cstddef>

enum class ProcessKind { Other, Word, Outlook };

// Size of szExeFile in the process list's record (MAX_PATH).
constexpr std::size_t kExeFileSize = 260;

// The installation's tool compares the whole name with its terminating NUL,
// byte for byte: upper case only, no path, nothing after the name.
ProcessKind MatchProcessName(const char (&exeFile)[kExeFileSize]);

constexpr const char kWordExe[] = "WINWORD.EXE";
constexpr const char kOutlookExe[] = "OUTLOOK.EXE";

constexpr const char kQuestionCaption[] = "Inkvale";
constexpr const char kQuestionText[] =
    "Winword is running.\n"
    "Please save your work or OUTLOOK MAIL messages and\n"
    "Click on OK if you Wish the installer to close Microsoft Word for you.\n"
    "Click Cancel to quit installer";

// Written to the answer file once per refusal, with no separator.
constexpr const char kRefusal[] = "QUIT";

// Exit code given to a Word or Outlook process that is ended.
constexpr unsigned kEndedExitCode = 0xFFFFFFFFu;
