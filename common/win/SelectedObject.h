#pragma once
// Selects a GDI object into a context and puts the one it replaced back when
// it goes.  Palettes have a selection call of their own: SelectedPalette.
#include <windows.h>

class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    // False when the object could not be selected (a bitmap already selected
    // elsewhere, a null handle).
    explicit operator bool() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
