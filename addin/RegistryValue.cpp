#include "RegistryValue.h"

namespace {
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;
}  // namespace

RegistryValueKind KindOfRegistryType(std::uint32_t type) {
    switch (type) {
    case kRegSz: return RegistryValueKind::Text;
    case kRegDword: return RegistryValueKind::Integer;
    default: return RegistryValueKind::Unsupported;
    }
}

std::string RegistryText(const std::string& buffer, std::uint32_t reportedSize) {
    return buffer.substr(0, reportedSize);
}
