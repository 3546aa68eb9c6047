#pragma once
// What a registry read gives the add-in: nothing, a text or a 32-bit integer.
#include <cstdint>
#include <string>
#include <variant>

using RegistryValue = std::variant<std::monostate, std::string, std::int32_t>;

inline bool IsEmpty(const RegistryValue& value) { return std::holds_alternative<std::monostate>(value); }

// Status of a read whose value type is not one the add-in understands.
constexpr std::int32_t kUnsupportedTypeStatus = -1;

enum class RegistryValueKind { Text, Integer, Unsupported };

// REG_SZ is read as text and REG_DWORD as an integer; every other type
// (REG_EXPAND_SZ, REG_MULTI_SZ, REG_BINARY, ...) is left unread.
RegistryValueKind KindOfRegistryType(std::uint32_t type);

// The text of a REG_SZ read: as many characters as the size the read reported,
// which counts a stored terminating NUL, so that NUL comes back too.  A size
// larger than the buffer is cut to the buffer.
std::string RegistryText(const std::string& buffer, std::uint32_t reportedSize);
