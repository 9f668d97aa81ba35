// Real time the link spends on one 128-byte write to the emulated mouse, with
// the protocol's pauses taken by a virtual clock. The link's own share must
// stay under 1 % of the 200 ms those pauses take per transfer. Counted: the
// transfers the mouse received whole, the command frame and its two chunks.

#include "bench_report.h"
#include "device/clock.h"
#include "device/emulated/emulated_mouse.h"
#include "device/hid_link.h"
#include "model/device_records.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

// Transfers in `log` that arrived whole: a command frame followed by the
// `chunks` data chunks it announced.
long WholeTransfers(const std::vector<EmulatedLogEntry>& log, size_t chunks)
{
    long whole = 0;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].Kind != EmulatedLogKind::FeatureSet)
            continue;
        size_t received = 0;
        while (i + 1 + received < log.size() && log[i + 1 + received].Kind == EmulatedLogKind::OutputChunk)
            ++received;
        if (received == chunks)
            ++whole;
        i += received;
    }
    return whole;
}

}  // namespace

int wmain()
{
    constexpr int kTransfers = 100;
    constexpr double kProtocolPauseMs = 200.0;
    constexpr double kBudgetMs = kProtocolPauseMs / 100.0;
    constexpr size_t kChunksPerTransfer = 2;  // 128 bytes, 64 to a chunk

    EmulatedMouse mouse;
    VirtualClock clock;
    ScopedHidBackend useMouse(mouse);
    ScopedClock useClock(clock);
    if (!FindDevice()) {
        std::fprintf(stderr, "the emulated mouse was not found\n");
        return 1;
    }

    mouse.ClearLog();
    std::array<uint8_t, kTransferBufferSize> transfer{};
    for (size_t i = 0; i < kDeviceRecordSize; ++i)
        transfer[i] = static_cast<uint8_t>(i * 3);

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int n = 0; n < kTransfers; ++n) {
        DeviceCommand command{};
        command.Code = kCmdWriteProfileBlock;
        command.Arg1 = 1;
        command.Arg2 = kRecordTransferLength;
        SendCommandWithData(command, transfer);
    }
    QueryPerformanceCounter(&end);
    CloseDeviceHandles();

    const double totalMs =
        1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    const double perTransferMs = totalMs / kTransfers;
    const bool stored = mouse.StoredProfileBlock(1).has_value() && mouse.Errors().empty();
    const long whole = WholeTransfers(mouse.Log(), kChunksPerTransfer);
    std::printf(
        "128-byte write, %d transfers: %.4f ms real time per transfer "
        "(%.3f %% of the %.0f ms of protocol pauses; budget %.1f ms); %ld received whole%s\n",
        kTransfers, perTransferMs, 100.0 * perTransferMs / kProtocolPauseMs, kProtocolPauseMs, kBudgetMs, whole,
        stored ? "" : " -- the mouse did not store the block");
    ReportAtMost("hid_link.write_128_bytes", perTransferMs, "ms", kBudgetMs, {whole, kTransfers, "transfers"});
    return stored ? 0 : 1;
}
