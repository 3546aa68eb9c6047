#pragma once
// Owner of a GDI object (bitmap, font, brush, pen, region): deleted when the
// owner goes.  Stock objects must not be put in one.
#include <windows.h>

#include <utility>

template <typename T>
class UniqueGdiObject {
public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(T object) : object_(object) {}
    ~UniqueGdiObject() { reset(); }

    UniqueGdiObject(UniqueGdiObject&& other) noexcept : object_(other.release()) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

    T get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    T release() { return std::exchange(object_, nullptr); }
    void reset(T object = nullptr) {
        if (object_) DeleteObject(object_);
        object_ = object;
    }

private:
    T object_ = nullptr;
};

using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
