#pragma once
// What both automation objects share: a reference count, aggregation (the
// inner IUnknown is the object's own, the interface's IUnknown methods go to
// the outer object when there is one), QueryInterface for IUnknown,
// IDispatch and the class's interface, and IDispatch served from the
// registered type library.
#include <windows.h>
#include <oaidl.h>

#include <new>

#include "Module.h"
#include "ScriptArguments.h"

namespace utility {

template <typename Interface, const GUID& Iid>
class AutomationObject : public Interface {
public:
    // Makes an object and hands out the asked-for interface; the object is
    // gone again when that fails.
    template <typename Derived>
    static HRESULT Create(IUnknown* outer, REFIID iid, void** result) {
        Derived* object = new (std::nothrow) Derived(outer);
        if (!object) return E_OUTOFMEMORY;
        IUnknown* inner = object->Inner();
        inner->AddRef();
        const HRESULT hr = inner->QueryInterface(iid, result);
        inner->Release();
        return hr;
    }

    // IUnknown, delegated to the controlling unknown.
    STDMETHODIMP QueryInterface(REFIID iid, void** result) override { return outer_->QueryInterface(iid, result); }
    STDMETHODIMP_(ULONG) AddRef() override { return outer_->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return outer_->Release(); }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** typeInfo) override {
        if (!typeInfo) return E_POINTER;
        *typeInfo = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        ITypeInfo* info = nullptr;
        const HRESULT hr = module::TypeInfo(Iid, lcid, &info);
        if (FAILED(hr)) return hr;
        info->AddRef();
        *typeInfo = info;
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        if (!IsEqualGUID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        ITypeInfo* info = nullptr;
        const HRESULT hr = module::TypeInfo(Iid, lcid, &info);
        if (FAILED(hr)) return hr;
        return DispGetIDsOfNames(info, names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        if (!IsEqualGUID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        ITypeInfo* info = nullptr;
        const HRESULT hr = module::TypeInfo(Iid, lcid, &info);
        if (FAILED(hr)) return hr;
        ScriptArguments arguments(info, id, params);
        const HRESULT invoked =
            DispInvoke(static_cast<Interface*>(this), info, id, flags, params, result, exception, argError);
        if (SUCCEEDED(invoked)) arguments.StoreResults();
        return invoked;
    }

protected:
    explicit AutomationObject(IUnknown* outer) : inner_(this), outer_(outer ? outer : &inner_) { module::Lock(); }
    virtual ~AutomationObject() { module::Unlock(); }
    AutomationObject(const AutomationObject&) = delete;
    AutomationObject& operator=(const AutomationObject&) = delete;

    IUnknown* Inner() { return &inner_; }

private:
    // The object's own IUnknown: the one that counts references and answers
    // QueryInterface, also when the object is aggregated.
    class InnerUnknown : public IUnknown {
    public:
        explicit InnerUnknown(AutomationObject* owner) : owner_(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** result) override {
            if (!result) return E_POINTER;
            *result = nullptr;
            if (IsEqualGUID(iid, IID_IUnknown)) {
                *result = static_cast<IUnknown*>(this);
            } else if (IsEqualGUID(iid, IID_IDispatch) || IsEqualGUID(iid, Iid)) {
                *result = static_cast<Interface*>(owner_);
            } else {
                return E_NOINTERFACE;
            }
            static_cast<IUnknown*>(*result)->AddRef();
            return S_OK;
        }
        STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
        STDMETHODIMP_(ULONG) Release() override {
            const ULONG refs = --refs_;
            if (refs == 0) delete owner_;
            return refs;
        }

    private:
        AutomationObject* owner_;
        ULONG refs_ = 0;  // apartment-threaded: a plain counter
    };

    InnerUnknown inner_;
    IUnknown* outer_;
};

}  // namespace utility
