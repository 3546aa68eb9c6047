#include "JobFolder.h"

#include <algorithm>
#include <cstring>

std::string NormaliseJobFolder(const std::string& folder) {
    if (folder.compare(0, 2, "\\\\") == 0) return folder;
    std::string result;
    result.reserve(folder.size());
    for (size_t i = 0; i < folder.size(); ++i) {
        result += folder[i];
        if (folder[i] == '\\' && i + 1 < folder.size() && folder[i + 1] == '\\') ++i;
    }
    return result;
}

std::string JobFile(const std::string& folder, const char* name) { return folder + "\\" + name; }

bool JobFolderFits(const std::string& folder) {
    // The longest name decides; the separator and the terminator count too.
    std::size_t longest = 0;
    for (const char* name : {kPsFileName, kPdfFileName, kLockFileName}) {
        longest = std::max(longest, std::strlen(name));
    }
    return folder.size() + 1 + longest + 1 <= kPathBufferSize;
}
