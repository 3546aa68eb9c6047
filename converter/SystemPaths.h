#pragma once
// What the converter asks the system about paths.
#include <string>

// Whether the shell knows the path (an existing file or folder alike).
bool PathExists(const char* path);

// The folder of the running program, without a trailing backslash; empty
// when its path cannot be had whole.
std::string GetModuleDirectory();
