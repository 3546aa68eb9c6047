#include "Registration.h"

#include <oleauto.h>

#include <string>
#include <vector>

#include "ClassFactory.h"
#include "Module.h"
#include "ModulePaths.h"
#include "RegistryScript.h"
#include "UtilityInterfaces.h"
#include "Win32RegistryStore.h"
#include "resource.h"
#include "win/ComPtr.h"

namespace utility {

namespace {

// The DLL's own full path; 0x8007007A when it does not fit in 260 characters.
HRESULT ModulePath(std::string& path) {
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module::Instance(), buffer, MAX_PATH);
    if (length == 0) return HRESULT_FROM_WIN32(GetLastError());
    if (length > kMaxPathLength) return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    path.assign(buffer, length);
    return S_OK;
}

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

HRESULT RunScript(int resource, const std::string& modulePath, bool registering) {
    HRSRC found = FindResourceA(module::Instance(), MAKEINTRESOURCEA(resource), "REGISTRY");
    if (!found) return HRESULT_FROM_WIN32(GetLastError());
    HGLOBAL loaded = LoadResource(module::Instance(), found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return HRESULT_FROM_WIN32(GetLastError());
    const std::string text(static_cast<const char*>(data), SizeofResource(module::Instance(), found));

    const std::vector<ScriptVariable> variables = {
        {"Module", modulePath}, {"Module_Raw", modulePath}, {"APPID", kAppIdText}};
    Script script;
    std::string error;
    if (!ParseScript(text, variables, script, error)) return DISP_E_EXCEPTION;
    for (const ScriptRoot& root : script.roots) {
        HKEY key = Win32RegistryStore::RootKey(root.name);
        if (!key) return DISP_E_EXCEPTION;
        Win32RegistryStore store(key);
        const HRESULT hr = registering ? RegisterScript(root, store) : UnregisterScript(root, store);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

// The type library embedded in the DLL, else the ".tlb" file beside it;
// libraryPath says which file held it.
HRESULT LoadOwnTypeLibrary(const std::string& modulePath, ComPtr<ITypeLib>& library, std::string& libraryPath) {
    libraryPath = modulePath;
    HRESULT hr = LoadTypeLibEx(Wide(libraryPath).c_str(), REGKIND_NONE, library.put());
    if (SUCCEEDED(hr)) return hr;
    libraryPath = TypeLibraryBeside(modulePath);
    return LoadTypeLibEx(Wide(libraryPath).c_str(), REGKIND_NONE, library.put());
}

HRESULT RegisterTypeLibrary(const std::string& modulePath) {
    ComPtr<ITypeLib> library;
    std::string libraryPath;
    HRESULT hr = LoadOwnTypeLibrary(modulePath, library, libraryPath);
    if (FAILED(hr)) return hr;
    // The file that holds the library is registered, so that a library read
    // from the ".tlb" beside the DLL is found there again.
    std::wstring path = Wide(libraryPath);
    std::wstring helpDirectory = Wide(HelpDirectory(modulePath));
    return RegisterTypeLib(library.get(), &path[0], helpDirectory.empty() ? nullptr : &helpDirectory[0]);
}

HRESULT UnregisterTypeLibrary(const std::string& modulePath) {
    ComPtr<ITypeLib> library;
    std::string libraryPath;
    HRESULT hr = LoadOwnTypeLibrary(modulePath, library, libraryPath);
    if (FAILED(hr)) return hr;
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (FAILED(hr)) return hr;
    const LCID lcid = attributes->lcid;
    const SYSKIND syskind = attributes->syskind;
    library->ReleaseTLibAttr(attributes);
    return UnRegisterTypeLib(kLibId, 1, 0, lcid, syskind);
}

}  // namespace

HRESULT RegisterServer() {
    std::string path;
    HRESULT hr = ModulePath(path);
    if (FAILED(hr)) return hr;
    hr = RunScript(IDR_UTILITY, path, true);
    if (FAILED(hr)) return hr;
    for (const ClassEntry& entry : kClassTable) {
        hr = RunScript(entry.scriptResource, path, true);
        if (FAILED(hr)) return hr;
        // Neither class declares component categories.
    }
    return RegisterTypeLibrary(path);
}

HRESULT UnregisterServer() {
    std::string path;
    HRESULT hr = ModulePath(path);
    if (FAILED(hr)) return hr;
    for (const ClassEntry& entry : kClassTable) {
        hr = RunScript(entry.scriptResource, path, false);
        if (FAILED(hr)) return hr;
    }
    hr = UnregisterTypeLibrary(path);
    if (FAILED(hr)) return hr;
    return RunScript(IDR_UTILITY, path, false);
}

}  // namespace utility
