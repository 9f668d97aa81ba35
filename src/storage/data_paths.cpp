#include "storage/data_paths.h"

CString ReadModulePath()
{
    CString path;
    GetModuleFileNameW(nullptr, path.GetBuffer(kModulePathChars), kModulePathChars);
    path.ReleaseBuffer();
    return path;
}

CString DataFilePath(const CString& modulePath, const wchar_t* fileName)
{
    CString path = modulePath;
    if (path.Replace(kProgramFileName, fileName) > 0)
        return path;
    const int lastSeparator = modulePath.ReverseFind(L'\\');
    return modulePath.Left(lastSeparator + 1) + fileName;
}
