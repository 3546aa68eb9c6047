#include "FolderDialog.h"

#include <string>

#include "FolderWriteTest.h"
#include "win/UniqueHandle.h"

namespace utility {

namespace {

// Whether a chosen folder must take a new file; set by ShowDialog from the
// Windows version, shared by every object of the process.
volatile unsigned char g_writeTest = 0;

// A file can be made in the folder: a probe of a name not taken yet is
// created and deleted again, so no file of the user's is ever touched.
bool FolderTakesFiles(const std::string& folder) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    for (unsigned index = 0; index < kProbeNames; ++index) {
        const std::string probe = ProbeFilePath(folder, index);
        if (probe.empty()) return false;
        UniqueHandle file(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, &inheritable, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            return false;
        }
        const bool closed = CloseHandle(file.release()) != FALSE;
        DeleteFileA(probe.c_str());
        return closed;
    }
    return false;
}

}  // namespace

void UpdateWriteTestFlag() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return;
    const auto versionClass = FolderVersionClass(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    if (versionClass) g_writeTest = WriteTestApplies(*versionClass) ? 1 : 0;
}

bool FolderPasses(LPCITEMIDLIST item) {
    if (!item) return false;
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(item, path) || path[0] == '\0') return false;
    if (!g_writeTest) return true;
    return FolderTakesFiles(path);
}

int CALLBACK FolderDialogCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM) {
    try {
        switch (message) {
        case BFFM_SELCHANGED:
            SendMessageA(dialog, BFFM_ENABLEOK, 0, FolderPasses(reinterpret_cast<LPCITEMIDLIST>(lParam)) ? 1 : 0);
            return 0;
        case BFFM_VALIDATEFAILEDA:
        case BFFM_VALIDATEFAILEDW:
            SendMessageA(dialog, BFFM_ENABLEOK, 0, 0);
            return 1;  // the dialog stays open
        default:
            return 0;
        }
    } catch (...) {
        return 0;
    }
}

}  // namespace utility
