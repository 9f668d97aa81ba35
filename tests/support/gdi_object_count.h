#pragma once
// The number of GDI objects the process holds, for tests that check that
// repeated painting leaves none behind.

// GetGuiResources(GR_GDIOBJECTS) where the system answers it. Wine does not
// (it answers 0); there the count is read from the process's GDI handle
// table, which Wine keeps per process and publishes in the process
// environment block: a live entry carries its object type. Returns -1 when
// neither way is available.
int GdiObjectCount();
