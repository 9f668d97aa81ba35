#pragma once
// Steps the end-to-end tests share: clicking where the program really
// receives the press, finding the program's windows, reading the profile
// files and the mouse's frame log back.

#include "e2e_fixture.h"

#include "model/settings_record.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace e2e {

// Client points of the main window.
inline constexpr POINT kButtonAssignItem{100, 117};
inline constexpr POINT kMacroManagerItem{100, 151};
inline constexpr POINT kConfigButton{54, 619};
inline constexpr POINT kApplyButton{951, 619};
inline constexpr POINT kCancelButton{889, 619};
// The settings panel's place in the main window, and its first header.
inline constexpr POINT kPanelOrigin{735, 32};
inline constexpr int kPanelHeaderTop = 2;
inline constexpr int kPanelHeaderStep = 25;
inline constexpr int kPanelHeaderHeight = 20;

// On stage `stage`'s slider of the DPI page at height y (page
// coordinates): the bottom is position 1, the top position 216.
inline constexpr POINT DpiSlider(int stage, int y)
{
    return {28 + 30 * stage, y};
}

// The assignment box of screen row `row` (0 at the top) in the main window.
inline constexpr POINT BoxOfRow(int row)
{
    return {185, 154 + 20 * row + 8};
}
// The size of an assignment box, and how many rows of them there are.
inline constexpr SIZE kAssignBoxSize{130, 16};
inline constexpr int kAssignBoxRows = 7;

// The assignment box that screen row `row` shows, or null while the boxes
// are folded away (other items of the main window then lie at its place).
HWND AssignBoxAt(HWND main, int row);
// Unfolds the assignment boxes unless they show; true once they do.
bool ShowAssignBoxes(HWND main);

// Clicks a client point of `window` once the press will reach it. Windows
// of tests running beside this one may lie over the point for a while, and
// a skinned button holds the mouse capture while the pointer is over it,
// letting it go only once it sees the pointer leave: a press sent while an
// old button still holds it would go to that button. So the pointer is
// moved first and the press waits until the point shows a window of the
// program that no other window's capture overrides.
void ClickWhenReachable(HWND window, POINT client, bool right = false);

// Clicks a client point of `window` until `done` holds, at most `attempts`
// times, waiting `waitMs` after each click. Under Wine on the virtual
// display a press now and then goes to the activation or hover of a window
// alone; a user would click again. True when `done` came to hold.
bool ClickUntil(HWND window, POINT client, const std::function<bool()>& done, int attempts = 3, DWORD waitMs = 3000);
// The same with the right button.
bool RightClickUntil(HWND window, POINT client, const std::function<bool()>& done);

// A rectangle of `window`'s client coordinates in screen coordinates.
RECT ScreenRectOf(HWND window, const RECT& client);

// Returns once `window`'s thread has handled what was sent to it before
// (at most 20 s).
void WaitUntilAnswering(HWND window);

// What the screen shows in `screen` once `window`'s program has finished
// painting there: its thread has answered (it is not busy with a command)
// and two looks a moment apart agree (or 5 s have passed).
std::vector<COLORREF> SettledScreenRegion(HWND window, const RECT& screen);

// Clicks a client point of `window` until what the screen shows of
// `watched` (client coordinates of `window`) changes, as ClickUntil does.
bool ClickUntilRedrawn(HWND window, POINT client, const RECT& watched);

// Points inside the report-rate ring's quarters (page coordinates).
inline constexpr POINT kRing125Hz{86, 31};
inline constexpr POINT kRing250Hz{86, 101};
// Clicks a quarter of the report-rate page's ring until the ring shows
// another rate; false when it never did.
bool ClickReportRate(HWND page, POINT quarter);

// Presses at `from` and releases at `to` (client points of `window`),
// passing the midpoint on the way, each move waited for; false when the
// window under `from` did not hold the mouse capture from the press to the
// release (a press or a move was lost).
bool DragWhenReachable(HWND window, POINT from, POINT to);
// Drags as above until what the screen shows of `watched` (client
// coordinates of `window`) changes, at most three times; a drag to a place
// ends the same however often it is repeated.
bool DragUntilRedrawn(HWND window, POINT from, POINT to, const RECT& watched);

// The column of the DPI page that stage `stage`'s slider takes (page
// coordinates).
inline constexpr RECT DpiSliderColumn(int stage)
{
    return {DpiSlider(stage, 0).x - 8, 0, DpiSlider(stage, 0).x + 8, 200};
}

// The visible child of `window` at a client point, if any.
HWND VisibleChildAt(HWND window, POINT client);

// The deepest window of the program at a client point of `window`.
HWND WindowAt(HWND window, POINT client);

// The settings record of a profile file's bytes (zeros when the size is wrong).
SettingsRecord RecordOf(const std::vector<unsigned char>& file);

// The 128 bytes of the last record sent with command `code`: its two
// chunks after the frame.
std::vector<uint8_t> LastRecordOf(const std::vector<EmulatedLogEntry>& log, uint8_t code);
// The same for frames whose second byte is `index` (a macro's number).
std::vector<uint8_t> LastRecordOf(const std::vector<EmulatedLogEntry>& log, uint8_t code, uint8_t index);
// How many frames with command `code` the log holds.
size_t FramesOf(const std::vector<EmulatedLogEntry>& log, uint8_t code);
// The last frame with command `code`; empty when there is none.
std::vector<uint8_t> LastFrameOf(const std::vector<EmulatedLogEntry>& log, uint8_t code);

}  // namespace e2e

// A test that starts the program with the emulated mouse and works on its
// main window, kept above the windows of tests running beside it.
class ProgramEndToEnd : public EndToEndTest {
protected:
    HWND StartAndWaitForMainWindow();

    // The program's visible top-level window of class `className` other
    // than the main window.
    HWND WaitForOtherWindow(HWND main, const wchar_t* className, DWORD timeoutMs = 10000) const;

    // Opens a section of the settings panel (0 = the top one) and returns
    // its page window, or null when it did not appear.
    HWND OpenPanelSection(HWND main, int section);
    // Closes the one open section again, so that the headers stand one
    // under the other; true when its page went.
    bool ClosePanelSection(HWND main, int section, HWND page);

    // Presses Apply and waits until the full upload has reached the mouse:
    // the twelve macro records after a new button table. True when it did.
    bool ApplyAndWaitForUpload(HWND main);

    // The record of config0.bin once `holds` is true of it, within 10 s.
    bool WaitForSavedRecord(const std::function<bool(const SettingsRecord&)>& holds, SettingsRecord& saved,
                            const wchar_t* file = L"config0.bin");

    // The icon's messages, as the shell sends them to the main window.
    void ClickIcon(HWND main, UINT mouseMessage) const;

    // Cancel, which hides the window to the notification area, then a
    // double click on the icon, which shows it again; true when it shows.
    bool CancelAndShowFromIcon(HWND main);

    // Chooses "Exit" from the icon's menu; the program's exit code once it
    // has ended, nothing when no menu showed or it did not end.
    std::optional<DWORD> ExitFromIconMenu(HWND main) const;

    e2e::Program* program = nullptr;
};
