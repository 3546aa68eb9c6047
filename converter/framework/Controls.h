#pragma once
// The plain controls a dialog binds: buttons and static texts.
#include "Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
    void SetCheck(int state) { SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(state), 0); }

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (message == WM_DRAWITEM) {
            DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            *result = TRUE;
            return true;
        }
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    }

protected:
    // Draws an owner-drawn button.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
};

class CStatic : public CWnd {};
