#include "FolderWriteTest.h"

#include <cstdio>

#include "ModulePaths.h"

namespace utility {

std::optional<int> FolderVersionClass(unsigned long platformId, unsigned long major, unsigned long minor) {
    switch (platformId) {
    case 0: return 0;
    case 1:
        if (minor == 0) return 1;
        if (minor == 10) return 2;
        if (minor == 90) return 3;
        return std::nullopt;
    case 2:
        if (major == 3) return 4;
        if (major == 4) return 5;
        if (major == 5 && minor <= 2) return static_cast<int>(6 + minor);
        return std::nullopt;
    default: return std::nullopt;
    }
}

bool WriteTestApplies(int versionClass) { return versionClass >= 5; }

std::string ProbeFilePath(const std::string& folder, unsigned index) {
    if (index >= kProbeNames) return "";
    char name[32];
    std::snprintf(name, sizeof name, "\\test%05u.tmp", index);
    std::string path = folder + name;
    if (path.size() > kMaxPathLength) return "";
    return path;
}

}  // namespace utility
