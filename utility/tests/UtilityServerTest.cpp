// The COM server of Utility.dll through its exports and the real registry:
// class objects, creation and aggregation, lifetime, the type library and
// IDispatch, registration and unregistration.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "TestWorld.h"
#include "UtilityInterfaces.h"
#include "win/ComPtr.h"
#include "win/UniqueRegKey.h"

namespace {

using utility::kClsidKVFolder;
using utility::kClsidKVSystem;
using utility::kIidIKVFolder;
using utility::kIidIKVSystem;
using utility::kLibId;

constexpr HRESULT kPathTooLong = static_cast<HRESULT>(0x8007007A);
constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005);
const char* const kFolderClassKey = "CLSID\\{38D7C4EE-8F6E-498E-A90E-F6D5BFEC9713}";
const char* const kTypeLibKey = "TypeLib\\{065F9E88-2A76-40E9-BE35-B6C121CD70BC}";

// The library loaded by path, with its four exports.
template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Library {
public:
    explicit Library(const std::string& path) : Library(LoadLibraryA(path.c_str())) {}
    explicit Library(HMODULE module) : module_(module) {
        if (!module_) return;
        canUnloadNow_ = Export<decltype(canUnloadNow_)>(module_, "DllCanUnloadNow");
        getClassObject_ = Export<decltype(getClassObject_)>(module_, "DllGetClassObject");
        register_ = Export<decltype(register_)>(module_, "DllRegisterServer");
        unregister_ = Export<decltype(unregister_)>(module_, "DllUnregisterServer");
    }
    ~Library() {
        if (module_) FreeLibrary(module_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    explicit operator bool() const { return module_ && canUnloadNow_ && getClassObject_ && register_ && unregister_; }
    HMODULE module() const { return module_; }
    HRESULT CanUnloadNow() const { return canUnloadNow_(); }
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** result) const { return getClassObject_(clsid, iid, result); }
    HRESULT Register() const { return register_(); }
    HRESULT Unregister() const { return unregister_(); }

    ComPtr<IClassFactory> Factory(REFCLSID clsid) const {
        ComPtr<IClassFactory> factory;
        getClassObject_(clsid, IID_IClassFactory, factory.put_void());
        return factory;
    }

private:
    HMODULE module_;
    HRESULT(STDAPICALLTYPE* canUnloadNow_)() = nullptr;
    HRESULT(STDAPICALLTYPE* getClassObject_)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(STDAPICALLTYPE* register_)() = nullptr;
    HRESULT(STDAPICALLTYPE* unregister_)() = nullptr;
};

std::string DllPath() { return testenv::BuildPath("utility/Utility.dll"); }

bool KeyExists(const std::string& path) {
    UniqueRegKey key;
    return RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::string DefaultValue(const std::string& path, const char* name = nullptr) {
    char data[1024] = {};
    DWORD bytes = sizeof data;
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return "<no key>";
    if (RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &bytes) != ERROR_SUCCESS) {
        return "<no value>";
    }
    return data;
}

class UtilityServerTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override {
        // Every test leaves the library registered from the build tree.
        Library library(DllPath());
        if (library) {
            EXPECT_EQ(library.Register(), S_OK);
        }
        CoUninitialize();
    }
};

// An outer object that counts the references it is given.
class Outer : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID, void** result) override {
        *result = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    ULONG refs = 1;
};

TEST_F(UtilityServerTest, ClassObjectLookup) {
    Library library(DllPath());
    ASSERT_TRUE(library);
    EXPECT_EQ(library.GetClassObject(kClsidKVFolder, IID_IClassFactory, nullptr), E_POINTER);

    // Only the two classes have class objects; the result is cleared first.
    for (const GUID* id : {&kLibId, &kIidIKVFolder, &kIidIKVSystem, &IID_IUnknown}) {
        void* result = reinterpret_cast<void*>(1);
        EXPECT_EQ(library.GetClassObject(*id, IID_IClassFactory, &result), CLASS_E_CLASSNOTAVAILABLE);
        EXPECT_EQ(result, nullptr);
    }

    void* result = reinterpret_cast<void*>(1);
    EXPECT_EQ(library.GetClassObject(kClsidKVFolder, IID_IDispatch, &result), E_NOINTERFACE);
    EXPECT_EQ(result, nullptr);

    // One class object per class, made once.
    ComPtr<IClassFactory> first = library.Factory(kClsidKVFolder);
    ComPtr<IClassFactory> again = library.Factory(kClsidKVFolder);
    ComPtr<IClassFactory> other = library.Factory(kClsidKVSystem);
    ASSERT_TRUE(first && again && other);
    EXPECT_EQ(first.get(), again.get());
    EXPECT_NE(first.get(), other.get());
}

TEST_F(UtilityServerTest, CreationInterfacesAndAggregation) {
    Library library(DllPath());
    ASSERT_TRUE(library);
    struct Class { const GUID* clsid; const GUID* iid; const GUID* otherIid; };
    for (const Class& c : {Class{&kClsidKVFolder, &kIidIKVFolder, &kIidIKVSystem},
                           Class{&kClsidKVSystem, &kIidIKVSystem, &kIidIKVFolder}}) {
        ComPtr<IClassFactory> factory = library.Factory(*c.clsid);
        ASSERT_TRUE(factory);
        EXPECT_EQ(factory->CreateInstance(nullptr, *c.iid, nullptr), E_POINTER);

        ComPtr<IUnknown> object;
        ASSERT_EQ(factory->CreateInstance(nullptr, *c.iid, object.put_void()), S_OK);
        ComPtr<IUnknown> unknown, dispatch, own;
        EXPECT_EQ(object->QueryInterface(IID_IUnknown, unknown.put_void()), S_OK);
        EXPECT_EQ(object->QueryInterface(IID_IDispatch, dispatch.put_void()), S_OK);
        EXPECT_EQ(object->QueryInterface(*c.iid, own.put_void()), S_OK);
        EXPECT_EQ(dispatch.get(), own.get()) << "IDispatch is the dual interface itself";
        for (const GUID* iid : {c.otherIid, &IID_IClassFactory, &IID_ITypeInfo}) {
            void* none = reinterpret_cast<void*>(1);
            EXPECT_EQ(object->QueryInterface(*iid, &none), E_NOINTERFACE);
            EXPECT_EQ(none, nullptr);
        }

        // With an outer object only IUnknown may be asked for.
        Outer outer;
        void* refused = reinterpret_cast<void*>(1);
        EXPECT_EQ(factory->CreateInstance(&outer, IID_IDispatch, &refused), CLASS_E_NOAGGREGATION);
        EXPECT_EQ(refused, nullptr);
        ComPtr<IUnknown> inner;
        ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, inner.put_void()), S_OK);
        EXPECT_EQ(outer.refs, 1u) << "the inner IUnknown counts its own references";
        ComPtr<IDispatch> aggregated;
        ASSERT_EQ(inner->QueryInterface(IID_IDispatch, aggregated.put_void()), S_OK);
        EXPECT_EQ(outer.refs, 2u) << "the interface's references go to the outer object";
        aggregated.reset();
        EXPECT_EQ(outer.refs, 1u);
    }
}

TEST_F(UtilityServerTest, CanUnloadOnlyWhenNothingIsHeld) {
    Library library(DllPath());
    ASSERT_TRUE(library);
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
    ComPtr<IClassFactory> factory = library.Factory(kClsidKVSystem);
    ASSERT_TRUE(factory);
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE) << "a class object held from outside";

    ComPtr<IKVSystem> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, kIidIKVSystem, object.put_void()), S_OK);
    factory.reset();
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE) << "a live object";
    object.reset();
    EXPECT_EQ(library.CanUnloadNow(), S_OK);

    factory = library.Factory(kClsidKVFolder);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.reset();
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE) << "a lock";
    factory = library.Factory(kClsidKVFolder);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
    factory.reset();
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

TEST_F(UtilityServerTest, TypeLibraryDescribesBothInterfaces) {
    ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadRegTypeLib(kLibId, 1, 0, 0, library.put()), S_OK);
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->lcid, 0u);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    library->ReleaseTLibAttr(attributes);
    BSTR name = nullptr, help = nullptr;
    ASSERT_EQ(library->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"UtilityLib");
    EXPECT_STREQ(help, L"Utility 1.0 Type Library");
    SysFreeString(name);
    SysFreeString(help);

    struct Method { MEMBERID id; std::vector<std::wstring> names; std::wstring help; };
    struct Interface { const GUID* iid; const wchar_t* help; std::vector<Method> methods; };
    const Interface interfaces[] = {
        {&kIidIKVFolder, L"IKVFolder Interface",
         {{1, {L"ShowDialog", L"hAppWnd", L"pbstrSelectedPath"}, L"method ShowDialog"},
          {2, {L"UpLoad", L"bstrURL", L"bstrUser", L"bstrPwd", L"bstrLocalFile", L"bstrRemotePath", L"pbUploaded"},
           L"method UpLoad"},
          {3, {L"HitURL", L"bstrURL", L"pbstrResult"}, L"method HitURL"}}},
        {&kIidIKVSystem, L"IKVSystem Interface",
         {{1, {L"InstalledSoftware", L"bstrDelim", L"pbstrInstalledSW"}, L"method InstalledSoftware"},
          {2, {L"IsUserAdmin", L"pAdmin"}, L"method IsUserAdmin"},
          {3, {L"GetVersionOS", L"pbstrVersion"}, L"method GetVersionOS"},
          {4, {L"GetLocalAdapter", L"pbstrAddrIPs", L"pbstrMacAddr", L"pbstrGateWays", L"pbstrName", L"plType", L"bRet"},
           L"method GetLocalAdapter"}}},
    };
    for (const Interface& i : interfaces) {
        // The dispatch view (IUnknown and IDispatch first) and the v-table view.
        ComPtr<ITypeInfo> dispatchView, info;
        ASSERT_EQ(library->GetTypeInfoOfGuid(*i.iid, dispatchView.put()), S_OK) << i.help;
        TYPEATTR* type = nullptr;
        ASSERT_EQ(dispatchView->GetTypeAttr(&type), S_OK);
        EXPECT_EQ(type->cFuncs, 7 + i.methods.size()) << "IUnknown, IDispatch and the methods";
        dispatchView->ReleaseTypeAttr(type);
        HREFTYPE vtable = 0;
        ASSERT_EQ(dispatchView->GetRefTypeOfImplType(-1, &vtable), S_OK);
        ASSERT_EQ(dispatchView->GetRefTypeInfo(vtable, info.put()), S_OK);
        ASSERT_EQ(info->GetTypeAttr(&type), S_OK);
        EXPECT_EQ(type->typekind, TKIND_INTERFACE);
        EXPECT_EQ(type->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION),
                  TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION);
        EXPECT_EQ(type->cFuncs, i.methods.size());
        EXPECT_EQ(type->cbSizeVft, (7 + i.methods.size()) * sizeof(void*)) << "the methods follow IDispatch's seven";
        info->ReleaseTypeAttr(type);
        BSTR doc = nullptr;
        ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, nullptr, &doc, nullptr, nullptr), S_OK);
        EXPECT_STREQ(doc, i.help);
        SysFreeString(doc);
        for (const Method& m : i.methods) {
            BSTR names[8] = {};
            UINT count = 0;
            ASSERT_EQ(info->GetNames(m.id, names, 8, &count), S_OK) << m.names[0];
            std::vector<std::wstring> got;
            for (UINT n = 0; n < count; ++n) {
                got.push_back(names[n]);
                SysFreeString(names[n]);
            }
            EXPECT_EQ(got, m.names);
            FUNCDESC* function = nullptr;
            UINT index = 0;
            ComPtr<ITypeInfo2> info2;
            ASSERT_EQ(info->QueryInterface(IID_ITypeInfo2, info2.put_void()), S_OK);
            ASSERT_EQ(info2->GetFuncIndexOfMemId(m.id, INVOKE_FUNC, &index), S_OK);
            ASSERT_EQ(info->GetFuncDesc(index, &function), S_OK);
            const ELEMDESC& last = function->lprgelemdescParam[function->cParams - 1];
            EXPECT_TRUE(last.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) << "the last parameter is the result";
            EXPECT_TRUE(last.paramdesc.wParamFlags & PARAMFLAG_FOUT);
            info->ReleaseFuncDesc(function);
            BSTR methodHelp = nullptr;
            ASSERT_EQ(info->GetDocumentation(m.id, nullptr, &methodHelp, nullptr, nullptr), S_OK);
            EXPECT_STREQ(methodHelp, m.help.c_str());
            SysFreeString(methodHelp);
        }
    }
}

TEST_F(UtilityServerTest, LateBoundNamesResolveToTheirDispids) {
    struct Case { const wchar_t* progId; std::vector<std::wstring> names; };
    const Case cases[] = {
        {L"Utility.KVFolder", {L"ShowDialog", L"UpLoad", L"HitURL"}},
        {L"Utility.KVSystem", {L"InstalledSoftware", L"IsUserAdmin", L"GetVersionOS", L"getlocaladapter"}},
    };
    for (const Case& c : cases) {
        CLSID clsid;
        ASSERT_EQ(CLSIDFromProgID(c.progId, &clsid), S_OK);
        ComPtr<IDispatch> object;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, object.put_void()), S_OK);
        UINT count = 0;
        EXPECT_EQ(object->GetTypeInfoCount(&count), S_OK);
        EXPECT_EQ(count, 1u);
        for (size_t i = 0; i < c.names.size(); ++i) {
            LPOLESTR name = const_cast<LPOLESTR>(c.names[i].c_str());
            DISPID id = 0;
            EXPECT_EQ(object->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK) << c.names[i].size();
            EXPECT_EQ(id, static_cast<DISPID>(i + 1));
        }
        LPOLESTR unknown = const_cast<LPOLESTR>(L"NoSuchMethod");
        DISPID id = 0;
        EXPECT_EQ(object->GetIDsOfNames(IID_NULL, &unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);
    }

    // A call by DISPID through Invoke reaches the method: HitURL of "".
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(L"Utility.KVFolder", &clsid), S_OK);
    ComPtr<IDispatch> folder;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, folder.put_void()), S_OK);
    VARIANT argument;
    V_VT(&argument) = VT_BSTR;
    V_BSTR(&argument) = SysAllocString(L"");
    DISPPARAMS params = {&argument, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(folder->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(V_VT(&result), VT_BSTR);
    EXPECT_EQ(SysStringLen(V_BSTR(&result)), 0u);
    VariantClear(&result);
    VariantClear(&argument);
}

TEST_F(UtilityServerTest, RegistrationRewritesTheClassKeys) {
    Library library(DllPath());
    ASSERT_TRUE(library);
    ASSERT_EQ(library.Register(), S_OK);
    const std::string key = kFolderClassKey;
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, (key + "\\Stale").c_str(), REG_SZ, "x", 1), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, (key + "\\Programmable\\Stale").c_str(), REG_SZ, "x", 1), ERROR_SUCCESS);
    ASSERT_EQ(library.Register(), S_OK);
    EXPECT_FALSE(KeyExists(key + "\\Stale"));
    EXPECT_FALSE(KeyExists(key + "\\Programmable\\Stale"));
    EXPECT_TRUE(KeyExists(key + "\\Programmable"));

    char module[MAX_PATH] = {};
    GetModuleFileNameA(library.module(), module, MAX_PATH);
    EXPECT_EQ(DefaultValue(key + "\\InprocServer32"), module);
    EXPECT_EQ(DefaultValue(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(DefaultValue(key, "AppID"), "{F7EC8A7A-39F2-47F0-8993-307035D94471}");
    EXPECT_EQ(DefaultValue("Utility.KVSystem\\CurVer"), "Utility.KVSystem.1");
    EXPECT_EQ(DefaultValue("AppID\\Utility.DLL", "AppID"), "{F7EC8A7A-39F2-47F0-8993-307035D94471}");
    EXPECT_EQ(DefaultValue(std::string(kTypeLibKey) + "\\1.0"), "Utility 1.0 Type Library");
    const std::string folder = module;
    EXPECT_EQ(DefaultValue(std::string(kTypeLibKey) + "\\1.0\\HELPDIR"), folder.substr(0, folder.rfind('\\') + 1));
}

TEST_F(UtilityServerTest, UnregistrationAndDispatchWithoutTheTypeLibrary) {
    {
        Library library(DllPath());
        ASSERT_TRUE(library);
        ASSERT_EQ(library.Register(), S_OK);
        ASSERT_EQ(library.Unregister(), S_OK);
    }
    for (const char* gone : {"Utility.KVFolder", "Utility.KVFolder.1", "Utility.KVSystem", "Utility.KVSystem.1",
                             kFolderClassKey, "CLSID\\{880CDB09-76F3-4BB2-AFAF-95F58B00DC96}",
                             "AppID\\{F7EC8A7A-39F2-47F0-8993-307035D94471}", "AppID\\Utility.DLL", kTypeLibKey,
                             "Interface\\{3898EC3B-3275-4CD7-86DF-FB10D48F7248}"}) {
        EXPECT_FALSE(KeyExists(gone)) << gone;
    }
    EXPECT_TRUE(KeyExists("CLSID"));
    EXPECT_TRUE(KeyExists("AppID"));

    // A fresh load finds no registered type library: IDispatch fails with
    // the load error, the v-table still works.
    Library fresh(DllPath());
    ASSERT_TRUE(fresh);
    ComPtr<IClassFactory> factory = fresh.Factory(kClsidKVSystem);
    ASSERT_TRUE(factory);
    ComPtr<IKVSystem> system;
    ASSERT_EQ(factory->CreateInstance(nullptr, kIidIKVSystem, system.put_void()), S_OK);
    LPOLESTR name = const_cast<LPOLESTR>(L"GetVersionOS");
    DISPID id = 0;
    EXPECT_EQ(system->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), TYPE_E_LIBNOTREGISTERED);
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(system->GetTypeInfo(0, 0, info.put()), TYPE_E_LIBNOTREGISTERED);
    DISPPARAMS none = {};
    EXPECT_EQ(system->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), TYPE_E_LIBNOTREGISTERED);
    long admin = -1;
    EXPECT_EQ(system->IsUserAdmin(&admin), S_OK);
}

TEST_F(UtilityServerTest, AForeignSubkeyStopsUnregistration) {
    Library library(DllPath());
    ASSERT_TRUE(library);
    ASSERT_EQ(library.Register(), S_OK);
    const std::string key = kFolderClassKey;
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, (key + "\\Foreign").c_str(), REG_SZ, "x", 1), ERROR_SUCCESS);
    EXPECT_EQ(library.Unregister(), kAccessDenied);
    EXPECT_TRUE(KeyExists(key + "\\Foreign"));
    EXPECT_FALSE(KeyExists(key + "\\InprocServer32")) << "the class key's own subkeys went first";
    EXPECT_FALSE(KeyExists("Utility.KVFolder"));
    EXPECT_TRUE(KeyExists("Utility.KVSystem")) << "unregistration stopped at the folder class";
    EXPECT_TRUE(KeyExists(kTypeLibKey));
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (key + "\\Foreign").c_str());
}

TEST_F(UtilityServerTest, TypeLibraryBesideTheDll) {
    const std::string folder = testenv::FreshFolder("utility_tlb");
    const std::string dll = folder + "\\Utility.dll";
    // The DLL built without the embedded library.
    ASSERT_TRUE(CopyFileA(testenv::BuildPath("utility/without_typelib/Utility.dll").c_str(), dll.c_str(), FALSE));
    {
        Library copy(dll);
        ASSERT_TRUE(copy);
        ASSERT_EQ(FindResourceA(copy.module(), MAKEINTRESOURCEA(1), "TYPELIB"), nullptr);
        EXPECT_TRUE(FAILED(copy.Register())) << "no type library anywhere";
    }
    ASSERT_TRUE(CopyFileA(testenv::BuildPath("utility/Utility.tlb").c_str(), (folder + "\\Utility.tlb").c_str(), FALSE));
    Library copy(dll);
    ASSERT_TRUE(copy);
    ASSERT_EQ(FindResourceA(copy.module(), MAKEINTRESOURCEA(1), "TYPELIB"), nullptr);
    ASSERT_EQ(copy.Register(), S_OK);
    ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadRegTypeLib(kLibId, 1, 0, 0, library.put()), S_OK) << "the registered path holds the library";
    EXPECT_EQ(copy.Unregister(), S_OK);
    EXPECT_FALSE(KeyExists(kTypeLibKey));
}

// Folders below base that make a path of over 300 characters, outermost first.
std::vector<std::wstring> LongFolders(const std::string& base) {
    // The ANSI file functions stop at MAX_PATH; the wide ones with "\\?\" do not.
    std::vector<std::wstring> folders;
    std::wstring path = L"\\\\?\\" + std::wstring(base.begin(), base.end());
    while (path.size() < 300) {
        path += L"\\" + std::wstring(40, L'd');
        folders.push_back(path);
    }
    return folders;
}

void RemoveLongFolders(const std::vector<std::wstring>& folders) {
    DeleteFileW((folders.back() + L"\\Utility.dll").c_str());
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) RemoveDirectoryW(it->c_str());
}

TEST_F(UtilityServerTest, AModulePathOverMaxPathChangesNothing) {
    const std::string base = testenv::BuildPath("world/scratch/utility_long");
    const std::vector<std::wstring> folders = LongFolders(base);
    RemoveLongFolders(folders);  // what an interrupted run left
    CreateDirectoryA(base.c_str(), nullptr);
    for (const std::wstring& folder : folders) ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();
    const std::wstring dll = folders.back() + L"\\Utility.dll";
    const std::string source = DllPath();
    ASSERT_TRUE(CopyFileW(std::wstring(source.begin(), source.end()).c_str(), dll.c_str(), FALSE)) << GetLastError();
    {
        Library library(LoadLibraryW(dll.c_str()));
        ASSERT_TRUE(library) << "a DLL in a long path loads";
        const std::string before = DefaultValue(std::string(kFolderClassKey) + "\\InprocServer32");
        EXPECT_EQ(library.Register(), kPathTooLong);
        EXPECT_EQ(library.Unregister(), kPathTooLong);
        EXPECT_EQ(DefaultValue(std::string(kFolderClassKey) + "\\InprocServer32"), before);
        EXPECT_TRUE(KeyExists(kTypeLibKey));
    }
    RemoveLongFolders(folders);
}

}  // namespace
