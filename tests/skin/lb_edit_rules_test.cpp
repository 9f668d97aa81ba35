#include "skin/lb_edit_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The committed text as a standard string, which failures print readably.
std::optional<std::wstring> Committed(std::uint8_t context, const wchar_t* typed, const wchar_t* start,
                                      const std::vector<CString>& items, int index)
{
    const auto text = CommittedItemText(context, typed, start, items, index);
    return text ? std::optional<std::wstring>(text->str()) : std::nullopt;
}

TEST(DelayEdit, TypedPauseIsReadAndHeldWithinTheCap)
{
    const struct {
        const wchar_t* typed;
        int expected;
    } cases[] = {
        {L"120", 120},
        {L"0", 0},
        {L"", 0},
        {L"abc", 0},
        {L"50 ms", 50},
        {L"65535", 65535},
        {L"65536", 65535},
        {L"70000", 65535},
        {L"4294967296", 65535},                  // would wrap to 0 in 32 bits
        {L"99999999999999999999999999", 65535},  // far beyond any integer
        {L"-5", 0},                              // pasted past the digits-only filter
        {L"12abc34", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDelayMs(c.typed), c.expected) << testing::PrintToString(std::wstring(c.typed));
}

TEST(DelayEdit, CommittedDelayLineReadsValueAndMs)
{
    const std::vector<CString> items{L"A   Dn", L"50 ms", L"A   Up"};
    EXPECT_EQ(Committed(kEditMacroDelay, L"120", L"50 ms", items, 1), std::optional<std::wstring>(L"120 ms"));
    EXPECT_EQ(Committed(kEditMacroDelay, L"70000", L"50 ms", items, 1), std::optional<std::wstring>(L"65535 ms"));
    EXPECT_EQ(Committed(kEditMacroDelay, L"x", L"50 ms", items, 1), std::optional<std::wstring>(L"0 ms"));
}

TEST(NameEdit, ProfileNameMustDifferExactlyFromEveryItem)
{
    const std::vector<CString> items{L"Profile 1", L"Profile 2", L"Game"};
    const wchar_t* start = L"Profile 2";
    const struct {
        const wchar_t* typed;
        const wchar_t* expected;
    } cases[] = {
        {L"Shooter", L"Shooter"},
        {L"Game", L"Profile 2"},       // another profile's name: the old name stays
        {L"Profile 2", L"Profile 2"},  // its own name: unchanged
        {L"GAME", L"GAME"},            // letter case makes a different name
        {L"", L""},                    // nothing else is checked
        {L"[x]=1", L"[x]=1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Committed(kEditProfileName, c.typed, start, items, 1), std::optional<std::wstring>(c.expected))
            << testing::PrintToString(std::wstring(c.typed));
    }
}

TEST(NameEdit, MacroNameMustAlsoBeOneTheMacroStoreAccepts)
{
    const std::vector<CString> items{L"Macro_1", L"Macro_2", L"Combo"};
    const wchar_t* start = L"Macro_2";
    // clang-format off
    const struct {
        const wchar_t* typed;
        const wchar_t* expected;
    } cases[] = {
        {L"Reload", L"Reload"},
        {L"Combo", L"Macro_2"},
        {L"COMBO", L"Macro_2"},      // the store's names ignore letter case
        {L"MACRO_2", L"MACRO_2"},    // its own name in other letters is fine
        {L"", L"Macro_2"},
        {L"   ", L"Macro_2"},
        {L"MacroName", L"Macro_2"},  // the section that lists the names
        {L"a[b", L"Macro_2"},
        {L"a]b", L"Macro_2"},
        {L"a=b", L"Macro_2"},
        {L"a\tb", L"Macro_2"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Committed(kEditMacroName, c.typed, start, items, 1), std::optional<std::wstring>(c.expected))
            << testing::PrintToString(std::wstring(c.typed));
    }
}

TEST(NameEdit, OtherContextsChangeNothing)
{
    const std::vector<CString> items{L"one"};
    for (unsigned context : {0u, 4u, 255u})
        EXPECT_EQ(Committed(static_cast<std::uint8_t>(context), L"two", L"one", items, 0), std::nullopt);
}

}  // namespace
