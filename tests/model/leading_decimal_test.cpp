#include "model/leading_decimal.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(LeadingDecimal, ReadsLikeTheRuntimeButSaturates)
{
    const struct {
        const wchar_t* text;
        int value;
    } cases[] = {
        {L"", 0},
        {L"abc", 0},
        {L"12abc", 12},
        {L"  42", 42},
        {L"-7", -7},
        {L"+8", 8},
        {L"50 ms", 50},
        {L"1 2", 1},
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},
        {L"99999999999999999999", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-99999999999999999999", INT_MIN},
        {L"- 5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingDecimal(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(LeadingDecimal(nullptr), 0);
}

}  // namespace
