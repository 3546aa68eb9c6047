#include "Win32RegistryStore.h"

#include <cstring>

#include "win/UniqueRegKey.h"

namespace utility {

long Win32RegistryStore::CreateKey(const std::string& path) {
    UniqueRegKey key;
    return RegCreateKeyExA(root_, Full(path).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr);
}

long Win32RegistryStore::SetString(const std::string& path, const std::string& name, const std::string& data) {
    UniqueRegKey key;
    if (long result = RegOpenKeyExA(root_, Full(path).c_str(), 0, KEY_SET_VALUE, key.put())) return result;
    return RegSetValueExA(key.get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
}

long Win32RegistryStore::DeleteTree(const std::string& path) {
    // RegDeleteTreeA empties the key; the key itself goes afterwards.
    UniqueRegKey key;
    if (long result = RegOpenKeyExA(root_, Full(path).c_str(), 0, KEY_ALL_ACCESS, key.put())) return result;
    if (long result = RegDeleteTreeA(key.get(), nullptr)) return result;
    key.reset();
    return RegDeleteKeyA(root_, Full(path).c_str());
}

long Win32RegistryStore::DeleteValue(const std::string& path, const std::string& name) {
    UniqueRegKey key;
    if (long result = RegOpenKeyExA(root_, Full(path).c_str(), 0, KEY_SET_VALUE, key.put())) return result;
    return RegDeleteValueA(key.get(), name.empty() ? nullptr : name.c_str());
}

long Win32RegistryStore::DeleteKey(const std::string& path) { return RegDeleteKeyA(root_, Full(path).c_str()); }

HKEY Win32RegistryStore::RootKey(const std::string& name) {
    struct Root { const char* shortName; const char* longName; HKEY key; };
    static const Root roots[] = {
        {"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
        {"HKCU", "HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    };
    for (const Root& root : roots) {
        if (_stricmp(name.c_str(), root.shortName) == 0 || _stricmp(name.c_str(), root.longName) == 0) return root.key;
    }
    return nullptr;
}

}  // namespace utility
