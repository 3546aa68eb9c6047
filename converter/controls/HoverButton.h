#pragma once
// An owner-drawn picture button with three bitmaps (normal, hover, pressed)
// that follows the mouse pointer and can carry a tooltip.
#include "Controls.h"
#include "ToolTipCtrl.h"
#include "win/UniqueGdiObject.h"

class CHoverButton : public CButton {
public:
    CHoverButton() = default;
    ~CHoverButton() override = default;

    // Loads the bitmaps from the program's resources and gives the button
    // the normal bitmap's size.
    bool LoadStateBitmaps(WORD normalId, WORD hoverId, WORD pressedId);

    void SetTipText(UINT stringId, bool activate);
    void SetTipText(const char* text, bool activate);

    BOOL PreTranslateMessage(MSG* message) override;

    bool IsHovering() const { return hovering; }

protected:
    void DrawItem(DRAWITEMSTRUCT* item) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void EnsureToolTip();

    BOOL hovering = FALSE;
    LONG bitmapWidth = 0;
    LONG bitmapHeight = 0;
    UniqueGdiObject<HBITMAP> normalBitmap;
    UniqueGdiObject<HBITMAP> hoverBitmap;
    UniqueGdiObject<HBITMAP> pressedBitmap;
    BOOL tracking = FALSE;
    CToolTipCtrl toolTip;
};
