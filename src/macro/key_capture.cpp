#include "macro/key_capture.h"

#include "skin/dialog_key_filter.h"
#include "text/key_names.h"

DWORD CapturedVirtualKey(DWORD vkCode, DWORD flags)
{
    const DWORD kept = flags & kCaptureFlagMask;
    if (vkCode == VK_RETURN && (kept == LLKHF_EXTENDED || kept == (LLKHF_EXTENDED | LLKHF_UP)))
        return VK_SEPARATOR;  // named "Num Enter"
    return vkCode;
}

std::optional<CString> AssignableKeyName(DWORD vkCode, DWORD flags)
{
    CString name = GetKeyStr(CapturedVirtualKey(vkCode, flags));
    if (KeyNameToHidUsage(name) == 0)
        return std::nullopt;
    return name;
}

bool IsSwallowedCaptureDialogKey(const MSG& msg)
{
    if (msg.wParam == VK_LWIN || msg.wParam == VK_RWIN)
        return true;
    return IsSwallowedDialogKey(msg);
}
