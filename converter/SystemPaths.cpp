#include "SystemPaths.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "JobFolder.h"

#ifndef _WIN64
static_assert(sizeof(SHFILEINFOA) == 352, "SHFILEINFOA of 32-bit Windows");
#endif

bool PathExists(const char* path) {
    if (!path || !*path) return false;
    const HRESULT com = CoInitialize(nullptr);
    SHFILEINFOA info{};
    const DWORD_PTR found = SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_ATTRIBUTES);
    if (SUCCEEDED(com)) CoUninitialize();
    return found != 0;
}

std::string GetModuleDirectory() {
    char path[kPathBufferSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) return {};  // failed or cut short
    std::string module(path, length);
    const size_t backslash = module.rfind('\\');
    return backslash == std::string::npos ? module : module.substr(0, backslash);
}
