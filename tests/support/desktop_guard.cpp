#include "support/desktop_guard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The one guard that is in force; a second one on the same thread would
// report every window twice.
DesktopGuard* g_activeGuard = nullptr;

bool IsTopLevel(HWND window)
{
    return ::IsWindow(window) && (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
}

void ReportWindow(HWND window, const char* what)
{
    wchar_t className[64] = {};
    wchar_t title[64] = {};
    ::GetClassNameW(window, className, 64);
    ::GetWindowTextW(window, title, 64);
    const auto narrow = [](const wchar_t* text) {
        std::string out;
        for (const wchar_t* c = text; *c; ++c)
            out += *c < 0x80 ? static_cast<char>(*c) : '?';
        return out;
    };
    ADD_FAILURE() << "a test outside the desktop set " << what << " the top-level window \"" << narrow(title)
                  << "\" (class " << narrow(className)
                  << "): it takes the display from the test that holds it; declare this test executable with "
                     "rv417_uses_desktop";
}

LRESULT CALLBACK OnWindowCreationEvent(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && IsTopLevel(reinterpret_cast<HWND>(wParam)))
        ReportWindow(reinterpret_cast<HWND>(wParam), "activated");
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnWindowCall(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && IsTopLevel(call->hwnd))
        ReportWindow(call->hwnd, "showed");
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DesktopGuard::DesktopGuard()
{
    if (g_activeGuard)
        return;
    g_activeGuard = this;
    const DWORD thread = ::GetCurrentThreadId();
    m_creation = ::SetWindowsHookExW(WH_CBT, OnWindowCreationEvent, nullptr, thread);
    m_calls = ::SetWindowsHookExW(WH_CALLWNDPROC, OnWindowCall, nullptr, thread);
    if (!m_creation || !m_calls)
        ADD_FAILURE() << "the desktop guard could not hook this thread's windows";
}

DesktopGuard::~DesktopGuard()
{
    if (g_activeGuard != this)
        return;
    if (m_creation)
        ::UnhookWindowsHookEx(m_creation);
    if (m_calls)
        ::UnhookWindowsHookEx(m_calls);
    g_activeGuard = nullptr;
}

bool TestHoldsTheDesktop()
{
    wchar_t value[8] = {};
    return ::GetEnvironmentVariableW(L"RV417_TEST_USES_DESKTOP", value, 8) > 0 && value[0] == L'1';
}
