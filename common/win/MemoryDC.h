#pragma once
// A memory device context compatible with another one.  What was selected
// into it is put back and the context deleted when the owner goes, so the
// selected object can be deleted by its own owner afterwards.
#include <windows.h>

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (!dc_) return;
        if (previous_) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    // Selects an object; the first selection's predecessor is restored at the end.
    void Select(HGDIOBJ object) {
        if (!dc_ || !object) return;
        HGDIOBJ old = SelectObject(dc_, object);
        if (!previous_) previous_ = old;
    }

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};
