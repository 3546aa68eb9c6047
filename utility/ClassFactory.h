#pragma once
// The class table and its class objects: one per class, made on the first
// request and kept until the library unloads.
#include <windows.h>

namespace utility {

struct ClassEntry {
    const GUID* clsid;
    int scriptResource;  // the class's registration script
    HRESULT (*create)(IUnknown* outer, REFIID iid, void** result);
};

// In the order registration and unregistration take them.
extern const ClassEntry kClassTable[2];

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** result);
// True while some class object is referenced from outside the library.
bool ClassObjectsInUse();
void ReleaseClassObjects();

}  // namespace utility
