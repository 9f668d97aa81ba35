#include "macro/macro_program_dialog.h"

#include "macro/macro_manager_helpers.h"
#include "macro/macro_manager_layout.h"
#include "macro/macro_recording.h"
#include "messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace macrotest;
using namespace macro_manager;

const std::wstring kTwoMacros =
    L"[MacroName]\r\nMacroCount=2\r\n0=a\r\n1=b\r\n"
    L"[a]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=Q   Dn\r\n"
    L"[b]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=3\r\nItemCount=1\r\nItem0=W   Dn\r\n";

class MacroRecordingWindow : public MacroManagerTest {
protected:
    MacroRecordingWindow() { WriteStore(kTwoMacros); }

    void ClickRecord() { ClickAt(Screen(Centre(kRecordRect))); }
    // Starts recording the selected macro with the Record button.
    void StartRecording()
    {
        ClickRecord();
        ASSERT_TRUE(PumpUntil([] { return g_bRecordOn == 1; })) << "recording did not start";
    }
    void StopRecording()
    {
        ClickRecord();
        ASSERT_TRUE(PumpUntil([] { return g_bRecordOn == 0; })) << "recording did not stop";
    }
    // Pumps until the key list holds `count` lines.
    bool KeysArrive(size_t count)
    {
        return PumpUntil([&] { return Keys().size() >= count; });
    }
    // The section of macro `name` as the file holds it.
    Lines Section(const std::wstring& name) const
    {
        const Lines lines = FileLines();
        Lines section;
        bool inside = false;
        for (const std::wstring& line : lines) {
            if (!line.empty() && line[0] == L'[')
                inside = line == L"[" + name + L"]";
            else if (inside)
                section.push_back(line);
        }
        return section;
    }
};

TEST_F(MacroRecordingWindow, APressAndReleaseAreRecordedWithTheirPause)
{
    RunModal([&] {
        EXPECT_EQ(g_bDelayOption, 1) << "macro a records delays";
        StartRecording();
        EXPECT_NE(g_hMacroRecordHook, nullptr);
        EXPECT_EQ(dialog.m_btnRecord.GetCaption(), L"Stop Recording");
        EXPECT_EQ(dialog.m_btnRecord.checked, 1);
        EXPECT_TRUE(Keys().empty()) << "recording replaces the lines";

        PressKey('A');
        ASSERT_TRUE(KeysArrive(1));
        m_clock.Advance(120);
        ReleaseKey('A');
        ASSERT_TRUE(KeysArrive(3));
        EXPECT_EQ(Keys(), (Lines{L"A   Dn", L"120 ms", L"A   Up"}));
        EXPECT_EQ(::SendMessageW(KeyList(), LB_GETCURSEL, 0, 0), 2) << "the last line is selected";

        StopRecording();
        EXPECT_EQ(g_hMacroRecordHook, nullptr);
        EXPECT_EQ(dialog.m_btnRecord.GetCaption(), L"Start Recording");
        EXPECT_EQ(dialog.m_btnRecord.checked, 0);
        EXPECT_EQ(g_nRecordPhase, 2);
        EXPECT_EQ(Section(L"a"), (Lines{L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=3", L"Item0=A   Dn",
                                        L"Item1=120 ms", L"Item2=A   Up"}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, WithoutDelaysOnlyKeyLinesAndEveryKeyKeepsItsOwnName)
{
    RunModal([&] {
        ClickItem(NameList(), 1);  // b records no delays
        EXPECT_EQ(g_bDelayOption, 0);
        StartRecording();
        // A chord sent at once: every event arrives before the first is
        // handled.
        SendInputs({KeyInput(VK_LCONTROL, false), KeyInput('K', false), KeyInput(VK_RCONTROL, false, true),
                    KeyInput('K', true), KeyInput(VK_RCONTROL, true, true), KeyInput(VK_LCONTROL, true)});
        ASSERT_TRUE(KeysArrive(6));
        EXPECT_EQ(Keys(),
                  (Lines{L"Ctrl   Dn", L"K   Dn", L"Right Ctrl   Dn", L"K   Up", L"Right Ctrl   Up", L"Ctrl   Up"}));
        StopRecording();
        EXPECT_EQ(Section(L"b")[2], L"ItemCount=6");
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, EventsPostedBeforeTheWindowHandlesThemKeepTheirKeys)
{
    RunModal([&] {
        ClickItem(NameList(), 1);
        StartRecording();
        // Two events through the hook procedure before any is handled.
        for (DWORD vk : {DWORD{'G'}, DWORD{'H'}}) {
            KBDLLHOOKSTRUCT event{vk, 0, 0, 0, 0};
            EXPECT_EQ(CMacroProgramDialog::JournalRecordHook(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&event)),
                      1)
                << "taken events are swallowed";
        }
        PumpAWhile();
        EXPECT_EQ(Keys(), (Lines{L"G   Dn", L"H   Dn"}));
        SendInputs({KeyInput('G', true), KeyInput('H', true)});
        ASSERT_TRUE(KeysArrive(4));
        StopRecording();
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, TheHookOnlyPassesOnCodesBelowZero)
{
    RunModal([&] {
        StartRecording();
        const uint32_t lastVk = g_nLastHookVk;
        KBDLLHOOKSTRUCT event{'J', 0, 0, 0, 0};
        EXPECT_EQ(CMacroProgramDialog::JournalRecordHook(-1, WM_KEYDOWN, reinterpret_cast<LPARAM>(&event)), 0);
        EXPECT_EQ(g_nLastHookVk, lastVk) << "nothing of the event is kept";
        PumpAWhile();
        EXPECT_TRUE(Keys().empty()) << "nothing is posted";
        StopRecording();
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, NoPauseBeforeTheFirstLineAndNoneAbove65535)
{
    RunModal([&] {
        // A recording ends; much later a new one begins with the release
        // of a key that was held down when it started.
        StartRecording();
        TapKey('Z');
        ASSERT_TRUE(KeysArrive(3));
        StopRecording();
        PressKey(VK_F5);
        PumpAWhile();
        m_clock.Advance(5000);
        StartRecording();
        ReleaseKey(VK_F5);
        ASSERT_TRUE(KeysArrive(1));
        m_clock.Advance(70000);
        PressKey('A');
        ASSERT_TRUE(KeysArrive(3));
        m_clock.Advance(65535);
        ReleaseKey('A');
        ASSERT_TRUE(KeysArrive(5));
        EXPECT_EQ(Keys(), (Lines{L"F5   Up", L"65535 ms", L"A   Dn", L"65535 ms", L"A   Up"}));
        StopRecording();
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, AHeldKeyIsRecordedOnce)
{
    RunModal([&] {
        ClickItem(NameList(), 1);
        StartRecording();
        // The auto-repeats of a held key repeat its press.
        SendInputs({KeyInput('R', false), KeyInput('R', false), KeyInput('R', false), KeyInput('R', true),
                    KeyInput(VK_RETURN, false, true), KeyInput(VK_RETURN, false, true),
                    KeyInput(VK_RETURN, true, true)});
        ASSERT_TRUE(KeysArrive(4));
        PumpAWhile();
        EXPECT_EQ(Keys(), (Lines{L"R   Dn", L"R   Up", L"Num Enter   Dn", L"Num Enter   Up"}));
        StopRecording();
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, TheSixtyThirdEventStopsAndLaterEventsAreDropped)
{
    RunModal([&] {
        ClickItem(NameList(), 1);
        StartRecording();
        std::vector<INPUT> keys;
        for (int i = 0; i < 35; ++i) {
            keys.push_back(KeyInput(static_cast<WORD>('A' + i % 26), false));
            keys.push_back(KeyInput(static_cast<WORD>('A' + i % 26), true));
        }
        SendInputs(keys);
        ASSERT_TRUE(PumpUntil([] { return g_bRecordOn == 0; }));
        PumpAWhile();
        EXPECT_EQ(Keys().size(), 62u);
        EXPECT_EQ(Keys().back(), L"E   Up");  // the 31st key
        EXPECT_EQ(g_hMacroRecordHook, nullptr);
        EXPECT_EQ(Section(L"b").size(), 3u + 62u) << "what the list shows is what was written";

        // An event the hook posted before it went adds nothing.
        dialog.PostMessage(WM_RECORD_KEY_EVENT, 0, 'X');
        PumpAWhile();
        EXPECT_EQ(Keys().size(), 62u);
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, SelectingAnotherMacroWritesTheRecordingWhereItBegan)
{
    RunModal([&] {
        StartRecording();
        TapKey('Y');
        ASSERT_TRUE(KeysArrive(3));
        ClickItem(NameList(), 1);
        EXPECT_EQ(g_bRecordOn, 0);
        EXPECT_EQ(g_hMacroRecordHook, nullptr);
        EXPECT_EQ(Keys(), (Lines{L"W   Dn"}));
        // The clock stood still between the two events.
        EXPECT_EQ(Section(L"a"), (Lines{L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=3", L"Item0=Y   Dn",
                                        L"Item1=0 ms", L"Item2=Y   Up"}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroRecordingWindow, EveryWayOfClosingRemovesTheHookAndWritesTheRecording)
{
    const std::pair<RECT, INT_PTR> closers[] = {{kOkRect, IDOK}, {kCancelRect, IDCANCEL}, {kCloseRect, IDCANCEL}};
    for (const auto& [closer, expected] : closers) {
        const INT_PTR result = RunModal([&] {
            StartRecording();
            TapKey('U');
            ASSERT_TRUE(KeysArrive(3));
            Click(closer);
            PumpAWhile();
        });
        EXPECT_EQ(result, expected);
        EXPECT_EQ(g_hMacroRecordHook, nullptr);
        EXPECT_EQ(g_bRecordOn, 0);
        EXPECT_EQ(Section(L"a"), (Lines{L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=3", L"Item0=U   Dn",
                                        L"Item1=0 ms", L"Item2=U   Up"}));
        WriteStore(kTwoMacros);
    }

    // A window destroyed while recording, without OK or Cancel.
    RunModal([&] {
        StartRecording();
        dialog.DestroyWindow();
    });
    EXPECT_EQ(g_hMacroRecordHook, nullptr);
}

TEST_F(MacroRecordingWindow, RecordingKeepsUpWithTyping)
{
    // 200 key events, each burst as fast as SendInput sends it; a recording
    // holds at most 62, so they go to four macros of 50 each.
    WriteStore(L"[MacroName]\r\nMacroCount=4\r\n0=m0\r\n1=m1\r\n2=m2\r\n3=m3\r\n");
    RunModal([&] {
        for (int macro = 0; macro < 4; ++macro) {
            ClickItem(NameList(), macro);
            StartRecording();
            std::vector<INPUT> burst;
            Lines expected;
            for (int i = 0; i < 25; ++i) {
                const auto key = static_cast<WORD>('A' + (i + macro) % 26);
                burst.push_back(KeyInput(key, false));
                burst.push_back(KeyInput(key, true));
                expected.push_back(std::wstring(1, static_cast<wchar_t>(key)) + L"   Dn");
                expected.push_back(std::wstring(1, static_cast<wchar_t>(key)) + L"   Up");
            }
            SendInputs(burst);
            ASSERT_TRUE(KeysArrive(50));
            PumpAWhile();
            EXPECT_EQ(Keys(), expected) << "macro " << macro;
            StopRecording();
        }
        Click(kOkRect);
        PumpAWhile();
    });
    for (int macro = 0; macro < 4; ++macro)
        EXPECT_EQ(Section(L"m" + std::to_wstring(macro))[2], L"ItemCount=50");
}

}  // namespace
