#include "device/emulated/emulated_mouse_control.h"

#include "storage/win32_handle.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

namespace {

constexpr std::array<std::pair<EmulatedLogKind, std::string_view>, 6> kKindNames{{
    {EmulatedLogKind::FeatureSet, "FeatureSet"},
    {EmulatedLogKind::FeatureGet, "FeatureGet"},
    {EmulatedLogKind::OutputChunk, "OutputChunk"},
    {EmulatedLogKind::InputChunk, "InputChunk"},
    {EmulatedLogKind::InputEvent, "InputEvent"},
    {EmulatedLogKind::Error, "Error"},
}};

std::string_view KindName(EmulatedLogKind kind)
{
    for (const auto& [k, name] : kKindNames)
        if (k == kind)
            return name;
    return "Error";
}

std::optional<EmulatedLogKind> KindOf(std::string_view name)
{
    for (const auto& [k, known] : kKindNames)
        if (known == name)
            return k;
    return std::nullopt;
}

// The next blank-separated word of `text`, removed from it.
std::string_view NextWord(std::string_view& text)
{
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(start);
    const size_t end = std::min(text.find(' '), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

std::optional<EmulatedLogEntry> ParseLine(std::string_view line)
{
    std::string_view note;
    if (const size_t mark = line.find(" # "); mark != std::string_view::npos) {
        note = line.substr(mark + 3);
        line = line.substr(0, mark);
    }
    const std::optional<EmulatedLogKind> kind = KindOf(NextWord(line));
    const std::string_view tickWord = NextWord(line);
    DWORD tick = 0;
    if (!kind || std::from_chars(tickWord.data(), tickWord.data() + tickWord.size(), tick).ec != std::errc{})
        return std::nullopt;
    EmulatedLogEntry entry{*kind, tick, {}, std::string(note)};
    for (std::string_view word = NextWord(line); !word.empty(); word = NextWord(line)) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
        if (error != std::errc{} || end != word.data() + word.size() || value > 0xFF)
            return std::nullopt;
        entry.Bytes.push_back(static_cast<uint8_t>(value));
    }
    return entry;
}

bool WriteTextFile(const std::wstring& path, const std::string& text)
{
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        auto* mouse = reinterpret_cast<EmulatedMouse*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const auto* request = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        return mouse && request ? EmulatedMouseControl::Handle(*mouse, *request) : 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterControlClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &ControlProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kEmulatedMouseControlClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

EmulatedMouseControl::EmulatedMouseControl(EmulatedMouse& mouse)
{
    RegisterControlClass();
    m_window = CreateWindowExW(0, kEmulatedMouseControlClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (m_window)
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&mouse));
}

EmulatedMouseControl::~EmulatedMouseControl()
{
    if (m_window)
        DestroyWindow(m_window);
}

LRESULT EmulatedMouseControl::Handle(EmulatedMouse& mouse, const COPYDATASTRUCT& request)
{
    const auto* data = static_cast<const uint8_t*>(request.lpData);
    switch (static_cast<EmulatedControl>(request.dwData)) {
    case EmulatedControl::Plug:
        mouse.Plug();
        return 1;
    case EmulatedControl::Unplug:
        mouse.Unplug();
        return 1;
    case EmulatedControl::ReportEvent:
        if (request.cbData != 2 || !data)
            return 0;
        mouse.ReportEvent(data[0], data[1]);
        return 1;
    case EmulatedControl::WriteLog: {
        if (request.cbData < sizeof(wchar_t) || request.cbData % sizeof(wchar_t) != 0 || !data)
            return 0;
        std::wstring path(static_cast<const wchar_t*>(request.lpData), request.cbData / sizeof(wchar_t));
        path.resize(path.find(L'\0') == std::wstring::npos ? path.size() : path.find(L'\0'));
        return !path.empty() && WriteTextFile(path, FormatEmulatedLog(mouse.Log())) ? 1 : 0;
    }
    }
    return 0;
}

std::string FormatEmulatedLog(const std::vector<EmulatedLogEntry>& log)
{
    std::string text;
    for (const EmulatedLogEntry& entry : log) {
        text += KindName(entry.Kind);
        text += ' ';
        text += std::to_string(entry.Tick);
        for (uint8_t b : entry.Bytes) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", b);
            text += hex;
        }
        if (!entry.Note.empty()) {
            text += " # ";
            text += entry.Note;
        }
        text += '\n';
    }
    return text;
}

std::vector<EmulatedLogEntry> ParseEmulatedLog(std::string_view text)
{
    std::vector<EmulatedLogEntry> entries;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (std::optional<EmulatedLogEntry> entry = ParseLine(line))
            entries.push_back(std::move(*entry));
    }
    return entries;
}
