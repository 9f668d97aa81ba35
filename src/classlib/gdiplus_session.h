#pragma once
// GDI+ is started once per process, on first use, and shut down when the
// process exits. Anything that calls GDI+ directly calls this first.

// Returns false when GDI+ could not be started.
bool EnsureGdiplusStarted();
