#pragma once
// Paths registration derives from the DLL's own path.
#include <string>

namespace utility {

// The 260-character path buffer holds 259 characters and the terminator.
constexpr size_t kMaxPathLength = 259;

// The help directory of the type library: up to and including the last
// "\", "/" or ":"; empty when the path has none.
std::string HelpDirectory(const std::string& modulePath);

// The same path with its extension replaced by ".tlb" (added when the file
// name has none).
std::string TypeLibraryBeside(const std::string& modulePath);

}  // namespace utility
