#include "classlib/common_dialogs.h"

namespace {

HMODULE CommonDialogLibrary()
{
    // Loaded once, on first use, from the system folder only.
    static const HMODULE library = ::LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return library;
}

template <class Function> Function CommonDialogFunction(const char* name)
{
    const HMODULE library = CommonDialogLibrary();
    if (!library)
        return nullptr;
    // Through void*: GetProcAddress's own pointer type is not the function's.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

template <class Dialog> BOOL Run(const char* name, Dialog& dialog)
{
    using Function = BOOL(WINAPI*)(Dialog*);
    const Function run = CommonDialogFunction<Function>(name);
    return run ? run(&dialog) : FALSE;
}

}  // namespace

BOOL RunOpenFileDialog(OPENFILENAMEW& dialog)
{
    return Run("GetOpenFileNameW", dialog);
}

BOOL RunSaveFileDialog(OPENFILENAMEW& dialog)
{
    return Run("GetSaveFileNameW", dialog);
}

BOOL RunColorDialog(CHOOSECOLORW& dialog)
{
    return Run("ChooseColorW", dialog);
}
