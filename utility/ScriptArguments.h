#pragma once
// Script engines pass every variable as a reference to a VARIANT, while our
// methods' out-parameters are typed (BSTR*, long*), which the type
// library's Invoke refuses as a type mismatch.  This bridge gives such an
// argument typed storage for the call and stores what the method wrote in
// the script's variable afterwards; a parameter the method did not write
// leaves the variable as the script passed it.
#include <windows.h>
#include <oaidl.h>

#include <vector>

namespace utility {

class ScriptArguments {
public:
    // Rewrites the arguments of params in place for the method id.
    ScriptArguments(ITypeInfo* typeInfo, DISPID id, DISPPARAMS* params);
    ~ScriptArguments();  // undoes the rewrite
    ScriptArguments(const ScriptArguments&) = delete;
    ScriptArguments& operator=(const ScriptArguments&) = delete;

    // After a successful call: what the method wrote into the variables.
    void StoreResults();

private:
    struct Bridged {
        VARIANT* argument;   // the slot in DISPPARAMS
        VARIANT original;    // what the slot held (a reference to the script's variable)
        VARTYPE type;        // VT_BSTR or VT_I4
        BSTR text = nullptr;
        LONG number = 0;
        LONG initialNumber = 0;
    };
    std::vector<Bridged> bridged_;
};

}  // namespace utility
