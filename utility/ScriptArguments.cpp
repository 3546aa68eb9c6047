#include "ScriptArguments.h"

#include <climits>
#include <new>

namespace utility {

namespace {

// A long out-parameter is taken as written when it no longer holds this;
// no method of ours writes it.
constexpr LONG kUnwritten = LONG_MIN;

VARTYPE TypedOutParameter(const ELEMDESC& element) {
    if (element.tdesc.vt != VT_PTR || !element.tdesc.lptdesc) return VT_EMPTY;
    if (element.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) return VT_EMPTY;
    const VARTYPE target = element.tdesc.lptdesc->vt;
    if (target == VT_BSTR || target == VT_I4) return target;
    return VT_EMPTY;
}

}  // namespace

ScriptArguments::ScriptArguments(ITypeInfo* typeInfo, DISPID id, DISPPARAMS* params) {
    if (!typeInfo || !params || params->cNamedArgs != 0 || params->cArgs == 0) return;
    TYPEATTR* attributes = nullptr;
    if (FAILED(typeInfo->GetTypeAttr(&attributes))) return;
    const WORD functions = attributes->cFuncs;
    typeInfo->ReleaseTypeAttr(attributes);

    for (WORD f = 0; f < functions; ++f) {
        FUNCDESC* function = nullptr;
        if (FAILED(typeInfo->GetFuncDesc(f, &function))) continue;
        if (function->memid == id) {
            const UINT count = params->cArgs < static_cast<UINT>(function->cParams)
                ? params->cArgs : static_cast<UINT>(function->cParams);
            try {
                bridged_.reserve(count);
                for (UINT i = 0; i < count; ++i) {
                    VARIANT* argument = &params->rgvarg[params->cArgs - 1 - i];  // arguments stand in reverse
                    const VARTYPE type = TypedOutParameter(function->lprgelemdescParam[i]);
                    if (type == VT_EMPTY || V_VT(argument) != (VT_BYREF | VT_VARIANT) || !V_VARIANTREF(argument)) {
                        continue;
                    }
                    bridged_.push_back(Bridged{argument, *argument, type});
                }
            } catch (const std::bad_alloc&) {
                bridged_.clear();
            }
            typeInfo->ReleaseFuncDesc(function);
            break;
        }
        typeInfo->ReleaseFuncDesc(function);
    }

    for (Bridged& b : bridged_) {
        const VARIANT* variable = V_VARIANTREF(&b.original);
        if (b.type == VT_BSTR) {
            V_VT(b.argument) = VT_BYREF | VT_BSTR;
            V_BSTRREF(b.argument) = &b.text;
        } else {
            b.initialNumber = V_VT(variable) == VT_I4 ? V_I4(variable) : kUnwritten;
            b.number = b.initialNumber;
            V_VT(b.argument) = VT_BYREF | VT_I4;
            V_I4REF(b.argument) = &b.number;
        }
    }
}

void ScriptArguments::StoreResults() {
    for (Bridged& b : bridged_) {
        VARIANT* variable = V_VARIANTREF(&b.original);
        if (b.type == VT_BSTR && b.text) {
            VariantClear(variable);
            V_VT(variable) = VT_BSTR;
            V_BSTR(variable) = b.text;
            b.text = nullptr;
        } else if (b.type == VT_I4 && b.number != b.initialNumber) {
            VariantClear(variable);
            V_VT(variable) = VT_I4;
            V_I4(variable) = b.number;
        }
    }
}

ScriptArguments::~ScriptArguments() {
    for (Bridged& b : bridged_) {
        SysFreeString(b.text);
        *b.argument = b.original;
    }
}

}  // namespace utility
