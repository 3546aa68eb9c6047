#pragma once
// Owner of a device context made by CreateCompatibleDC or CreateDC, deleted
// with DeleteDC.  (A context from GetDC is released instead: WindowDC.)
#include <windows.h>

#include "UniqueOwner.h"

namespace owners {
inline void DeleteDeviceContext(HDC dc) { DeleteDC(dc); }
}  // namespace owners

using UniqueDC = UniqueOwner<HDC, &owners::DeleteDeviceContext>;
