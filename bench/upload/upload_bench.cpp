// Real time of a full upload to the emulated mouse with the system clock:
// the protocol's own pauses take 3,412 ms (28 chunks of 100 ms, 10 ms after
// the profile block, 2 ms after the button table, 50 ms after each of the
// twelve macros). Everything beyond them (building the records, the link,
// the pauses' overshoot, saving the profile) must stay under 1 % of that.
// Counted: the uploads the mouse took whole, all 28 data chunks received
// and nothing refused, and the profile saves that wrote their file.

#include "bench_report.h"
#include "bench_timing.h"
#include "device/clock.h"
#include "device/emulated/emulated_mouse.h"
#include "device/hid_link.h"
#include "device/profile_upload.h"
#include "model/device_records.h"
#include "model/settings_record.h"
#include "storage/data_paths.h"
#include "storage/profile_file.h"
#include "storage/profile_store.h"
#include "text/text_table.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kProtocolPauseMs = 28 * 100 + 10 + 2 + 12 * 50;
constexpr double kBudgetMs = kProtocolPauseMs / 100.0;
constexpr int kRuns = 3;
// The profile block, the button table and the twelve macros: 128 bytes
// each, in chunks of 64.
constexpr size_t kChunksPerUpload = 14 * 2;

std::wstring g_folder;

CString BenchModulePath()
{
    return (g_folder + L"RV417 TALVEN.exe").c_str();
}

// A folder of its own under the temporary folder, with the profile file the
// upload saves into.
bool MakeFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    g_folder = std::wstring(temp) + L"rv417-upload-bench-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    if (!CreateDirectoryW(g_folder.c_str(), nullptr))
        return false;
    const ProfileFile empty{kProfileFileFlag, SettingsRecord{}};
    HANDLE file = CreateFileW((g_folder + L"config0.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, &empty, sizeof empty, &written, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return ok;
}

void RemoveFolder()
{
    for (const wchar_t* name : {L"config0.bin", L"str0.ini"})
        DeleteFileW((g_folder + name).c_str());
    RemoveDirectoryW(g_folder.c_str());
}

// The system clock, with the time each pause took beyond its length added up.
class MeasuringClock final : public Clock {
public:
    void Sleep(DWORD milliseconds) override
    {
        const double start = NowMs();
        m_system.Sleep(milliseconds);
        overshootMs += NowMs() - start - milliseconds;
    }
    DWORD GetTickCount() override { return m_system.GetTickCount(); }
    double overshootMs = 0;

private:
    SystemClock m_system;
};

// One upload, its time in `ms`, and whether the mouse took it whole.
bool Upload(EmulatedMouse& mouse, CProfileStore& store, double& ms)
{
    mouse.ClearLog();
    const double start = NowMs();
    ApplyAllToDevice(store);
    ms = NowMs() - start;
    const std::vector<EmulatedLogEntry> log = mouse.Log();
    const auto chunks = std::count_if(log.begin(), log.end(),
                                      [](const EmulatedLogEntry& e) { return e.Kind == EmulatedLogKind::OutputChunk; });
    return static_cast<size_t>(chunks) == kChunksPerUpload && mouse.Errors().empty();
}

}  // namespace

int wmain()
{
    if (!MakeFolder()) {
        std::fprintf(stderr, "cannot make the bench folder\n");
        return 1;
    }
    g_TextTable.Load(L"EN");
    EmulatedMouse mouse;
    ScopedHidBackend useMouse(mouse);
    MeasuringClock clock;
    ScopedClock useClock(clock);
    if (!FindDevice()) {
        std::fprintf(stderr, "the emulated mouse was not found\n");
        RemoveFolder();
        return 1;
    }

    CProfileStore store(&BenchModulePath);
    SetDefaultSettings();
    for (int k = 0; k < kMacroSlotCount; ++k)
        for (size_t i = 0; i < kDeviceRecordSize; ++i)
            g_Settings.MacroSlot[static_cast<size_t>(k)][i] = static_cast<uint8_t>(k + i);

    std::vector<double> totals;
    long whole = 0;
    for (int run = 0; run < kRuns; ++run) {
        double ms = 0;
        whole += Upload(mouse, store, ms) ? 1 : 0;
        totals.push_back(ms);
    }
    const double overshootMs = clock.overshootMs / kRuns;
    // The upload's own work, its pauses taking no time.
    double workMs = 0;
    long wholeWithoutPauses = 0;
    {
        VirtualClock instant;
        ScopedClock useInstant(instant);
        wholeWithoutPauses = Upload(mouse, store, workMs) ? 1 : 0;
    }
    // The save that ends every upload, on its own.
    const double saveStart = NowMs();
    const bool saved = store.SaveProfileAndCaptions();
    const double saveMs = NowMs() - saveStart;
    const bool stored = mouse.StoredMacro(12).has_value() && mouse.Errors().empty();
    CloseDeviceHandles();
    RemoveFolder();

    std::sort(totals.begin(), totals.end());
    const double median = totals[totals.size() / 2];
    const double overhead = median - kProtocolPauseMs;
    std::printf(
        "full upload, median of %d: %.1f ms in all, %.1f ms beyond the %.0f ms of protocol pauses "
        "(%.2f %%; budget %.1f ms); fastest %.1f ms, slowest %.1f ms%s\n"
        "  of which, per upload: pauses overshooting their length %.1f ms; the upload's own work %.1f ms, "
        "saving the profile %.1f ms of it\n",
        kRuns, median, overhead, kProtocolPauseMs, 100.0 * overhead / kProtocolPauseMs, kBudgetMs, totals.front(),
        totals.back(), stored ? "" : " -- the mouse did not store the macros", overshootMs, workMs, saveMs);
    if (!saved)
        std::fprintf(stderr, "the profile was not saved\n");
    const WorkCount uploads{whole, kRuns, "uploads"};
    ReportAtMost("upload.beyond_pauses", overhead, "ms", kBudgetMs, uploads);
    ReportFigure("upload.total", median, "ms", uploads);
    ReportFigure("upload.pause_overshoot", overshootMs, "ms", uploads);
    ReportFigure("upload.own_work", workMs, "ms", {wholeWithoutPauses, 1, "uploads"});
    ReportFigure("upload.profile_save", saveMs, "ms", {saved ? 1 : 0, 1, "saves"});
    return stored && saved ? 0 : 1;
}
