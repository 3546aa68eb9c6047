#include "HoverButton.h"

#include <string>

#include "WinApp.h"
#include "win/SelectedObject.h"
#include "win/UniqueDC.h"

namespace {

HBITMAP LoadResourceBitmap(WORD id) {
    // The resource's own size, mapped to the system's 3-D colours: a
    // device-dependent bitmap.
    return static_cast<HBITMAP>(
        LoadImageA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

}  // namespace

bool CHoverButton::LoadStateBitmaps(WORD normalId, WORD hoverId, WORD pressedId) {
    normalBitmap.reset(LoadResourceBitmap(normalId));
    hoverBitmap.reset(LoadResourceBitmap(hoverId));
    pressedBitmap.reset(LoadResourceBitmap(pressedId));

    BITMAP info{};
    if (normalBitmap && GetObjectA(normalBitmap.get(), sizeof(info), &info)) {
        bitmapWidth = info.bmWidth;
        bitmapHeight = info.bmHeight;
        SetWindowPos(m_hWnd, nullptr, 0, 0, bitmapWidth, bitmapHeight, SWP_NOMOVE | SWP_NOOWNERZORDER);
    }
    // Without a normal bitmap the button keeps its template size.
    return true;
}

void CHoverButton::DrawItem(DRAWITEMSTRUCT* item) {
    UniqueDC memory(CreateCompatibleDC(item->hDC));
    if (!memory) return;
    HBITMAP shown = normalBitmap.get();
    if (item->itemState & ODS_SELECTED) {
        shown = pressedBitmap.get();
    } else if (hovering) {
        shown = hoverBitmap.get();
    }
    SelectedObject selected(memory.get(), shown);
    BitBlt(item->hDC, 0, 0, bitmapWidth, bitmapHeight, memory.get(), 0, 0, SRCCOPY);
}

bool CHoverButton::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_MOUSEMOVE: {
        if (!tracking) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof(track);
            track.dwFlags = TME_HOVER | TME_LEAVE;
            track.hwndTrack = m_hWnd;
            track.dwHoverTime = 1;
            tracking = _TrackMouseEvent(&track);
        }
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        *result = DefWindowProc(message, wParam, lParam);
        return true;
    }
    case WM_MOUSEHOVER:
        hovering = TRUE;
        InvalidateRect(m_hWnd, nullptr, TRUE);
        *result = 0;
        return true;
    case WM_MOUSELEAVE:
        tracking = FALSE;
        hovering = FALSE;
        InvalidateRect(m_hWnd, nullptr, TRUE);
        *result = 0;
        return true;
    }
    return CButton::OnWndMsg(message, wParam, lParam, result);
}

void CHoverButton::EnsureToolTip() {
    if (toolTip.m_hWnd) return;
    if (toolTip.Create(m_hWnd)) toolTip.Activate(false);
}

BOOL CHoverButton::PreTranslateMessage(MSG* message) {
    EnsureToolTip();
    toolTip.RelayEvent(message);
    return CButton::PreTranslateMessage(message);
}

void CHoverButton::SetTipText(UINT stringId, bool activate) {
    char text[256] = {};
    if (LoadStringA(CWinApp::ResourceHandle(), stringId, text, sizeof(text)) > 0) SetTipText(text, activate);
}

void CHoverButton::SetTipText(const char* text, bool activate) {
    if (!text) return;
    EnsureToolTip();
    if (!toolTip.m_hWnd) return;
    if (toolTip.GetToolCount() == 0) {
        RECT client{};
        GetClientRect(m_hWnd, &client);
        toolTip.AddTool(m_hWnd, text, client, 1);
    }
    toolTip.UpdateTipText(text, m_hWnd, 1);
    toolTip.Activate(activate);
}
