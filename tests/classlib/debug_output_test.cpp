#include "classlib/debug_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(DebugTrace, FormatsAndReachesTheSink)
{
    std::vector<std::wstring> seen;
    const DebugSink previous = SetDebugSink([&](const std::wstring& text) { seen.push_back(text); });
    DebugTrace(L"HidP_GetCaps failed.");
    DebugTrace(L"%s: %d\n", L"count", 12);
    SetDebugSink(previous);
    DebugTrace(L"not captured");

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], L"HidP_GetCaps failed.");
    EXPECT_EQ(seen[1], L"count: 12\n");
}
