#include "KVFolder.h"

#include <shlobj.h>
#include <wininet.h>

#include <vector>

#include "Bstr.h"
#include "FolderDialog.h"
#include "ResultText.h"
#include "win/ComPtr.h"
#include "win/UniqueInternetHandle.h"

namespace utility {

namespace {

constexpr UINT kDialogFlags = 0x276;  // BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT | BIF_EDITBOX | BIF_VALIDATE
                                      // | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON
constexpr DWORD kUrlFlags = 0x84000000;  // INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE
constexpr int kUrlAttempts = 3;
constexpr DWORD kReadChunk = 20480;

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
            info.lpfn = FolderDialogCallback;
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
