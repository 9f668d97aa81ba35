#include "skin/app_dir.h"

#include <cwchar>

wchar_t g_szAppDir[MAX_PATH] = {};

void SetAppDir(const wchar_t* directory)
{
    if (!directory)
        directory = L"";
    wcsncpy(g_szAppDir, directory, MAX_PATH - 1);
    g_szAppDir[MAX_PATH - 1] = L'\0';
}

CString SkinPath(const wchar_t* relative)
{
    return CString(g_szAppDir) + relative;
}
