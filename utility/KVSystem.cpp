#include "KVSystem.h"

#include <iphlpapi.h>

#include <cstdio>
#include <vector>

#include "Bstr.h"
#include "ResultText.h"
#include "VersionText.h"
#include "win/UniqueHandle.h"
#include "win/UniqueRegKey.h"

namespace utility {

namespace {

constexpr DWORD kSubkeyNameSize = 255;
constexpr DWORD kValueSize = 80;

class UniqueSid {
public:
    UniqueSid() = default;
    ~UniqueSid() {
        if (sid_) FreeSid(sid_);
    }
    UniqueSid(const UniqueSid&) = delete;
    UniqueSid& operator=(const UniqueSid&) = delete;
    PSID get() const { return sid_; }
    PSID* put() { return &sid_; }

private:
    PSID sid_ = nullptr;
};

// A string value read into an 80-byte buffer: the data up to its first zero
// byte, or nothing when the value is missing or longer than the buffer.
bool ReadShortValue(HKEY key, const char* name, std::string& text) {
    char data[kValueSize];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS) {
        return false;
    }
    text = TextUpToZero(data, size);
    return true;
}

VersionRegistryFacts ReadVersionFacts(const VersionRecord& record) {
    VersionRegistryFacts facts;
    if (NeedsProductType(record)) {
        UniqueRegKey key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0, KEY_QUERY_VALUE,
                          key.put()) == ERROR_SUCCESS) {
            facts.productTypeRead = ReadShortValue(key.get(), "ProductType", facts.productType);
        }
    }
    if (NeedsHotfixKey(record)) {
        UniqueRegKey key;
        facts.hotfixQ246009 =
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009", 0,
                          KEY_QUERY_VALUE, key.put()) == ERROR_SUCCESS;
    }
    return facts;
}

}  // namespace

STDMETHODIMP KVSystem::InstalledSoftware(BSTR bstrDelim, BSTR* pbstrInstalledSW) {
    if (!pbstrInstalledSW) return E_POINTER;
    return NoThrow([&] {
        std::string list;
        UniqueRegKey uninstall;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, uninstallKey_, 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE,
                          uninstall.put()) == ERROR_SUCCESS) {
            DWORD count = 0;
            if (RegQueryInfoKeyA(uninstall.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                count = 0;
            }
            const std::string delimiter = AnsiFromBstr(bstrDelim);
            for (DWORD index = 0; index < count; ++index) {
                char name[kSubkeyNameSize];
                DWORD length = kSubkeyNameSize;
                if (RegEnumKeyExA(uninstall.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                        ERROR_SUCCESS ||
                    length == 0) {
                    continue;
                }
                const std::string subkey(name, length);
                std::string displayName;
                UniqueRegKey entry;
                if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(uninstallKey_) + "\\" + subkey).c_str(), 0,
                                  KEY_QUERY_VALUE, entry.put()) == ERROR_SUCCESS) {
                    ReadShortValue(entry.get(), displayNameValue_, displayName);
                }
                AppendInstalledEntry(list, displayName, subkey, delimiter);
            }
        }
        UniqueBstr result;
        if (HRESULT hr = BstrFromAnsi(list, result); FAILED(hr)) return hr;
        *pbstrInstalledSW = result.release();
        return S_OK;
    });
}

STDMETHODIMP KVSystem::IsUserAdmin(long* pAdmin) {
    if (!pAdmin) return E_POINTER;
    return NoThrow([&] {
        HRESULT hr = S_FALSE;
        long admin = 0;
        SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
        UniqueSid administrators;
        HANDLE tokenHandle = nullptr;
        if (AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                     0, 0, administrators.put()) &&
            OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &tokenHandle)) {
            UniqueHandle token(tokenHandle);
            std::vector<BYTE> groups(1024);
            DWORD needed = 0;
            BOOL read = FALSE;
            for (;;) {
                read = GetTokenInformation(token.get(), TokenGroups, groups.data(), static_cast<DWORD>(groups.size()),
                                           &needed);
                if (read || GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= groups.size()) break;
                groups.assign(needed, 0);
            }
            if (read) {
                // Attributes are not looked at: a deny-only group counts too.
                const auto* list = reinterpret_cast<const TOKEN_GROUPS*>(groups.data());
                for (DWORD i = 0; i < list->GroupCount; ++i) {
                    if (EqualSid(list->Groups[i].Sid, administrators.get())) {
                        admin = 1;
                        hr = S_OK;
                        break;
                    }
                }
            }
        }
        *pAdmin = admin;
        return hr;
    });
}

STDMETHODIMP KVSystem::GetVersionOS(BSTR* pbstrVersion) {
    if (!pbstrVersion) return E_POINTER;
    return NoThrow([&] {
        static_assert(sizeof(OSVERSIONINFOEXA) == 156, "the extended version record");
        static_assert(sizeof(OSVERSIONINFOA) == 148, "the basic version record");
        std::string text;
        OSVERSIONINFOEXA info = {};
        info.dwOSVersionInfoSize = sizeof info;
        bool filled = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE;
        const bool extended = filled;
        if (!filled) {
            info = OSVERSIONINFOEXA{};
            info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
            filled = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE;
        }
        if (filled) {
            VersionRecord record;
            record.platformId = info.dwPlatformId;
            record.major = info.dwMajorVersion;
            record.minor = info.dwMinorVersion;
            record.build = info.dwBuildNumber;
            record.servicePack = TextUpToZero(info.szCSDVersion, sizeof info.szCSDVersion);
            record.extended = extended;
            record.suiteMask = info.wSuiteMask;
            record.productType = info.wProductType;
            text = DescribeVersion(record, ReadVersionFacts(record));
        }
        UniqueBstr result;
        if (HRESULT hr = BstrFromAnsi(text, result); FAILED(hr)) return hr;
        *pbstrVersion = result.release();
        return S_OK;
    });
}

STDMETHODIMP KVSystem::GetLocalAdapter(BSTR* pbstrAddrIPs, BSTR* pbstrMacAddr, BSTR* pbstrGateWays, BSTR* pbstrName,
                                       long* plType, long* bRet) {
    if (!bRet) return E_POINTER;
    return NoThrow([&] {
        *bRet = 0;
        ULONG size = 0;
        if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW) return S_OK;
        std::vector<BYTE> buffer(size);
        auto* adapter = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
        if (GetAdaptersInfo(adapter, &size) != NO_ERROR) return S_OK;

        std::vector<std::string> addresses;
        for (const IP_ADDR_STRING* a = &adapter->IpAddressList; a; a = a->Next) {
            addresses.push_back(TextUpToZero(a->IpAddress.String, sizeof a->IpAddress.String));
        }
        const std::string addressText = JoinAddresses(addresses);
        const std::string gateway = TextUpToZero(adapter->GatewayList.IpAddress.String,
                                                 sizeof adapter->GatewayList.IpAddress.String);
        unsigned char hardware[8] = {};
        for (size_t i = 0; i < sizeof hardware && i < sizeof adapter->Address; ++i) hardware[i] = adapter->Address[i];

        // Every text is made before any is handed out, so a failure writes none.
        UniqueBstr ips, mac, gateways, name;
        HRESULT hr = S_OK;
        if (pbstrAddrIPs && !addressText.empty() && FAILED(hr = BstrFromAnsi(addressText, ips))) return hr;
        if (pbstrMacAddr && FAILED(hr = BstrFromAnsi(HardwareAddressText(hardware), mac))) return hr;
        if (pbstrGateWays && !gateway.empty() && FAILED(hr = BstrFromAnsi(gateway, gateways))) return hr;
        if (pbstrName && FAILED(hr = BstrFromAnsi(TextUpToZero(adapter->AdapterName, sizeof adapter->AdapterName), name))) {
            return hr;
        }
        if (pbstrAddrIPs && ips.get()) *pbstrAddrIPs = ips.release();
        if (pbstrMacAddr) *pbstrMacAddr = mac.release();
        if (pbstrGateWays && gateways.get()) *pbstrGateWays = gateways.release();
        if (pbstrName) *pbstrName = name.release();
        if (plType) *plType = static_cast<long>(adapter->Type);
        *bRet = 1;
        return S_OK;
    });
}

}  // namespace utility
