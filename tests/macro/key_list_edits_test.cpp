#include "macro/key_list_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Found by the test framework next to KeyListEdit.
void PrintTo(const KeyListEdit& edit, std::ostream* out)
{
    *out << "{changed " << edit.changed << ", selection " << edit.selection << "}";
}

namespace {

using Lines = std::vector<CString>;

struct Case {
    const char* name;
    Lines before;
    int selection;
    Lines after;
    KeyListEdit result;
};

const Lines kKeys = {L"A   Dn", L"20 ms", L"A   Up"};

TEST(KeyListEdits, InsertingAButtonPutsPressAndReleaseAfterTheSelectedLine)
{
    const std::vector<Case> cases = {
        {"after a key line the release is selected",
         kKeys,
         0,
         {L"A   Dn", L"L-Button   Dn", L"L-Button   Up", L"20 ms", L"A   Up"},
         {true, 2}},
        {"after a pause the press is selected",
         kKeys,
         1,
         {L"A   Dn", L"20 ms", L"L-Button   Dn", L"L-Button   Up", L"A   Up"},
         {true, 2}},
        {"after the last line",
         kKeys,
         2,
         {L"A   Dn", L"20 ms", L"A   Up", L"L-Button   Dn", L"L-Button   Up"},
         {true, 4}},
        {"an empty list gets them as its lines and is written",
         {},
         -1,
         {L"L-Button   Dn", L"L-Button   Up"},
         {true, -1}},
        {"no selection in a list with lines", kKeys, -1, kKeys, {false, -1}},
        {"a selection past the end", kKeys, 3, kKeys, {false, 3}},
    };
    for (const Case& c : cases) {
        Lines lines = c.before;
        EXPECT_EQ(InsertMouseButton(lines, c.selection, MacroMouseButton::Left), c.result) << c.name;
        EXPECT_EQ(lines, c.after) << c.name;
    }
}

TEST(KeyListEdits, EachButtonHasItsOwnLines)
{
    Lines lines;
    InsertMouseButton(lines, -1, MacroMouseButton::Middle);
    EXPECT_EQ(lines, (Lines{L"M-Button   Dn", L"M-Button   Up"}));
    InsertMouseButton(lines, 1, MacroMouseButton::Right);
    EXPECT_EQ(lines, (Lines{L"M-Button   Dn", L"M-Button   Up", L"R-Button   Dn", L"R-Button   Up"}));
}

TEST(KeyListEdits, APauseGoesBeforeTheSelectedLineOnlyBetweenTwoKeyLines)
{
    const Lines keys = {L"A   Dn", L"A   Up", L"B   Dn"};
    const std::vector<Case> cases = {
        {"between two key lines", keys, 1, {L"A   Dn", L"50 ms", L"A   Up", L"B   Dn"}, {true, 2}},
        {"the first line", keys, 0, keys, {false, 0}},
        {"the selected line is a pause", kKeys, 1, kKeys, {false, 1}},
        {"the line before is a pause", kKeys, 2, kKeys, {false, 2}},
        {"no selection", keys, -1, keys, {false, -1}},
        // Any line holding "ms" counts as a pause.
        {"a key whose name holds ms", {L"A   Dn", L"Rms   Dn"}, 1, {L"A   Dn", L"Rms   Dn"}, {false, 1}},
    };
    for (const Case& c : cases) {
        Lines lines = c.before;
        EXPECT_EQ(InsertPause(lines, c.selection), c.result) << c.name;
        EXPECT_EQ(lines, c.after) << c.name;
    }
}

TEST(KeyListEdits, DeletingNeedsASelection)
{
    Lines lines = kKeys;
    EXPECT_EQ(DeleteLine(lines, -1), (KeyListEdit{false, -1}));
    EXPECT_EQ(DeleteLine(lines, 1), (KeyListEdit{true, -1}));
    EXPECT_EQ(lines, (Lines{L"A   Dn", L"A   Up"}));
    EXPECT_EQ(DeleteLine(lines, 2), (KeyListEdit{false, 2}));
}

}  // namespace
