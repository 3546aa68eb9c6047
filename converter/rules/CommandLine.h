#pragma once
// How a program's command line splits into arguments, by the rules the
// Windows C runtime follows.
#include <string>
#include <vector>

// The arguments after the program name.  The program name ends at the first
// blank outside double quotes and knows no escapes; each later argument
// follows the runtime's rules: double quotes group and are removed, 2n
// backslashes before a quote give n backslashes and the quote groups, 2n+1
// give n backslashes and a literal quote, "" inside a quoted part gives a
// literal quote, and backslashes elsewhere stand as they are.
std::vector<std::string> SplitCommandLineArguments(const std::string& commandLine);

// The first argument after the program name, or an empty text.
std::string FirstCommandLineArgument(const std::string& commandLine);
