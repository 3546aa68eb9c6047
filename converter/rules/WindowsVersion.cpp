#include "WindowsVersion.h"

int OsVersionCode(const VersionReport& r) {
    if (!r.known) return -1;
    switch (r.platformId) {
    case 0:  // Win32s
        return 0;
    case 1:  // Windows 9x
        switch (r.minorVersion) {
        case 0: return 1;
        case 10: return 2;
        case 90: return 3;
        }
        return -1;
    case 2:  // Windows NT
        if (r.majorVersion == 3) return 4;
        if (r.majorVersion == 4) return 5;
        if (r.majorVersion == 5 && r.minorVersion <= 2) return static_cast<int>(6 + r.minorVersion);
        return -1;
    }
    return -1;
}
