#include "storage/profile_store.h"

#include "classlib/debug_output.h"
#include "model/settings_record.h"
#include "storage/data_paths.h"
#include "storage/profile_file.h"
#include "support/test_support.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring g_modulePath;

CString TestModulePath()
{
    return g_modulePath.c_str();
}

class ProfileStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_TextTable.Load(L"EN");
        g_modulePath = m_folder.file(L"RV417 TALVEN.exe");
        g_Settings = SettingsRecord{};
        g_nCurProfile = 0;
        g_FirstRunFlag = 0;
        g_bRestoreDefaults = 0;
        m_previousSink = SetDebugSink([this](const std::wstring& text) { m_debug.push_back(text); });
    }
    void TearDown() override { SetDebugSink(m_previousSink); }

    std::wstring Path(const wchar_t* name) const { return m_folder.file(name); }

    // A profile file whose record is all `fill`, with flag byte `flag`.
    void WriteProfile(const wchar_t* name, uint8_t fill, uint8_t flag = 1)
    {
        std::vector<uint8_t> bytes(kProfileFileSize, fill);
        bytes[0] = flag;
        WriteBinaryFile(Path(name), bytes.data(), bytes.size());
    }

    void WriteProfileList(const std::wstring& current, const std::wstring& count,
                          const std::vector<std::wstring>& items)
    {
        std::wstring text = L"[Profile]\r\nCurProfileName=" + current + L"\r\nItemCount=" + count + L"\r\n";
        for (size_t i = 0; i < items.size(); ++i)
            text += L"Item" + std::to_wstring(i) + L"=" + items[i] + L"\r\n";
        WriteUtf16File(Path(L"str.ini"), text);
    }

    void WriteOneMacroStore()
    {
        WriteUtf16File(Path(L"record.ini"),
                       L"[MacroName]\r\nMacroCount=1\r\n0=m\r\n"
                       L"[m]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=A   Dn\r\n");
    }

    bool Logged(const std::wstring& text) const
    {
        for (const auto& t : m_debug)
            if (t == text)
                return true;
        return false;
    }

    TempFolder m_folder;
    CProfileStore m_store{&TestModulePath};
    std::vector<std::wstring> m_debug;
    DebugSink m_previousSink;
};

TEST(DataPaths, ReplaceTheProgramNameOrFallBackToItsFolder)
{
    EXPECT_EQ(DataFilePath(L"C:\\Games\\RV417 TALVEN.exe", L"str.ini"), L"C:\\Games\\str.ini");
    // Every occurrence is replaced, as the program always did.
    EXPECT_EQ(DataFilePath(L"C:\\RV417 TALVEN.exe\\RV417 TALVEN.exe", L"a.bin"), L"C:\\a.bin\\a.bin");
    // A renamed program still finds the files beside it.
    EXPECT_EQ(DataFilePath(L"C:\\Games\\mouse.exe", L"config0.bin"), L"C:\\Games\\config0.bin");
    EXPECT_EQ(DataFilePath(L"C:\\Games\\rv417 talven.exe", L"config0.bin"), L"C:\\Games\\config0.bin");
    EXPECT_EQ(DataFilePath(L"noseparator.exe", L"str.ini"), L"str.ini");
}

TEST_F(ProfileStoreTest, CurrentProfileIsTheLastItemNamedExactly)
{
    WriteProfileList(L"Profile 3", L"4", {L"Profile 3", L"Profile 2", L"Profile 3", L"profile 3"});
    WriteProfile(L"config0.bin", 0x10);
    WriteProfile(L"config2.bin", 0x22, 7);
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 2);
    EXPECT_EQ(m_store.m_strConfigPath, Path(L"config2.bin").c_str());
    EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str2.ini").c_str());
    EXPECT_EQ(m_store.m_strRecordIniPath, Path(L"record.ini").c_str());
    EXPECT_EQ(m_store.m_strRecordIni, Path(L"record.ini").c_str());
    EXPECT_EQ(m_store.m_strStrIni, Path(L"str.ini").c_str());
    EXPECT_EQ(g_FirstRunFlag, 7);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x22);
    EXPECT_TRUE(Logged(L"Program First Run Flag:7\nRead Size is: 1804"));
}

TEST_F(ProfileStoreTest, AListOfSixProfilesReachesTheSixth)
{
    WriteProfileList(L"F", L"6", {L"A", L"B", L"C", L"D", L"E", L"F"});
    WriteProfile(L"config5.bin", 0x55);
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 5);
    EXPECT_EQ(m_store.m_strConfigPath, Path(L"config5.bin").c_str());
    EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str5.ini").c_str());
    EXPECT_EQ(g_Settings.PointerSpeed, 0x55);
}

TEST_F(ProfileStoreTest, WithoutAMatchOrWithANegativeCountTheCurrentProfileStays)
{
    g_nCurProfile = 4;
    WriteProfile(L"config4.bin", 0x44);
    WriteProfileList(L"Gone", L"2", {L"A", L"B"});
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 4);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x44);

    g_Settings = SettingsRecord{};
    WriteProfileList(L"A", L"-3", {L"A"});
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 4);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x44);
}

TEST_F(ProfileStoreTest, AnInvalidProfileListLoadsTheFirstProfile)
{
    WriteProfile(L"config0.bin", 0x10);
    WriteProfile(L"config3.bin", 0x33);
    WriteOneMacroStore();
    for (const wchar_t* count : {L"7", L"0", L"", L"x", L"2147483647", L"99999999999"}) {
        WriteProfileList(L"A", count, {L"A"});
        g_nCurProfile = 3;
        g_Settings = SettingsRecord{};
        m_debug.clear();
        m_store.LoadCurrentProfile();
        const std::wstring label = count;
        EXPECT_EQ(g_nCurProfile, 0) << label;
        EXPECT_EQ(g_Settings.PointerSpeed, 0x10) << label << ": never an all-zero record for Save to write";
        EXPECT_EQ(g_Settings.MacroSlot[0][1], 2) << label << ": the macros are encoded";
        EXPECT_EQ(m_store.m_strConfigPath, Path(L"config0.bin").c_str());
        EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str0.ini").c_str());
        EXPECT_TRUE(Logged(L"Profile list is invalid: profile 0 is used.\n")) << label;
    }

    // Without str.ini at all, likewise.
    DeleteFileW(Path(L"str.ini").c_str());
    g_nCurProfile = 3;
    g_Settings = SettingsRecord{};
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 0);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x10);
}

TEST_F(ProfileStoreTest, NamesThatArePrefixesOfEachOtherFindTheirOwnProfile)
{
    WriteProfile(L"config0.bin", 0x10);
    WriteProfile(L"config1.bin", 0x11);
    WriteProfileList(L"Game", L"2", {L"Game", L"Game 2"});
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 0);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x10);

    WriteProfileList(L"game 2", L"2", {L"Game", L"Game 2"});
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 0) << "letter case counts: no item is named so, the profile stays";
}

TEST_F(ProfileStoreTest, AProfileFileThatIsMissingOrTooShortGivesTheFactoryProfile)
{
    WriteProfileList(L"B", L"2", {L"A", L"B"});
    WriteProfile(L"config.bin", 0x66, 0);
    WriteOneMacroStore();
    for (const size_t size : {size_t{0}, size_t{1}, size_t{100}, kProfileFileSize - 1}) {
        DeleteFileW(Path(L"config1.bin").c_str());
        if (size > 0) {
            std::vector<uint8_t> bytes(size, 0x33);
            WriteBinaryFile(Path(L"config1.bin"), bytes.data(), bytes.size());
        }
        g_Settings = SettingsRecord{};
        g_Settings.PointerSpeed = 9;
        m_debug.clear();
        m_store.LoadCurrentProfile();
        EXPECT_EQ(g_nCurProfile, 1) << size;
        EXPECT_EQ(g_Settings.PointerSpeed, 0x66) << size;
        EXPECT_EQ(g_Settings.MacroSlot[0][1], 2) << size << ": the macros are encoded";
        EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str1.ini").c_str());
        EXPECT_TRUE(Logged(L"Profile file " + Path(L"config1.bin") +
                           L" is missing or not 1805 bytes: the factory profile config.bin is used.\n"))
            << size;
    }

    // The switch to a profile takes the same care.
    g_Settings.PointerSpeed = 9;
    m_store.LoadProfile(4);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x66);
    EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str4.ini").c_str());

    // A Save then writes the record the user saw into the profile's own file.
    std::vector<uint8_t> bytes(100, 0x33);
    WriteBinaryFile(Path(L"config1.bin"), bytes.data(), bytes.size());
    m_store.LoadCurrentProfile();
    m_store.SaveCurrentProfile();
    const std::vector<unsigned char> saved = ReadBinaryFile(Path(L"config1.bin"));
    ASSERT_EQ(saved.size(), kProfileFileSize);
    EXPECT_EQ(saved[1 + offsetof(SettingsRecord, PointerSpeed)], 0x66);
    EXPECT_EQ(ReadBinaryFile(Path(L"config.bin"))[0], 0) << "the factory file itself is left alone";
}

// A copy tool may add a line end: the profile is still the profile, read as
// its first 1,805 bytes, and the next Save writes it back at its own size.
TEST_F(ProfileStoreTest, AProfileFileLongerThanAProfileIsReadAsItsFirstBytes)
{
    WriteProfileList(L"B", L"2", {L"A", L"B"});
    WriteProfile(L"config.bin", 0x66);
    for (const wchar_t* name : {L"config1.bin", L"config4.bin"}) {
        std::vector<uint8_t> bytes(kProfileFileSize + 2, 0x31);
        bytes[0] = 3;
        bytes[kProfileFileSize] = '\r';
        bytes[kProfileFileSize + 1] = '\n';
        WriteBinaryFile(Path(name), bytes.data(), bytes.size());
    }

    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 1);
    EXPECT_EQ(m_store.m_strConfigPath, Path(L"config1.bin").c_str());
    EXPECT_EQ(g_FirstRunFlag, 3);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x31);
    EXPECT_EQ(g_Settings.Padding709[2], 0x31) << "the record's last byte, not the line end";
    EXPECT_TRUE(Logged(L"Program First Run Flag:3\nRead Size is: 1804"));

    g_Settings = SettingsRecord{};
    m_store.LoadProfile(4);
    EXPECT_EQ(m_store.m_strConfigPath, Path(L"config4.bin").c_str());
    EXPECT_EQ(g_Settings.PointerSpeed, 0x31);
    for (const std::wstring& text : m_debug)
        EXPECT_EQ(text.find(L"factory"), std::wstring::npos) << text;

    g_nCurProfile = 4;
    g_Settings.PointerSpeed = 0x32;
    ASSERT_TRUE(m_store.SaveCurrentProfile());
    const std::vector<unsigned char> saved = ReadBinaryFile(Path(L"config4.bin"));
    ASSERT_EQ(saved.size(), kProfileFileSize);
    EXPECT_EQ(saved[1 + offsetof(SettingsRecord, PointerSpeed)], 0x32);
}

// Where neither the profile file nor config.bin gives a record, the record
// takes the factory defaults: nothing of what memory held before stays but
// the profile number and the macros, which are still encoded from record.ini.
TEST_F(ProfileStoreTest, WithNeitherFileTheRecordTakesTheFactoryDefaults)
{
    WriteProfileList(L"A", L"1", {L"A"});
    WriteOneMacroStore();
    SettingsRecord defaults{};
    defaults.ProfileIndex = 3;
    std::swap(g_Settings, defaults);
    SetDefaultSettings();
    std::swap(g_Settings, defaults);

    const auto expectDefaults = [&](const std::string& label) {
        SettingsRecord withoutMacros = g_Settings;
        withoutMacros.MacroSlot = defaults.MacroSlot;
        EXPECT_TRUE(std::memcmp(&withoutMacros, &defaults, sizeof defaults) == 0) << label;
        EXPECT_EQ(g_Settings.DpiStage[0], 12) << label;
        EXPECT_EQ(g_Settings.ButtonFunction[1], 1) << label;
        EXPECT_EQ(g_Settings.LiftOffDistance, 0) << label << ": nothing of the record shown before";
        EXPECT_TRUE(Logged(L"No profile file gives a record: the factory defaults are used.\n")) << label;
    };
    // Both missing; a factory file too short to hold a record.
    for (const size_t factorySize : {size_t{0}, size_t{100}}) {
        const std::string label = "factory file of " + std::to_string(factorySize) + " bytes";
        DeleteFileW(Path(L"config.bin").c_str());
        if (factorySize > 0) {
            std::vector<uint8_t> bytes(factorySize, 0x66);
            WriteBinaryFile(Path(L"config.bin"), bytes.data(), bytes.size());
        }
        std::memset(&g_Settings, 0x09, sizeof g_Settings);
        g_Settings.ProfileIndex = 3;
        m_debug.clear();
        m_store.LoadCurrentProfile();
        expectDefaults(label);
        EXPECT_EQ(g_Settings.MacroSlot[0][1], 2) << label << ": the macros are encoded";
        EXPECT_EQ(g_Settings.MacroSlot[0][2], 0x01) << label;
        EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str0.ini").c_str()) << label;
    }
    EXPECT_TRUE(Logged(L"Factory profile " + Path(L"config.bin") + L" is shorter than 1805 bytes.\n"));

    // The switch to a profile without files likewise; its macro slots are the ones held.
    DeleteFileW(Path(L"config.bin").c_str());
    std::memset(&g_Settings, 0x09, sizeof g_Settings);
    g_Settings.ProfileIndex = 3;
    m_debug.clear();
    m_store.LoadProfile(2);
    expectDefaults("switch");
    EXPECT_EQ(g_Settings.MacroSlot[0][1], 0x09);
    EXPECT_TRUE(Logged(L"Config file is not exist."));
}

TEST_F(ProfileStoreTest, AProfileFileThatCannotBeOpenedGivesTheFactoryProfileOrDefaults)
{
    WriteProfileList(L"A", L"1", {L"A"});
    WriteProfile(L"config0.bin", 0x10);
    WriteProfile(L"config.bin", 0x66);
    HANDLE lock = CreateFileW(Path(L"config0.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    g_Settings.PointerSpeed = 9;
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_Settings.PointerSpeed, 0x66);
    EXPECT_TRUE(Logged(L"Error Code is: 32 \n")) << "ERROR_SHARING_VIOLATION";
    EXPECT_TRUE(Logged(L"Profile file " + Path(L"config0.bin") +
                       L" cannot be read: the factory profile config.bin is used.\n"));

    // With the factory file held as well, nothing gives a record.
    HANDLE factoryLock = CreateFileW(Path(L"config.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(factoryLock, INVALID_HANDLE_VALUE);
    g_Settings.PointerSpeed = 9;
    m_store.LoadProfile(0);
    CloseHandle(factoryLock);
    CloseHandle(lock);
    EXPECT_EQ(g_Settings.PointerSpeed, 6) << "the default";
    EXPECT_TRUE(Logged(L"No profile file gives a record: the factory defaults are used.\n"));
}

TEST_F(ProfileStoreTest, AProfileFileAnotherProgramHoldsOpenForWritingStillLoads)
{
    WriteProfileList(L"A", L"1", {L"A"});
    WriteProfile(L"config0.bin", 0x10);
    HANDLE writer = CreateFileW(Path(L"config0.bin").c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    m_store.LoadCurrentProfile();
    g_Settings.PointerSpeed = 9;
    m_store.LoadProfile(0);
    CloseHandle(writer);
    EXPECT_EQ(g_Settings.PointerSpeed, 0x10);
    EXPECT_EQ(std::count(m_debug.begin(), m_debug.end(), L"Program First Run Flag:1\nRead Size is: 1804"), 2);
}

TEST_F(ProfileStoreTest, RestoringDefaultsReadsTheFactoryFiles)
{
    WriteProfile(L"config.bin", 0x66);
    g_bRestoreDefaults = 1;
    m_store.LoadCurrentProfile();
    EXPECT_EQ(m_store.m_strConfigPath, Path(L"config.bin").c_str());
    EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str.ini").c_str());
    EXPECT_EQ(g_Settings.PointerSpeed, 0x66);
}

TEST_F(ProfileStoreTest, SaveReplacesTheWholeFile)
{
    g_nCurProfile = 3;
    WriteProfile(L"config3.bin", 0x99, 0);
    for (size_t i = 0; i < kSettingsRecordSize; ++i)
        RecordBytes(g_Settings)[i] = static_cast<uint8_t>(i * 7);
    EXPECT_TRUE(m_store.SaveCurrentProfile());

    const std::vector<unsigned char> bytes = ReadBinaryFile(Path(L"config3.bin"));
    ASSERT_EQ(bytes.size(), kProfileFileSize);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(std::memcmp(bytes.data() + 1, RecordBytes(g_Settings).data(), kSettingsRecordSize), 0);
    EXPECT_EQ(GetFileAttributesW(Path(L"config3.bin.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str3.ini").c_str());
    EXPECT_TRUE(Logged(L"Data num:1 BYTE -1804 BYTE\n Struct size:1804 BYTE"));

    // Read back, every byte is the same, padding included.
    const SettingsRecord saved = g_Settings;
    g_Settings = SettingsRecord{};
    m_store.LoadProfile(3);
    EXPECT_EQ(std::memcmp(&g_Settings, &saved, kSettingsRecordSize), 0);
}

TEST_F(ProfileStoreTest, EachProfileSavesToItsOwnFileAndLoadsBackWhole)
{
    for (int n = 0; n < kProfileCount; ++n)
        WriteProfile((L"config" + std::to_wstring(n) + L".bin").c_str(), 0xEE, 0);
    for (int n = 0; n < kProfileCount; ++n) {
        g_nCurProfile = static_cast<uint8_t>(n);
        for (size_t i = 0; i < kSettingsRecordSize; ++i)
            RecordBytes(g_Settings)[i] = static_cast<uint8_t>(n * 41 + i * 7 + 1);
        ASSERT_TRUE(m_store.SaveCurrentProfile()) << "profile " << n;
    }
    for (int n = 0; n < kProfileCount; ++n) {
        g_Settings = SettingsRecord{};
        g_FirstRunFlag = 0;
        m_store.LoadProfile(n);
        EXPECT_EQ(g_FirstRunFlag, 1) << "profile " << n;
        const auto bytes = RecordBytes(g_Settings);
        size_t wrong = 0;
        for (size_t i = 0; i < bytes.size(); ++i)
            wrong += bytes[i] != static_cast<uint8_t>(n * 41 + i * 7 + 1);
        EXPECT_EQ(wrong, 0u) << "profile " << n;
    }
}

TEST_F(ProfileStoreTest, SaveWritesAFileAnotherProgramHoldsOpenWithReadAndWriteSharing)
{
    WriteProfile(L"config0.bin", 0x99);
    // An editor, a backup or a virus scanner: it shares reading and writing
    // but not deleting, so the file cannot be replaced, only written.
    HANDLE holder = CreateFileW(Path(L"config0.bin").c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    for (size_t i = 0; i < kSettingsRecordSize; ++i)
        RecordBytes(g_Settings)[i] = static_cast<uint8_t>(i * 5 + 3);
    EXPECT_TRUE(m_store.SaveCurrentProfile());

    // The holder sees the new bytes through its own handle.
    std::vector<unsigned char> seen(kProfileFileSize + 10);
    DWORD read = 0;
    SetFilePointer(holder, 0, nullptr, FILE_BEGIN);
    EXPECT_TRUE(ReadFile(holder, seen.data(), static_cast<DWORD>(seen.size()), &read, nullptr));
    CloseHandle(holder);
    ASSERT_EQ(read, kProfileFileSize);
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(std::memcmp(seen.data() + 1, RecordBytes(g_Settings).data(), kSettingsRecordSize), 0);
    // No temporary file stays behind, ours or one the system made for the swap.
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Path(L"*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE)
        << "left behind: " << (search != INVALID_HANDLE_VALUE ? found.cFileName : L"");
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    EXPECT_TRUE(Logged(L"Data num:1 BYTE -1804 BYTE\n Struct size:1804 BYTE"));
}

TEST_F(ProfileStoreTest, SaveWritesInPlaceWhereNoFileCanBeMadeBesideIt)
{
    // A longer file, so that the write must also cut it to size.
    std::vector<uint8_t> longer(kProfileFileSize + 300, 0x99);
    WriteBinaryFile(Path(L"config0.bin"), longer.data(), longer.size());
    // The temporary file's name is taken by a folder.
    ASSERT_TRUE(CreateDirectoryW(Path(L"config0.bin.tmp").c_str(), nullptr));
    g_Settings.PointerSpeed = 0x21;
    EXPECT_TRUE(m_store.SaveCurrentProfile());
    RemoveDirectoryW(Path(L"config0.bin.tmp").c_str());

    const std::vector<unsigned char> bytes = ReadBinaryFile(Path(L"config0.bin"));
    ASSERT_EQ(bytes.size(), kProfileFileSize);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(std::memcmp(bytes.data() + 1, &g_Settings, kSettingsRecordSize), 0);
}

TEST_F(ProfileStoreTest, SaveNeverCreatesAProfileFile)
{
    DWORD error = ERROR_SUCCESS;
    EXPECT_FALSE(m_store.SaveCurrentProfile(&error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << "the reason the caller tells the user";
    EXPECT_EQ(GetFileAttributesW(Path(L"config0.bin").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW(Path(L"config0.bin.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(Logged(L"Config file is not exist.\n"));
}

TEST_F(ProfileStoreTest, AFailedSaveLeavesTheOldProfileWhole)
{
    WriteProfile(L"config0.bin", 0x99);
    // Another program holds the file open without sharing it.
    HANDLE lock = CreateFileW(Path(L"config0.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    g_Settings.PointerSpeed = 1;
    DWORD error = ERROR_SUCCESS;
    EXPECT_FALSE(m_store.SaveCurrentProfile(&error));
    EXPECT_NE(error, static_cast<DWORD>(ERROR_SUCCESS));
    CloseHandle(lock);

    const std::vector<unsigned char> bytes = ReadBinaryFile(Path(L"config0.bin"));
    ASSERT_EQ(bytes.size(), kProfileFileSize);
    EXPECT_EQ(bytes[1 + offsetof(SettingsRecord, PointerSpeed)], 0x99);
    EXPECT_EQ(GetFileAttributesW(Path(L"config0.bin.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    bool reported = false;
    for (const auto& t : m_debug)
        reported = reported || t.starts_with(L"Error Code is: ");
    EXPECT_TRUE(reported);
}

// The captions on disk belong to the record on disk: where the profile file
// is missing or cannot be written, the caption file is left as it was.
TEST_F(ProfileStoreTest, SaveWithCaptionsWritesTheCaptionsOnlyWithTheRecord)
{
    for (int i = 0; i < kAssignBoxCount; ++i)
        m_store.m_strItem[static_cast<size_t>(i)] = L"New";
    DWORD error = ERROR_SUCCESS;
    EXPECT_FALSE(m_store.SaveProfileAndCaptions(&error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesW(Path(L"str0.ini").c_str()), INVALID_FILE_ATTRIBUTES);

    WriteProfile(L"config0.bin", 0x99);
    WriteUtf16File(Path(L"str0.ini"), L"[Setting-EN]\r\nItem1=Old\r\n");
    const std::vector<unsigned char> oldCaptions = ReadBinaryFile(Path(L"str0.ini"));
    HANDLE lock = CreateFileW(Path(L"config0.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(m_store.SaveProfileAndCaptions(&error));
    CloseHandle(lock);
    EXPECT_NE(error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadBinaryFile(Path(L"str0.ini")), oldCaptions);

    EXPECT_TRUE(m_store.SaveProfileAndCaptions(&error));
    EXPECT_EQ(IniFileLines(Path(L"str0.ini"))[1], L"Item1=New");
}

TEST_F(ProfileStoreTest, LoadProfileKeepsTheStoredMacrosWhereTheCurrentLoadReencodes)
{
    WriteProfileList(L"B", L"2", {L"A", L"B"});
    WriteProfile(L"config1.bin", 0x4C);
    WriteOneMacroStore();

    m_store.LoadProfile(1);
    EXPECT_EQ(g_nCurProfile, 0);
    EXPECT_EQ(m_store.m_strStrIniPath, Path(L"str1.ini").c_str());
    EXPECT_EQ(g_Settings.MacroSlot[0][2], 0x4C);

    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 1);
    EXPECT_EQ((std::vector<uint8_t>(g_Settings.MacroSlot[0].begin(), g_Settings.MacroSlot[0].begin() + 4)),
              (std::vector<uint8_t>{0x00, 0x02, 0x01, 0x04}));
    EXPECT_EQ(g_Settings.MacroSlot[0][128], 0x4C) << "the slot's tail is not touched";
    EXPECT_EQ(g_Settings.MacroSlot[1][2], 0x4C) << "slots past the list keep their bytes";

    m_store.LoadProfile(5);
    EXPECT_TRUE(Logged(L"Config file is not exist."));
}

TEST_F(ProfileStoreTest, CaptionsRoundTripInTheLanguageSectionInAnyScript)
{
    m_store.m_strStrIniPath = Path(L"str0.ini").c_str();
    const std::vector<CString> captions = {L"左键", L"Menü", L"Scroll", L"Fn", L"狙擊鍵", L"DPI +", L"DPI -"};
    for (size_t i = 0; i < captions.size(); ++i)
        m_store.m_strItem[i] = captions[i];
    m_store.m_strItem[7] = L"not written";
    m_store.WriteStrIni();

    bool hasMark = false;
    ReadUtf16File(Path(L"str0.ini"), &hasMark);
    EXPECT_TRUE(hasMark) << "a caption file the program creates is Unicode";
    const std::vector<std::wstring> expected = {L"[Setting-EN]", L"Item1=左键",   L"Item2=Menü",  L"Item3=Scroll",
                                                L"Item4=Fn",     L"Item5=狙擊鍵", L"Item6=DPI +", L"Item7=DPI -"};
    EXPECT_EQ(IniFileLines(Path(L"str0.ini")), expected);

    CProfileStore reader{&TestModulePath};
    reader.m_strItem[9] = L"stale";
    reader.ReadStrIniFrom(Path(L"str0.ini").c_str());
    for (size_t i = 0; i < captions.size(); ++i)
        EXPECT_EQ(reader.m_strItem[i], captions[i]);
    EXPECT_TRUE(reader.m_strItem[9].IsEmpty()) << "a missing key reads as empty";
}

TEST_F(ProfileStoreTest, WithoutALanguageSectionNoCaptionIsWrittenOrRead)
{
    // A caption file with keys above every section, as a writer with an
    // empty section name would have left them.
    WriteUtf16File(Path(L"str0.ini"), L"Item1=stray\r\n[Setting-EN]\r\nItem1=English\r\n[Skins]\r\nPath=p\r\n");
    g_TextTable = CTextTable{};
    m_store.m_strStrIniPath = Path(L"str1.ini").c_str();
    m_store.m_strItem[0] = L"kept in memory";
    m_store.WriteStrIni();
    EXPECT_EQ(GetFileAttributesW(Path(L"str1.ini").c_str()), INVALID_FILE_ATTRIBUTES);

    m_store.ReadStrIniFrom(Path(L"str0.ini").c_str());
    for (const CString& caption : m_store.m_strItem)
        EXPECT_EQ(caption.str(), L"");
    EXPECT_EQ(m_store.m_strSkinPath, L"p") << "the other strings are still read";
}

}  // namespace
