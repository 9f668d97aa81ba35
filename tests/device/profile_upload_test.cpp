#include "emulated_link.h"
#include "storage/profile_folder.h"

#include "device/profile_upload.h"
#include "storage/windows_settings.h"

#include <cstring>
#include <numeric>
#include <ostream>

namespace {

int g_windowsSettingCalls = 0;

BOOL WINAPI CountWindowsSetting(UINT, UINT, PVOID, UINT)
{
    ++g_windowsSettingCalls;
    return TRUE;
}

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::array<uint8_t, kMacroSlotSize> FilledSlot(uint8_t seed)
{
    std::array<uint8_t, kMacroSlotSize> slot{};
    for (size_t i = 0; i < slot.size(); ++i)
        slot[i] = static_cast<uint8_t>(seed + 3 * i + 1);
    return slot;
}

// What the mouse logs for one transfer, with the clock's tick at each entry.
struct LoggedStep {
    EmulatedLogKind Kind;
    std::vector<uint8_t> Bytes;
    DWORD Tick;
    bool operator==(const LoggedStep&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LoggedStep& step)
{
    const bool frame = step.Kind == EmulatedLogKind::FeatureSet;
    const bool chunk = step.Kind == EmulatedLogKind::OutputChunk;
    out << (frame ? "frame" : chunk ? "chunk" : "other") << " @" << step.Tick << ":";
    for (uint8_t b : step.Bytes)
        out << ' ' << std::hex << int(b) << std::dec;
    return out;
}

// Builds the expected log of an upload, advancing `tick` by every pause.
class ExpectedLog {
public:
    explicit ExpectedLog(DWORD tick) : m_tick(tick) {}

    // A command frame: report id 0, the three bytes, four zeros, and the
    // inverted 8-bit sum, worked out here rather than by the link.
    void Frame(uint8_t code, uint8_t arg1, uint8_t arg2 = 0)
    {
        const auto checksum = static_cast<uint8_t>(0xFF - ((code + arg1 + arg2) & 0xFF));
        m_steps.push_back({EmulatedLogKind::FeatureSet, {0x00, code, arg1, arg2, 0, 0, 0, 0, checksum}, m_tick});
    }
    // A 128-byte record: its frame, two chunks with 100 ms after each, then
    // the caller's pause.
    void Record(uint8_t code, uint8_t target, std::span<const uint8_t> record, DWORD pause)
    {
        Frame(code, target, 0x80);
        for (size_t c = 0; c < 2; ++c) {
            std::vector<uint8_t> chunk{0x00};
            chunk.insert(chunk.end(), record.begin() + 64 * c, record.begin() + 64 * (c + 1));
            m_steps.push_back({EmulatedLogKind::OutputChunk, chunk, m_tick});
            m_tick += 100;
        }
        m_tick += pause;
    }

    const std::vector<LoggedStep>& Steps() const { return m_steps; }
    DWORD Tick() const { return m_tick; }

private:
    DWORD m_tick;
    std::vector<LoggedStep> m_steps;
};

class ProfileUploadTest : public EmulatedLinkTest {
protected:
    void SetUp() override
    {
        EmulatedLinkTest::SetUp();
        g_windowsSettingCalls = 0;
        m_previousSpi = SetSystemParametersInfoFunction(&CountWindowsSetting);
        g_Settings = SettingsRecord{};
        SetDefaultSettings();
        g_SettingsSaved = SettingsRecord{};
    }
    void TearDown() override
    {
        SetSystemParametersInfoFunction(m_previousSpi);
        EmulatedLinkTest::TearDown();
    }

    std::vector<LoggedStep> LoggedSteps() const
    {
        std::vector<LoggedStep> steps;
        for (const EmulatedLogEntry& e : mouse.Log())
            steps.push_back({e.Kind, e.Bytes, e.Tick});
        return steps;
    }

    ProfileFolder data;
    SystemParametersInfoFunction m_previousSpi = nullptr;
};

}  // namespace

TEST_F(ProfileUploadTest, FullUploadSendsEveryRecordInOrderWithItsPausesThenSaves)
{
    g_Settings.ProfileIndex = 3;
    g_Settings.ReportRateCode = 4;
    g_Settings.FingerTapKey = {1, 0, 1};
    for (int k = 0; k < kMacroSlotCount; ++k)
        g_Settings.MacroSlot[static_cast<size_t>(k)] = FilledSlot(static_cast<uint8_t>(16 * k));
    g_Settings.MacroSlot[5].fill(0);
    g_DevImage.DeviceProfile = 2;
    data.WriteProfile(data.Path(L"config0.bin"), SettingsRecord{});
    for (int i = 0; i < kCaptionCount; ++i)
        data.store.m_strItem[static_cast<size_t>(i)] = (L"Cap" + std::to_wstring(i + 1)).c_str();

    ASSERT_TRUE(FindDevice());
    mouse.ClearLog();
    clock.ClearPauses();
    const DWORD start = clock.GetTickCount();
    const SettingsRecord sent = g_Settings;

    ApplyAllToDevice(data.store);

    ExpectedLog expected(start);
    expected.Frame(0x01, 0x7C, 0x05);
    expected.Frame(0x02, 0x01);
    expected.Frame(0x03, 0x01, 0x04);
    expected.Record(0x0C, 0x01, BuildProfileBlock(sent), 10);
    expected.Record(0x0D, 0x01, TableBytes(BuildButtonTable(sent)), 2);
    for (int n = 1; n <= kMacroSlotCount; ++n)
        expected.Record(0x0F, static_cast<uint8_t>(n), MacroRecordBytes(sent, n - 1), 50);

    EXPECT_EQ(LoggedSteps(), expected.Steps());
    EXPECT_TRUE(mouse.Errors().empty());
    const std::vector<DWORD> pauses = clock.Pauses();
    EXPECT_EQ(std::accumulate(pauses.begin(), pauses.end(), DWORD{0}), 3412u);
    EXPECT_EQ(clock.GetTickCount() - start, 3412u);
    EXPECT_EQ(expected.Tick() - start, 3412u);

    EXPECT_EQ(g_Settings.ProfileIndex, 0);
    EXPECT_EQ(g_DevImage.DeviceProfile, 1);
    // The twelfth macro whole, an empty slot as zeros, no tail bytes.
    StoredRecord twelfth{};
    std::copy_n(MacroRecordBytes(sent, 11).begin(), kDeviceRecordSize, twelfth.begin());
    ASSERT_TRUE(mouse.StoredMacro(12) && mouse.StoredMacro(6));
    EXPECT_EQ(*mouse.StoredMacro(12), twelfth);
    EXPECT_EQ(*mouse.StoredMacro(6), StoredRecord{});

    // Saved afterwards: the record as uploaded, ProfileIndex 0, and the seven captions.
    EXPECT_EQ(ReadBinaryFile(data.Path(L"config0.bin")), ProfileFolder::ProfileBytes(g_Settings));
    const std::vector<std::wstring> captions = IniFileLines(data.Path(L"str0.ini"));
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"[Setting-EN]", L"Item1=Cap1", L"Item2=Cap2", L"Item3=Cap3",
                                                   L"Item4=Cap4", L"Item5=Cap5", L"Item6=Cap6", L"Item7=Cap7"}));
}

// ---------------------------------------------------------------------------
// Restore of the factory settings

namespace {

class RestoreDefaultsTest : public ProfileUploadTest {
protected:
    void SetUp() override
    {
        ProfileUploadTest::SetUp();
        // The factory profile differs from the defaults where a restore
        // takes its bytes, and holds macros of its own.
        SettingsRecord factory{};
        factory.LiftOffDistance = 0x21;
        factory.ExtraColor = {1, 2, 3};
        factory.ProfileIndex = 5;
        factory.DpiStage[0] = 99;
        for (auto& slot : factory.MacroSlot)
            slot.fill(0x77);
        data.WriteProfile(data.Path(L"config.bin"), factory);
        data.WriteFactoryCaptions(L"Factory");

        // The user's profile, as saved and as edited since.
        user = g_Settings;
        user.ProfileIndex = 4;
        user.DpiStage[0] = 50;
        user.LiftOffDistance = 0x05;
        for (int k = 0; k < kMacroSlotCount; ++k)
            user.MacroSlot[static_cast<size_t>(k)] = FilledSlot(static_cast<uint8_t>(9 * k));
        saved = user;
        saved.DpiStage[0] = 60;
        data.WriteProfile(data.Path(L"config0.bin"), saved);
        g_Settings = user;
        g_SettingsSaved = saved;
    }

    // What every restore leaves in g_Settings besides the upload's ProfileIndex.
    void ExpectFactoryRecordWithTheUsersMacros()
    {
        EXPECT_EQ(g_Settings.DpiStage[0], 12) << "the default";
        EXPECT_EQ(g_Settings.LiftOffDistance, 0x21) << "from the factory file";
        EXPECT_EQ(g_Settings.ExtraColor, (RgbColor{1, 2, 3})) << "from the factory file";
        EXPECT_EQ(g_Settings.MacroSlot, user.MacroSlot);
        EXPECT_EQ(data.store.m_strItem[0], L"Factory1");
        EXPECT_EQ(data.store.m_strItem[11], L"Factory12");
        EXPECT_EQ(g_bRestoreDefaults, 0);
    }

    SettingsRecord user{};
    SettingsRecord saved{};
};

}  // namespace

TEST_F(RestoreDefaultsTest, WithTheMouseAbsentOnlyMemoryChanges)
{
    g_bDeviceOpen = 0;

    EXPECT_TRUE(RestoreDefaults(data.store));

    ExpectFactoryRecordWithTheUsersMacros();
    EXPECT_EQ(g_Settings.ProfileIndex, 4);
    EXPECT_TRUE(mouse.Log().empty());
    EXPECT_EQ(ReadBinaryFile(data.Path(L"config0.bin")), ProfileFolder::ProfileBytes(saved));
    EXPECT_TRUE(ReadBinaryFile(data.Path(L"str0.ini")).empty());
    EXPECT_TRUE(SameRecord(g_SettingsSaved, saved));
    EXPECT_EQ(g_windowsSettingCalls, 0);
}

TEST_F(RestoreDefaultsTest, WithTheMouseConnectedUploadsSavesAndTakesTheResultAsSaved)
{
    ASSERT_TRUE(FindDevice());
    mouse.ClearLog();
    clock.ClearPauses();

    EXPECT_TRUE(RestoreDefaults(data.store));

    ExpectFactoryRecordWithTheUsersMacros();
    EXPECT_EQ(g_Settings.ProfileIndex, 0);
    // One upload: seventeen frames and twenty-eight chunks.
    EXPECT_EQ(Logged(EmulatedLogKind::FeatureSet).size(), 17u);
    EXPECT_EQ(Logged(EmulatedLogKind::OutputChunk).size(), 28u);
    const std::vector<DWORD> pauses = clock.Pauses();
    EXPECT_EQ(std::accumulate(pauses.begin(), pauses.end(), DWORD{0}), 3412u);
    ASSERT_TRUE(mouse.StoredProfileBlock(1) && mouse.StoredMacro(1));
    EXPECT_EQ((*mouse.StoredProfileBlock(1))[ProfileBlockOffset::LiftOff], 0x21);
    StoredRecord firstMacro{};
    std::copy_n(user.MacroSlot[0].begin(), kDeviceRecordSize, firstMacro.begin());
    EXPECT_EQ(*mouse.StoredMacro(1), firstMacro);

    EXPECT_EQ(ReadBinaryFile(data.Path(L"config0.bin")), ProfileFolder::ProfileBytes(g_Settings));
    EXPECT_EQ(IniFileLines(data.Path(L"str0.ini"))[1], L"Item1=Factory1");
    EXPECT_TRUE(SameRecord(g_SettingsSaved, g_Settings));
    EXPECT_EQ(g_windowsSettingCalls, 4);
}

// An upload whose profile file cannot be written still reaches the mouse,
// but writes no captions: str0.ini never describes a record config0.bin
// does not hold. A restore then keeps the saved record and says why.
TEST_F(RestoreDefaultsTest, WithTheProfileFileUnwritableNoCaptionIsWrittenAndTheSavedRecordStays)
{
    ASSERT_TRUE(FindDevice());
    data.WriteCaptions(data.Path(L"str0.ini"), L"Old");
    const std::vector<unsigned char> oldCaptions = ReadBinaryFile(data.Path(L"str0.ini"));
    for (int i = 0; i < kCaptionCount; ++i)
        data.store.m_strItem[static_cast<size_t>(i)] = L"New";
    // Another program holds the profile file open, sharing reading only.
    HANDLE holder = CreateFileW(data.Path(L"config0.bin").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    mouse.ClearLog();
    ApplyAllToDevice(data.store);
    EXPECT_EQ(Logged(EmulatedLogKind::FeatureSet).size(), 17u) << "the mouse got the upload";
    EXPECT_EQ(ReadBinaryFile(data.Path(L"str0.ini")), oldCaptions);

    g_Settings = user;
    mouse.ClearLog();
    DWORD error = ERROR_SUCCESS;
    EXPECT_FALSE(RestoreDefaults(data.store, &error));
    CloseHandle(holder);

    EXPECT_NE(error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(Logged(EmulatedLogKind::FeatureSet).size(), 17u);
    ExpectFactoryRecordWithTheUsersMacros();
    EXPECT_EQ(ReadBinaryFile(data.Path(L"config0.bin")), ProfileFolder::ProfileBytes(saved));
    EXPECT_EQ(ReadBinaryFile(data.Path(L"str0.ini")), oldCaptions);
    EXPECT_TRUE(SameRecord(g_SettingsSaved, saved));
    EXPECT_EQ(g_bRestoreDefaults, 0);
}
