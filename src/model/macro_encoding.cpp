#include "model/macro_encoding.h"

#include "model/leading_decimal.h"
#include "model/record_ini.h"
#include "text/key_names.h"

#include <algorithm>

const MacroEncoding kProfileMacroEncoding{10, L"10 ms", &KeyNameToHidUsage};
const MacroEncoding kManagerMacroEncoding{50, L"50 ms", &MacroKeyNameToHidUsage};

namespace {

constexpr size_t kEventBytes = kDeviceRecordSize - kMacroEventOffset;

struct KeyEvent {
    CString keyName;
    uint8_t releaseBit;
};

// A press or release line gives its key; any other line gives nothing.
bool ParseKeyLine(const CString& line, KeyEvent& event)
{
    CString name = line;
    if (line.Find(kPressSuffix) >= 0) {
        name.Replace(kPressSuffix, L"");
        event = {name, 0};
        return true;
    }
    if (line.Find(kReleaseSuffix) >= 0) {
        name.Replace(kReleaseSuffix, L"");
        event = {name, kMacroReleaseBit};
        return true;
    }
    return false;
}

int PauseMilliseconds(CString pauseText, const MacroEncoding& encoding)
{
    pauseText.Replace(kPauseUnit, L"");
    const int ms = LeadingDecimal(pauseText);
    return std::clamp(ms, encoding.shortestPauseMs, kMaxMacroPauseMs);
}

}  // namespace

void SetMacroLoopCount(MacroRecordSpan record, int loopCount)
{
    record[0] = static_cast<uint8_t>(loopCount / 256);
    record[1] = static_cast<uint8_t>(loopCount % 256);
}

void EncodeMacroEvents(MacroRecordSpan record, int lineCount, const std::function<CString(int)>& line,
                       const MacroEncoding& encoding)
{
    const auto events = record.subspan<kMacroEventOffset>();
    std::fill(events.begin(), events.end(), uint8_t{0});

    size_t w = 0;
    CString current = lineCount > 0 ? line(0) : CString();
    for (int j = 0; j < lineCount; ++j) {
        // Each line is read once: the next one is both this event's pause and
        // the following iteration's line.
        const CString next = j + 1 < lineCount ? line(j + 1) : CString();
        KeyEvent event;
        const bool isKey = ParseKeyLine(current, event);
        current = next;
        if (!isKey)
            continue;  // pauses belong to the key line before them

        const int d = PauseMilliseconds(IsPauseLine(next) ? next : CString(encoding.defaultPause), encoding);
        const uint8_t usage = encoding.keyUsage(event.keyName);

        if (d <= kMacroLongDelayLimitMs) {
            if (w + 2 > kEventBytes)
                return;
            events[w++] = static_cast<uint8_t>((d / kMacroDelayUnitMs) | event.releaseBit);
            events[w++] = usage;
        } else {
            if (w + 6 > kEventBytes)
                return;
            const int hundreds = d / 100;
            events[w++] = static_cast<uint8_t>((d % 100) | event.releaseBit);
            events[w++] = usage;
            events[w++] = kMacroLongDelayMarker.A;
            events[w++] = kMacroLongDelayMarker.B;
            events[w++] = static_cast<uint8_t>(hundreds / 256);
            events[w++] = static_cast<uint8_t>(hundreds % 256);
        }
        if (w == kEventBytes)
            return;  // full: nothing further can fit
    }
}
