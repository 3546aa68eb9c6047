#include "OsNames.h"

namespace {
constexpr std::uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t kPlatformNt = 2;       // VER_PLATFORM_WIN32_NT

// Windows 95, 98 and ME tell themselves apart by the minor version only.
std::string WindowsName(std::uint32_t minor) {
    switch (minor) {
    case 0: return "95";
    case 10: return "98";
    case 90: return "ME";
    default: return "";
    }
}

// Every 6.x (Vista, 7 and the later systems that report 6.x) is "VISTA";
// nothing newer is named.
std::string NtName(std::uint32_t major, std::uint32_t minor) {
    switch (major) {
    case 3: return "3.51";
    case 4: return "4.0";
    case 5:
        switch (minor) {
        case 0: return "2000";
        case 1: return "WinXP/.NET Server";
        case 2: return "2003";
        default: return "";
        }
    case 6: return "VISTA";
    default: return "";
    }
}
}  // namespace

std::string OsName(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor) {
    switch (platformId) {
    case kPlatformWindows: return WindowsName(minor);
    case kPlatformNt: return NtName(major, minor);
    default: return "Failed";
    }
}
