#include "ConverterApp.h"

#include <windows.h>
#include <commctrl.h>

#include "CommandLine.h"
#include "ConverterDlg.h"
#include "JobFolder.h"

CConverterApp theApp;

BOOL CConverterApp::InitInstance() {
    InitCommonControls();
    CWinApp::InitInstance();
    // The dialog hosts no ActiveX control, so no control container is set up.
    SetRegistryKey("Local AppWizard-Generated Applications");

    CConverterDlg dialog;
    m_pMainWnd = &dialog;
    dialog.SetJobInfo(FirstCommandLineArgument(GetCommandLineA()), kDefaultPdfName);
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // Leaving here destroys the dialog object, which closes the lock file.
    return FALSE;
}
