#include "driver.h"

#include "device/emulated/emulated_mouse_control.h"

#include <psapi.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <map>
#include <string>
#include <string_view>

namespace e2e {

namespace {

constexpr wchar_t kMainWindowTitle[] = L"RV417 TALVEN";
constexpr DWORD kControlTimeoutMs = 5000;

// The environment block of this process with RV417_HID set to `hid` (or
// removed when `hid` is empty).
std::vector<wchar_t> EnvironmentWith(const std::wstring& hid)
{
    // Names compare without case, as Windows does.
    auto lessNoCase = [](const std::wstring& a, const std::wstring& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](wchar_t x, wchar_t y) { return towupper(x) < towupper(y); });
    };
    std::map<std::wstring, std::wstring, decltype(lessNoCase)> variables(lessNoCase);
    std::vector<std::wstring> hiddenEntries;  // "=C:=C:\..." and the like
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
        const std::wstring_view text(entry);
        const size_t equals = text.find(L'=', 1);
        if (text.front() == L'=' || equals == std::wstring_view::npos)
            hiddenEntries.emplace_back(text);
        else
            variables[std::wstring(text.substr(0, equals))] = std::wstring(text.substr(equals + 1));
    }
    FreeEnvironmentStringsW(block);

    variables.erase(L"RV417_HID");
    if (!hid.empty())
        variables[L"RV417_HID"] = hid;

    std::vector<wchar_t> result;
    auto append = [&](const std::wstring& entry) {
        result.insert(result.end(), entry.begin(), entry.end());
        result.push_back(L'\0');
    };
    for (const std::wstring& entry : hiddenEntries)
        append(entry);
    for (const auto& [name, value] : variables)
        append(name + L"=" + value);
    result.push_back(L'\0');
    return result;
}

std::wstring WindowClass(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

bool Matches(const WindowInfo& window, const WindowMatch& match)
{
    return (!match.visibleOnly || window.visible) && (!match.title || *match.title == window.title) &&
           (!match.className || *match.className == window.className);
}

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

void SendKey(WORD virtualKey, DWORD flags, WORD scan = 0)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan ? scan : static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

std::wstring WindowText(HWND window)
{
    // Asked of the window itself: for a window of another process the
    // system's own caption copy does not hold an edit field's contents.
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             5000, &copied))
        return {};
    return text;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        if (condition())
            return true;
        Sleep(pollMs);
    }
    return condition();
}

// --- ProgramFolder ---

ProgramFolder::ProgramFolder(const std::wstring& installed) : m_copied(CopyFolderTree(installed, m_folder.path())) {}

std::vector<unsigned char> ProgramFolder::ReadBytes(const std::wstring& name) const
{
    return ReadBinaryFile(file(name));
}

std::wstring ProgramFolder::ReadText(const std::wstring& name) const
{
    return ReadUtf16File(file(name));
}

// --- Program ---

Program::~Program()
{
    Kill();
    Close();
}

bool Program::Start(const std::wstring& executable, const Options& options)
{
    if (m_process)
        return false;
    const size_t slash = executable.find_last_of(L"\\/");
    m_folder = slash == std::wstring::npos ? std::wstring() : executable.substr(0, slash + 1);

    // Killed with the job when the driver's process ends, however it ends.
    m_job = CreateJobObjectW(nullptr, nullptr);
    if (m_job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    }

    std::wstring commandLine = L"\"" + executable + L"\"";
    std::vector<wchar_t> environment = EnvironmentWith(options.hid);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    m_startTick = GetTickCount();
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT, environment.data(),
                        m_folder.empty() ? nullptr : m_folder.c_str(), &startup, &process)) {
        Close();
        return false;
    }
    if (m_job)
        AssignProcessToJobObject(m_job, process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    m_processId = process.dwProcessId;
    return true;
}

bool Program::IsRunning() const
{
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

DWORD Program::Elapsed() const
{
    return GetTickCount() - m_startTick;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) const
{
    if (!m_process || WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(m_process, &code);
    return code;
}

std::optional<DWORD> Program::Stop(DWORD timeoutMs)
{
    if (!m_process)
        return std::nullopt;
    if (IsRunning()) {
        if (HWND main = FindWindow({kMainWindowTitle, std::nullopt, false}))
            PostMessageW(main, WM_CLOSE, 0, 0);
    }
    std::optional<DWORD> code = WaitForExit(timeoutMs);
    if (!code) {
        Kill();
        code = WaitForExit(timeoutMs);
    }
    return code;
}

void Program::Kill()
{
    if (IsRunning()) {
        TerminateProcess(m_process, kKilledExitCode);
        WaitForSingleObject(m_process, 10000);
    }
}

void Program::Close()
{
    if (m_process)
        CloseHandle(m_process);
    if (m_job)
        CloseHandle(m_job);
    m_process = nullptr;
    m_job = nullptr;
}

std::vector<WindowInfo> Program::TopLevelWindows() const
{
    struct Search {
        DWORD processId;
        std::vector<WindowInfo> found;
    } search{m_processId, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId) {
                WindowInfo info{window, WindowText(window), WindowClass(window), IsWindowVisible(window) != FALSE, {}};
                GetWindowRect(window, &info.rect);
                s.found.push_back(std::move(info));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::FindWindow(const WindowMatch& match) const
{
    for (const WindowInfo& window : TopLevelWindows())
        if (Matches(window, match))
            return window.hwnd;
    return nullptr;
}

HWND Program::WaitForWindow(const WindowMatch& match, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindow(match)) != nullptr || !IsRunning(); }, timeoutMs);
    return found;
}

HWND Program::WaitForMainWindow(DWORD timeoutMs) const
{
    return WaitForWindow({kMainWindowTitle, std::nullopt, true}, timeoutMs);
}

HWND Program::ControlWindow() const
{
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, kEmulatedMouseControlClass, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, kEmulatedMouseControlClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == m_processId)
            return window;
    }
    return nullptr;
}

bool Program::SendControl(ULONG_PTR request, const void* data, DWORD size) const
{
    const HWND control = ControlWindow();
    if (!control)
        return false;
    COPYDATASTRUCT copy{request, size, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG,
                               kControlTimeoutMs, &result) &&
           result == 1;
}

bool Program::Plug() const
{
    return SendControl(static_cast<ULONG_PTR>(EmulatedControl::Plug), nullptr, 0);
}

bool Program::Unplug() const
{
    return SendControl(static_cast<ULONG_PTR>(EmulatedControl::Unplug), nullptr, 0);
}

bool Program::ReportEvent(uint8_t code, uint8_t value) const
{
    const uint8_t data[2] = {code, value};
    return SendControl(static_cast<ULONG_PTR>(EmulatedControl::ReportEvent), data, sizeof(data));
}

std::vector<EmulatedLogEntry> Program::FrameLog() const
{
    static LONG counter = 0;
    const std::wstring path = m_folder + L"frame-log-" + std::to_wstring(InterlockedIncrement(&counter)) + L".txt";
    if (!SendControl(static_cast<ULONG_PTR>(EmulatedControl::WriteLog), path.c_str(),
                     static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))))
        return {};
    const std::vector<unsigned char> bytes = ReadBinaryFile(path);
    DeleteFileW(path.c_str());
    return ParseEmulatedLog(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

SIZE_T Program::WorkingSet() const
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!m_process || !GetProcessMemoryInfo(m_process, &counters, sizeof(counters)))
        return 0;
    return counters.WorkingSetSize;
}

// --- Input ---

POINT ClientToScreenPoint(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}

namespace {

// A screen point in the absolute coordinates of mouse input, which run from
// 0 to 65535 over the primary screen.
POINT AbsoluteInput(POINT screen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return {MulDiv(screen.x, 65535, std::max(width - 1, 1)), MulDiv(screen.y, 65535, std::max(height - 1, 1))};
}

DWORD ButtonFlag(bool down, bool right)
{
    if (right)
        return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
}

}  // namespace

void MoveMouseTo(POINT screen)
{
    const POINT absolute = AbsoluteInput(screen);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, absolute.x, absolute.y);
}

void MouseButton(bool down, bool right)
{
    SendMouse(ButtonFlag(down, right));
}

void MouseButtonAt(POINT screen, bool down, bool right)
{
    const POINT absolute = AbsoluteInput(screen);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | ButtonFlag(down, right), absolute.x, absolute.y);
}

void ClickAt(HWND window, POINT client, bool right)
{
    const POINT screen = ClientToScreenPoint(window, client);
    MoveMouseTo(screen);
    MouseButtonAt(screen, true, right);
    MouseButtonAt(screen, false, right);
}

void KeyDown(WORD virtualKey)
{
    SendKey(virtualKey, 0);
}

void KeyUp(WORD virtualKey)
{
    SendKey(virtualKey, KEYEVENTF_KEYUP);
}

void PressKey(WORD virtualKey, bool alt)
{
    if (alt)
        KeyDown(VK_MENU);
    KeyDown(virtualKey);
    KeyUp(virtualKey);
    if (alt)
        KeyUp(VK_MENU);
}

namespace {

// Wine's own call for the host's name of a file; absent on Windows.
using UnixFileNameFunction = char*(CDECL*)(LPCWSTR dosName);

UnixFileNameFunction WineUnixFileName()
{
    return reinterpret_cast<UnixFileNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

const wchar_t* KeysymOf(WORD virtualKey)
{
    switch (virtualKey) {
    case VK_ESCAPE:
        return L"Escape";
    case VK_RETURN:
        return L"Return";
    case VK_UP:
        return L"Up";
    case VK_DOWN:
        return L"Down";
    default:
        return nullptr;
    }
}

}  // namespace

KeyboardKey PressKeyOnKeyboard(WORD virtualKey, const std::wstring& executable)
{
    const UnixFileNameFunction unixFileName = WineUnixFileName();
    if (!unixFileName) {
        PressKey(virtualKey);
        return KeyboardKey::ToProgram;
    }
    const wchar_t* keysym = KeysymOf(virtualKey);
    if (!keysym)
        return KeyboardKey::NotGiven;
    // The helper runs on the host, outside Wine, which gives back no handle
    // to wait on: it leaves a file once the X server has the key.
    TempFolder folder;
    const std::wstring done = folder.file(L"done");
    char* doneOnHost = unixFileName(done.c_str());
    if (!doneOnHost)
        return KeyboardKey::NotGiven;
    std::wstring commandLine = L"python3 \"" RV417_X_KEYBOARD_SCRIPT_W L"\" ";
    commandLine += keysym;
    commandLine += L" \"" + executable + L"\" \"";
    // The temporary folder's host name is plain ASCII.
    for (const char* c = doneOnHost; *c; ++c)
        commandLine += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    commandLine += L"\"";
    HeapFree(GetProcessHeap(), 0, doneOnHost);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(L"Z:\\usr\\bin\\python3", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return KeyboardKey::NotGiven;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    std::string answer;
    WaitUntil(
        [&] {
            const std::vector<unsigned char> bytes = ReadBinaryFile(done);
            answer.assign(bytes.begin(), bytes.end());
            return answer.find('\n') != std::string::npos;
        },
        10000);
    if (answer.rfind("focused", 0) == 0)
        return KeyboardKey::ToProgram;
    if (answer.rfind("elsewhere", 0) == 0)
        return KeyboardKey::Elsewhere;
    return KeyboardKey::NotGiven;
}

void TypeText(const std::wstring& text)
{
    for (wchar_t ch : text) {
        SendKey(0, KEYEVENTF_UNICODE, ch);
        SendKey(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, ch);
    }
}

bool BringToFront(HWND window)
{
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

// --- The screen ---

COLORREF ScreenPixel(POINT screen)
{
    HDC dc = GetDC(nullptr);
    const COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
}

COLORREF ClientPixel(HWND window, POINT client)
{
    return ScreenPixel(ClientToScreenPoint(window, client));
}

std::vector<COLORREF> ScreenRegion(const RECT& screen)
{
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    if (width <= 0 || height <= 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screenDC = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screenDC);
    HBITMAP bitmap = CreateDIBSection(screenDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<COLORREF> pixels;
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screenDC, screen.left, screen.top, SRCCOPY);
        SelectObject(memory, previous);
        const auto* bgra = static_cast<const uint8_t*>(bits);
        pixels.reserve(static_cast<size_t>(width) * height);
        for (int i = 0; i < width * height; ++i)
            pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screenDC);
    return pixels;
}

RECT ClientRectOnScreen(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace e2e
