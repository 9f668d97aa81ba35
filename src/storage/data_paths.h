#pragma once
// The data files lie beside the program. A data file's path is the program's
// module path with the program's file name replaced by the data file's name.

#include "classlib/cstring.h"

// The file name the program is shipped under.
inline constexpr const wchar_t* kProgramFileName = L"RV417 TALVEN.exe";

// The longest module path read, in characters.
constexpr int kModulePathChars = 1024;

// GetModuleFileNameW of the running program.
CString ReadModulePath();

// `modulePath` with every occurrence of kProgramFileName (case-sensitive)
// replaced by `fileName`. A program that was renamed does not contain that
// name: its own folder (everything up to the last backslash) is used then.
CString DataFilePath(const CString& modulePath, const wchar_t* fileName);
