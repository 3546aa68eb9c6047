#include "ResultText.h"

#include <cstdio>
#include <cstring>

namespace utility {

std::string TextUpToZero(const char* data, size_t size) {
    const void* zero = std::memchr(data, 0, size);
    return std::string(data, zero ? static_cast<const char*>(zero) - data : size);
}

void AppendInstalledEntry(std::string& list, const std::string& displayName, const std::string& subkeyName,
                          const std::string& delimiter) {
    list += displayName.empty() ? subkeyName : displayName;
    list += delimiter;
}

std::string HardwareAddressText(const unsigned char (&address)[8]) {
    char text[13];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X%02X%02X", address[0], address[1], address[2], address[3],
                  address[4], address[5]);
    return text;
}

std::string JoinAddresses(const std::vector<std::string>& addresses) {
    std::string joined;
    for (size_t i = 0; i < addresses.size(); ++i) {
        if (i) joined += "\r\n";
        joined += addresses[i];
    }
    return joined;
}

}  // namespace utility
