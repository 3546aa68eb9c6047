#pragma once
// Owner of one resource that a null value means "none" for, closed with
// Close when the owner goes.  The owners of GDI objects, device contexts,
// global memory and registry keys are this template with their close call.
#include <utility>

template <typename T, void (*Close)(T)>
class UniqueOwner {
public:
    UniqueOwner() = default;
    explicit UniqueOwner(T resource) : resource_(resource) {}
    ~UniqueOwner() { reset(); }

    UniqueOwner(UniqueOwner&& other) noexcept : resource_(other.release()) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;

    T get() const { return resource_; }
    explicit operator bool() const { return resource_ != nullptr; }

    // For calls that hand the resource back through a pointer.
    T* put() {
        reset();
        return &resource_;
    }
    T release() { return std::exchange(resource_, nullptr); }
    void reset(T resource = nullptr) {
        if (resource_) Close(resource_);
        resource_ = resource;
    }

private:
    T resource_ = nullptr;
};
