#pragma once
// What DllRegisterServer and DllUnregisterServer do.
#include <windows.h>

namespace utility {

HRESULT RegisterServer();
HRESULT UnregisterServer();

}  // namespace utility
