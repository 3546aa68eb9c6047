#pragma once
// Owner of an open registry key, closed with RegCloseKey.
#include <windows.h>

#include "UniqueOwner.h"

namespace owners {
inline void CloseRegKey(HKEY key) { RegCloseKey(key); }
}  // namespace owners

using UniqueRegKey = UniqueOwner<HKEY, &owners::CloseRegKey>;
