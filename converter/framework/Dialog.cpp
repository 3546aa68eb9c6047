#include "Dialog.h"

#include "WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal() {
    HWND owner = parent_ ? parent_->m_hWnd : nullptr;
    ended_ = false;
    result_ = -1;
    HWND dialog = CreateDialogParamA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(templateId_), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!dialog) return -1;
    if (owner) EnableWindow(owner, FALSE);

    MSG message;
    while (!ended_) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends the dialog; the loop above ours sees it again.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) break;
        if (PreTranslateTree(&message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    if (owner) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return result_;
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (m_hWnd) {
        ShowWindow(m_hWnd, SW_HIDE);
        PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    }
}

bool CDialog::PreTranslateTree(MSG* message) {
    // From the window the message is for up to the dialog: each bound window
    // may take it first.
    bool dialogSeen = false;
    for (HWND window = message->hwnd; window; window = GetParent(window)) {
        CWnd* object = FromHandle(window);
        if (object && object->PreTranslateMessage(message)) return true;
        if (window == m_hWnd) {
            dialogSeen = true;
            break;
        }
    }
    return !dialogSeen && PreTranslateMessage(message);
}

BOOL CDialog::PreTranslateMessage(MSG* message) {
    return m_hWnd && IsDialogMessageA(m_hWnd, message);
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CDialog::DDX_Control(int controlId, CWnd& control) {
    if (!control.m_hWnd) control.SubclassDlgItem(controlId, m_hWnd);
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            *result = 0;
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            *result = 0;
            return true;
        }
    }
    return false;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The dialog class's own processing, without asking this dialog again.
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->Attach(window);
        try {
            return dialog->OnInitDialog();
        } catch (...) {
            dialog->EndDialog(IDCANCEL);
            return FALSE;
        }
    }

    CDialog* dialog = static_cast<CDialog*>(FromHandle(window));
    if (!dialog) return FALSE;

    LRESULT result = 0;
    bool handled = false;
    try {
        handled = ReflectToChild(message, wParam, lParam, &result) ||
                  dialog->OnWndMsg(message, wParam, lParam, &result);
    } catch (...) {
        handled = false;  // no exception leaves a window procedure
    }
    if (message == WM_NCDESTROY) dialog->Detach();
    if (!handled) return FALSE;

    // These messages answer through the procedure's result itself.
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}
