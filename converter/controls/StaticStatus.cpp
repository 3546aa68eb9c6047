#include "StaticStatus.h"

#include "ControlFont.h"

void CStaticStatus::SetStatusFont(const char* faceName, BYTE height) {
    SetControlFontFace(m_hWnd, statusFont, faceName, height);
}

HBRUSH CStaticStatus::CtlColor(HDC, UINT) {
    if (!whiteBrush) whiteBrush.reset(CreateSolidBrush(RGB(255, 255, 255)));
    return whiteBrush.get();
}
