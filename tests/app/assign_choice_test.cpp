// What each item of the button-assignment menu writes into the record and
// which caption it gives, in each language; the rule that keeps one Click
// button.

#include "app/assign_choice.h"

#include "text/function_catalogues.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>

namespace {

// A record whose every byte is set, so that a stray write shows.
SettingsRecord Filled()
{
    SettingsRecord record;
    std::memset(&record, 0x5A, sizeof(record));
    return record;
}

using FieldOf = std::function<uint8_t&(SettingsRecord&, size_t button)>;

struct Choice {
    UINT id;
    uint8_t type;
    FieldOf field;  // null when the type has no parameter
    uint8_t value;
    const wchar_t* english;
};

uint8_t& Dpi(SettingsRecord& r, size_t i)
{
    return r.DpiFunction[i];
}
uint8_t& Media(SettingsRecord& r, size_t i)
{
    return r.MediaUsage[i];
}
uint8_t& Shortcut(SettingsRecord& r, size_t i)
{
    return r.ShortcutUsage[i];
}
uint8_t& System(SettingsRecord& r, size_t i)
{
    return r.SystemFunction[i];
}

// clang-format off
const Choice kChoices[] = {
    {2001, 0, nullptr, 0, L"Click"},
    {2002, 1, nullptr, 0, L"Menu"},
    {2003, 2, nullptr, 0, L"Scroll "},
    {2004, 3, nullptr, 0, L"Forward"},
    {2005, 4, nullptr, 0, L"Back"},
    {2006, 5, nullptr, 0, L"Double-Click"},
    {2009, 17, nullptr, 0, L"Fn"},
    {2010, 18, nullptr, 0, L"Snipe"},
    {2013, 13, nullptr, 0, L"Deactivated"},
    {2020, 6, Dpi, 1, L"DPI +"},
    {2021, 6, Dpi, 2, L"DPI -"},
    {2022, 6, Dpi, 3, L"DPI Loop"},
    {2030, 9, System, 0, L"My computer"},
    {2036, 9, System, 6, L"Run"},
    {2050, 7, Media, 0x83, L"Open Media Player"},
    {2057, 7, Media, 0xEA, L"Volume Down"},
    {2060, 8, Shortcut, 0x11, L"New"},
    {2069, 8, Shortcut, 0x04, L"Select All"},
};
// clang-format on

class AssignChoice : public testing::Test {
protected:
    void SetUp() override { g_TextTable.Load(L"EN"); }
    void TearDown() override
    {
        g_TextTable = CTextTable{};
        g_strDpiActions = {L"DPI +", L"DPI -", L"DPI Loop"};
    }
};

}  // namespace

// Every item writes its type and only its own parameter field, for the
// button it was opened for, and gives its English caption.
TEST_F(AssignChoice, EachItemWritesItsTypeOnlyItsParameterAndItsCaption)
{
    for (const Choice& choice : kChoices) {
        SCOPED_TRACE(choice.id);
        for (size_t button : {size_t{0}, size_t{4}, size_t{6}}) {
            SettingsRecord record = Filled();
            SettingsRecord expected = record;
            expected.ButtonFunction[button] = choice.type;
            if (choice.field)
                choice.field(expected, button) = choice.value;

            const auto caption = ApplyMenuChoice(record, static_cast<int>(button), choice.id, L"EN");
            ASSERT_TRUE(caption.has_value());
            EXPECT_EQ(*caption, choice.english);
            EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0) << "button " << button;
        }
    }
}

// The captions come from the running language's texts and the catalogues of
// the language code; "Fn" is the same in every language, and a code without
// texts gives empty texts but the English catalogues.
TEST_F(AssignChoice, CaptionsFollowTheLanguage)
{
    struct Expected {
        const wchar_t* code;
        const wchar_t* back;        // 2005
        const wchar_t* media0;      // 2050
        const wchar_t* shortcut3;   // 2063
        const wchar_t* windows5;    // 2035
        const wchar_t* deactivate;  // 2013
    };
    const Expected languages[] = {
        {L"EN", L"Back", L"Open Media Player", L"Paste", L"Show desktop", L"Deactivated"},
        {L"CHS", nullptr, L"多媒体播放器", L"粘贴", L"显示桌面", L"按键关闭"},
        {L"CHT", nullptr, L"開啟媒體播放器", L"貼上", L"顯示桌面", L"無作用"},
        {L"DE", nullptr, L"Mediaplayer öffnen", L"Einfügen", L"Desktop anzeigen", L"Deaktiviert"},
        {L"XX", L"", L"Open Media Player", L"Paste", L"Show desktop", L""},
    };
    for (const Expected& language : languages) {
        SCOPED_TRACE(language.code);
        g_TextTable = CTextTable{};
        g_TextTable.Load(language.code);
        SettingsRecord record{};
        const auto caption = [&](UINT id) { return ApplyMenuChoice(record, 2, id, language.code).value_or(L"?"); };
        EXPECT_EQ(caption(2005), language.back ? CString(language.back) : g_TextTable.Get(502));
        EXPECT_NE(caption(2005), L"?");
        EXPECT_EQ(caption(2050), language.media0);
        EXPECT_EQ(caption(2063), language.shortcut3);
        EXPECT_EQ(caption(2035), language.windows5);
        EXPECT_EQ(caption(2013), language.deactivate);
        EXPECT_EQ(caption(2009), L"Fn");
    }
}

// The DPI items name the actions as start-up copied them from the text table.
TEST_F(AssignChoice, DpiCaptionsAreTheCopiedActionNames)
{
    g_strDpiActions = {L"DPI hoch", L"DPI runter", L"DPI Schleife"};
    SettingsRecord record{};
    EXPECT_EQ(ApplyMenuChoice(record, 1, 2022, L"DE"), CString(L"DPI Schleife"));
    EXPECT_EQ(record.DpiFunction[1], 3);
    EXPECT_EQ(record.ButtonFunction[1], 6);
}

// Ids of the range that are no choice of this menu (the help menu's
// version item, the gaps, the dialog items handled by the window) and
// buttons outside 0..6 change nothing.
TEST_F(AssignChoice, OtherIdsAndButtonsChangeNothing)
{
    const SettingsRecord filled = Filled();
    for (UINT id : {1001u, 1003u, 2000u, 2007u, 2008u, 2011u, 2012u, 2014u, 2023u, 2037u, 2049u, 2058u, 2070u, 4000u}) {
        SettingsRecord record = Filled();
        EXPECT_FALSE(ApplyMenuChoice(record, 3, id, L"EN").has_value()) << id;
        EXPECT_EQ(std::memcmp(&record, &filled, sizeof record), 0) << id;
    }
    for (int button : {-1, 7, 100}) {
        SettingsRecord record = Filled();
        EXPECT_FALSE(ApplyMenuChoice(record, button, 2005, L"EN").has_value()) << button;
        EXPECT_EQ(std::memcmp(&record, &filled, sizeof record), 0) << button;
    }
}

// The last Click button keeps its menu shut; with two Click buttons either
// may change.
TEST_F(AssignChoice, OnlyTheLastClickButtonIsRefused)
{
    SettingsRecord record{};
    record.ButtonFunction = {0, 1, 2, 17, 18, 6, 6};
    EXPECT_TRUE(IsLastClickButton(record, 0));
    for (int button = 1; button < kButtonCount; ++button)
        EXPECT_FALSE(IsLastClickButton(record, button)) << button;

    record.ButtonFunction[1] = 0;
    EXPECT_FALSE(IsLastClickButton(record, 0));
    EXPECT_FALSE(IsLastClickButton(record, 1));
    EXPECT_FALSE(IsLastClickButton(record, -1));
    EXPECT_FALSE(IsLastClickButton(record, 7));
}
