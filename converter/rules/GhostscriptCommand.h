#pragma once
// How the converter starts the Ghostscript console interpreter.
#include <string>

// Below the system directory.
constexpr const char kInterpreterSuffix[] = "\\gs\\gs8.71\\bin\\gswin32c.exe";

// The system directory as the system reports it; an empty one gives the
// suffix alone, a path from the root of the current drive.
std::string InterpreterPath(const std::string& systemDirectory);

// interpreter -dSAFER -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile="pdf"
//   -dCompatibilityLevel=1.4 -c .setpdfwrite -f "ps"
std::string GhostscriptCommandLine(const std::string& interpreter, const std::string& pdfOutput,
                                   const std::string& psInput);
