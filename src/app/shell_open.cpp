#include "app/shell_open.h"

#include <shellapi.h>

namespace {

ShellExecuteFunction g_shellExecute = &::ShellExecuteW;

}  // namespace

void OpenWithShell(LPCWSTR file)
{
    g_shellExecute(nullptr, L"open", file, nullptr, nullptr, SW_SHOWNORMAL);
}

ShellExecuteFunction SetShellExecuteFunction(ShellExecuteFunction function)
{
    const ShellExecuteFunction previous = g_shellExecute;
    g_shellExecute = function ? function : &::ShellExecuteW;
    return previous;
}
