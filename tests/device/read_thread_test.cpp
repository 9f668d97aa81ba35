#include "emulated_link.h"

#include "classlib/win_app.h"
#include "device/read_thread.h"
#include "messages.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Notification = std::pair<WPARAM, LPARAM>;

// What the test window received, on the test thread.
std::vector<Notification> g_received;

LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DEVICE_NOTIFY) {
        g_received.emplace_back(wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Passes every call to the emulated mouse and signals each overlapped read
// the thread starts, with the length it asked for.
class ReadWatchingBackend final : public HidBackend {
public:
    explicit ReadWatchingBackend(EmulatedMouse& mouse) : m_mouse(mouse) {}
    ~ReadWatchingBackend() override { CloseHandle(m_readStarted); }

    // Waits (at most a few seconds) for the next read the thread starts.
    bool WaitForRead() { return WaitForSingleObject(m_readStarted, 5000) == WAIT_OBJECT_0; }
    DWORD LastReadLength() const { return m_lastLength; }
    // Forgets a read started before, so that WaitForRead waits for the next.
    void ForgetReads() { ResetEvent(m_readStarted); }
    // The next read fails at once, as on the handle of a mouse that is gone.
    void FailNextRead() { m_failNextRead = true; }

    std::unique_ptr<HidInterfaceList> GetPresentInterfaces() override { return m_mouse.GetPresentInterfaces(); }
    HANDLE Open(const std::wstring& path, DWORD access, DWORD flags) override
    {
        return m_mouse.Open(path, access, flags);
    }
    BOOL Close(HANDLE handle) override { return m_mouse.Close(handle); }
    BOOL GetAttributes(HANDLE handle, HIDD_ATTRIBUTES& attributes) override
    {
        return m_mouse.GetAttributes(handle, attributes);
    }
    std::unique_ptr<HidPreparsedData> GetPreparsedData(HANDLE handle) override
    {
        return m_mouse.GetPreparsedData(handle);
    }
    BOOL SetFeature(HANDLE handle, void* report, ULONG length) override
    {
        return m_mouse.SetFeature(handle, report, length);
    }
    BOOL GetFeature(HANDLE handle, void* report, ULONG length) override
    {
        return m_mouse.GetFeature(handle, report, length);
    }
    BOOL Write(HANDLE handle, const void* report, DWORD length, DWORD* written) override
    {
        return m_mouse.Write(handle, report, length, written);
    }
    BOOL Read(HANDLE handle, void* report, DWORD length, DWORD* read) override
    {
        return m_mouse.Read(handle, report, length, read);
    }
    BOOL ReadOverlapped(HANDLE handle, void* report, DWORD length, OVERLAPPED* overlapped) override
    {
        BOOL result = FALSE;
        DWORD error = ERROR_DEVICE_NOT_CONNECTED;
        if (!m_failNextRead.exchange(false)) {
            result = m_mouse.ReadOverlapped(handle, report, length, overlapped);
            error = GetLastError();
        }
        m_lastLength = length;
        SetEvent(m_readStarted);
        SetLastError(error);
        return result;
    }
    BOOL GetOverlappedResult(HANDLE handle, OVERLAPPED* overlapped, DWORD* transferred, BOOL wait) override
    {
        return m_mouse.GetOverlappedResult(handle, overlapped, transferred, wait);
    }
    BOOL CancelIo(HANDLE handle) override { return m_mouse.CancelIo(handle); }

private:
    EmulatedMouse& m_mouse;
    HANDLE m_readStarted = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<DWORD> m_lastLength{0};
    std::atomic<bool> m_failNextRead{false};
};

class ReadThreadTest : public EmulatedLinkTest {
protected:
    void SetUp() override
    {
        EmulatedLinkTest::SetUp();
        g_received.clear();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RecordingWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ReadThreadTestWindow";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                   nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(m_window, nullptr);
        g_hMainWnd = m_window;
    }

    void TearDown() override
    {
        StopReadThread();
        DestroyWindow(m_window);
        g_hMainWnd = nullptr;
        EmulatedLinkTest::TearDown();
    }

    void StartThread(bool resumed)
    {
        ASSERT_TRUE(CreateReadThread(m_window));
        ASSERT_NE(g_pReadThread, nullptr);
        if (resumed)
            g_pReadThread->ResumeThread();
    }

    // Stops the thread; false when it has not ended.
    bool StopThread()
    {
        if (!g_pReadThread)
            return false;
        const HANDLE thread = g_pReadThread->m_hThread;
        HANDLE copy = nullptr;
        DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0);
        StopReadThread();
        const bool ended = WaitForSingleObject(copy, 0) == WAIT_OBJECT_0;
        CloseHandle(copy);
        return ended && g_pReadThread == nullptr && g_ovRead.hEvent == nullptr;
    }

    // Handles this thread's messages until `count` notifications are in, or
    // a few seconds have passed.
    void PumpUntil(size_t count)
    {
        const ULONGLONG deadline = GetTickCount64() + 5000;
        while (g_received.size() < count) {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline)
                break;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
    }

    // Every test goes through it; TearDown ends the thread before it goes.
    ReadWatchingBackend watcher{mouse};
    ScopedHidBackend useWatcher{watcher};
    HWND m_window = nullptr;
};

}  // namespace

TEST_F(ReadThreadTest, EventsOfAMousePresentAtStartArriveInOrderAndOtherReportsAreDropped)
{
    ASSERT_TRUE(FindDevice());
    StartThread(true);

    const uint8_t wrongSecond[] = {0x06, 0x08, 0x01, 0x01};
    const uint8_t wrongFirst[] = {0x07, 0x07, 0x02, 0x01};
    mouse.ReportEvent(1, 2);
    mouse.ReportInput(wrongSecond);
    mouse.ReportEvent(9, 2);
    mouse.ReportInput(wrongFirst);
    mouse.ReportEvent(3, 7);
    PumpUntil(3);

    EXPECT_EQ(g_received, (std::vector<Notification>{{1, 2}, {9, 2}, {3, 7}}));
    ASSERT_TRUE(StopThread());
    EXPECT_EQ(std::count(texts.begin(), texts.end(), L"ReadThreadFun ReadBuffer[2]:0x09,ReadBuffer[3]:0x02\n"), 1);
    EXPECT_TRUE(mouse.Errors().empty());
}

TEST_F(ReadThreadTest, ThreadLeftSuspendedWithoutTheMouseRunsAfterTheFirstArrival)
{
    mouse.Unplug();
    EXPECT_FALSE(FindDevice());
    g_bDeviceOpen = 0;
    StartThread(false);

    mouse.Plug();
    ASSERT_TRUE(FindDevice());
    ResumeReadThread();
    // A later arrival resumes it again, which does nothing to a running thread.
    ResumeReadThread();

    mouse.ReportEvent(2, 4);
    PumpUntil(1);
    EXPECT_EQ(g_received, (std::vector<Notification>{{2, 4}}));
}

TEST_F(ReadThreadTest, UnpluggingSendsNothingAndEventsFollowTheNextArrival)
{
    ASSERT_TRUE(FindDevice());
    StartThread(true);
    mouse.ReportEvent(2, 5);
    PumpUntil(1);

    mouse.Unplug();
    // The removal handling searches again and finds nothing.
    g_bDeviceOpen = FindDevice();
    EXPECT_FALSE(g_bDeviceOpen);

    // The arrival handling: a search, the link marked open, the thread let run.
    mouse.Plug();
    ASSERT_TRUE(FindDevice());
    g_bDeviceOpen = TRUE;
    ResumeReadThread();
    mouse.ReportEvent(1, 3);
    PumpUntil(2);
    // Neither the removal nor the report read before it gave a message.
    EXPECT_EQ(g_received, (std::vector<Notification>{{2, 5}, {1, 3}}));
}

TEST_F(ReadThreadTest, AReadThatCannotStartRepeatsNoEarlierReport)
{
    ASSERT_TRUE(FindDevice());
    StartThread(true);
    ASSERT_TRUE(watcher.WaitForRead());
    watcher.FailNextRead();
    mouse.ReportEvent(2, 5);
    PumpUntil(1);
    ASSERT_TRUE(watcher.WaitForRead());

    // Woken while no read runs, as by a search.
    ResumeReadThread();
    ASSERT_TRUE(watcher.WaitForRead());
    mouse.ReportEvent(1, 3);
    PumpUntil(2);
    EXPECT_EQ(g_received, (std::vector<Notification>{{2, 5}, {1, 3}}));
}

TEST_F(ReadThreadTest, ThreadWaitingForTheMouseRunsWhateverTheMomentOfTheArrival)
{
    // The search wakes the thread before it marks the link open; the thread
    // may look at the link in between. The arrival handling wakes it again.
    ASSERT_TRUE(FindDevice());
    g_bDeviceOpen = FALSE;
    StartThread(true);
    mouse.ReportEvent(3, 3);

    g_bDeviceOpen = TRUE;
    ResumeReadThread();
    PumpUntil(1);
    EXPECT_EQ(g_received, (std::vector<Notification>{{3, 3}}));
}

TEST_F(ReadThreadTest, ReadsWholeReportsOfAnyLengthTheEventCollectionHas)
{
    // The driver refuses a read shorter than the collection's input report,
    // so a buffer of fewer bytes would lose every event.
    const std::pair<USHORT, DWORD> cases[] = {{8, 8}, {40, 40}, {41, 41}, {64, 64}, {0x200, 0x200}};
    for (const auto& [reportLength, expectedRead] : cases) {
        SCOPED_TRACE(testing::Message() << "report length " << reportLength);
        std::vector<EmulatedInterface> interfaces = EmulatedMouse::StandardInterfaces(EmulatedMouse::Order::EventFirst);
        for (EmulatedInterface& i : interfaces)
            if (i.Role == EmulatedRole::EventCollection)
                i.InputReportByteLength = reportLength;
        mouse.SetInterfaces(interfaces);
        ASSERT_TRUE(FindDevice());
        g_received.clear();
        // The read the thread of the case before started after its event.
        watcher.ForgetReads();

        StartThread(true);
        ASSERT_TRUE(watcher.WaitForRead());
        EXPECT_EQ(watcher.LastReadLength(), expectedRead);
        mouse.ReportEvent(2, 6);
        PumpUntil(1);
        EXPECT_EQ(g_received, (std::vector<Notification>{{2, 6}}));
        ASSERT_TRUE(StopThread());
        CloseDeviceHandles();
        EXPECT_TRUE(mouse.Errors().empty());
        mouse.ClearLog();
    }
}

TEST_F(ReadThreadTest, StopEndsAThreadWaitingForAReportAndCancelsItsRead)
{
    ASSERT_TRUE(FindDevice());
    StartThread(true);
    ASSERT_TRUE(watcher.WaitForRead());
    EXPECT_EQ(mouse.PendingReadCount(), 1u);

    ASSERT_TRUE(StopThread());
    // No read is left to complete into the ended thread's buffer.
    EXPECT_EQ(mouse.PendingReadCount(), 0u);
    // Handles can be closed after it; a report then reaches nobody.
    CloseDeviceHandles();
    mouse.ReportEvent(1, 1);
    EXPECT_TRUE(g_received.empty());
}

TEST_F(ReadThreadTest, StopEndsAThreadWaitingForTheMouseAndOneNeverResumed)
{
    mouse.Unplug();
    g_bDeviceOpen = FindDevice();
    StartThread(true);
    ASSERT_TRUE(StopThread());

    StartThread(false);
    ASSERT_TRUE(StopThread());
    EXPECT_TRUE(g_received.empty());
}

TEST_F(ReadThreadTest, StopWhileTheThreadWaitsInItsSendDeliversThatEventAndEnds)
{
    ASSERT_TRUE(FindDevice());
    StartThread(true);
    mouse.ReportEvent(9, 1);
    // The thread's send is now waiting for this thread, which does not pump.
    ASSERT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 5000, QS_SENDMESSAGE), WAIT_OBJECT_0);

    ASSERT_TRUE(StopThread());
    EXPECT_EQ(g_received, (std::vector<Notification>{{9, 1}}));
}
