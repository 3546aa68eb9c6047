#pragma once
// Small text rules of the two objects' results.
#include <cstddef>
#include <string>
#include <vector>

namespace utility {

// The bytes up to the first zero byte, or all of them when there is none:
// how a registry value's data and each chunk of a fetched body become text.
std::string TextUpToZero(const char* data, size_t size);

// One entry of the installed-software list: the display name, or the
// subkey's name when there is none, and the delimiter after it.
void AppendInstalledEntry(std::string& list, const std::string& displayName, const std::string& subkeyName,
                          const std::string& delimiter);

// The first six bytes of a hardware address as twelve upper-case hex digits.
std::string HardwareAddressText(const unsigned char (&address)[8]);

// Addresses joined by CR LF, nothing after the last.
std::string JoinAddresses(const std::vector<std::string>& addresses);

}  // namespace utility
