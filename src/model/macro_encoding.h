#pragma once
// Turns the event lines of a macro into a 128-byte device macro record. Two
// encoders share the algorithm: the one that runs after every profile load
// fills the macro slots of g_Settings, the macro manager's fills its own
// record buffers; they differ in the constants below.

#include "classlib/cstring.h"
#include "model/device_records.h"

#include <cstdint>
#include <functional>
#include <span>

// A long-delay group stores the pause in hundreds in two bytes plus the rest
// below 100; a longer pause is stored as this.
constexpr int kMaxMacroPauseMs = 65535 * 100 + 99;

using MacroRecordSpan = std::span<uint8_t, kDeviceRecordSize>;

struct MacroEncoding {
    int shortestPauseMs;          // a shorter or missing pause becomes this
    const wchar_t* defaultPause;  // the pause of a key line not followed by one
    uint8_t (*keyUsage)(CString name);
};

// After a profile load: 10 ms, KeyNameToHidUsage.
extern const MacroEncoding kProfileMacroEncoding;
// The macro manager's, on OK: 50 ms, MacroKeyNameToHidUsage.
extern const MacroEncoding kManagerMacroEncoding;

// Bytes 0..1 of a record: the loop count, high byte first.
void SetMacroLoopCount(MacroRecordSpan record, int loopCount);

// Zeroes bytes 2..127 of `record` and encodes into them the `lineCount`
// event lines that `line(j)` gives. The pause of a key event is the line
// after it when that is a pause line, otherwise the default. Encoding stops
// before the first event that does not fit whole into the record.
void EncodeMacroEvents(MacroRecordSpan record, int lineCount, const std::function<CString(int)>& line,
                       const MacroEncoding& encoding);
