// The emulated mouse's control surface: its requests, handled as the window
// gets them from another process, and the frame log as text.

#include "device/emulated/emulated_mouse_control.h"

#include "device/clock.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LRESULT Send(HWND window, EmulatedControl request, const void* data, DWORD size)
{
    COPYDATASTRUCT copy{static_cast<ULONG_PTR>(request), size, const_cast<void*>(data)};
    return ::SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

}  // namespace

class EmulatedControlSurface : public ::testing::Test {
protected:
    EmulatedMouse mouse;
    VirtualClock clock{5000};
    ScopedClock useClock{clock};
    EmulatedMouseControl control{mouse};
};

// The control window is message-only and found there by its class (among
// those of other processes).
TEST_F(EmulatedControlSurface, WindowIsMessageOnlyAndFoundByClass)
{
    ASSERT_NE(control.Window(), nullptr);
    bool found = false;
    for (HWND window = ::FindWindowExW(HWND_MESSAGE, nullptr, kEmulatedMouseControlClass, nullptr); window;
         window = ::FindWindowExW(HWND_MESSAGE, window, kEmulatedMouseControlClass, nullptr))
        found = found || window == control.Window();
    EXPECT_TRUE(found);
}

// Plug, unplug and an event change the mouse; wrong data and unknown
// requests are refused.
TEST_F(EmulatedControlSurface, RequestsChangeTheMouseAndWrongOnesAreRefused)
{
    const HWND window = control.Window();
    EXPECT_EQ(Send(window, EmulatedControl::Unplug, nullptr, 0), 1);
    EXPECT_FALSE(mouse.IsPlugged());
    EXPECT_EQ(Send(window, EmulatedControl::Plug, nullptr, 0), 1);
    EXPECT_TRUE(mouse.IsPlugged());

    const uint8_t event[2] = {0x09, 0x02};
    EXPECT_EQ(Send(window, EmulatedControl::ReportEvent, event, 2), 1);
    const std::vector<EmulatedLogEntry> log = mouse.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().Kind, EmulatedLogKind::InputEvent);
    EXPECT_EQ(log.back().Bytes, (std::vector<uint8_t>{0x06, 0x07, 0x09, 0x02, 0, 0, 0, 0}));

    EXPECT_EQ(Send(window, EmulatedControl::ReportEvent, event, 1), 0);
    EXPECT_EQ(Send(window, EmulatedControl::ReportEvent, nullptr, 0), 0);
    EXPECT_EQ(Send(window, static_cast<EmulatedControl>(99), nullptr, 0), 0);
    EXPECT_EQ(Send(window, EmulatedControl::WriteLog, L"x", 1), 0) << "half a character";
    EXPECT_EQ(Send(window, EmulatedControl::WriteLog, nullptr, 0), 0);
    EXPECT_EQ(mouse.Log().size(), log.size());
}

// The frame log written to a file reads back entry for entry.
TEST_F(EmulatedControlSurface, FrameLogWrittenToAFileReadsBack)
{
    mouse.ReportEvent(0x01, 0x03);
    mouse.ReportEvent(0x09, 0x00);
    TempFolder folder;
    const std::wstring path = folder.file(L"log.txt");
    EXPECT_EQ(Send(control.Window(), EmulatedControl::WriteLog, path.c_str(),
                   static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))),
              1);

    const std::vector<unsigned char> bytes = ReadBinaryFile(path);
    const std::vector<EmulatedLogEntry> read =
        ParseEmulatedLog(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    const std::vector<EmulatedLogEntry> logged = mouse.Log();
    ASSERT_EQ(read.size(), logged.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].Kind, logged[i].Kind);
        EXPECT_EQ(read[i].Tick, 5000u);
        EXPECT_EQ(read[i].Bytes, logged[i].Bytes);
    }
}

TEST(EmulatedLogText, FormatsAndParsesEveryKindWithNotes)
{
    const std::vector<EmulatedLogEntry> log{
        {EmulatedLogKind::FeatureSet, 12, {0x00, 0x80, 0xFF}, ""},
        {EmulatedLogKind::FeatureGet, 13, {}, ""},
        {EmulatedLogKind::OutputChunk, 14, {0x01}, ""},
        {EmulatedLogKind::InputChunk, 15, {0x02}, ""},
        {EmulatedLogKind::InputEvent, 16, {0x06, 0x07}, ""},
        {EmulatedLogKind::Error, 4000000000u, {0xAB}, "write on a dead handle # twice"},
    };
    const std::string text = FormatEmulatedLog(log);
    EXPECT_EQ(text.substr(0, text.find('\n')), "FeatureSet 12 00 80 FF");
    const std::vector<EmulatedLogEntry> read = ParseEmulatedLog(text);
    ASSERT_EQ(read.size(), log.size());
    for (size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(read[i].Kind, log[i].Kind);
        EXPECT_EQ(read[i].Tick, log[i].Tick);
        EXPECT_EQ(read[i].Bytes, log[i].Bytes);
        EXPECT_EQ(read[i].Note, log[i].Note);
    }
}

TEST(EmulatedLogText, SkipsLinesThatAreNoEntry)
{
    const std::vector<EmulatedLogEntry> read =
        ParseEmulatedLog("Nonsense 1 00\r\nFeatureSet x 00\nFeatureSet 1 0G\nFeatureSet 1 100\n\nInputEvent 7 06\r\n");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].Kind, EmulatedLogKind::InputEvent);
    EXPECT_EQ(read[0].Tick, 7u);
    EXPECT_EQ(read[0].Bytes, std::vector<uint8_t>{0x06});
}
