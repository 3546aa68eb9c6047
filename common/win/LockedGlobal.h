#pragma once
// A global memory block locked for reading or writing while this object lives.
#include <windows.h>

#include <cstddef>

class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL block)
        : block_(block), data_(block ? GlobalLock(block) : nullptr), size_(data_ ? GlobalSize(block) : 0) {}
    ~LockedGlobal() {
        if (data_) GlobalUnlock(block_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    explicit operator bool() const { return data_ != nullptr; }
    unsigned char* data() const { return static_cast<unsigned char*>(data_); }
    std::size_t size() const { return size_; }

private:
    HGLOBAL block_;
    void* data_;
    std::size_t size_;
};
