#pragma once
// How many kernel handles and GDI objects this process holds, for tests that
// prove a routine leaves none behind.  Compare two counts taken around the
// calls; the numbers themselves mean little.
#include <cstddef>

namespace testenv {

// Kernel handles (registry keys included).  GetProcessHandleCount gives 0
// under Wine, so the system's handle list is counted there instead.
long ProcessHandleCount();

// Device contexts, bitmaps, palettes and the other GDI objects.
// GetGuiResources is not implemented in Wine, so the GDI handle table of the
// process is counted there instead.
long GdiObjectCount();

}  // namespace testenv
