#pragma once
// The job folder: how its name is cleaned up and which files it holds.
#include <cstddef>
#include <string>

// Size of every path buffer of the converter, terminator included.
constexpr std::size_t kPathBufferSize = 260;

constexpr const char kPsFileName[] = "PsFile.ps";
constexpr const char kPdfFileName[] = "PdfFile.pdf";
constexpr const char kLockFileName[] = "lock.txt";
constexpr const char kDefaultPdfName[] = "mypdf";

// A network path (two leading backslashes) stays as it is; elsewhere every
// pair of backslashes becomes one, scanning once from the left, so three
// become two and four become two.
std::string NormaliseJobFolder(const std::string& folder);

// folder + "\" + name.
std::string JobFile(const std::string& folder, const char* name);

// Whether every path the converter forms in the folder fits its buffers.
bool JobFolderFits(const std::string& folder);
