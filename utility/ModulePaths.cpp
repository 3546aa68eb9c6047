#include "ModulePaths.h"

namespace utility {

std::string HelpDirectory(const std::string& modulePath) {
    const size_t last = modulePath.find_last_of("\\/:");
    return last == std::string::npos ? std::string() : modulePath.substr(0, last + 1);
}

std::string TypeLibraryBeside(const std::string& modulePath) {
    const size_t nameStart = HelpDirectory(modulePath).size();
    const size_t dot = modulePath.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return modulePath + ".tlb";
    return modulePath.substr(0, dot) + ".tlb";
}

}  // namespace utility
