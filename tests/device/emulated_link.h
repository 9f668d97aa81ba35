#pragma once
// A test fixture that puts the emulated mouse behind the HID link and a
// virtual clock behind every pause, and collects the debug texts.

#include "classlib/debug_output.h"
#include "device/clock.h"
#include "device/emulated/emulated_mouse.h"
#include "device/hid_link.h"
#include "device/single_commands.h"
#include "model/device_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A manual-reset event, closed when the object goes.
class TestEvent {
public:
    TestEvent() : m_handle(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~TestEvent() { CloseHandle(m_handle); }
    TestEvent(const TestEvent&) = delete;
    TestEvent& operator=(const TestEvent&) = delete;
    HANDLE get() const { return m_handle; }
    bool IsSet() const { return WaitForSingleObject(m_handle, 0) == WAIT_OBJECT_0; }

private:
    HANDLE m_handle;
};

class EmulatedLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CloseDeviceHandles();
        g_wFeatureReportLen = g_wCmdInputReportLen = g_wInputReportLen = 0;
        g_strDevicePath.Empty();
        g_ovRead = OVERLAPPED{};
        g_DevImage = DeviceImage{};
        m_previousSink = SetDebugSink([this](const std::wstring& text) { texts.push_back(text); });
    }

    void TearDown() override
    {
        CloseDeviceHandles();
        g_ovRead = OVERLAPPED{};
        SetDebugSink(m_previousSink);
    }

    // The log entries of one kind.
    std::vector<EmulatedLogEntry> Logged(EmulatedLogKind kind) const
    {
        std::vector<EmulatedLogEntry> entries;
        for (const EmulatedLogEntry& e : mouse.Log())
            if (e.Kind == kind)
                entries.push_back(e);
        return entries;
    }

    EmulatedMouse mouse;
    VirtualClock clock;
    std::vector<std::wstring> texts;

private:
    ScopedHidBackend m_useMouse{mouse};
    ScopedClock m_useClock{clock};
    DebugSink m_previousSink;
};

inline std::vector<uint8_t> Bytes(std::initializer_list<int> values)
{
    std::vector<uint8_t> bytes;
    for (int v : values)
        bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}
