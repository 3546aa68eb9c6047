#include "modRegistry.h"

#include <new>
#include <string>

#include "win/UniqueRegKey.h"

RegistryValue GetRegistryValue(HKEY root, const char* subKey, const char* valueName) {
    UniqueRegKey key;
    RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, key.put());
    RegistryValue value;
    if (key) QueryRegistryValue(key.get(), valueName, value);
    return value;
}

LONG QueryRegistryValue(HKEY key, const char* valueName, RegistryValue& value) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;

    switch (KindOfRegistryType(type)) {
    case RegistryValueKind::Text:
        try {
            std::string buffer(size, '\0');
            status = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size);
            if (status == ERROR_SUCCESS) {
                value = RegistryText(buffer, size);
            } else {
                value = std::monostate{};
            }
        } catch (const std::bad_alloc&) {
            // No room for the text: the status of the last call stands.
        }
        return status;
    case RegistryValueKind::Integer: {
        DWORD number = 0;
        size = sizeof(number);
        status = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size);
        if (status == ERROR_SUCCESS) value = static_cast<std::int32_t>(number);
        return status;
    }
    case RegistryValueKind::Unsupported:
        break;
    }
    return kUnsupportedTypeStatus;
}
