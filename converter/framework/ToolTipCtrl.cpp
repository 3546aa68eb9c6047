#include "ToolTipCtrl.h"

#include "WinApp.h"

namespace {

// The record size every version of the common controls accepts.
TOOLINFOA ToolInfo(HWND window, UINT_PTR toolId) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window;
    info.uId = toolId;
    return info;
}

}  // namespace

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(HWND parent, DWORD style) {
    if (m_hWnd) return true;
    m_hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, CWinApp::ResourceHandle(), nullptr);
    return m_hWnd != nullptr;
}

void CToolTipCtrl::Activate(bool activate) { SendMessageA(m_hWnd, TTM_ACTIVATE, activate ? TRUE : FALSE, 0); }

void CToolTipCtrl::RelayEvent(MSG* message) {
    if (m_hWnd) SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
}

int CToolTipCtrl::GetToolCount() const {
    return m_hWnd ? static_cast<int>(SendMessageA(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

bool CToolTipCtrl::AddTool(HWND window, const char* text, const RECT& rect, UINT_PTR toolId) {
    TOOLINFOA info = ToolInfo(window, toolId);
    info.rect = rect;
    info.lpszText = const_cast<char*>(text);
    info.hinst = CWinApp::ResourceHandle();
    return SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(const char* text, HWND window, UINT_PTR toolId) {
    TOOLINFOA info = ToolInfo(window, toolId);
    info.lpszText = const_cast<char*>(text);
    info.hinst = CWinApp::ResourceHandle();
    SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}
