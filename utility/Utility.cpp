// The four exports of Utility.dll and its entry point.
#include <windows.h>

#include "ClassFactory.h"
#include "Module.h"
#include "Registration.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) utility::module::SetInstance(instance);
    // Cached references are only given back on FreeLibrary: at process exit
    // the libraries they belong to may be gone already.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) utility::module::ReleaseCached();
    return TRUE;
}

STDAPI DllCanUnloadNow() {
    return utility::module::LockCount() == 0 && !utility::ClassObjectsInUse() ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* result) {
    return utility::GetClassObject(clsid, iid, result);
}

STDAPI DllRegisterServer() { return utility::RegisterServer(); }

STDAPI DllUnregisterServer() { return utility::UnregisterServer(); }
