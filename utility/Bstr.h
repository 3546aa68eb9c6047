#pragma once
// Text at the COM boundary: BSTRs in, 8-bit ANSI text inside, BSTRs out.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace utility {

// Owner of a BSTR until it is handed to the caller.
class UniqueBstr {
public:
    UniqueBstr() = default;
    ~UniqueBstr() { SysFreeString(bstr_); }
    UniqueBstr(UniqueBstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        if (this != &other) {
            SysFreeString(bstr_);
            bstr_ = std::exchange(other.bstr_, nullptr);
        }
        return *this;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    BSTR get() const { return bstr_; }
    BSTR* put() {
        SysFreeString(bstr_);
        bstr_ = nullptr;
        return &bstr_;
    }
    BSTR release() { return std::exchange(bstr_, nullptr); }

private:
    BSTR bstr_ = nullptr;
};

// The text in the thread's ANSI code page; a null BSTR is an empty text.
std::string AnsiFromBstr(BSTR text);

// A new BSTR of the ANSI text; E_OUTOFMEMORY when it cannot be made.
HRESULT BstrFromAnsi(const std::string& text, UniqueBstr& result);

// Runs a method's body so that no exception leaves it.
template <typename Body>
HRESULT NoThrow(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace utility
