#pragma once
// Printing through the test world's PostScript printer "InkvaleB".
#include <string>

namespace testenv {

// Prints the lines of a text file into a PostScript file with print_text.exe
// (a form feed or 50 lines start a new page) and waits for it; true when it
// succeeded and the file is there.
bool PrintTextToPostScript(const std::string& textFile, const std::string& psFile);

}  // namespace testenv
