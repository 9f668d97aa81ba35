#include "device/read_thread.h"

#include "classlib/debug_output.h"
#include "classlib/win_app.h"
#include "device/device_events.h"
#include "device/hid_backend.h"
#include "device/hid_link.h"
#include "messages.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

HWND g_hMainWnd = nullptr;
CWinThread* g_pReadThread = nullptr;

namespace {

// The stop signal: a manual-reset event that stays set once a stop is
// requested, so that no wake-up can be lost. Created once, closed when the
// program ends.
class StopSignal {
public:
    ~StopSignal()
    {
        if (m_event)
            CloseHandle(m_event);
    }
    bool Reset()
    {
        if (!m_event)
            m_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        return m_event && ResetEvent(m_event);
    }
    void Set() const
    {
        if (m_event)
            SetEvent(m_event);
    }
    bool IsSet() const { return m_event && WaitForSingleObject(m_event, 0) == WAIT_OBJECT_0; }
    HANDLE get() const { return m_event; }

private:
    HANDLE m_event = nullptr;
};

StopSignal g_stop;

// Waits for the read event or the stop signal; true when woken by the read
// event and no stop is requested.
bool WaitForReadEvent()
{
    const HANDLE handles[] = {g_ovRead.hEvent, g_stop.get()};
    const DWORD count = handles[1] ? 2 : 1;
    WaitForMultipleObjects(count, handles, FALSE, INFINITE);
    return !g_stop.IsSet();
}

// True once the read on `device` is over, with the bytes it brought.
bool ReadIsOver(HidBackend& hid, HANDLE device, DWORD& transferred)
{
    transferred = 0;
    return hid.GetOverlappedResult(device, &g_ovRead, &transferred, FALSE) || GetLastError() != ERROR_IO_INCOMPLETE;
}

enum class ReadOutcome { Over, DeviceClosed, Stop };

// Waits until the read started on `device` is over. The read event may also
// be signalled while the read still runs (by a search, or by the arrival
// handling that wakes a thread waiting for the mouse); the thread then waits
// on, so that the buffer and g_ovRead never serve two reads at once.
ReadOutcome WaitForRead(HidBackend& hid, HANDLE device, DWORD& transferred)
{
    for (;;) {
        if (!WaitForReadEvent())
            return ReadOutcome::Stop;
        if (g_bDeviceOpen == 0)
            return ReadOutcome::DeviceClosed;
        if (ReadIsOver(hid, device, transferred))
            return ReadOutcome::Over;
        // The event is cleared only between two checks, so a completion in
        // between is still seen.
        ResetEvent(g_ovRead.hEvent);
        if (ReadIsOver(hid, device, transferred))
            return ReadOutcome::Over;
    }
}

// A read the thread started on `device` must be over before the thread
// starts another or ends: the driver would otherwise write into the receive
// buffer after it is gone.
void FinishPendingRead(HidBackend& hid, HANDLE device)
{
    DWORD transferred = 0;
    if (ReadIsOver(hid, device, transferred))
        return;
    {
        // A handle no longer current was cancelled by whoever closed it, and
        // its value may already belong to another object.
        const ReadHandleLock lock(ReadHandleLock::Shared);
        if (device == g_hDevRead.load())
            hid.CancelIo(device);
    }
    for (;;) {
        if (ReadIsOver(hid, device, transferred))
            return;
        ResetEvent(g_ovRead.hEvent);
        if (ReadIsOver(hid, device, transferred))
            return;
        WaitForSingleObject(g_ovRead.hEvent, INFINITE);
    }
}

bool IsEventReport(const std::vector<uint8_t>& buffer)
{
    return buffer[0] == kEventReportByte0 && buffer[1] == kEventReportByte1;
}

}  // namespace

UINT __cdecl ReadThreadFun(LPVOID /*pParam*/)
{
    HidBackend& hid = Hid();
    // The input report length of the event collection found by the search
    // that let the thread start. The driver refuses a read into a buffer
    // shorter than one report, so the buffer holds a whole one.
    const DWORD readLength = g_wInputReportLen;
    // Zeroed once; not cleared between reads.
    std::vector<uint8_t> buffer(std::max<size_t>(kReadBufferSize, readLength), 0);
    // The handle of a read started and not yet collected.
    HANDLE readDevice = nullptr;
    const auto finish = [&] {
        if (readDevice)
            FinishPendingRead(hid, readDevice);
        readDevice = nullptr;
    };

    for (;;) {
        ResetEvent(g_ovRead.hEvent);
        if (g_stop.IsSet())
            break;

        if (g_bDeviceOpen != 1 || !IsDeviceHandleValid(g_hDevRead.load())) {
            // Until a search opens the event collection and signals the event.
            if (!WaitForReadEvent())
                break;
            continue;
        }

        finish();
        HANDLE device = nullptr;
        bool started = false;
        {
            const ReadHandleLock lock(ReadHandleLock::Shared);
            device = g_hDevRead.load();
            started = g_bDeviceOpen == 1 && IsDeviceHandleValid(device) &&
                      (hid.ReadOverlapped(device, buffer.data(), readLength, &g_ovRead) ||
                       GetLastError() == ERROR_IO_PENDING);
        }
        if (!started) {
            // Not started (the mouse closed meanwhile, or a handle of a mouse
            // that is gone): g_ovRead still holds the outcome of the read
            // before, which must not be taken for a new report. Wait for a
            // search to open the mouse again.
            if (!WaitForReadEvent())
                break;
            continue;
        }
        readDevice = device;
        DWORD transferred = 0;
        const ReadOutcome outcome = WaitForRead(hid, device, transferred);
        if (outcome == ReadOutcome::Stop)
            break;
        // With the mouse gone the read may still be pending; it is finished
        // before the next one starts.
        if (outcome == ReadOutcome::DeviceClosed)
            continue;
        readDevice = nullptr;
        if (transferred == 0 || !IsEventReport(buffer))
            continue;

        const uint8_t code = buffer[kEventCodeOffset];
        const uint8_t value = buffer[kEventValueOffset];
        if (g_stop.IsSet())
            break;
        SendMessageW(g_hMainWnd, WM_DEVICE_NOTIFY, code, value);
        DebugTrace(L"ReadThreadFun ReadBuffer[2]:0x%02x,ReadBuffer[3]:0x%02x\n", code, value);
    }
    finish();
    return 0;
}

namespace {

// Keeps the thread object after its function returns, so that the stop can
// wait for its handle.
std::unique_ptr<CWinThread> g_readThreadOwner;

// Waits until `thread` has ended, handling the messages that other threads
// send to this thread's windows meanwhile.
void WaitForThreadEnd(HANDLE thread)
{
    for (;;) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0 + 1)
            return;
    }
}

}  // namespace

BOOL CreateReadThread(LPVOID mainWindow)
{
    g_ovRead.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!g_ovRead.hEvent || !g_stop.Reset()) {
        DebugTrace(L"CreateEvent failed.");
        return FALSE;
    }
    CWinThread* thread = AfxBeginThread(ReadThreadFun, mainWindow, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        return FALSE;
    thread->m_bAutoDelete = FALSE;
    g_readThreadOwner.reset(thread);
    g_pReadThread = thread;
    return TRUE;
}

void ResumeReadThread()
{
    if (!g_pReadThread)
        return;
    g_pReadThread->ResumeThread();
    // The search signals the event before it marks the link open; a thread
    // that looked at the flag in between waits for this second signal.
    if (g_ovRead.hEvent)
        SetEvent(g_ovRead.hEvent);
}

void StopReadThread()
{
    if (g_readThreadOwner) {
        g_stop.Set();
        // A thread still suspended runs only to see the stop.
        DWORD previousCount = 0;
        do
            previousCount = g_readThreadOwner->ResumeThread();
        while (previousCount > 1 && previousCount != static_cast<DWORD>(-1));
        WaitForThreadEnd(g_readThreadOwner->m_hThread);
        g_pReadThread = nullptr;
        g_readThreadOwner.reset();
    }
    if (g_ovRead.hEvent) {
        CloseHandle(g_ovRead.hEvent);
        g_ovRead.hEvent = nullptr;
    }
}
