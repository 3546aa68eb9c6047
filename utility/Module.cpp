#include "Module.h"

#include "ClassFactory.h"
#include "UtilityInterfaces.h"
#include "win/ComPtr.h"

namespace utility::module {

namespace {

HINSTANCE g_instance = nullptr;
LONG g_locks = 0;

struct CachedTypeInfo {
    const GUID* iid;
    ITypeInfo* typeInfo;
};
CachedTypeInfo g_typeInfos[] = {{&kIidIKVFolder, nullptr}, {&kIidIKVSystem, nullptr}};

}  // namespace

void SetInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE Instance() { return g_instance; }

void Lock() { InterlockedIncrement(&g_locks); }
void Unlock() { InterlockedDecrement(&g_locks); }
LONG LockCount() { return InterlockedCompareExchange(&g_locks, 0, 0); }

std::mutex& LibraryLock() {
    static std::mutex lock;
    return lock;
}

HRESULT TypeInfo(REFIID iid, LCID lcid, ITypeInfo** typeInfo) {
    *typeInfo = nullptr;
    std::lock_guard<std::mutex> guard(LibraryLock());
    for (CachedTypeInfo& cached : g_typeInfos) {
        if (!IsEqualGUID(*cached.iid, iid)) continue;
        if (!cached.typeInfo) {
            ComPtr<ITypeLib> library;
            HRESULT hr = LoadRegTypeLib(kLibId, 1, 0, lcid, library.put());
            if (FAILED(hr)) return hr;
            hr = library->GetTypeInfoOfGuid(iid, &cached.typeInfo);
            if (FAILED(hr)) return hr;
        }
        *typeInfo = cached.typeInfo;
        return S_OK;
    }
    return E_NOINTERFACE;
}

void ReleaseCached() {
    for (CachedTypeInfo& cached : g_typeInfos) {
        if (cached.typeInfo) cached.typeInfo->Release();
        cached.typeInfo = nullptr;
    }
    ReleaseClassObjects();
}

}  // namespace utility::module
