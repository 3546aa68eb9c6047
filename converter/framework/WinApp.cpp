#include "WinApp.h"

CWinApp* CWinApp::instance_ = nullptr;

CWinApp::CWinApp() {
    if (!instance_) instance_ = this;
}

CWinApp::~CWinApp() {
    if (instance_ == this) instance_ = nullptr;
}

HINSTANCE CWinApp::ResourceHandle() {
    if (instance_ && instance_->m_hInstance) return instance_->m_hInstance;
    return GetModuleHandleA(nullptr);
}

int CWinApp::Run() {
    if (!InitInstance()) return ExitInstance();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ExitInstance();
    return static_cast<int>(message.wParam);
}
