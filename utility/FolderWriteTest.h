#pragma once
// Which Windows versions make the folder dialog test a folder for writing,
// and the probe file that test creates.
#include <optional>
#include <string>

namespace utility {

// The version class of the folder dialog, or none for versions it does not
// know (NT 6.0 and later among them).
std::optional<int> FolderVersionClass(unsigned long platformId, unsigned long major, unsigned long minor);

// NT 4.0, 2000, XP and Server 2003 accept only folders a file can be made in.
bool WriteTestApplies(int versionClass);

// "<folder>\test00000.tmp", "<folder>\test00001.tmp", ... for probe number
// index; empty when the path would not fit in 259 characters.  The probe
// takes the first name that does not exist yet, so a user's file of that
// name is never touched.
std::string ProbeFilePath(const std::string& folder, unsigned index);

constexpr unsigned kProbeNames = 100000;

}  // namespace utility
