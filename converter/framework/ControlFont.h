#pragma once
// Gives a control a font made from the one it has, changed by the caller.
#include <windows.h>

#include <utility>

#include "win/UniqueGdiObject.h"

// change edits a copy of the control's current LOGFONTA; owner holds the new
// font (and deletes the one it held, after the control has let go of it).
// Nothing changes when the control has no font or the new one cannot be made.
template <typename Change>
void ReplaceControlFont(HWND control, UniqueGdiObject<HFONT>& owner, Change change) {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA font{};
    if (!current || GetObjectA(current, sizeof(font), &font) != sizeof(font)) return;
    change(font);
    UniqueGdiObject<HFONT> made(CreateFontIndirectA(&font));
    if (!made) return;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
    owner = std::move(made);
}

// A font of that face and cell height at normal weight; ignored for an empty
// face or a height below 8.
inline void SetControlFontFace(HWND control, UniqueGdiObject<HFONT>& owner, const char* faceName, BYTE height) {
    if (!faceName || !*faceName || height < 8) return;
    ReplaceControlFont(control, owner, [&](LOGFONTA& font) {
        font.lfWeight = FW_NORMAL;
        lstrcpynA(font.lfFaceName, faceName, LF_FACESIZE);
        font.lfHeight = height;
    });
}
