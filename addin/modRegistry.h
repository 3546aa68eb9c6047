#pragma once
// Reading one registry value: the product's install directory comes this way.
#include <windows.h>

#include "RegistryValue.h"

// Opens subKey under root for reading, reads valueName and closes the key
// again.  A key that cannot be opened, a missing value or a type other than
// REG_SZ and REG_DWORD all give the empty value.
RegistryValue GetRegistryValue(HKEY root, const char* subKey, const char* valueName);

// Reads valueName from an open key into value.  Returns 0, the system's
// error code, or kUnsupportedTypeStatus for a type that is not read; value is
// only changed by a read that got as far as the data (a failed text read
// leaves it empty).
LONG QueryRegistryValue(HKEY key, const char* valueName, RegistryValue& value);
