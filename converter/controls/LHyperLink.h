#pragma once
// A static text that paints itself over whatever lies behind it, in a font
// of its own, and follows the pointer with the mouse capture.  Clicks on it
// are taken and dropped.
#include "Controls.h"
#include "win/UniqueGdiObject.h"

class CLHyperLink : public CStatic {
public:
    CLHyperLink() = default;
    ~CLHyperLink() override = default;

    // A new font of that face and cell height, normal weight; ignored for an
    // empty face or a height below 8.
    void SetLabelFont(const char* faceName, BYTE height);
    // 1 bold, 2 normal, 3 extra-light; other kinds keep the weight.
    void SetLabelWeight(int kind);
    void SetLabelText(const char* text);

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    void PreSubclassWindow() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    HBRUSH CtlColor(HDC dc, UINT controlType) override;

private:
    BOOL pointerOver = FALSE;
    UniqueGdiObject<HFONT> labelFont;
    COLORREF hoverColour = RGB(0, 0, 0);
    COLORREF normalColour = RGB(0, 0, 0);
};
