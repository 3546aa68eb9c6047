#include "Wnd.h"

namespace {

constexpr char kObjectProperty[] = "InkvaleWndObject";

}  // namespace

CWnd::~CWnd() {
    // A window that outlives its object goes back to its own procedure.
    if (m_hWnd && previous_ && IsWindow(m_hWnd)) SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    Detach();
}

CWnd* CWnd::FromHandle(HWND window) {
    if (!window) return nullptr;
    return static_cast<CWnd*>(GetPropA(window, kObjectProperty));
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    SetPropA(window, kObjectProperty, this);
}

void CWnd::Detach() {
    if (m_hWnd && IsWindow(m_hWnd)) RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    previous_ = nullptr;
}

bool CWnd::SubclassWindow(HWND window) {
    if (!window || m_hWnd || FromHandle(window)) return false;
    m_hWnd = window;
    PreSubclassWindow();
    Attach(window);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!previous_) {
        Detach();
        return false;
    }
    return true;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        HBRUSH brush = CtlColor(reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX);
        if (!brush) return false;
        *result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    return false;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = nullptr;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        child = reinterpret_cast<HWND>(lParam);
    } else if (message == WM_DRAWITEM && wParam != 0) {
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    } else if (message == WM_COMMAND && lParam != 0) {
        child = reinterpret_cast<HWND>(lParam);
    }
    CWnd* object = FromHandle(child);
    return object && object->OnChildNotify(message, wParam, lParam, result);
}

bool CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

HBRUSH CWnd::CtlColor(HDC, UINT) { return nullptr; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previous_) return CallWindowProcA(previous_, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = FromHandle(window);
    if (!object) return ::DefWindowProcA(window, message, wParam, lParam);

    LRESULT result = 0;
    bool handled = false;
    try {
        handled = object->OnWndMsg(message, wParam, lParam, &result);
    } catch (...) {
        // No exception leaves a window procedure.
        handled = false;
    }
    if (!handled) result = object->DefWindowProc(message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(object->previous_));
        object->Detach();
    }
    return result;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
