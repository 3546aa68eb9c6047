#pragma once
// The registration scripts' store over the real registry, below one root key
// and an optional base path.
#include <windows.h>

#include <string>

#include "RegistryScript.h"

namespace utility {

class Win32RegistryStore : public RegistryStore {
public:
    explicit Win32RegistryStore(HKEY root, std::string base = "") : root_(root), base_(std::move(base)) {}

    long CreateKey(const std::string& path) override;
    long SetString(const std::string& path, const std::string& name, const std::string& data) override;
    long DeleteTree(const std::string& path) override;
    long DeleteValue(const std::string& path, const std::string& name) override;
    long DeleteKey(const std::string& path) override;

    // HKEY_CLASSES_ROOT for "HKCR" and the like; nullptr for an unknown name.
    static HKEY RootKey(const std::string& name);

private:
    std::string Full(const std::string& path) const { return base_.empty() ? path : base_ + "\\" + path; }
    HKEY root_;
    std::string base_;
};

}  // namespace utility
