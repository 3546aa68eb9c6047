#pragma once
// The folder object: the folder dialog with its write test, an FTP upload of
// one file, and the body of a URL.
#include "AutomationObject.h"
#include "UtilityInterfaces.h"

namespace utility {

class KVFolder : public AutomationObject<IKVFolder, kIidIKVFolder> {
public:
    static HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** result) {
        return Create<KVFolder>(outer, iid, result);
    }

    STDMETHODIMP ShowDialog(long hAppWnd, BSTR* pbstrSelectedPath) override;
    STDMETHODIMP UpLoad(BSTR bstrURL, BSTR bstrUser, BSTR bstrPwd, BSTR bstrLocalFile, BSTR bstrRemotePath,
                        long* pbUploaded) override;
    STDMETHODIMP HitURL(BSTR bstrURL, BSTR* pbstrResult) override;

private:
    friend class AutomationObject<IKVFolder, kIidIKVFolder>;
    explicit KVFolder(IUnknown* outer) : AutomationObject(outer) {}
};

}  // namespace utility
