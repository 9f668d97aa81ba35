#pragma once
// The control surface of the emulated mouse inside a running program, for a
// driver in another process (the end-to-end tests): a message-only window
// of class kEmulatedMouseControlClass on the thread that made it, taking
// WM_COPYDATA requests. The request is COPYDATASTRUCT::dwData:
//
//   EmulatedControl::Plug         no data                 plugs the mouse in
//   EmulatedControl::Unplug       no data                 unplugs it
//   EmulatedControl::ReportEvent  2 bytes: code, value    reports 06 07 code value
//   EmulatedControl::WriteLog     a UTF-16 file path      writes the frame log there
//
// The result of the message is 1 when the request was carried out, 0 when it
// is unknown or its data do not fit. Plugging and unplugging change only the
// mouse's presence; the device-change messages are the listener's affair.

#include "device/emulated/emulated_mouse.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kEmulatedMouseControlClass[] = L"RV417EmulatedMouseControl";

enum class EmulatedControl : ULONG_PTR { Plug = 1, Unplug = 2, ReportEvent = 3, WriteLog = 4 };

class EmulatedMouseControl {
public:
    // Makes the control window for `mouse` on the calling thread, whose
    // message loop then serves the requests. The mouse must outlive it.
    explicit EmulatedMouseControl(EmulatedMouse& mouse);
    ~EmulatedMouseControl();
    EmulatedMouseControl(const EmulatedMouseControl&) = delete;
    EmulatedMouseControl& operator=(const EmulatedMouseControl&) = delete;

    // Null when the window could not be made.
    HWND Window() const { return m_window; }

    // Carries out one request as the window does; 1 done, 0 refused.
    static LRESULT Handle(EmulatedMouse& mouse, const COPYDATASTRUCT& request);

private:
    HWND m_window = nullptr;
};

// The frame log as text, one entry a line: its kind, the clock tick, its
// bytes in two-digit hex separated by blanks, and " # " with the note when
// it has one. Kinds: FeatureSet FeatureGet OutputChunk InputChunk InputEvent Error.
std::string FormatEmulatedLog(const std::vector<EmulatedLogEntry>& log);
// The entries of such a text; lines that do not read as an entry are skipped.
std::vector<EmulatedLogEntry> ParseEmulatedLog(std::string_view text);
