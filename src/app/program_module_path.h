#pragma once
// The program's full module path: its data files lie beside it and its
// skin pictures below its folder. Tests point it into a folder of their own.

#include "classlib/cstring.h"
#include "classlib/scoped_install.h"

// The path set by SetProgramModulePath, else GetModuleFileNameW of the
// running program.
CString ProgramModulePath();

// Makes `path` the program's module path (an empty path gives the real one
// back); returns the path set before.
CString SetProgramModulePath(const CString& path);

// Sets the module path for the lifetime of the object, then puts back the previous.
using ScopedProgramModulePath = ScopedInstall<CString, &SetProgramModulePath>;
