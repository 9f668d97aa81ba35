#pragma once
// Opening a document or web address with the program the system has for it
// (ShellExecuteW), through one replaceable function, so that tests can see
// what would be opened without anything being opened.

#include "classlib/scoped_install.h"

#include <windows.h>

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                                LPCWSTR directory, INT show);

// ShellExecuteW, or the installed function: "open" `file` with no owner,
// parameters or directory, shown normally. The result is not looked at.
void OpenWithShell(LPCWSTR file);

// Installs `function` (nullptr restores ShellExecuteW); returns the previous one.
ShellExecuteFunction SetShellExecuteFunction(ShellExecuteFunction function);

// Installs a function for the lifetime of the object, then puts back the previous.
using ScopedShellExecuteFunction = ScopedInstall<ShellExecuteFunction, &SetShellExecuteFunction>;
