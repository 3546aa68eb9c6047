#pragma once
// The readable description of a Windows version that KVSystem.GetVersionOS
// returns, built from the version record and two registry facts.
#include <cstdint>
#include <string>

namespace utility {

struct VersionRecord {
    uint32_t platformId = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    std::string servicePack;  // the record's service-pack text
    bool extended = false;    // the fields below were filled
    uint16_t suiteMask = 0;
    uint8_t productType = 0;
};

// What the registry says, read by the caller only where the text needs it.
struct VersionRegistryFacts {
    // ProductOptions\ProductType, for records without the extended fields.
    bool productTypeRead = false;
    std::string productType;
    // The Q246009 hotfix key that makes NT 4.0 Service Pack 6 into 6a.
    bool hotfixQ246009 = false;
};

// Whether the text needs the ProductType value or the hotfix key.
bool NeedsProductType(const VersionRecord& record);
bool NeedsHotfixKey(const VersionRecord& record);

std::string DescribeVersion(const VersionRecord& record, const VersionRegistryFacts& facts);

}  // namespace utility
