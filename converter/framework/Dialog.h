#pragma once
// A modal dialog from a template, run by a message loop of its own so that
// every message passes PreTranslateMessage of the window it is for and of
// each of its bound parents before the dialog's keyboard navigation.
#include "Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Shows the dialog until EndDialog; its result, or -1 when it could not
    // be created.
    INT_PTR DoModal();
    void EndDialog(int result);

    // The dialog's keyboard navigation.
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    // Binds the control members (DoDataExchange) and answers whether the
    // system is to set the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange() {}
    // Binds one control member to its control, by id.
    void DDX_Control(int controlId, CWnd& control);

    // IDOK and IDCANCEL; both end the dialog unless overridden.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool PreTranslateTree(MSG* message);

    UINT templateId_;
    CWnd* parent_;
    bool ended_ = false;
    INT_PTR result_ = -1;
};
