#include "classlib/message_box.h"

#include "classlib/scripted_dialogs.h"
#include "classlib/win_app.h"

#include <string>

const wchar_t* ApplicationTitle()
{
    if (CWinApp* app = AfxGetApp(); app && app->m_pszAppName)
        return app->m_pszAppName;
    static const std::wstring fileTitle = [] {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring name = path;
        const size_t separator = name.find_last_of(L"\\/");
        if (separator != std::wstring::npos)
            name.erase(0, separator + 1);
        const size_t dot = name.find_last_of(L'.');
        if (dot != std::wstring::npos)
            name.erase(dot);
        return name;
    }();
    return fileTitle.c_str();
}

int ShowMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    if (!caption)
        caption = ApplicationTitle();
    if (auto scripted = ScriptedDialogs::TakeMessageBoxAnswer(owner, text, caption, type))
        return *scripted;
    return ::MessageBoxW(owner, text, caption, type);
}

int AfxMessageBox(LPCWSTR text, UINT type, UINT /*helpId*/)
{
    return ShowMessageBox(::GetActiveWindow(), text, nullptr, type);
}
