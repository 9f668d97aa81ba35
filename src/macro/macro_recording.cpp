#include "macro/macro_recording.h"

#include "model/record_ini.h"
#include "skin/lb_edit_rules.h"

#include <algorithm>

std::optional<RecordedKey> TakeHookEvent(uint32_t vkCode, uint32_t flags, LastHookEvent& last)
{
    const uint32_t masked = flags & kHookFlagsMask;
    if (vkCode == last.vk && masked == last.flags)
        return std::nullopt;
    last = {vkCode, masked};

    RecordedKey key{vkCode, (masked & LLKHF_UP) != 0};
    if (vkCode == VK_RETURN && (masked & LLKHF_EXTENDED))
        key.vk = kKeypadEnterVk;
    return key;
}

DWORD RecordedPauseMs(DWORD now, DWORD lastEventTick)
{
    return std::min<DWORD>(now - lastEventTick, kMaxRecordedPauseMs);
}

std::vector<CString> RecordedLines(const CString& keyName, bool release, bool firstLine, bool delayOption,
                                   DWORD pauseMs)
{
    std::vector<CString> lines;
    if (delayOption && !firstLine)
        lines.push_back(DelayText(static_cast<int>(pauseMs)));
    lines.push_back(keyName + (release ? kReleaseSuffix : kPressSuffix));
    return lines;
}
