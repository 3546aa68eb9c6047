#include "VersionText.h"

#include <cctype>

namespace utility {

namespace {

constexpr uint16_t kSuiteEnterprise = 0x0002;
constexpr uint16_t kSuiteDatacenter = 0x0080;
constexpr uint16_t kSuitePersonal = 0x0200;
constexpr uint16_t kSuiteBlade = 0x0400;

bool EqualNoCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

char SecondCharacter(const std::string& text) { return text.size() >= 2 ? text[1] : '\0'; }

std::string Windows9x(const VersionRecord& r) {
    if (r.major != 4) return "";
    const char c = SecondCharacter(r.servicePack);
    switch (r.minor) {
    case 0: return std::string("Microsoft Windows 95 ") + (c == 'C' || c == 'B' ? "OSR2 " : "");
    case 10: return std::string("Microsoft Windows 98 ") + (c == 'A' ? "SE " : "");
    case 90: return "Microsoft Windows Millennium Edition";
    default: return "";
    }
}

std::string NtBaseName(const VersionRecord& r) {
    if (r.major == 5 && r.minor == 2) return "Microsoft Windows Server 2003 family ";
    if (r.major == 5 && r.minor == 1) return "Microsoft Windows XP ";
    if (r.major == 5 && r.minor == 0) return "Microsoft Windows 2000 ";
    if (r.major <= 4) return "Microsoft Windows NT ";
    return "";
}

std::string ExtendedEdition(const VersionRecord& r) {
    if (r.productType == 1) {
        if (r.major == 4) return "Workstation 4.0 ";
        return (r.suiteMask & kSuitePersonal) ? "Home Edition " : "Professional ";
    }
    if (r.productType != 3) return "";
    if (r.major == 5 && r.minor == 2) {
        if (r.suiteMask & kSuiteDatacenter) return "Datacenter Edition ";
        if (r.suiteMask & kSuiteEnterprise) return "Enterprise Edition ";
        if (r.suiteMask == kSuiteBlade) return "Web Edition ";
        return "Standard Edition ";
    }
    if (r.major == 5 && r.minor == 0) {
        if (r.suiteMask & kSuiteDatacenter) return "Datacenter Server ";
        if (r.suiteMask & kSuiteEnterprise) return "Advanced Server ";
        return "Server ";
    }
    return (r.suiteMask & kSuiteEnterprise) ? "Server 4.0, Enterprise Edition " : "Server 4.0 ";
}

std::string ProductOptionsEdition(const std::string& productType) {
    if (EqualNoCase(productType, "WINNT")) return "Workstation ";
    if (EqualNoCase(productType, "LANMANNT")) return "Server ";
    if (EqualNoCase(productType, "SERVERNT")) return "Advanced Server ";
    return "";
}

}  // namespace

bool NeedsProductType(const VersionRecord& record) { return record.platformId == 2 && !record.extended; }

bool NeedsHotfixKey(const VersionRecord& record) {
    return record.platformId == 2 && record.major == 4 && EqualNoCase(record.servicePack, "Service Pack 6");
}

std::string DescribeVersion(const VersionRecord& record, const VersionRegistryFacts& facts) {
    if (record.platformId == 0) return "Microsoft Win32s";
    if (record.platformId == 1) return Windows9x(record);
    if (record.platformId != 2) return "";

    std::string text = NtBaseName(record);
    if (record.extended) {
        text += ExtendedEdition(record);
    } else {
        if (!facts.productTypeRead) return text;
        text += ProductOptionsEdition(facts.productType);
    }
    const std::string build = std::to_string(record.build & 0xFFFF);
    if (NeedsHotfixKey(record) && facts.hotfixQ246009) return text + "Service Pack 6a (Build " + build + ")";
    return text + record.servicePack + " (Build " + build + ")";
}

}  // namespace utility
