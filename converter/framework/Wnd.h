#pragma once
// A window bound to a C++ object.  A control of a dialog is bound by
// subclassing it; its messages then go through the object's message map
// (OnWndMsg) before the control's own window procedure, and the parent
// reflects the notifications a control answers about itself (WM_CTLCOLOR*,
// WM_DRAWITEM, WM_COMMAND) back to the control's object.
#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object bound to a window, or nullptr.
    static CWnd* FromHandle(HWND window);

    // Binds the object to an existing window (a dialog's control).
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(int controlId, HWND parent) { return SubclassWindow(GetDlgItem(parent, controlId)); }

    // A message about to be dispatched; true when it was handled here and
    // must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* message);

    // A notification the parent received about this control; true when the
    // control handled it (the parent then does nothing more with it).
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Hands a notification that concerns a bound child to that child.
    static bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    // Runs before the window is subclassed.
    virtual void PreSubclassWindow() {}

    // The message map: true when the message was handled, *result its answer.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The reflected colour query; nullptr leaves it to the parent.
    virtual HBRUSH CtlColor(HDC dc, UINT controlType);

    // The window's own processing of a message.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    void Attach(HWND window);
    void Detach();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC previous_ = nullptr;
};

// The text of a window of this process.
std::string WindowText(HWND window);
