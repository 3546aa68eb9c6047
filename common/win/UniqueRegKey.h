#pragma once
// Owner of an open registry key.
#include <windows.h>

#include <utility>

class UniqueRegKey {
public:
    UniqueRegKey() = default;
    explicit UniqueRegKey(HKEY key) : key_(key) {}
    ~UniqueRegKey() { reset(); }

    UniqueRegKey(UniqueRegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    UniqueRegKey& operator=(UniqueRegKey&& other) noexcept {
        if (this != &other) reset(std::exchange(other.key_, nullptr));
        return *this;
    }
    UniqueRegKey(const UniqueRegKey&) = delete;
    UniqueRegKey& operator=(const UniqueRegKey&) = delete;

    HKEY get() const { return key_; }
    HKEY* put() { reset(); return &key_; }
    explicit operator bool() const { return key_ != nullptr; }

    void reset(HKEY key = nullptr) {
        if (key_) RegCloseKey(key_);
        key_ = key;
    }

private:
    HKEY key_ = nullptr;
};
