#pragma once
// How a Windows program under Wine hands work to a program of the host: the
// Windows rules for splitting and quoting command lines, the quoting of the
// host's shell, and the translation of a Ghostscript command line for the
// host's Ghostscript.  Plain functions of plain values, without Windows.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testenv {

// Splits a command line as the C runtime of Windows programs does: blanks
// and tabs separate, double quotes group, 2n backslashes before a quote give
// n backslashes and open or close the group, 2n+1 give n and a literal quote,
// and inside a group "" is a literal quote.  The first argument (the program)
// ends at the first blank outside quotes and knows no backslash escapes.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Quotes one argument (not the program) so that SplitCommandLine, and every
// Windows program, gives it back unchanged; plain words stay as they are.
std::string QuoteArgument(const std::string& argument);

// One word for /bin/sh, in single quotes: nothing in it is expanded.
std::string ShellQuote(const std::string& word);

// "C:\x", "c:/x" or "\\server\x": a Windows path that does not depend on the
// current directory.
bool IsAbsoluteWindowsPath(const std::string& text);

// Turns a Windows path into a Unix path; empty when there is none.
using UnixPathOf = std::function<std::string(const std::string& windowsPath)>;

// The arguments (without the program) of a Ghostscript command line made
// fit for the host's Ghostscript 10: the .setpdfwrite operator, which it no
// longer has, is dropped from the -c sections (a section left empty goes with
// it); file arguments and the value of -sOutputFile= become Unix paths (a
// relative one keeps its place and gets forward slashes); any other
// -sNAME=VALUE whose value is an absolute Windows path has that value turned.
// A path Wine cannot turn is passed on unchanged, for Ghostscript to refuse.
std::vector<std::string> HostGhostscriptArguments(const std::vector<std::string>& arguments,
                                                  const UnixPathOf& unixPath);

// A shell script that runs program with arguments in folder.
std::string RunInFolderScript(const std::string& unixFolder, const std::string& program,
                              const std::vector<std::string>& arguments);

// Wraps script so that its exit status is written to doneFile once it has
// ended.  The status goes to doneFile + ".part" first and is then renamed, so
// a reader that sees doneFile sees the whole number.
std::string ExitStatusScript(const std::string& script, const std::string& doneFile);

// The exit status from a done file's text ("0\n"); none when it is not one.
std::optional<int> ParseExitStatus(const std::string& text);

}  // namespace testenv
