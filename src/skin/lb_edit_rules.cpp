#include "skin/lb_edit_rules.h"

#include "model/leading_decimal.h"
#include "model/macro_names.h"

#include <algorithm>

int ParseDelayMs(const CString& typed)
{
    // LeadingDecimal saturates at the ends of int, so a long run of digits
    // cannot wrap around below the cap.
    return std::clamp(LeadingDecimal(typed), 0, kMaxDelayMs);
}

CString DelayText(int milliseconds)
{
    CString text;
    text.Format(L"%d ms", milliseconds);
    return text;
}

std::optional<CString> CommittedItemText(std::uint8_t context, const CString& typed, const CString& startText,
                                         const std::vector<CString>& items, int index)
{
    switch (context) {
    case kEditMacroDelay:
        return DelayText(ParseDelayMs(typed));
    case kEditProfileName:
    case kEditMacroName: {
        const bool taken = std::find(items.begin(), items.end(), typed) != items.end();
        if (taken)
            return startText;
        if (context == kEditMacroName && !IsAcceptableMacroName(items, index, typed))
            return startText;
        return typed;
    }
    default:
        return std::nullopt;
    }
}
