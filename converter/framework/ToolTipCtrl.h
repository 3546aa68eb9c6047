#pragma once
// A tooltip window with tools on one owner window.  The window is destroyed
// with the object, or with its owner if that goes first.
#include <windows.h>
#include <commctrl.h>

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl();
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    HWND m_hWnd = nullptr;

    bool Create(HWND parent, DWORD style = 0);
    void Activate(bool activate);
    void RelayEvent(MSG* message);
    int GetToolCount() const;
    bool AddTool(HWND window, const char* text, const RECT& rect, UINT_PTR toolId);
    void UpdateTipText(const char* text, HWND window, UINT_PTR toolId);
};
