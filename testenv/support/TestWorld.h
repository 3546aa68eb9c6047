#pragma once
// Where a Windows test finds the build tree, the sources and a scratch folder
// of its own, and small file helpers.  Paths handed to Windows calls are
// Windows paths: the Unix file system appears as drive Z: in the prefix.
#include <string>

namespace testenv {

// "/a/b" -> "Z:\a\b"
std::string WindowsPath(const std::string& unixPath);

// A file of the build tree or of the sources, as a Windows path.
std::string BuildPath(const std::string& relative);
std::string SourcePath(const std::string& relative);

// A new, empty folder for one test (removed and made again on every call).
std::string FreshFolder(const std::string& name);

bool FileExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace testenv
