#pragma once
// The ending a chosen destination gets.
#include <string>

// Appends ".pdf" unless the text after the last dot is empty or "pdf" in any
// case.  Without a dot the whole path counts as that text, and a dot in a
// folder name leaves a backslash in it, so both get the ending.
std::string EnsurePdfExtension(std::string path);
