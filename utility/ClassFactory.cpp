#include "ClassFactory.h"

#include <new>

#include "KVFolder.h"
#include "KVSystem.h"
#include "Module.h"
#include "resource.h"
#include "UtilityInterfaces.h"

namespace utility {

const ClassEntry kClassTable[2] = {
    {&kClsidKVFolder, IDR_KVFOLDER, &KVFolder::CreateInstance},
    {&kClsidKVSystem, IDR_KVSYSTEM, &KVSystem::CreateInstance},
};

namespace {

class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(const ClassEntry& entry) : entry_(entry) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** result) override {
        if (!result) return E_POINTER;
        *result = nullptr;
        if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        *result = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG refs = InterlockedDecrement(&refs_);
        if (refs == 0) delete this;
        return refs;
    }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** result) override {
        if (!result) return E_POINTER;
        *result = nullptr;
        if (outer && !IsEqualGUID(iid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
        return entry_.create(outer, iid, result);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock) {
            module::Lock();
        } else {
            module::Unlock();
        }
        return S_OK;
    }

    // The library's own reference is the first one.
    bool ReferencedFromOutside() const { return InterlockedCompareExchange(&refs_, 0, 0) > 1; }

private:
    virtual ~ClassFactory() = default;
    const ClassEntry& entry_;
    mutable LONG refs_ = 1;
};

ClassFactory* g_factories[2] = {};

}  // namespace

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    for (size_t i = 0; i < 2; ++i) {
        if (!IsEqualGUID(*kClassTable[i].clsid, clsid)) continue;
        ClassFactory* factory = nullptr;
        {
            std::lock_guard<std::mutex> guard(module::LibraryLock());
            if (!g_factories[i]) g_factories[i] = new (std::nothrow) ClassFactory(kClassTable[i]);
            factory = g_factories[i];
        }
        if (!factory) return E_OUTOFMEMORY;
        const HRESULT hr = factory->QueryInterface(iid, result);
        if (SUCCEEDED(hr) && !*result) return CLASS_E_CLASSNOTAVAILABLE;
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

bool ClassObjectsInUse() {
    std::lock_guard<std::mutex> guard(module::LibraryLock());
    for (ClassFactory* factory : g_factories) {
        if (factory && factory->ReferencedFromOutside()) return true;
    }
    return false;
}

void ReleaseClassObjects() {
    for (ClassFactory*& factory : g_factories) {
        if (factory) factory->Release();
        factory = nullptr;
    }
}

}  // namespace utility
