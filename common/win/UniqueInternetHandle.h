#pragma once
// Owner of a WinINet handle (session, connection or request).
#include <windows.h>
#include <wininet.h>

#include <utility>

class UniqueInternetHandle {
public:
    UniqueInternetHandle() = default;
    explicit UniqueInternetHandle(HINTERNET handle) : handle_(handle) {}
    ~UniqueInternetHandle() { reset(); }

    UniqueInternetHandle(UniqueInternetHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueInternetHandle& operator=(UniqueInternetHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueInternetHandle(const UniqueInternetHandle&) = delete;
    UniqueInternetHandle& operator=(const UniqueInternetHandle&) = delete;

    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset(HINTERNET handle = nullptr) {
        if (handle_) InternetCloseHandle(handle_);
        handle_ = handle;
    }

private:
    HINTERNET handle_ = nullptr;
};
