#include "program_steps.h"

#include "device/emulated/emulated_mouse_control.h"
#include "messages.h"
#include "model/device_records.h"
#include "pages/report_rate_ring.h"
#include "storage/profile_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace e2e {

namespace {

// Waits until the program that owns `window` has taken all the input
// sent to it so far and waits for more.
void WaitUntilInputTaken(DWORD process)
{
    if (const HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process)) {
        WaitForInputIdle(handle, 2000);
        CloseHandle(handle);
    }
}

// Waits until a press at `screen` reaches a window of the process that
// owns `window` and no other window holds the capture.
void WaitUntilReachable(HWND window, POINT screen)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    // The capture is looked at once the program has seen the pointer arrive.
    WaitUntilInputTaken(process);
    HWND under = nullptr;
    GUITHREADINFO info{};
    ULONGLONG nudged = GetTickCount64();
    const bool reachable = WaitUntil(
        [&] {
            under = WindowFromPoint(screen);
            DWORD owner = 0;
            GetWindowThreadProcessId(under, &owner);
            if (owner != process)
                return false;
            info = GUITHREADINFO{};
            info.cbSize = sizeof info;
            if (!GetGUIThreadInfo(thread, &info) || !info.hwndCapture || info.hwndCapture == under)
                return true;
            // A window still holding the capture from before lets go once
            // it sees the pointer elsewhere: the pointer is moved on a
            // little, as the user's hand would.
            if (GetTickCount64() - nudged >= 500) {
                MoveMouseTo({screen.x + 1, screen.y});
                MoveMouseTo(screen);
                nudged = GetTickCount64();
            }
            return false;
        },
        5000);
    if (!reachable) {
        wchar_t captureText[64]{};
        GetWindowTextW(info.hwndCapture, captureText, 64);
        RECT captureRect{};
        GetWindowRect(info.hwndCapture, &captureRect);
        ADD_FAILURE() << "the point (" << screen.x << ", " << screen.y << ") shows window " << under
                      << ", the capture is with " << info.hwndCapture << " \""
                      << testing::PrintToString(std::wstring(captureText)) << "\" at (" << captureRect.left << ", "
                      << captureRect.top << "), thread flags " << info.flags << ", visible "
                      << IsWindowVisible(info.hwndCapture);
    }
}

}  // namespace

void ClickWhenReachable(HWND window, POINT client, bool right)
{
    const POINT screen = ClientToScreenPoint(window, client);
    MoveMouseTo(screen);
    WaitUntilReachable(window, screen);
    MouseButtonAt(screen, true, right);
    MouseButtonAt(screen, false, right);
}

namespace {

bool ClickWithUntil(bool right, HWND window, POINT client, const std::function<bool()>& done, int attempts,
                    DWORD waitMs)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0 && done())
            return true;
        ClickWhenReachable(window, client, right);
        if (WaitUntil(done, waitMs))
            return true;
    }
    return false;
}

}  // namespace

bool ClickUntil(HWND window, POINT client, const std::function<bool()>& done, int attempts, DWORD waitMs)
{
    return ClickWithUntil(false, window, client, done, attempts, waitMs);
}

bool RightClickUntil(HWND window, POINT client, const std::function<bool()>& done)
{
    return ClickWithUntil(true, window, client, done, 3, 3000);
}

RECT ScreenRectOf(HWND window, const RECT& client)
{
    const POINT topLeft = ClientToScreenPoint(window, {client.left, client.top});
    const POINT bottomRight = ClientToScreenPoint(window, {client.right, client.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void WaitUntilAnswering(HWND window)
{
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer);
}

std::vector<COLORREF> SettledScreenRegion(HWND window, const RECT& screen)
{
    WaitUntilAnswering(window);
    std::vector<COLORREF> shown = ScreenRegion(screen);
    WaitUntil(
        [&] {
            std::vector<COLORREF> again = ScreenRegion(screen);
            const bool settled = again == shown;
            shown = std::move(again);
            return settled;
        },
        5000, 250);
    return shown;
}

bool ClickUntilRedrawn(HWND window, POINT client, const RECT& watched)
{
    const RECT screen = ScreenRectOf(window, watched);
    // What was there before the click, once the window has painted it.
    const std::vector<COLORREF> before = SettledScreenRegion(window, screen);
    return ClickUntil(window, client, [&] { return ScreenRegion(screen) != before; });
}

bool ClickReportRate(HWND page, POINT quarter)
{
    return ClickUntilRedrawn(page, quarter, kReportRateRingRect);
}

namespace {

// Moves the pointer to `screen` and waits until it stands there and
// `window` has handled the move. Under Wine the display's own report of an
// earlier move can arrive late and put the pointer back there; the move is
// sent again until the pointer stays.
void MovePointerAndSettle(HWND window, POINT screen)
{
    const auto there = [&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
    };
    for (int attempt = 0; attempt < 5; ++attempt) {
        MoveMouseTo(screen);
        if (WaitUntil(there, 500, 10)) {
            WaitUntilAnswering(window);
            if (there())
                return;
        }
    }
}

// Whether `held` has the mouse capture of its thread.
bool HoldsCapture(HWND held)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(held, nullptr), &info) && info.hwndCapture == held;
}

}  // namespace

bool DragWhenReachable(HWND window, POINT from, POINT to)
{
    const POINT start = ClientToScreenPoint(window, from);
    MoveMouseTo(start);
    WaitUntilReachable(window, start);
    const HWND pressed = WindowFromPoint(start);
    MouseButtonAt(start, true);
    // A press the program never saw leaves the window under it without the
    // capture a drag takes; the drag is not gone on with.
    if (!WaitUntil([&] { return HoldsCapture(pressed); }, 1000)) {
        MouseButton(false);
        return false;
    }
    MovePointerAndSettle(window, ClientToScreenPoint(window, {(from.x + to.x) / 2, (from.y + to.y) / 2}));
    const POINT end = ClientToScreenPoint(window, to);
    MovePointerAndSettle(window, end);
    // The moves reached the window only while it held the capture.
    const bool heldThroughout = HoldsCapture(pressed);
    MouseButtonAt(end, false);
    return heldThroughout;
}

bool DragUntilRedrawn(HWND window, POINT from, POINT to, const RECT& watched)
{
    const RECT screen = ScreenRectOf(window, watched);
    const std::vector<COLORREF> before = SettledScreenRegion(window, screen);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (DragWhenReachable(window, from, to) && WaitUntil([&] { return ScreenRegion(screen) != before; }, 3000))
            return true;
    }
    return false;
}

HWND VisibleChildAt(HWND window, POINT client)
{
    const HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE);
    return child == window ? nullptr : child;
}

HWND AssignBoxAt(HWND main, int row)
{
    const HWND child = VisibleChildAt(main, BoxOfRow(row));
    RECT rect{};
    if (!child || !GetWindowRect(child, &rect))
        return nullptr;
    return rect.right - rect.left == kAssignBoxSize.cx && rect.bottom - rect.top == kAssignBoxSize.cy ? child : nullptr;
}

bool ShowAssignBoxes(HWND main)
{
    const auto shown = [main] { return AssignBoxAt(main, 0) && AssignBoxAt(main, kAssignBoxRows - 1); };
    return shown() || ClickUntil(main, kButtonAssignItem, shown);
}

HWND WindowAt(HWND window, POINT client)
{
    return WindowFromPoint(ClientToScreenPoint(window, client));
}

SettingsRecord RecordOf(const std::vector<unsigned char>& file)
{
    SettingsRecord record{};
    if (file.size() == sizeof(ProfileFile))
        std::memcpy(&record, file.data() + 1, sizeof record);
    return record;
}

namespace {

std::vector<uint8_t> LastRecordWhere(const std::vector<EmulatedLogEntry>& log,
                                     const std::function<bool(const std::vector<uint8_t>&)>& isFrame)
{
    std::vector<uint8_t> record;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].Kind != EmulatedLogKind::FeatureSet || !isFrame(log[i].Bytes))
            continue;
        record.clear();
        for (size_t j = i + 1; j < log.size() && record.size() < kDeviceRecordSize; ++j)
            if (log[j].Kind == EmulatedLogKind::OutputChunk && log[j].Bytes.size() > 1)
                record.insert(record.end(), log[j].Bytes.begin() + 1, log[j].Bytes.end());
    }
    return record;
}

}  // namespace

std::vector<uint8_t> LastRecordOf(const std::vector<EmulatedLogEntry>& log, uint8_t code)
{
    return LastRecordWhere(log, [code](const std::vector<uint8_t>& b) { return b.size() > 1 && b[1] == code; });
}

std::vector<uint8_t> LastRecordOf(const std::vector<EmulatedLogEntry>& log, uint8_t code, uint8_t index)
{
    return LastRecordWhere(
        log, [code, index](const std::vector<uint8_t>& b) { return b.size() > 2 && b[1] == code && b[2] == index; });
}

size_t FramesOf(const std::vector<EmulatedLogEntry>& log, uint8_t code)
{
    return static_cast<size_t>(std::count_if(log.begin(), log.end(), [code](const EmulatedLogEntry& e) {
        return e.Kind == EmulatedLogKind::FeatureSet && e.Bytes.size() > 1 && e.Bytes[1] == code;
    }));
}

std::vector<uint8_t> LastFrameOf(const std::vector<EmulatedLogEntry>& log, uint8_t code)
{
    std::vector<uint8_t> frame;
    for (const EmulatedLogEntry& e : log)
        if (e.Kind == EmulatedLogKind::FeatureSet && e.Bytes.size() > 1 && e.Bytes[1] == code)
            frame = e.Bytes;
    return frame;
}

}  // namespace e2e

HWND ProgramEndToEnd::StartAndWaitForMainWindow()
{
    program = StartProgram();
    if (!program)
        return nullptr;
    const HWND main = program->WaitForMainWindow();
    if (main) {
        SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        e2e::BringToFront(main);
    }
    return main;
}

HWND ProgramEndToEnd::WaitForOtherWindow(HWND main, const wchar_t* className, DWORD timeoutMs) const
{
    HWND found = nullptr;
    e2e::WaitUntil(
        [&] {
            for (const e2e::WindowInfo& info : program->TopLevelWindows())
                if (info.visible && info.hwnd != main && info.className == className)
                    found = info.hwnd;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

namespace {

// A point on section `section`'s header while every section above it is
// closed, and the top of its page once it opens (main window client).
POINT PanelHeaderPoint(int section)
{
    using namespace e2e;
    return {kPanelOrigin.x + 100,
            kPanelOrigin.y + kPanelHeaderTop + kPanelHeaderStep * section + kPanelHeaderHeight / 2};
}

int PanelPageTop(int section)
{
    using namespace e2e;
    return kPanelOrigin.y + kPanelHeaderTop + kPanelHeaderStep * section + kPanelHeaderHeight;
}

}  // namespace

HWND ProgramEndToEnd::OpenPanelSection(HWND main, int section)
{
    using namespace e2e;
    // The page opens right under its header.
    const POINT inPage{kPanelOrigin.x + 5, PanelPageTop(section) + 5};
    HWND page = nullptr;
    ClickUntil(
        main, PanelHeaderPoint(section),
        [&] {
            const HWND under = WindowAt(main, inPage);
            page = under && IsWindowVisible(under) && GetParent(under) && under != main ? under : nullptr;
            if (!page)
                return false;
            RECT rect{};
            GetWindowRect(page, &rect);
            const POINT origin = ClientToScreenPoint(main, {kPanelOrigin.x, PanelPageTop(section)});
            return rect.top == origin.y && rect.bottom - rect.top > kPanelHeaderHeight;
        },
        3, 5000);
    return page;
}

bool ProgramEndToEnd::ClosePanelSection(HWND main, int section, HWND page)
{
    return e2e::ClickUntil(main, PanelHeaderPoint(section), [page] { return !IsWindowVisible(page); });
}

bool ProgramEndToEnd::ApplyAndWaitForUpload(HWND main)
{
    using namespace e2e;
    const size_t tablesBefore = FramesOf(program->FrameLog(), kCmdWriteButtonTable);
    const size_t macrosBefore = FramesOf(program->FrameLog(), kCmdWriteMacro);
    // The upload's first frames show that the press was taken.
    const size_t framesBefore = program->FrameLog().size();
    ClickUntil(main, kApplyButton, [&] { return program->FrameLog().size() > framesBefore; });
    std::vector<EmulatedLogEntry> log;
    const bool uploaded = WaitUntil(
        [&] {
            log = program->FrameLog();
            return FramesOf(log, kCmdWriteMacro) >= macrosBefore + 12 &&
                   FramesOf(log, kCmdWriteButtonTable) > tablesBefore;
        },
        20000);
    if (!uploaded)
        ADD_FAILURE() << FormatEmulatedLog(log);
    // The files are written and the pointer settings applied after the
    // upload, still within the press.
    WaitUntilAnswering(main);
    return uploaded;
}

bool ProgramEndToEnd::WaitForSavedRecord(const std::function<bool(const SettingsRecord&)>& holds, SettingsRecord& saved,
                                         const wchar_t* file)
{
    return e2e::WaitUntil(
        [&] {
            saved = e2e::RecordOf(folder.ReadBytes(file));
            return holds(saved);
        },
        10000);
}

void ProgramEndToEnd::ClickIcon(HWND main, UINT mouseMessage) const
{
    constexpr WPARAM kIconId = 128;
    PostMessageW(main, WM_TRAYNOTIFY, kIconId, mouseMessage);
}

bool ProgramEndToEnd::CancelAndShowFromIcon(HWND main)
{
    using namespace e2e;
    const RECT area = ClientRectOnScreen(main);
    if (!ClickUntil(main, kCancelButton, [&] { return !IsWindowVisible(main); })) {
        ADD_FAILURE() << "Cancel did not hide the window";
        return false;
    }
    // What the screen shows there once the window has gone.
    const std::vector<COLORREF> without = SettledScreenRegion(main, area);
    ClickIcon(main, WM_LBUTTONDBLCLK);
    if (!WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000)) {
        ADD_FAILURE() << "the icon did not show it";
        return false;
    }
    SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringToFront(main);
    // The owner goes on once the window stands on the screen again. The
    // program takes in the display's reports of the hide and the show (the
    // window's focus going and coming back) only when it next waits for
    // input; a click taken before then, Apply with its upload, keeps it busy
    // for seconds, and the late report that the window lost the focus then
    // closes the next menu it opens.
    if (!WaitUntil([&] { return ScreenRegion(area) != without; }, 10000, 50)) {
        ADD_FAILURE() << "the window did not come back on the screen";
        return false;
    }
    SettledScreenRegion(main, area);
    return true;
}

std::optional<DWORD> ProgramEndToEnd::ExitFromIconMenu(HWND main) const
{
    // Keys pressed before the menu takes the keyboard are lost; the user
    // would open the menu again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!WaitForOtherWindow(main, L"#32768", 0))
            ClickIcon(main, WM_RBUTTONUP);
        if (!WaitForOtherWindow(main, L"#32768"))
            return std::nullopt;
        e2e::PressKey(VK_DOWN);
        e2e::PressKey(VK_RETURN);
        if (const std::optional<DWORD> exitCode = program->WaitForExit(5000))
            return exitCode;
    }
    return std::nullopt;
}
