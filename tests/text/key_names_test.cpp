#include "text/key_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::wstring Str(const CString& s)
{
    return s.str();
}

bool IsNamedUsage(int usage)
{
    return (usage >= 0x04 && usage <= 0x63) || usage == 0x65 || (usage >= 0xE0 && usage <= 0xE7) ||
           (usage >= 0xF0 && usage <= 0xF2);
}

}  // namespace

TEST(KeyNames, VirtualKeyNamesAtTheEdges)
{
    // clang-format off
    struct Case { uint32_t code; const wchar_t* name; };
    const Case cases[] = {
        {0x0D, L"Enter"}, {0x6C, L"Num Enter"}, {0xA0, L"Shift"}, {0xA1, L"Right Shift"},
        {0xA2, L"Ctrl"}, {0xA5, L"Right Alt"}, {0xF1, L"L-Button"}, {0xF5, L"Button 5"},
        {0x08, L"Backspace"}, {0x30, L"0"}, {0x5A, L"Z"}, {0x7B, L"F12"}, {0xDC, L"\\"},
        {0xC0, L"`"}, {0x5D, L"App"},
        // Unnamed: generic modifiers, below 0x08, gaps, above 0xF5.
        {0x10, L""}, {0x11, L""}, {0x12, L""}, {0x07, L""}, {0x00, L""}, {0xE2, L""},
        {0x2A, L""}, {0x3A, L""}, {0xF6, L""}, {0xFF, L""}, {0x1F1, L""}, {0xFFFFFFFF, L""},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Str(GetKeyStr(c.code)), c.name) << std::hex << c.code;
}

TEST(KeyNames, TheTwoLookupsDifferOnlyWhereIntended)
{
    EXPECT_EQ(KeyNameToHidUsage(L"App"), 0x65);
    EXPECT_EQ(KeyNameToHidUsage(L"Application"), 0x65);
    EXPECT_EQ(KeyNameToHidUsage(L"Left GUI"), 0);
    EXPECT_EQ(MacroKeyNameToHidUsage(L"App"), 0x65);
    EXPECT_EQ(MacroKeyNameToHidUsage(L"Application"), 0);
    EXPECT_EQ(MacroKeyNameToHidUsage(L"Left GUI"), 0xE3);
    EXPECT_EQ(MacroKeyNameToHidUsage(L"Left Windows"), 0xE3);

    for (const wchar_t* unknown :
         {L"", L"a", L"enter", L"Enter ", L"Select", L"Execute", L"Help", L"Button 4", L"Button 5", L"N/A"}) {
        EXPECT_EQ(KeyNameToHidUsage(unknown), 0) << unknown;
        EXPECT_EQ(MacroKeyNameToHidUsage(unknown), 0) << unknown;
    }
}

TEST(KeyNames, UsagesOfTheKeyboardPageLandmarks)
{
    // One name per run of consecutive usages, so a shifted run shows.
    // clang-format off
    struct Case { const wchar_t* name; uint8_t usage; };
    const Case cases[] = {
        {L"A", 0x04}, {L"Z", 0x1D}, {L"1", 0x1E}, {L"0", 0x27}, {L"Enter", 0x28}, {L"Space", 0x2C},
        {L"-", 0x2D}, {L"\\", 0x31}, {L"Eurpo(Note 2)", 0x32}, {L";", 0x33}, {L"/", 0x38},
        {L"Caps Lock", 0x39}, {L"F1", 0x3A}, {L"F12", 0x45}, {L"Prnt Scrn", 0x46},
        {L"Page Down", 0x4E}, {L"Right", 0x4F}, {L"Up", 0x52}, {L"Num Lock", 0x53},
        {L"Num Enter", 0x58}, {L"Num 1", 0x59}, {L"Num 0", 0x62}, {L"Num Del", 0x63},
        {L"Ctrl", 0xE0}, {L"Left Windows", 0xE3}, {L"Right Ctrl", 0xE4}, {L"Right Windows", 0xE7},
        // Mouse buttons: usages 0xF0.. where their virtual-key codes are 0xF1..
        {L"L-Button", 0xF0}, {L"M-Button", 0xF2},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(KeyNameToHidUsage(c.name), c.usage) << c.name;
        EXPECT_EQ(MacroKeyNameToHidUsage(c.name), c.usage) << c.name;
    }
}

TEST(KeyNames, EveryCapturedKeyNameReachesTheMouseTheSameWayInBothLookups)
{
    const std::set<std::wstring> withoutUsage = {L"Select", L"Execute", L"Help", L"Button 4", L"Button 5"};
    int named = 0;
    for (uint32_t code = 0; code <= 0x1FF; ++code) {
        const CString name = GetKeyStr(code);
        if (name.IsEmpty())
            continue;
        ++named;
        const uint8_t usage = KeyNameToHidUsage(name);
        EXPECT_EQ(MacroKeyNameToHidUsage(name), usage) << Str(name);
        EXPECT_EQ(usage == 0, withoutUsage.count(Str(name)) == 1) << Str(name);
        EXPECT_NE(Str(name), L"Eurpo(Note 2)");
    }
    EXPECT_GT(named, 100);
}

TEST(KeyNames, UsageNamesRoundTripAndTheRestAreNotAvailable)
{
    for (int usage = 0; usage <= 0xFF; ++usage) {
        const CString name = HidUsageToKeyName(static_cast<uint8_t>(usage));
        if (!IsNamedUsage(usage)) {
            EXPECT_EQ(Str(name), L"N/A") << std::hex << usage;
            continue;
        }
        EXPECT_NE(Str(name), L"N/A") << std::hex << usage;
        EXPECT_EQ(KeyNameToHidUsage(name), usage) << Str(name);
    }
    EXPECT_EQ(Str(HidUsageToKeyName(0x65)), L"Application");
    EXPECT_EQ(Str(HidUsageToKeyName(0xE3)), L"Left Windows");
    EXPECT_EQ(Str(HidUsageToKeyName(0x32)), L"Eurpo(Note 2)");
}

TEST(KeyNames, ShortcutsPressTheirLetterAndIndexesOutsideGiveZero)
{
    const wchar_t* letters[] = {L"N", L"X", L"C", L"V", L"S", L"P", L"F", L"Y", L"Z", L"A"};
    for (int i = 0; i < kShortcutCount; ++i)
        EXPECT_EQ(Str(HidUsageToKeyName(ShortcutIndexToUsage(i))), letters[i]) << i;
    EXPECT_EQ(ShortcutIndexToUsage(10), 0);
    EXPECT_EQ(ShortcutIndexToUsage(-1), 0);
}

TEST(KeyNames, MultimediaUsagesAndIndexesOutsideGiveZero)
{
    EXPECT_EQ(MultimediaIndexToUsage(0), 0x83);
    EXPECT_EQ(MultimediaIndexToUsage(4), 0xCD);
    EXPECT_EQ(MultimediaIndexToUsage(7), 0xEA);
    EXPECT_EQ(MultimediaIndexToUsage(8), 0);
    EXPECT_EQ(MultimediaIndexToUsage(-1), 0);
}
