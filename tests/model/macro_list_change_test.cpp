// The buttons of a profile after the macro manager has moved, renamed and
// deleted macros: each keeps the macro its caption names, under that
// macro's number and name now, or is Deactivated when the macro is gone.

#include "model/macro_list_change.h"

#include "model/device_records.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint8_t kMacro = 11;
constexpr uint8_t kDeactivated = 13;

const MacroButtonTexts kTexts{L"Macro", L"Deactivated"};

using Names = std::vector<CString>;

MacroListChange Change(std::vector<int> positionNow, Names namesNow)
{
    return MacroListChange{{L"a", L"b", L"c", L"d", L"e"}, std::move(positionNow), std::move(namesNow)};
}

}  // namespace

// Table: button 2 plays a macro with number `index` and caption `caption`
// in a profile; the manager opened with a b c d e and closed with
// `positionNow` and `namesNow`.
TEST(MacroListChange, ButtonsFollowTheMacroTheirCaptionNames)
{
    struct Case {
        const char* edit;
        MacroListChange change;
        uint8_t index;
        const wchar_t* caption;
        uint8_t type;      // expected
        uint8_t indexNow;  // expected
        const wchar_t* captionNow;
    };
    const Names kept{L"a", L"b", L"c", L"d", L"e"};
    const Names withoutB{L"a", L"c", L"d", L"e"};
    const std::vector<Case> cases{
        {"nothing changed", Change({0, 1, 2, 3, 4}, kept), 2, L"Macro:c", kMacro, 2, L"Macro:c"},
        {"b deleted, c moves up", Change({0, -1, 1, 2, 3}, withoutB), 2, L"Macro:c", kMacro, 1, L"Macro:c"},
        {"b deleted, the button on b", Change({0, -1, 1, 2, 3}, withoutB), 1, L"Macro:b", kDeactivated, 1,
         L"Deactivated"},
        {"an earlier macro stays", Change({0, -1, 1, 2, 3}, withoutB), 0, L"Macro:a", kMacro, 0, L"Macro:a"},
        {"c renamed", Change({0, 1, 2, 3, 4}, {L"a", L"b", L"cx", L"d", L"e"}), 2, L"Macro:c", kMacro, 2, L"Macro:cx"},
        {"every macro deleted", Change({-1, -1, -1, -1, -1}, {}), 4, L"Macro:e", kDeactivated, 4, L"Deactivated"},
        {"a deleted, a macro added behind", Change({-1, 0, 1, 2, 3}, {L"b", L"c", L"d", L"e", L"Macro_6"}), 4,
         L"Macro:e", kMacro, 3, L"Macro:e"},
        // The caption is what the owner sees: where number and caption
        // disagree (a profile saved while record.ini was out of step), the
        // button follows its caption.
        {"caption b on number c, a deleted", Change({-1, 0, 1, 2, 3}, {L"b", L"c", L"d", L"e"}), 2, L"Macro:b", kMacro,
         0, L"Macro:b"},
        {"caption names the macro in other letter case", Change({0, -1, 1, 2, 3}, withoutB), 1, L"Macro:D", kMacro, 2,
         L"Macro:d"},
        {"caption names d, the number lies past the list", Change({0, 1, 2, 3, 4}, kept), 9, L"Macro:d", kMacro, 3,
         L"Macro:d"},
        // A caption that names no macro of the list leaves the number to say.
        {"caption names no listed macro", Change({0, -1, 1, 2, 3}, withoutB), 3, L"Macro:zz", kMacro, 2, L"Macro:d"},
        {"caption of another language", Change({0, -1, 1, 2, 3}, withoutB), 2, L"Makro:c", kMacro, 1, L"Macro:c"},
        {"caption without a name", Change({0, -1, 1, 2, 3}, withoutB), 1, L"Macro:", kDeactivated, 1, L"Deactivated"},
        {"number and caption past the list", Change({0, 1, 2, 3, 4}, kept), 7, L"old", kMacro, 7, L"old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        SettingsRecord record{};
        record.ButtonFunction = {0, 1, kMacro, 3, 4, 5, 6};
        record.MacroIndex[2] = c.index;
        record.MacroRepeatMode[2] = 2;
        record.MacroSlot[1][0] = 0x5A;
        std::array<CString, kButtonCount> captions{L"c0", L"c1", c.caption, L"c3", L"c4", L"c5", L"c6"};
        SettingsRecord expected = record;
        expected.ButtonFunction[2] = c.type;
        expected.MacroIndex[2] = c.indexNow;

        FollowMacroListChange(c.change, kTexts, record, captions);

        EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0) << "only type and number change";
        EXPECT_EQ(captions[2], c.captionNow);
        EXPECT_EQ(captions[1], L"c1") << "other buttons keep their captions";
    }
}

// Only buttons that play a macro change; one moved past the twelve device
// slots has nothing to play and is Deactivated.
TEST(MacroListChange, OnlyMacroButtonsChangeAndTheSlotsBound)
{
    MacroListChange change;
    for (int m = 0; m < 14; ++m) {
        change.namesBefore.push_back(CString(L"m") + CString(std::to_wstring(m).c_str()));
        change.positionNow.push_back(m);
    }
    change.namesNow = change.namesBefore;
    change.positionNow[3] = 12;  // as if it had moved behind the twelfth slot
    SettingsRecord record{};
    record.ButtonFunction = {kMacro, 7, kMacro, kMacro, 0, 0, 0};
    record.MacroIndex = {3, 3, 11, 0, 0, 0, 0, 0};
    std::array<CString, kButtonCount> captions{};

    FollowMacroListChange(change, kTexts, record, captions);

    EXPECT_EQ(record.ButtonFunction[0], kDeactivated);
    EXPECT_EQ(captions[0], L"Deactivated");
    EXPECT_EQ(record.ButtonFunction[1], 7);
    EXPECT_EQ(record.MacroIndex[1], 3);
    EXPECT_EQ(captions[1], L"");
    EXPECT_EQ(captions[2], L"Macro:m11");
    EXPECT_EQ(captions[3], L"Macro:m0");
}

// Only a move, a rename or a delete of a macro the manager opened with can
// put a button out of step; macros added behind the list cannot.
TEST(MacroListChange, WhatMovesOrRenamesMacros)
{
    struct Case {
        const char* edit;
        MacroListChange change;
        bool moves;
    };
    const std::vector<Case> cases{
        {"nothing", {{L"a", L"b"}, {0, 1}, {L"a", L"b"}}, false},
        {"an empty list stays empty", {{}, {}, {}}, false},
        {"a macro added", {{L"a", L"b"}, {0, 1}, {L"a", L"b", L"c"}}, false},
        {"the last deleted", {{L"a", L"b"}, {0, -1}, {L"a"}}, true},
        {"the first deleted", {{L"a", L"b"}, {-1, 0}, {L"b"}}, true},
        {"renamed", {{L"a", L"b"}, {0, 1}, {L"a", L"x"}}, true},
        {"renamed in letter case", {{L"a", L"b"}, {0, 1}, {L"a", L"B"}}, true},
        {"positions missing", {{L"a", L"b"}, {0}, {L"a", L"b"}}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MovesOrRenamesMacros(c.change), c.moves) << c.edit;
}
