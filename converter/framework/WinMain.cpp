// The program's entry point, compiled into each program of the framework:
// it runs the one application object.
#include "WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Instance();
    if (!app) return 1;
    app->m_hInstance = instance;
    try {
        return app->Run();
    } catch (...) {
        return 1;
    }
}
