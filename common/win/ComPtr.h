#pragma once
// Owner of one COM reference.
#include <windows.h>
#include <unknwn.h>

#include <utility>

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr& other) : p_(other.p_) { if (p_) p_->AddRef(); }
    ComPtr& operator=(const ComPtr& other) {
        if (other.p_) other.p_->AddRef();
        reset(other.p_);
        return *this;
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) reset(std::exchange(other.p_, nullptr));
        return *this;
    }

    // Takes over a reference the caller already holds.
    static ComPtr Attach(T* p) { ComPtr c; c.p_ = p; return c; }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** put() { reset(); return &p_; }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    explicit operator bool() const { return p_ != nullptr; }
    T* detach() { return std::exchange(p_, nullptr); }

    void reset(T* p = nullptr) {
        if (p_) p_->Release();
        p_ = p;
    }

private:
    T* p_ = nullptr;
};
