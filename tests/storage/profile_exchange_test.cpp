#include "profile_folder.h"

#include "classlib/debug_output.h"
#include "classlib/scripted_dialogs.h"
#include "classlib/wnd.h"
#include "storage/ini_file.h"
#include "storage/profile_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

// Opens `path` shared with nobody, so that no one else can open it meanwhile.
HANDLE OpenUnshared(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A record with every byte set from `seed`, padding, ProfileIndex and macro slots included.
SettingsRecord PatternRecord(uint8_t seed)
{
    SettingsRecord record;
    auto bytes = RecordBytes(record);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 13);
    return record;
}

class ProfileExchangeTest : public testing::Test {
protected:
    void SetUp() override
    {
        ScriptedDialogs::Reset();
        m_previousSink = SetDebugSink([this](const std::wstring& text) { debug.push_back(text); });
        g_Settings = PatternRecord(0x40);
        data.store.m_strConfigPath = L"C:\\Before\\config3.bin";
        data.store.m_strStrIniPath = L"C:\\Before\\str3.ini";
        for (int i = 0; i < kCaptionCount; ++i)
            data.store.m_strItem[static_cast<size_t>(i)] = (L"Cap" + std::to_wstring(i + 1)).c_str();
        CreateDirectoryW(data.Path(L"Exports").c_str(), nullptr);
        m_window = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   nullptr, nullptr);
        parent = CWnd::FromHandle(m_window);
    }
    void TearDown() override
    {
        DestroyWindow(m_window);
        SetDebugSink(m_previousSink);
        ScriptedDialogs::Reset();
    }

    bool Logged(const std::wstring& text) const { return std::count(debug.begin(), debug.end(), text) > 0; }

    void Export(const std::wstring& answer)
    {
        ScriptedDialogs::AnswerFileDialog(answer);
        ExportProfile(data.store, parent);
    }
    bool Import(const std::wstring& answer)
    {
        ScriptedDialogs::AnswerFileDialog(answer);
        return ImportProfile(data.store, parent);
    }

    static std::vector<std::wstring> CaptionLines(const std::wstring& prefix)
    {
        std::vector<std::wstring> lines{L"[Setting-EN]"};
        for (int i = 1; i <= kAssignBoxCount; ++i)
            lines.push_back(L"Item" + std::to_wstring(i) + L"=" + prefix + std::to_wstring(i));
        return lines;
    }

    ProfileFolder data;
    HWND m_window = nullptr;
    CWnd* parent = nullptr;
    std::vector<std::wstring> debug;
    DebugSink m_previousSink;
};

}  // namespace

// ---------------------------------------------------------------------------
// Export

TEST_F(ProfileExchangeTest, ExportOfANameWithoutExtensionWritesTheBinAndIniPair)
{
    Export(data.Path(L"Exports\\profile"));

    const auto calls = ScriptedDialogs::FileDialogCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].open);
    EXPECT_EQ(calls[0].flags & kProfileFileDialogFlags, kProfileFileDialogFlags);
    EXPECT_EQ(calls[0].filter, std::wstring(L"Gaming Mouse Profile(*.bin)\0*.bin\0\0", 35));
    EXPECT_EQ(calls[0].initialFileName, L"C:\\Before\\config3.bin");
    EXPECT_TRUE(calls[0].defaultExt.empty());
    EXPECT_EQ(calls[0].owner, m_window);

    EXPECT_EQ(ReadBinaryFile(data.Path(L"Exports\\profile.bin")), ProfileFolder::ProfileBytes(g_Settings));
    EXPECT_EQ(IniFileLines(data.Path(L"Exports\\profile.ini")), CaptionLines(L"Cap"));
    EXPECT_TRUE(Logged(L"Data num:1 BYTE -1804 BYTE\n Struct size:1804 BYTE"));
    // The paths name the chosen file in the program's folder.
    EXPECT_EQ(data.store.m_strConfigPath, data.Path(L"profile.bin").c_str());
    EXPECT_EQ(data.store.m_strStrIniPath, data.Path(L"profile.ini").c_str());
}

TEST_F(ProfileExchangeTest, ExportOverAnEarlierFileReplacesItWholeAndLeavesNoTemporaryFile)
{
    const std::vector<unsigned char> longer(4000, 0xAB);
    WriteBinaryFile(data.Path(L"Exports\\p.bin"), longer.data(), longer.size());

    Export(data.Path(L"Exports\\p.bin"));

    EXPECT_EQ(ReadBinaryFile(data.Path(L"Exports\\p.bin")), ProfileFolder::ProfileBytes(g_Settings));
    EXPECT_EQ(IniFileLines(data.Path(L"Exports\\p.ini")), CaptionLines(L"Cap"));
    EXPECT_FALSE(PathExists(data.Path(L"Exports\\p.bin.tmp").c_str()));
}

TEST_F(ProfileExchangeTest, APairInAFolderNamedWithBinStaysInThatFolder)
{
    CreateDirectoryW(data.Path(L"old.bin").c_str(), nullptr);
    CreateDirectoryW(data.Path(L"old.ini").c_str(), nullptr);
    const SettingsRecord exported = g_Settings;

    Export(data.Path(L"old.bin\\p.bin"));
    EXPECT_EQ(ReadBinaryFile(data.Path(L"old.bin\\p.bin")).size(), kProfileFileSize);
    EXPECT_EQ(IniFileLines(data.Path(L"old.bin\\p.ini")), CaptionLines(L"Cap"));
    EXPECT_FALSE(PathExists(data.Path(L"old.ini\\p.ini").c_str()));

    // Imported back, with a decoy where the folder's name is changed too.
    data.WriteCaptions(data.Path(L"old.ini\\p.ini"), L"Elsewhere");
    g_Settings = SettingsRecord{};
    data.store.m_strItem = {};
    Import(data.Path(L"old.bin\\p.bin"));
    EXPECT_TRUE(SameRecord(g_Settings, exported));
    EXPECT_EQ(data.store.m_strItem[6], L"Cap7");
}

TEST_F(ProfileExchangeTest, ExportThatCannotWriteReportsTheErrorAndKeepsTheEarlierFile)
{
    const std::vector<unsigned char> earlier(kProfileFileSize, 0x11);
    WriteBinaryFile(data.Path(L"Exports\\p.bin"), earlier.data(), earlier.size());
    const HANDLE lock = OpenUnshared(data.Path(L"Exports\\p.bin"));
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    Export(data.Path(L"Exports\\p.bin"));
    CloseHandle(lock);

    EXPECT_TRUE(Logged(L"Error Code is: 32 \n") || Logged(L"Error Code is: 5 \n"));
    EXPECT_FALSE(Logged(L"Data num:1 BYTE -1804 BYTE\n Struct size:1804 BYTE"));
    EXPECT_EQ(ReadBinaryFile(data.Path(L"Exports\\p.bin")), earlier);
    EXPECT_FALSE(PathExists(data.Path(L"Exports\\p.bin.tmp").c_str()));
    // The captions were written before.
    EXPECT_EQ(IniFileLines(data.Path(L"Exports\\p.ini")), CaptionLines(L"Cap"));
}

TEST_F(ProfileExchangeTest, ExportWritesAFileAnotherProgramHoldsOpenWithReadAndWriteSharing)
{
    const std::vector<unsigned char> earlier(kProfileFileSize, 0x11);
    WriteBinaryFile(data.Path(L"Exports\\p.bin"), earlier.data(), earlier.size());
    const HANDLE holder = CreateFileW(data.Path(L"Exports\\p.bin").c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    Export(data.Path(L"Exports\\p.bin"));
    CloseHandle(holder);

    EXPECT_EQ(ReadBinaryFile(data.Path(L"Exports\\p.bin")), ProfileFolder::ProfileBytes(g_Settings));
    EXPECT_TRUE(Logged(L"Data num:1 BYTE -1804 BYTE\n Struct size:1804 BYTE"));
    EXPECT_FALSE(PathExists(data.Path(L"Exports\\p.bin.tmp").c_str()));
}

TEST_F(ProfileExchangeTest, CancelledExportChangesNothing)
{
    ScriptedDialogs::CancelFileDialog();
    ExportProfile(data.store, parent);

    EXPECT_EQ(data.store.m_strConfigPath, L"C:\\Before\\config3.bin");
    EXPECT_EQ(data.store.m_strStrIniPath, L"C:\\Before\\str3.ini");
    EXPECT_TRUE(debug.empty());
}

// ---------------------------------------------------------------------------
// Import

TEST_F(ProfileExchangeTest, ImportOfAWholeProfileFileReplacesTheWholeRecordAndTheCaptions)
{
    const SettingsRecord imported = PatternRecord(0x90);
    data.WriteProfile(data.Path(L"Exports\\p.bin"), imported, 7);
    data.WriteCaptions(data.Path(L"Exports\\p.ini"), L"Imp");

    EXPECT_TRUE(Import(data.Path(L"Exports\\p.bin")));

    ASSERT_EQ(ScriptedDialogs::FileDialogCalls().size(), 1u);
    EXPECT_TRUE(ScriptedDialogs::FileDialogCalls()[0].open);
    EXPECT_TRUE(SameRecord(g_Settings, imported));
    EXPECT_EQ(g_FirstRunFlag, 7);
    EXPECT_EQ(data.store.m_strItem[0], L"Imp1");
    EXPECT_EQ(data.store.m_strItem[11], L"Imp12");
    EXPECT_EQ(data.store.m_strConfigPath, data.Path(L"p.bin").c_str());
    EXPECT_EQ(data.store.m_strStrIniPath, data.Path(L"p.ini").c_str());
}

// A file that is no exported profile gives no record, and the captions
// beside it belong to no record either: the record, the captions and the
// caption file in use all stay, with or without an .ini beside the file.
TEST_F(ProfileExchangeTest, ImportOfAFileOfAnotherSizeChangesNeitherTheRecordNorTheCaptions)
{
    const SettingsRecord before = g_Settings;
    const auto captionsBefore = data.store.m_strItem;
    for (const bool withCaptions : {true, false}) {
        for (size_t size : {kProfileFileSize - 1, kProfileFileSize + 1, kProfileFileSize + 2, size_t{0}}) {
            const std::string label = std::to_string(size) + " bytes" + (withCaptions ? "" : ", no .ini");
            const std::vector<unsigned char> bytes(size, 0x5A);
            WriteBinaryFile(data.Path(L"Exports\\short.bin"), bytes.data(), bytes.size());
            DeleteFileW(data.Path(L"Exports\\short.ini").c_str());
            if (withCaptions)
                data.WriteCaptions(data.Path(L"Exports\\short.ini"), L"S");

            EXPECT_FALSE(Import(data.Path(L"Exports\\short.bin"))) << label;

            EXPECT_TRUE(SameRecord(g_Settings, before)) << label;
            EXPECT_EQ(data.store.m_strItem, captionsBefore) << label;
            EXPECT_EQ(data.store.m_strStrIniPath, L"C:\\Before\\str3.ini") << label;
        }
    }
}

TEST_F(ProfileExchangeTest, ImportOfANameWithoutBinOrOfAMissingFileTakesNoRecord)
{
    const SettingsRecord before = g_Settings;
    data.WriteProfile(data.Path(L"Exports\\p.dat"), PatternRecord(1));
    EXPECT_FALSE(Import(data.Path(L"Exports\\p.dat")));
    // ".bin" must be there as written.
    data.WriteProfile(data.Path(L"Exports\\P.BIN"), PatternRecord(2));
    EXPECT_FALSE(Import(data.Path(L"Exports\\P.BIN")));
    EXPECT_EQ(data.store.m_strConfigPath, L"C:\\Before\\config3.bin");

    EXPECT_FALSE(Import(data.Path(L"Exports\\gone.bin")));
    EXPECT_TRUE(Logged(L"Config file is not exist.\n"));
    EXPECT_EQ(data.store.m_strConfigPath, data.Path(L"gone.bin").c_str());
    EXPECT_EQ(data.store.m_strStrIniPath, L"C:\\Before\\str3.ini");
    EXPECT_TRUE(SameRecord(g_Settings, before));
}

TEST_F(ProfileExchangeTest, ImportOfAFileThatCannotBeOpenedReportsTheErrorAndKeepsRecordAndCaptions)
{
    const SettingsRecord before = g_Settings;
    const auto captionsBefore = data.store.m_strItem;
    data.WriteProfile(data.Path(L"Exports\\p.bin"), PatternRecord(3));
    data.WriteCaptions(data.Path(L"Exports\\p.ini"), L"Locked");
    const HANDLE lock = OpenUnshared(data.Path(L"Exports\\p.bin"));
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    EXPECT_FALSE(Import(data.Path(L"Exports\\p.bin")));
    CloseHandle(lock);

    EXPECT_TRUE(Logged(L"Error Code is: 32 \n"));
    EXPECT_TRUE(SameRecord(g_Settings, before));
    EXPECT_EQ(data.store.m_strItem, captionsBefore) << "the captions beside it are not taken";
}

TEST_F(ProfileExchangeTest, ImportOfAFileAnotherProgramHoldsOpenForWritingReadsIt)
{
    const SettingsRecord imported = PatternRecord(0x31);
    data.WriteProfile(data.Path(L"Exports\\p.bin"), imported);
    const HANDLE writer = CreateFileW(data.Path(L"Exports\\p.bin").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);

    Import(data.Path(L"Exports\\p.bin"));
    CloseHandle(writer);

    EXPECT_TRUE(SameRecord(g_Settings, imported));
    EXPECT_TRUE(debug.empty()) << "no error reported";
}
