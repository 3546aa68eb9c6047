#pragma once
// Selects a palette into a context and puts the previous one back, in the
// background, when it goes.
#include <windows.h>

class SelectedPalette {
public:
    SelectedPalette(HDC dc, HPALETTE palette, BOOL forceBackground)
        : dc_(dc), previous_(SelectPalette(dc, palette, forceBackground)) {}
    ~SelectedPalette() {
        if (previous_) SelectPalette(dc_, previous_, TRUE);
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;

    explicit operator bool() const { return previous_ != nullptr; }

private:
    HDC dc_;
    HPALETTE previous_;
};
