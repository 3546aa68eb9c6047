#include "GhostscriptCommand.h"

std::string InterpreterPath(const std::string& systemDirectory) { return systemDirectory + kInterpreterSuffix; }

std::string GhostscriptCommandLine(const std::string& interpreter, const std::string& pdfOutput,
                                   const std::string& psInput) {
    return interpreter + " -dSAFER -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile=\"" + pdfOutput +
           "\" -dCompatibilityLevel=1.4 -c .setpdfwrite -f \"" + psInput + "\"";
}
