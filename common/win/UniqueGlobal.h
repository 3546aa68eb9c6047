#pragma once
// Owner of a global memory block; release() hands it on, for example to the
// clipboard, which then owns it.
#include <windows.h>

#include "UniqueOwner.h"

namespace owners {
inline void FreeGlobal(HGLOBAL block) { GlobalFree(block); }
}  // namespace owners

using UniqueGlobal = UniqueOwner<HGLOBAL, &owners::FreeGlobal>;
