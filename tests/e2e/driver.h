#pragma once
// The end-to-end driver: runs "RV417 TALVEN.exe" as a process of its own,
// under the same Wine and on the same display as the caller, in a private
// copy of the installed folder, and drives it from outside as a user would:
// it finds the program's windows, sends real input (SendInput), reads the
// screen's pixels and the data files, and plays the mouse through the
// emulated mouse's control surface inside the program.
//
// Waiting is always for a condition, polled in real time with a time limit;
// the program runs in its own process, so no virtual clock reaches it.
//
// Nothing here depends on GoogleTest; e2e_fixture.h wraps it for the tests.

#include "device/emulated/emulated_mouse.h"
#include "support/test_support.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// A window's text (the caption of a button, the title of a window, the
// contents of an edit field).
std::wstring WindowText(HWND window);

// Polls `condition` every `pollMs` until it holds (true) or `timeoutMs` has
// passed (false). The condition is tested once more at the end.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 10);

// A private copy of an installed folder (build/bin) in a fresh temporary
// folder, removed with everything in it when the object goes.
class ProgramFolder {
public:
    // `installed` ends in a backslash.
    explicit ProgramFolder(const std::wstring& installed);

    bool copied() const { return m_copied; }
    // Ends in a backslash.
    const std::wstring& path() const { return m_folder.path(); }
    std::wstring file(const std::wstring& name) const { return m_folder.file(name); }
    std::wstring Executable() const { return file(L"RV417 TALVEN.exe"); }

    // A file's bytes, or the text of a UTF-16 .ini file (empty when missing).
    std::vector<unsigned char> ReadBytes(const std::wstring& name) const;
    std::wstring ReadText(const std::wstring& name) const;

private:
    TempFolder m_folder;
    bool m_copied = false;
};

// A top-level window as the driver sees it.
struct WindowInfo {
    HWND hwnd = nullptr;
    std::wstring title;
    std::wstring className;
    bool visible = false;
    RECT rect{};  // screen coordinates
};

// Which window to look for; unset fields match anything.
struct WindowMatch {
    std::optional<std::wstring> title;
    std::optional<std::wstring> className;
    bool visibleOnly = true;
};

// The exit code of a program the driver had to kill.
inline constexpr DWORD kKilledExitCode = 0xDEAD;

class Program {
public:
    struct Options {
        // RV417_HID for the program: "emulated", "real", or empty to leave it unset.
        std::wstring hid = L"emulated";
    };

    Program() = default;
    // Kills the program if it still runs.
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts `executable` in its own folder with the environment of this
    // process and the options'. The process is tied to a job object, so it
    // cannot outlive the driver's process.
    bool Start(const std::wstring& executable, const Options& options);
    bool Start(const std::wstring& executable) { return Start(executable, Options{}); }

    DWORD Id() const { return m_processId; }
    HANDLE Process() const { return m_process; }
    bool IsRunning() const;
    // Milliseconds since Start.
    DWORD Elapsed() const;

    // The exit code once the process has ended within `timeoutMs`.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    // Asks the program to end (WM_CLOSE to its main window), kills it when
    // it has not ended within `timeoutMs`; returns the exit code.
    std::optional<DWORD> Stop(DWORD timeoutMs = 5000);
    void Kill();

    // The process's top-level windows, hidden ones included.
    std::vector<WindowInfo> TopLevelWindows() const;
    HWND FindWindow(const WindowMatch& match) const;
    // Null when no window matched within `timeoutMs`.
    HWND WaitForWindow(const WindowMatch& match, DWORD timeoutMs) const;
    // The main window, visible with its title "RV417 TALVEN".
    HWND WaitForMainWindow(DWORD timeoutMs = 20000) const;

    // The emulated mouse's control surface (RV417_HID=emulated only).
    HWND ControlWindow() const;
    bool Plug() const;
    bool Unplug() const;
    bool ReportEvent(uint8_t code, uint8_t value) const;
    // Every frame and chunk the mouse has seen so far; empty when the
    // control surface did not answer.
    std::vector<EmulatedLogEntry> FrameLog() const;

    // The process's working set in bytes (0 when it cannot be read).
    SIZE_T WorkingSet() const;

private:
    bool SendControl(ULONG_PTR request, const void* data, DWORD size) const;
    void Close();

    HANDLE m_process = nullptr;
    HANDLE m_job = nullptr;
    DWORD m_processId = 0;
    DWORD m_startTick = 0;
    std::wstring m_folder;
};

// --- Input, as the user gives it (SendInput) ---

// The screen point of a client point of `window`.
POINT ClientToScreenPoint(HWND window, POINT client);
void MoveMouseTo(POINT screen);
void MouseButton(bool down, bool right = false);
// Presses (down) or releases the button with the pointer put at `screen` in
// the same input. Under Wine the program reports where the display saw the
// pointer last only once it next waits for input, which can put the pointer
// back where an earlier move left it; a press given its place cannot be
// taken there.
void MouseButtonAt(POINT screen, bool down, bool right = false);
// Moves to the client point of `window`, presses and releases.
void ClickAt(HWND window, POINT client, bool right = false);
void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
// Presses and releases `virtualKey`, with Alt held when `alt`.
void PressKey(WORD virtualKey, bool alt = false);
// Where a key given as the keyboard gives it went.
enum class KeyboardKey { NotGiven, ToProgram, Elsewhere };
// Presses and releases `virtualKey` (Esc, Enter or an arrow key) as the
// keyboard does. Under Wine the key goes through the X server, which gives
// it to the program whose window holds the X input focus, and waits (at
// most 3 s) for that focus to come to a window of the program `executable`
// (its file name); SendInput, as PressKey, would give the key to the thread
// of the foreground window whichever program holds the focus. Elsewhere it
// is PressKey, and the answer ToProgram.
KeyboardKey PressKeyOnKeyboard(WORD virtualKey, const std::wstring& executable);
// Types `text` as Unicode characters.
void TypeText(const std::wstring& text);
// Makes `window` the foreground window; true when it is.
bool BringToFront(HWND window);

// --- The screen ---

COLORREF ScreenPixel(POINT screen);
COLORREF ClientPixel(HWND window, POINT client);
// The pixels of a screen rectangle, row by row.
std::vector<COLORREF> ScreenRegion(const RECT& screen);
// The client area of `window` in screen coordinates.
RECT ClientRectOnScreen(HWND window);

}  // namespace e2e
