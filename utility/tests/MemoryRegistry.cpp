#include "MemoryRegistry.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace utility::testing {

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

namespace {
std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> parts;
    std::stringstream in(path);
    for (std::string part; std::getline(in, part, '\\');) parts.push_back(part);
    return parts;
}
}  // namespace

MemoryRegistry::Key* MemoryRegistry::Find(const std::string& path) const {
    Key* key = &root_;
    for (const std::string& part : Split(path)) {
        auto it = key->subkeys.find(part);
        if (it == key->subkeys.end()) return nullptr;
        key = it->second.get();
    }
    return key;
}

MemoryRegistry::Key* MemoryRegistry::Parent(const std::string& path, std::string& leaf) const {
    const size_t slash = path.rfind('\\');
    leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    return slash == std::string::npos ? &root_ : Find(path.substr(0, slash));
}

long MemoryRegistry::CreateKey(const std::string& path) {
    if (path == failingPath) return failure;
    Key* key = &root_;
    for (const std::string& part : Split(path)) {
        auto& slot = key->subkeys[part];
        if (!slot) slot = std::make_unique<Key>();
        key = slot.get();
    }
    return 0;
}

long MemoryRegistry::SetString(const std::string& path, const std::string& name, const std::string& data) {
    if (path == failingPath) return failure;
    Key* key = Find(path);
    if (!key) return kErrorFileNotFound;
    key->values[name] = data;
    return 0;
}

long MemoryRegistry::DeleteTree(const std::string& path) {
    if (path == failingPath) return failure;
    std::string leaf;
    Key* parent = Parent(path, leaf);
    if (!parent || !parent->subkeys.erase(leaf)) return kErrorFileNotFound;
    return 0;
}

long MemoryRegistry::DeleteValue(const std::string& path, const std::string& name) {
    if (path == failingPath) return failure;
    Key* key = Find(path);
    if (!key || !key->values.erase(name)) return kErrorFileNotFound;
    return 0;
}

long MemoryRegistry::DeleteKey(const std::string& path) {
    if (path == failingPath) return failure;
    std::string leaf;
    Key* parent = Parent(path, leaf);
    if (!parent) return kErrorFileNotFound;
    auto it = parent->subkeys.find(leaf);
    if (it == parent->subkeys.end()) return kErrorFileNotFound;
    if (!it->second->subkeys.empty()) return kErrorAccessDenied;
    parent->subkeys.erase(it);
    return 0;
}

void MemoryRegistry::DumpKey(const Key& key, const std::string& path, std::vector<std::string>& out) {
    if (!path.empty()) out.push_back(path);
    for (const auto& [name, data] : key.values) out.push_back(path + "\\[" + name + "]=" + data);
    for (const auto& [name, sub] : key.subkeys) DumpKey(*sub, path.empty() ? name : path + "\\" + name, out);
}

std::vector<std::string> MemoryRegistry::Dump() const {
    std::vector<std::string> out;
    DumpKey(root_, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace utility::testing
