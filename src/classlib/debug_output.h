#pragma once
// Diagnostics: printf-style wide texts for the debugger output.
//
// Every text goes to OutputDebugStringW. When the environment variable
// RV417_DEBUG is set it is also written to stderr, so a user or a test run can
// read it without a debugger. Tests may install a sink that receives each text.

#include <functional>
#include <string>

void DebugTrace(const wchar_t* format, ...);

using DebugSink = std::function<void(const std::wstring&)>;

// Installs `sink` (an empty function removes it); returns the previous one.
DebugSink SetDebugSink(DebugSink sink);
