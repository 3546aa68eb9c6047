#include "modGetOS.h"

#include <shellapi.h>

#include <cstring>

#include "OsNames.h"

static_assert(sizeof(OSVERSIONINFOA) == 148, "version record");

std::string GetOSName() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    std::memset(version.szCSDVersion, ' ', sizeof(version.szCSDVersion));
    // A failed call leaves platform id 0, which names itself "Failed".
    GetVersionExA(&version);
    return OsName(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
}

namespace {

// A folder or an ordinary file of that name.
bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits, dispatching the thread's window messages as they come in.  A quit
// message is put back for the thread's own loop.
void WaitProcessingMessages(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

// Deleted for good (no recycle bin) and without questions; the shell may
// still show its own message when an attempt fails.
int RemoveTree(const std::string& folder) {
    const std::string from = folder + '\0';  // the list ends in two NULs
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.pTo = nullptr;
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
    return SHFileOperationA(&operation);
}

}  // namespace

HRESULT RenewFolder(const std::string& folder, bool recreate, bool* renewed) {
    *renewed = false;
    const ULONGLONG start = GetTickCount64();
    if (folder.empty()) return S_OK;

    // The first attempt is made whenever the folder is there; the limit only
    // stops further ones.
    while (PathExists(folder) && GetTickCount64() - start < kRenewTimeLimitMs) {
        if (RemoveTree(folder) == 0) break;
        WaitProcessingMessages(kRenewRetryMs);
    }
    if (PathExists(folder)) return S_OK;

    if (recreate && !CreateDirectoryA(folder.c_str(), nullptr)) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    *renewed = true;
    return S_OK;
}
