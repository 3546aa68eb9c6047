#pragma once
// Owner of a GDI object (bitmap, palette, brush, ...), deleted when it goes.
#include <windows.h>

#include "UniqueOwner.h"

namespace owners {
template <typename T>
void DeleteGdiObject(T object) { DeleteObject(object); }
}  // namespace owners

template <typename T>
using UniqueGdiObject = UniqueOwner<T, &owners::DeleteGdiObject<T>>;
