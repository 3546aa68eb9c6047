#pragma once
// State of the loaded library: its module handle, the count of live objects
// and outside locks, the one library-wide lock, and the type information of
// the two interfaces, taken from the registered type library on first use.
#include <windows.h>
#include <oaidl.h>

#include <mutex>

namespace utility::module {

void SetInstance(HINSTANCE instance);
HINSTANCE Instance();

void Lock();
void Unlock();
LONG LockCount();

// Serialises the creation of class objects and the first load of type information.
std::mutex& LibraryLock();

// The interface's type information, not AddRef'd (kept until unload); the
// load error when the type library is not registered.
HRESULT TypeInfo(REFIID iid, LCID lcid, ITypeInfo** typeInfo);

// Releases what the library keeps until it unloads.
void ReleaseCached();

}  // namespace utility::module
