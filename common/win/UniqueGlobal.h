#pragma once
// Owner of a global memory block; release() hands it on, for example to the
// clipboard, which then owns it.
#include <windows.h>

#include <utility>

class UniqueGlobal {
public:
    UniqueGlobal() = default;
    explicit UniqueGlobal(HGLOBAL block) : block_(block) {}
    ~UniqueGlobal() { reset(); }

    UniqueGlobal(UniqueGlobal&& other) noexcept : block_(other.release()) {}
    UniqueGlobal& operator=(UniqueGlobal&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueGlobal(const UniqueGlobal&) = delete;
    UniqueGlobal& operator=(const UniqueGlobal&) = delete;

    HGLOBAL get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }

    HGLOBAL release() { return std::exchange(block_, nullptr); }
    void reset(HGLOBAL block = nullptr) {
        if (block_) GlobalFree(block_);
        block_ = block;
    }

private:
    HGLOBAL block_ = nullptr;
};
