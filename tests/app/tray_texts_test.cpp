#include "app/tray_texts.h"

#include "text/text_table.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class TrayTexts : public ::testing::Test {
protected:
    void SetUp() override { g_TextTable.Load(L"EN"); }
    void TearDown() override { g_TextTable = CTextTable{}; }
};

}  // namespace

TEST_F(TrayTexts, BalloonOfEachEvent)
{
    SettingsRecord saved{};
    saved.DpiStage = {12, 24, 48, 72, 108, 144, 216};
    struct Case {
        WPARAM code;
        LPARAM value;
        std::optional<Balloon> expected;
    };
    const Case cases[] = {
        {3, 3, Balloon{g_TextTable.Get(536) + L"(2400 DPI)", L"Info", 5000}},
        {1, 1, Balloon{g_TextTable.Get(534) + L"(600 DPI)", L"Info", 5000}},
        {2, 7, Balloon{g_TextTable.Get(540) + L"(10800 DPI)", L"Info", 5000}},
        {1, 0, std::nullopt},
        {3, 8, std::nullopt},
        {2, -1, std::nullopt},
        {9, 2, Balloon{g_TextTable.Get(545) + L"2", L"Info", 5000}},
        {9, 0, std::nullopt},
        {14, 0, Balloon{g_TextTable.Get(548), L"Info", 100}},
        {15, 5, Balloon{g_TextTable.Get(547), L"Warning", 100}},
        {4, 1, std::nullopt},
        {0, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " value " << c.value);
        const std::optional<Balloon> balloon = BalloonForEvent(c.code, c.value, saved);
        ASSERT_EQ(balloon.has_value(), c.expected.has_value());
        if (balloon) {
            EXPECT_EQ(balloon->text, c.expected->text);
            EXPECT_EQ(balloon->title, c.expected->title);
            EXPECT_EQ(balloon->timeoutMs, c.expected->timeoutMs);
        }
        EXPECT_EQ(IsDpiStageBalloon(c.code, c.value), c.code >= 1 && c.code <= 3 && c.expected.has_value());
    }
    EXPECT_EQ(g_TextTable.Get(545), L"Switch to macro key");
}

TEST(TrayTextCopies, CutToTheFieldWithItsTerminator)
{
    std::array<wchar_t, 8> field{};
    field.fill(L'#');
    CopyBounded(std::span(field).first(6), L"abcdefghij");
    EXPECT_EQ(std::wstring(field.data()), L"abcde");
    EXPECT_EQ(field[6], L'#') << "nothing past the field";

    CopyBounded(field, L"ab");
    EXPECT_EQ(std::wstring(field.data()), L"ab");
    CopyBounded(std::span<wchar_t>(), L"ab");  // an empty field takes nothing

    NOTIFYICONDATAW nid{};
    const CString longText(std::wstring(1000, L'x').c_str());
    CopyBounded(nid.szInfoTitle, longText);
    EXPECT_EQ(std::wstring(nid.szInfoTitle).size(), 63u);
    EXPECT_EQ(nid.dwInfoFlags, 0u) << "the field after it is untouched";
}

TEST(TrayDeviceNames, ArrivalAndRemovalForms)
{
    const wchar_t* upper = L"\\\\?\\HID#VID_04D9&PID_A10D&MI_01&Col01#8&2f1c0a3b&0&0000#{4d1e55b2}";
    EXPECT_TRUE(IsArrivalDeviceName(upper));
    EXPECT_TRUE(IsRemovalDeviceName(upper));
    EXPECT_TRUE(IsArrivalDeviceName(L"x VID_04d9&PID_a10d y"));
    EXPECT_FALSE(IsRemovalDeviceName(L"x VID_04d9&PID_a10d y"));
    // Only the removal answers to this form.
    EXPECT_FALSE(IsArrivalDeviceName(L"x Vid_04d9&Pid_a10d y"));
    EXPECT_TRUE(IsRemovalDeviceName(L"x Vid_04d9&Pid_a10d y"));
    EXPECT_FALSE(IsArrivalDeviceName(L"HID#VID_04D9&PID_A10E"));
    EXPECT_FALSE(IsArrivalDeviceName(nullptr));
    EXPECT_FALSE(IsRemovalDeviceName(nullptr));
}

TEST(TrayDpiText, StageTimesFifty)
{
    EXPECT_EQ(DpiText(72), L"(3600 DPI)");
    EXPECT_EQ(DpiText(0), L"(0 DPI)");
    EXPECT_EQ(DpiText(255), L"(12750 DPI)");
}
