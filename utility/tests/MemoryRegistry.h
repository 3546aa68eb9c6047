#pragma once
// A registry held in memory for the script rules' tests: names compare
// without regard to case, and a key with subkeys cannot be deleted, as in
// Windows.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "RegistryScript.h"

namespace utility::testing {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class MemoryRegistry : public RegistryStore {
public:
    long CreateKey(const std::string& path) override;
    long SetString(const std::string& path, const std::string& name, const std::string& data) override;
    long DeleteTree(const std::string& path) override;
    long DeleteValue(const std::string& path, const std::string& name) override;
    long DeleteKey(const std::string& path) override;

    // Every key as "path" and every value as "path\[name]=data", sorted:
    // a whole registry in one comparable list.
    std::vector<std::string> Dump() const;
    bool HasKey(const std::string& path) const { return Find(path) != nullptr; }

    // Fails every call whose key path equals this one, with this error.
    std::string failingPath;
    long failure = 0;

private:
    struct Key {
        std::map<std::string, std::string, NoCaseLess> values;
        std::map<std::string, std::unique_ptr<Key>, NoCaseLess> subkeys;
    };
    Key* Find(const std::string& path) const;
    Key* Parent(const std::string& path, std::string& leaf) const;
    static void DumpKey(const Key& key, const std::string& path, std::vector<std::string>& out);

    mutable Key root_;
};

}  // namespace utility::testing
