#pragma once
// The library's identifiers and its two dual interfaces, declared for C++ by
// hand to match the type library (resources/utility/Utility.idl): after the
// IUnknown and IDispatch methods, each interface's methods in DISPID order.
#include <windows.h>
#include <oaidl.h>

namespace utility {

// {065F9E88-2A76-40E9-BE35-B6C121CD70BC}
inline constexpr GUID kLibId = {0x065F9E88, 0x2A76, 0x40E9, {0xBE, 0x35, 0xB6, 0xC1, 0x21, 0xCD, 0x70, 0xBC}};
// {F7EC8A7A-39F2-47F0-8993-307035D94471}
inline constexpr const char* kAppIdText = "{F7EC8A7A-39F2-47F0-8993-307035D94471}";
// {38D7C4EE-8F6E-498E-A90E-F6D5BFEC9713}
inline constexpr GUID kClsidKVFolder = {0x38D7C4EE, 0x8F6E, 0x498E, {0xA9, 0x0E, 0xF6, 0xD5, 0xBF, 0xEC, 0x97, 0x13}};
// {3898EC3B-3275-4CD7-86DF-FB10D48F7248}
inline constexpr GUID kIidIKVFolder = {0x3898EC3B, 0x3275, 0x4CD7, {0x86, 0xDF, 0xFB, 0x10, 0xD4, 0x8F, 0x72, 0x48}};
// {880CDB09-76F3-4BB2-AFAF-95F58B00DC96}
inline constexpr GUID kClsidKVSystem = {0x880CDB09, 0x76F3, 0x4BB2, {0xAF, 0xAF, 0x95, 0xF5, 0x8B, 0x00, 0xDC, 0x96}};
// {9E5ECDCA-5621-49BB-BA1D-C0DE8141BDFE}
inline constexpr GUID kIidIKVSystem = {0x9E5ECDCA, 0x5621, 0x49BB, {0xBA, 0x1D, 0xC0, 0xDE, 0x81, 0x41, 0xBD, 0xFE}};

}  // namespace utility

struct IKVFolder : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE ShowDialog(long hAppWnd, BSTR* pbstrSelectedPath) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpLoad(BSTR bstrURL, BSTR bstrUser, BSTR bstrPwd, BSTR bstrLocalFile,
                                             BSTR bstrRemotePath, long* pbUploaded) = 0;
    virtual HRESULT STDMETHODCALLTYPE HitURL(BSTR bstrURL, BSTR* pbstrResult) = 0;
};

struct IKVSystem : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE InstalledSoftware(BSTR bstrDelim, BSTR* pbstrInstalledSW) = 0;
    virtual HRESULT STDMETHODCALLTYPE IsUserAdmin(long* pAdmin) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVersionOS(BSTR* pbstrVersion) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetLocalAdapter(BSTR* pbstrAddrIPs, BSTR* pbstrMacAddr, BSTR* pbstrGateWays,
                                                      BSTR* pbstrName, long* plType, long* bRet) = 0;
};
