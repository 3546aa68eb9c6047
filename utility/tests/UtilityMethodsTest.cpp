// The methods of both objects called early-bound through their v-tables, as
// a C++ client of the registered library: results, and the calling
// conventions of out-parameters.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>

#include "UtilityInterfaces.h"
#include "win/ComPtr.h"
#include "win/UniqueRegKey.h"

namespace {

const char* const kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class UtilityMethodsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_EQ(CoCreateInstance(utility::kClsidKVSystem, nullptr, CLSCTX_INPROC_SERVER, utility::kIidIKVSystem,
                                   system_.put_void()), S_OK);
        ASSERT_EQ(CoCreateInstance(utility::kClsidKVFolder, nullptr, CLSCTX_INPROC_SERVER, utility::kIidIKVFolder,
                                   folder_.put_void()), S_OK);
    }
    void TearDown() override {
        system_.reset();
        folder_.reset();
        CoUninitialize();
    }

    std::string Installed(BSTR delimiter) {
        BSTR list = nullptr;
        EXPECT_EQ(system_->InstalledSoftware(delimiter, &list), S_OK);
        std::string text;
        for (UINT i = 0; list && i < SysStringLen(list); ++i) text += static_cast<char>(list[i]);
        SysFreeString(list);
        return text;
    }

    ComPtr<IKVSystem> system_;
    ComPtr<IKVFolder> folder_;
};

// Uninstall entries of the test's own, removed again afterwards.
class UninstallEntries {
public:
    void Add(const std::string& name, const char* displayName) {
        UniqueRegKey key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(kUninstall) + "\\" + name).c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, key.put(), nullptr), ERROR_SUCCESS);
        names_.push_back(name);
        if (displayName) {
            ASSERT_EQ(RegSetValueExA(key.get(), "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(displayName),
                                     static_cast<DWORD>(strlen(displayName) + 1)), ERROR_SUCCESS);
        }
    }
    ~UninstallEntries() {
        for (const std::string& name : names_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kUninstall) + "\\" + name).c_str());
    }

private:
    std::vector<std::string> names_;
};

TEST_F(UtilityMethodsTest, InstalledSoftwareListsEverySubkey) {
    const std::string name79(79, 'n'), name80(80, 'x');
    UninstallEntries entries;
    // The registry enumerates these in this order (by name).
    entries.Add("InkvaleTestA", "Alpha");
    entries.Add("InkvaleTestB", nullptr);
    entries.Add("InkvaleTestC", name79.c_str());
    entries.Add("InkvaleTestD", name80.c_str());
    entries.Add("InkvaleTestE", "");

    BSTR delimiter = SysAllocString(L";");
    const std::string list = Installed(delimiter);
    SysFreeString(delimiter);
    const std::string ours = "Alpha;InkvaleTestB;" + name79 + ";InkvaleTestD;InkvaleTestE;";
    EXPECT_NE(list.find(ours), std::string::npos) << list;
    EXPECT_EQ(list.back(), ';') << "the last entry is followed by the delimiter too";

    BSTR empty = SysAllocString(L"");
    EXPECT_NE(Installed(empty).find("AlphaInkvaleTestB" + name79 + "InkvaleTestDInkvaleTestE"), std::string::npos);
    SysFreeString(empty);
    EXPECT_NE(Installed(nullptr).find("AlphaInkvaleTestB"), std::string::npos) << "a null delimiter is an empty one";
}

TEST_F(UtilityMethodsTest, IsUserAdmin) {
    // The prefix's user holds the Administrators group.
    long admin = -1;
    EXPECT_EQ(system_->IsUserAdmin(&admin), S_OK);
    EXPECT_EQ(admin, 1);
}

TEST_F(UtilityMethodsTest, GetVersionOSDescribesThisSystem) {
    // The prefix reports Windows 7 unless a test changes it (that test holds
    // the windows_version lock, as this one does).
    BSTR version = nullptr;
    ASSERT_EQ(system_->GetVersionOS(&version), S_OK);
    ASSERT_NE(version, nullptr);
    EXPECT_STREQ(version, L"Professional Service Pack 1 (Build 7601)");
    SysFreeString(version);
}

TEST_F(UtilityMethodsTest, GetLocalAdapterFillsOnlyWhatIsAskedFor) {
    BSTR mac = nullptr;
    long result = -1;
    ASSERT_EQ(system_->GetLocalAdapter(nullptr, &mac, nullptr, nullptr, nullptr, &result), S_OK);
    if (result == 0) GTEST_SKIP() << "this machine has no network adapter";
    ASSERT_EQ(result, 1);
    ASSERT_NE(mac, nullptr);
    std::wstring text(mac, SysStringLen(mac));
    EXPECT_EQ(text.size(), 12u);
    EXPECT_EQ(text.find_first_not_of(L"0123456789ABCDEF"), std::wstring::npos) << "upper-case hex digits only";
    SysFreeString(mac);
}

TEST_F(UtilityMethodsTest, NullResultPointersAreRefused) {
    BSTR text = SysAllocString(L"x");
    EXPECT_EQ(folder_->ShowDialog(0, nullptr), E_POINTER);
    EXPECT_EQ(folder_->UpLoad(text, text, text, text, text, nullptr), E_POINTER);
    EXPECT_EQ(folder_->HitURL(text, nullptr), E_POINTER);
    EXPECT_EQ(system_->InstalledSoftware(text, nullptr), E_POINTER);
    EXPECT_EQ(system_->IsUserAdmin(nullptr), E_POINTER);
    EXPECT_EQ(system_->GetVersionOS(nullptr), E_POINTER);
    EXPECT_EQ(system_->GetLocalAdapter(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), E_POINTER);
    SysFreeString(text);
}

TEST_F(UtilityMethodsTest, EveryResultIsAFreshString) {
    // The caller's earlier string is neither freed nor reused: the method
    // writes a new one over the pointer.
    BSTR earlier = SysAllocString(L"earlier");
    BSTR result = earlier;
    ASSERT_EQ(folder_->HitURL(nullptr, &result), S_OK);
    EXPECT_NE(result, earlier);
    ASSERT_NE(result, nullptr) << "an empty result is an empty string, not a null one";
    EXPECT_EQ(SysStringLen(result), 0u);
    EXPECT_STREQ(earlier, L"earlier");
    SysFreeString(result);
    SysFreeString(earlier);

    long uploaded = -1;
    EXPECT_EQ(folder_->UpLoad(nullptr, nullptr, nullptr, nullptr, nullptr, &uploaded), S_OK) << "null texts are empty";
    EXPECT_EQ(uploaded, 0);
}

}  // namespace
