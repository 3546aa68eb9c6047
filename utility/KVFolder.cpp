#include "KVFolder.h"

#include <shlobj.h>
#include <wininet.h>

#include <vector>

#include "Bstr.h"
#include "FolderWriteTest.h"
#include "ResultText.h"
#include "win/ComPtr.h"
#include "win/UniqueHandle.h"
#include "win/UniqueInternetHandle.h"

namespace utility {

namespace {

constexpr UINT kDialogFlags = 0x276;  // BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT | BIF_EDITBOX | BIF_VALIDATE
                                      // | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON
constexpr DWORD kUrlFlags = 0x84000000;  // INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE
constexpr int kUrlAttempts = 3;
constexpr DWORD kReadChunk = 20480;

// Whether a chosen folder must take a new file; set by ShowDialog from the
// Windows version, shared by every object of the process.
volatile unsigned char g_writeTest = 0;

class ComInitialization {
public:
    ComInitialization() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComInitialization() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

private:
    HRESULT hr_;
};

void UpdateWriteTestFlag() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return;
    const auto versionClass = FolderVersionClass(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    if (versionClass) g_writeTest = WriteTestApplies(*versionClass) ? 1 : 0;
}

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

bool FolderPasses(LPCITEMIDLIST item) {
    if (!item) return false;
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(item, path) || path[0] == '\0') return false;
    if (!g_writeTest) return true;
    return FolderTakesFiles(path);
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM) {
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

void FreeItem(LPITEMIDLIST item) {
    ComPtr<IMalloc> allocator;
    if (SUCCEEDED(SHGetMalloc(allocator.put()))) allocator->Free(item);
}

}  // namespace

STDMETHODIMP KVFolder::ShowDialog(long hAppWnd, BSTR* pbstrSelectedPath) {
    if (!pbstrSelectedPath) return E_POINTER;
    return NoThrow([&] {
        std::string selected;
        {
            ComInitialization com;
            UpdateWriteTestFlag();

            char displayName[MAX_PATH] = {};
            BROWSEINFOA info = {};
            info.hwndOwner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(hAppWnd));
            info.pszDisplayName = displayName;
            info.lpszTitle = "Select Folder:";
            info.ulFlags = kDialogFlags;
            info.lpfn = BrowseCallback;
            if (LPITEMIDLIST item = SHBrowseForFolderA(&info)) {
                char path[MAX_PATH] = {};
                if (SHGetPathFromIDListA(item, path)) selected = path;
                FreeItem(item);
            }
        }
        UniqueBstr result;
        if (HRESULT hr = BstrFromAnsi(selected, result); FAILED(hr)) return hr;
        *pbstrSelectedPath = result.release();
        return S_OK;
    });
}

STDMETHODIMP KVFolder::UpLoad(BSTR bstrURL, BSTR bstrUser, BSTR bstrPwd, BSTR bstrLocalFile, BSTR bstrRemotePath,
                              long* pbUploaded) {
    if (!pbUploaded) return E_POINTER;
    return NoThrow([&] {
        UniqueInternetHandle internet(InternetOpenA("FTPTest", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        *pbUploaded = 0;
        const std::string server = AnsiFromBstr(bstrURL);
        const std::string user = AnsiFromBstr(bstrUser);
        const std::string password = AnsiFromBstr(bstrPwd);
        const std::string localFile = AnsiFromBstr(bstrLocalFile);
        const std::string remotePath = AnsiFromBstr(bstrRemotePath);
        if (!internet) return S_OK;
        UniqueInternetHandle connection(InternetConnectA(internet.get(), server.c_str(), INTERNET_INVALID_PORT_NUMBER,
                                                         user.c_str(), password.c_str(), INTERNET_SERVICE_FTP, 0, 1));
        if (!connection) return S_OK;
        if (FtpPutFileA(connection.get(), localFile.c_str(), remotePath.c_str(), FTP_TRANSFER_TYPE_BINARY, 1)) {
            *pbUploaded = 1;
        }
        return S_OK;
    });
}

STDMETHODIMP KVFolder::HitURL(BSTR bstrURL, BSTR* pbstrResult) {
    if (!pbstrResult) return E_POINTER;
    return NoThrow([&] {
        std::string body;
        const std::string url = AnsiFromBstr(bstrURL);
        UniqueInternetHandle internet(InternetOpenA("Kestrel", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        if (internet) {
            UniqueInternetHandle request;
            for (int attempt = 0; attempt < kUrlAttempts && !request; ++attempt) {
                request.reset(InternetOpenUrlA(internet.get(), url.c_str(), nullptr, 0, kUrlFlags, 0));
            }
            if (request) {
                std::vector<char> chunk(kReadChunk);
                DWORD read = 0;
                while (InternetReadFile(request.get(), chunk.data(), kReadChunk, &read) && read > 0) {
                    try {
                        body += TextUpToZero(chunk.data(), read);
                    } catch (const std::bad_alloc&) {
                        break;  // what was read so far is the result
                    }
                }
            }
        }
        UniqueBstr result;
        if (HRESULT hr = BstrFromAnsi(body, result); FAILED(hr)) return hr;
        *pbstrResult = result.release();
        return S_OK;
    });
}

}  // namespace utility
