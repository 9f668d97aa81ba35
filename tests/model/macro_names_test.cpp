#include "model/macro_names.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<CString>;

TEST(NextMacroName, FollowsTheNumberAfterTheFirstUnderscoreOfTheLastName)
{
    EXPECT_EQ(NextMacroName({}, L"Macro"), L"Macro_1");
    EXPECT_EQ(NextMacroName({L"Macro_1", L"Macro_2", L"Macro_3"}, L"Macro"), L"Macro_4");
    EXPECT_EQ(NextMacroName({L"x", L"Macro_12"}, L"Macro"), L"Macro_13");
    EXPECT_EQ(NextMacroName({L"Macro_9", L"plain"}, L"Macro"), L"Macro_3") << "no underscore: count + 1";
    EXPECT_EQ(NextMacroName({L"a_b_5"}, L"Makro"), L"Makro_1") << "no number right after the first underscore";
    EXPECT_EQ(NextMacroName({L"x_2147483647"}, L"宏"), L"宏_2147483648") << "no overflow";
    EXPECT_EQ(NextMacroName({}, L""), L"_1") << "a language without a word";
}

TEST(NextMacroName, PassesOverNumbersAlreadyTakenInAnyLetterCase)
{
    EXPECT_EQ(NextMacroName({L"MACRO_4", L"macro_5", L"Macro_3"}, L"Macro"), L"Macro_6");
    EXPECT_EQ(NextMacroName({L"Macro_3", L"Macro_1", L"b"}, L"Macro"), L"Macro_4") << "count + 1 is 4, then 4 is free";
    EXPECT_EQ(NextMacroName({L"Macro_4", L"c", L"b"}, L"Macro"), L"Macro_5");
}

TEST(IsAcceptableMacroName, RefusesNamesThatWouldHarmTheStore)
{
    const Names names = {L"Alpha", L"Beta", L"宏_1"};
    for (const CString& bad : {CString(L""), CString(L"   "), CString(L"MacroName"), CString(L"macroNAME"),
                               CString(L"BETA"), CString(L" Beta "), CString(L"a[b"), CString(L"a]b"), CString(L"a=b"),
                               CString(L"a\tb"), CString(L"a\nb"), CString(L"\x7F")})
        EXPECT_FALSE(IsAcceptableMacroName(names, 0, bad)) << testing::PrintToString(bad.str());
    EXPECT_TRUE(IsAcceptableMacroName(names, 0, L"alpha")) << "its own name in another case";
    EXPECT_TRUE(IsAcceptableMacroName(names, 1, L"Beta"));
    EXPECT_TRUE(IsAcceptableMacroName(names, 0, L"巨集 2; (copy)"));
    EXPECT_FALSE(IsAcceptableMacroName(names, 0, L"宏_1"));
}

}  // namespace
