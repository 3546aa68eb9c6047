#pragma once
// The application object: exactly one exists, as a global of the program.
// The framework's entry point hands control to its InitInstance.
#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Instance() { return instance_; }
    // The module whose resources the program uses.
    static HINSTANCE ResourceHandle();

    // True to go on to a message loop of the application's own, false to end.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // Runs the application: InitInstance, then its message loop if wanted.
    int Run();

    // Names where the application's per-user profile would live.
    void SetRegistryKey(const char* company) { registryKey_ = company ? company : ""; }
    const std::string& RegistryKey() const { return registryKey_; }

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

private:
    static CWinApp* instance_;
    std::string registryKey_;
};
