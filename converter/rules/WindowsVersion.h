#pragma once
// The converter's code for the Windows version it runs on.

struct VersionReport {
    bool known = false;  // the version call succeeded
    unsigned long platformId = 0;
    unsigned long majorVersion = 0;
    unsigned long minorVersion = 0;
};

// 0 Win32s; 1 Windows 95, 2 Windows 98, 3 Windows Me; 4 NT 3, 5 NT 4,
// 6 Windows 2000, 7 XP, 8 Server 2003; -1 for a failed call and for every
// other version, later ones included.
int OsVersionCode(const VersionReport& report);

// Windows 95 and 98 need the dialog painted at once after Browse.
inline bool NeedsImmediatePaint(int versionCode) { return versionCode == 1 || versionCode == 2; }
