#pragma once
// The logic of macro recording without the hook or the window: which
// keyboard events the hook takes, and the lines each taken event adds to the
// recorded macro.

#include "classlib/cstring.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

// A recording keeps this many key events; the next one stops it.
constexpr unsigned kMaxRecordedKeyEvents = 62;
// A recorded pause is held to what a typed one can be, and what the encoder
// and the "%d ms" line can carry.
constexpr DWORD kMaxRecordedPauseMs = 65535;

// The code the keypad Enter is recorded under, so that it is named
// "Num Enter" rather than "Enter".
constexpr uint32_t kKeypadEnterVk = 0x6C;

// The two bits of a low-level keyboard event's flags that matter here.
constexpr uint32_t kHookFlagsMask = LLKHF_EXTENDED | LLKHF_UP;

// A keyboard event the hook takes: the key's code and whether it is a release.
struct RecordedKey {
    uint32_t vk = 0;
    bool release = false;

    bool operator==(const RecordedKey&) const = default;
};

// The last event the hook took (code and masked flags), so that the
// auto-repeats of a held key, which repeat both, pass through untaken.
struct LastHookEvent {
    uint32_t vk = 0;
    uint32_t flags = 0;
};

// Decides on one low-level keyboard event: nothing when it repeats the last
// event taken, else the key to record (the keypad Enter under
// kKeypadEnterVk) and `last` updated. `last` keeps the key's own code, so a
// held keypad Enter is recorded once like every other key.
std::optional<RecordedKey> TakeHookEvent(uint32_t vkCode, uint32_t flags, LastHookEvent& last);

// The pause since the last recorded event, as the unsigned difference of two
// tick counts, held to kMaxRecordedPauseMs.
DWORD RecordedPauseMs(DWORD now, DWORD lastEventTick);

// The lines one event adds: with the delay option, a "%d ms" pause line
// before the event's line unless it is the first line of the recording; then
// the key's name with "   Dn" or "   Up".
std::vector<CString> RecordedLines(const CString& keyName, bool release, bool firstLine, bool delayOption,
                                   DWORD pauseMs);
