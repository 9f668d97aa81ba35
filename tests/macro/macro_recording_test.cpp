#include "macro/macro_recording.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Lines = std::vector<CString>;

TEST(MacroRecording, TheHookTakesEachPressAndReleaseOnceAndLetsRepeatsPass)
{
    struct Step {
        uint32_t vk;
        uint32_t flags;
        std::optional<RecordedKey> taken;
    };
    constexpr uint32_t kInjected = LLKHF_INJECTED;
    const std::vector<Step> steps = {
        {'A', 0, RecordedKey{'A', false}},
        {'A', 0, std::nullopt},          // auto-repeat
        {'A', kInjected, std::nullopt},  // other flags do not count
        {'B', 0, RecordedKey{'B', false}},
        {'A', LLKHF_UP, RecordedKey{'A', true}},
        {'B', LLKHF_UP, RecordedKey{'B', true}},
        {VK_RCONTROL, LLKHF_EXTENDED, RecordedKey{VK_RCONTROL, false}},
        {VK_RCONTROL, LLKHF_EXTENDED | LLKHF_UP, RecordedKey{VK_RCONTROL, true}},
        // The keypad Enter is named by its own code, and held it is
        // recorded once like any key.
        {VK_RETURN, LLKHF_EXTENDED, RecordedKey{kKeypadEnterVk, false}},
        {VK_RETURN, LLKHF_EXTENDED, std::nullopt},
        {VK_RETURN, LLKHF_EXTENDED | LLKHF_UP, RecordedKey{kKeypadEnterVk, true}},
        {VK_RETURN, 0, RecordedKey{VK_RETURN, false}},
    };
    LastHookEvent last;
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(TakeHookEvent(steps[i].vk, steps[i].flags, last), steps[i].taken) << "step " << i;
}

TEST(MacroRecording, PausesAreTheTickDifferenceHeldTo65535)
{
    EXPECT_EQ(RecordedPauseMs(1120, 1000), 120u);
    EXPECT_EQ(RecordedPauseMs(1000, 1000), 0u);
    EXPECT_EQ(RecordedPauseMs(1000 + 65535, 1000), 65535u);
    EXPECT_EQ(RecordedPauseMs(1000 + 65536, 1000), 65535u);
    EXPECT_EQ(RecordedPauseMs(0x7FFFFFFF, 0), 65535u) << "would print negative as %d";
    EXPECT_EQ(RecordedPauseMs(5, 0xFFFFFFF0), 21u) << "the tick count wrapped";
}

TEST(MacroRecording, LinesOfAnEventWithAndWithoutDelays)
{
    struct Case {
        const wchar_t* key;
        bool release;
        bool first;
        bool delays;
        DWORD pause;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {L"A", false, true, true, 900, {L"A   Dn"}},
        {L"A", true, true, true, 900, {L"A   Up"}},  // a release can open a recording too
        {L"A", true, false, true, 120, {L"120 ms", L"A   Up"}},
        {L"Right Ctrl", false, false, true, 0, {L"0 ms", L"Right Ctrl   Dn"}},
        {L"A", true, false, false, 120, {L"A   Up"}},
        {L"", false, false, false, 0, {L"   Dn"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecordedLines(c.key, c.release, c.first, c.delays, c.pause), c.lines) << c.key;
}

}  // namespace
