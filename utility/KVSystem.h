#pragma once
// The system object: installed programs, the administrator check, the
// Windows version text and the first network adapter.
#include "AutomationObject.h"
#include "UtilityInterfaces.h"

namespace utility {

class KVSystem : public AutomationObject<IKVSystem, kIidIKVSystem> {
public:
    static HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** result) {
        return Create<KVSystem>(outer, iid, result);
    }

    STDMETHODIMP InstalledSoftware(BSTR bstrDelim, BSTR* pbstrInstalledSW) override;
    STDMETHODIMP IsUserAdmin(long* pAdmin) override;
    STDMETHODIMP GetVersionOS(BSTR* pbstrVersion) override;
    STDMETHODIMP GetLocalAdapter(BSTR* pbstrAddrIPs, BSTR* pbstrMacAddr, BSTR* pbstrGateWays, BSTR* pbstrName,
                                 long* plType, long* bRet) override;

private:
    friend class AutomationObject<IKVSystem, kIidIKVSystem>;
    explicit KVSystem(IUnknown* outer) : AutomationObject(outer) {}

    const char* const uninstallKey_ = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    const char* const displayNameValue_ = "DisplayName";
};

}  // namespace utility
