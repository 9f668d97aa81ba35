// A long session on the real main window: rounds of opening and closing
// the assignment menu, every settings-panel section, the profile list and
// the macro manager. What the windows make they give back: the process's
// GDI objects, its windows and its working set stay where the first rounds left
// them. A round takes about a quarter of a second under Wine, so the suite
// runs a short session; RV417_SOAK_ROUNDS asks for a longer one (1000 for
// the full soak).

#include "main_window_helpers.h"

#include "app/config_dialog.h"
#include "app/main_window_globals.h"
#include "pages/panel_layout.h"
#include "skin/menu_test_helpers.h"
#include "support/gdi_object_count.h"

#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>

using namespace apptest;

namespace {

constexpr int kDefaultRounds = 60;
constexpr int kWarmUpRounds = 10;

int Rounds()
{
    wchar_t text[16]{};
    if (::GetEnvironmentVariableW(L"RV417_SOAK_ROUNDS", text, 16) == 0)
        return kDefaultRounds;
    return std::max(kWarmUpRounds + 1, _wtoi(text));
}
constexpr SIZE_T kMemoryGrowthAllowed = 4u * 1024u * 1024u;

struct Usage {
    int gdiObjects = 0;
    int windows = 0;
    SIZE_T workingSet = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(window, &CountChild, count);
    return TRUE;
}

Usage MeasureUsage()
{
    Usage usage;
    usage.gdiObjects = GdiObjectCount();
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&usage.windows));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        usage.workingSet = counters.WorkingSetSize;
    return usage;
}

class Soak : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetLanguage(L"EN");
    }

    void Round(int round)
    {
        // The assignment menu of one of the boxes after the first (which
        // holds the one Click and shows a message instead), closed with Esc.
        menutest::QueueKeys(*window, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
        PressButton(window->m_btnAssign[static_cast<size_t>(1 + round % (kAssignBoxCount - 1))]);
        PumpPending();

        // Each section of the settings panel opened and closed.
        using Toggle = void (CDlgadvance::*)(int);
        constexpr std::array<Toggle, kSectionCount> toggles{
            &CDlgadvance::ToggleDpiSection,         &CDlgadvance::ToggleLightingSection,
            &CDlgadvance::ToggleReportRateSection,  &CDlgadvance::ToggleMouseSpeedSection,
            &CDlgadvance::ToggleDoubleClickSection, &CDlgadvance::ToggleWheelSpeedSection,
            &CDlgadvance::ToggleAngleSnapSection};
        for (const Toggle toggle : toggles) {
            (window->m_dlgPanel.*toggle)(0);
            (window->m_dlgPanel.*toggle)(1);
        }
        PumpPending();

        PressButton(window->m_btnConfig);
        window->CloseProfileList();
        PumpPending();

        // The macro manager, run modally and cancelled.
        PressButton(window->m_btnMacroManager);
        PumpPending();
    }
};

}  // namespace

TEST_F(Soak, ResourcesStayFlatOverManyRounds)
{
    const int rounds = Rounds();
    ASSERT_TRUE(Open());
    PressButton(window->m_btnButtonAssign);
    DialogWatch cancelManager([this](CWnd& dialog) {
        if (&dialog == &window->m_dlgMacroManager)
            dialog.PostMessage(WM_COMMAND, IDCANCEL);
    });

    for (int round = 0; round < kWarmUpRounds; ++round)
        Round(round);
    const Usage before = MeasureUsage();
    // The profile list and the macro manager each open once a round.
    ASSERT_EQ(cancelManager.opened, 2 * kWarmUpRounds);

    for (int round = kWarmUpRounds; round < rounds; ++round)
        Round(round);
    const Usage after = MeasureUsage();

    EXPECT_EQ(cancelManager.opened, 2 * rounds);
    EXPECT_EQ(g_pConfigDlg, nullptr);
    EXPECT_EQ(after.windows, before.windows);
    if (before.gdiObjects >= 0) {
        EXPECT_LE(after.gdiObjects, before.gdiObjects) << "GDI objects";
    }
    EXPECT_LE(after.workingSet, before.workingSet + kMemoryGrowthAllowed)
        << "working set " << before.workingSet << " -> " << after.workingSet;
    std::printf("soak: %d rounds, GDI %d -> %d, windows %d -> %d, working set %zu KB -> %zu KB\n", rounds,
                before.gdiObjects, after.gdiObjects, before.windows, after.windows, before.workingSet / 1024,
                after.workingSet / 1024);
}
