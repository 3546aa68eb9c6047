#pragma once
// The status line: a static text always painted on white, in a font of its
// own.
#include "Controls.h"
#include "win/UniqueGdiObject.h"

class CStaticStatus : public CStatic {
public:
    CStaticStatus() = default;
    ~CStaticStatus() override = default;

    // A new font of that face and cell height, normal weight; ignored for an
    // empty face or a height below 8.
    void SetStatusFont(const char* faceName, BYTE height);

protected:
    HBRUSH CtlColor(HDC dc, UINT controlType) override;

private:
    UniqueGdiObject<HFONT> statusFont;
    UniqueGdiObject<HBRUSH> whiteBrush;  // made at the first colour query
};
