#pragma once
// The registration scripts of the library's classes: the text format the
// resources carry ("HKCR { NoRemove CLSID { ForceRemove {...} = s '...' } }"),
// and what registering and unregistering one script does to a registry.
// Plain rules over an abstract store, so the same rules run against the real
// registry and against a registry held in memory.
#include <cstdint>
#include <string>
#include <vector>

namespace utility {

// A "%NAME%" of a script and its replacement; names match without regard to case.
struct ScriptVariable {
    std::string name;
    std::string value;
};

// Keys below the script's root, paths separated by "\"; value name "" is a
// key's unnamed value.  Results are Win32 error codes (0 for success).
class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    virtual long CreateKey(const std::string& path) = 0;  // opens or creates
    virtual long SetString(const std::string& path, const std::string& name, const std::string& data) = 0;
    virtual long DeleteTree(const std::string& path) = 0;  // the key and all below it
    virtual long DeleteValue(const std::string& path, const std::string& name) = 0;
    virtual long DeleteKey(const std::string& path) = 0;   // fails while the key has subkeys
};

constexpr long kErrorFileNotFound = 2;    // a key or value that does not exist
constexpr long kErrorAccessDenied = 5;    // what Windows reports for a key that still has subkeys

struct ScriptValue {
    std::string name;
    std::string data;
};

struct ScriptKey {
    enum class Removal { Normal, NoRemove, ForceRemove, Delete };
    std::string name;
    Removal removal = Removal::Normal;
    bool hasDefault = false;
    std::string defaultData;
    std::vector<ScriptValue> values;
    std::vector<ScriptKey> subkeys;
};

struct ScriptRoot {
    std::string name;  // "HKCR", "HKEY_CLASSES_ROOT", ...
    std::vector<ScriptKey> keys;
};

struct Script {
    std::vector<ScriptRoot> roots;
};

// False with a reason for text that is not a script.
bool ParseScript(const std::string& text, const std::vector<ScriptVariable>& variables, Script& script,
                 std::string& error);

// Register: every named key is opened or created and its values set; a
// ForceRemove key is first deleted with everything below it.  Unregister:
// children first, each key's named values and subkeys, then the key itself;
// NoRemove keys are only descended into; what does not exist is passed
// over.  Both stop at the first failure and return its HRESULT.
int32_t RegisterScript(const ScriptRoot& root, RegistryStore& store);
int32_t UnregisterScript(const ScriptRoot& root, RegistryStore& store);

// HRESULT_FROM_WIN32 without the Windows headers.
int32_t HResultFromWin32(long code);

}  // namespace utility
