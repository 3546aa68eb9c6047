#pragma once
// Owner of a device context made by CreateCompatibleDC or CreateDC, deleted
// with DeleteDC.  (A context from GetDC is released instead: WindowDC.)
#include <windows.h>

#include <utility>

class UniqueDC {
public:
    UniqueDC() = default;
    explicit UniqueDC(HDC dc) : dc_(dc) {}
    ~UniqueDC() { reset(); }

    UniqueDC(UniqueDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    UniqueDC& operator=(UniqueDC&& other) noexcept {
        if (this != &other) reset(std::exchange(other.dc_, nullptr));
        return *this;
    }
    UniqueDC(const UniqueDC&) = delete;
    UniqueDC& operator=(const UniqueDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    void reset(HDC dc = nullptr) {
        if (dc_) DeleteDC(dc_);
        dc_ = dc;
    }

private:
    HDC dc_ = nullptr;
};
