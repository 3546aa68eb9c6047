#include "LHyperLink.h"

#include "ControlFont.h"

void CLHyperLink::PreSubclassWindow() {
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetWindowLongPtrA(m_hWnd, GWL_STYLE) | SS_NOTIFY);
    ReplaceControlFont(m_hWnd, labelFont, [](LOGFONTA& font) { font.lfWeight = FW_NORMAL; });
    CStatic::PreSubclassWindow();
}

void CLHyperLink::SetLabelFont(const char* faceName, BYTE height) {
    SetControlFontFace(m_hWnd, labelFont, faceName, height);
}

void CLHyperLink::SetLabelWeight(int kind) {
    LONG weight = -1;
    switch (kind) {
    case 1: weight = FW_BOLD; break;
    case 2: weight = FW_NORMAL; break;
    case 3: weight = FW_EXTRALIGHT; break;
    }
    ReplaceControlFont(m_hWnd, labelFont, [&](LOGFONTA& font) {
        if (weight >= 0) font.lfWeight = weight;
    });
}

void CLHyperLink::SetLabelText(const char* text) {
    SetWindowTextA(m_hWnd, text ? text : "");
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CLHyperLink::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_MOUSEMOVE: {
        *result = DefWindowProc(message, wParam, lParam);
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (pointerOver) {
            RECT client{};
            GetClientRect(m_hWnd, &client);
            if (PtInRect(&client, point)) return true;
            pointerOver = FALSE;
            ReleaseCapture();
            RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        } else {
            pointerOver = TRUE;
            RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            SetCapture(m_hWnd);
        }
        return true;
    }
    case WM_SETCURSOR:
        *result = TRUE;  // the pointer keeps its shape
        return true;
    }
    return CStatic::OnWndMsg(message, wParam, lParam, result);
}

HBRUSH CLHyperLink::CtlColor(HDC dc, UINT) {
    SetTextColor(dc, pointerOver ? hoverColour : normalColour);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool CLHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        *result = 0;
        return true;  // the dialog hears nothing of the click
    }
    return CStatic::OnChildNotify(message, wParam, lParam, result);
}
