// A profile edited as its files hold it: record and captions written back
// as a pair through the replacing writer, nothing written for an edit that
// changes nothing, and both files left whole when either cannot be written.

#include "storage/stored_profile_edit.h"

#include "classlib/debug_output.h"
#include "profile_folder.h"
#include "support/file_held_open.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

class StoredProfileEditTest : public testing::Test {
protected:
    StoredProfileEditTest()
    {
        m_previousSink = SetDebugSink([this](const std::wstring& text) { m_debug.push_back(text); });
        for (size_t i = 0; i < kSettingsRecordSize; ++i)
            RecordBytes(m_record)[i] = static_cast<uint8_t>(i * 3 + 1);
    }
    ~StoredProfileEditTest() override { SetDebugSink(m_previousSink); }

    std::wstring ProfilePath() const { return m_data.Path(L"config2.bin"); }
    std::wstring CaptionPath() const { return m_data.Path(L"str2.ini"); }

    // config2.bin with flag byte 7 (a rewrite writes 1) and str2.ini with
    // captions "c1" .., the language code and a German section beside them.
    void WriteProfilePair(std::vector<unsigned char> tail = {}) const
    {
        std::vector<unsigned char> bytes = ProfileFolder::ProfileBytes(m_record, 7);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        WriteBinaryFile(ProfilePath(), bytes.data(), bytes.size());
        WriteUtf16File(CaptionPath(), L"[Skins]\r\nLan=EN\r\n" + ProfileFolder::CaptionSection(L"c") +
                                          L"[Setting-DE]\r\nItem1=de1\r\n");
    }

    StoredProfileEditResult Edit(const StoredProfileEdit& edit) const
    {
        return EditStoredProfile(ProfilePath().c_str(), CaptionPath().c_str(), edit);
    }

    std::wstring Caption(int item, const wchar_t* section = L"Setting-EN") const
    {
        wchar_t text[64] = {};
        ::GetPrivateProfileStringW(section, (L"Item" + std::to_wstring(item)).c_str(), L"", text, 64,
                                   CaptionPath().c_str());
        return text;
    }

    bool Logged(const std::wstring& text) const
    {
        for (const std::wstring& t : m_debug)
            if (t.find(text) != std::wstring::npos)
                return true;
        return false;
    }

    ProfileFolder m_data;
    SettingsRecord m_record{};
    std::vector<std::wstring> m_debug;

private:
    DebugSink m_previousSink;
};

// The edit sees the record and the seven captions as the files hold them;
// afterwards the profile file holds the edited record (flag 1, a profile's
// size) and the caption file the edited captions, with every other line of
// it kept. No temporary file stays behind.
TEST_F(StoredProfileEditTest, EditedRecordAndCaptionsAreWrittenAsAPair)
{
    WriteProfilePair({'\r', '\n'});
    std::vector<std::wstring> seen;
    const auto result = Edit([&](SettingsRecord& record, std::span<CString, kAssignBoxCount> captions) {
        EXPECT_EQ(std::memcmp(&record, &m_record, sizeof record), 0);
        for (const CString& caption : captions)
            seen.push_back(caption.str());
        record.ButtonFunction[3] = 13;
        captions[3] = L"Deactivated";
    });

    EXPECT_EQ(result, StoredProfileEditResult::Written);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"c1", L"c2", L"c3", L"c4", L"c5", L"c6", L"c7"}));
    SettingsRecord expected = m_record;
    expected.ButtonFunction[3] = 13;
    EXPECT_EQ(ReadBinaryFile(ProfilePath()), ProfileFolder::ProfileBytes(expected));
    EXPECT_EQ(Caption(4), L"Deactivated");
    EXPECT_EQ(Caption(3), L"c3");
    EXPECT_EQ(Caption(12), L"c12") << "captions past the boxes stay";
    EXPECT_EQ(Caption(1, L"Setting-DE"), L"de1");
    bool unicode = false;
    ReadUtf16File(CaptionPath(), &unicode);
    EXPECT_TRUE(unicode);
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(m_data.Path(L"*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

// Only what the edit changed is written: an edit of the record alone leaves
// the caption file's bytes, one that changes nothing leaves both (the flag
// byte 7 would otherwise be written as 1).
TEST_F(StoredProfileEditTest, OnlyChangedFilesAreWritten)
{
    WriteProfilePair();
    const std::vector<unsigned char> profileBefore = ReadBinaryFile(ProfilePath());
    const std::vector<unsigned char> captionsBefore = ReadBinaryFile(CaptionPath());

    EXPECT_EQ(Edit([](SettingsRecord& record, std::span<CString, kAssignBoxCount> captions) {
                  record.MacroIndex[0] = record.MacroIndex[0];
                  captions[0] = L"c1";
              }),
              StoredProfileEditResult::Unchanged);
    EXPECT_EQ(ReadBinaryFile(ProfilePath()), profileBefore);
    EXPECT_EQ(ReadBinaryFile(CaptionPath()), captionsBefore);

    EXPECT_EQ(Edit([](SettingsRecord& record, std::span<CString, kAssignBoxCount>) { record.MacroIndex[0] = 9; }),
              StoredProfileEditResult::Written);
    EXPECT_EQ(ReadBinaryFile(ProfilePath())[0], 1);
    EXPECT_EQ(ReadBinaryFile(CaptionPath()), captionsBefore);
}

// A profile without a caption file gets one, made as the program makes its
// caption files.
TEST_F(StoredProfileEditTest, MissingCaptionFileIsMade)
{
    WriteProfilePair();
    ASSERT_TRUE(DeleteFileW(CaptionPath().c_str()));

    EXPECT_EQ(Edit([](SettingsRecord&, std::span<CString, kAssignBoxCount> captions) {
                  EXPECT_EQ(captions[5], L"");
                  captions[5] = L"Macro:x";
              }),
              StoredProfileEditResult::Written);
    EXPECT_EQ(Caption(6), L"Macro:x");
    bool unicode = false;
    ReadUtf16File(CaptionPath(), &unicode);
    EXPECT_TRUE(unicode);
}

// A profile file that is missing or shorter than a profile is no profile to
// edit: the edit does not run and neither file changes.
TEST_F(StoredProfileEditTest, ProfileFileThatHoldsNoProfileIsLeftAlone)
{
    WriteProfilePair();
    const std::vector<unsigned char> captionsBefore = ReadBinaryFile(CaptionPath());
    std::vector<unsigned char> shorter = ReadBinaryFile(ProfilePath());
    shorter.resize(kProfileFileSize - 1);
    WriteBinaryFile(ProfilePath(), shorter.data(), shorter.size());
    bool ran = false;
    const StoredProfileEdit edit = [&](SettingsRecord&, std::span<CString, kAssignBoxCount> captions) {
        ran = true;
        captions[0] = L"x";
    };

    EXPECT_EQ(Edit(edit), StoredProfileEditResult::Failed);
    EXPECT_EQ(ReadBinaryFile(ProfilePath()), shorter);
    ASSERT_TRUE(DeleteFileW(ProfilePath().c_str()));
    EXPECT_EQ(Edit(edit), StoredProfileEditResult::Failed);
    EXPECT_EQ(GetFileAttributesW(ProfilePath().c_str()), INVALID_FILE_ATTRIBUTES) << "no profile file is made";

    EXPECT_FALSE(ran);
    EXPECT_EQ(ReadBinaryFile(CaptionPath()), captionsBefore);
    EXPECT_TRUE(Logged(L"cannot be read"));
}

// Either file held open by another program: the profile is left whole, the
// record with its own captions, and the debug output says so. Where the
// caption file is the one refused, the profile file already written is put
// back byte for byte.
TEST_F(StoredProfileEditTest, FileThatCannotBeWrittenLeavesBothWhole)
{
    const StoredProfileEdit edit = [](SettingsRecord& record, std::span<CString, kAssignBoxCount> captions) {
        record.ButtonFunction[2] = 13;
        captions[2] = L"Deactivated";
    };
    for (const bool holdProfile : {true, false}) {
        SCOPED_TRACE(holdProfile ? "profile file held" : "caption file held");
        m_debug.clear();
        WriteProfilePair({'x', 'y'});
        const std::vector<unsigned char> profileBefore = ReadBinaryFile(ProfilePath());
        const std::vector<unsigned char> captionsBefore = ReadBinaryFile(CaptionPath());
        {
            FileHeldOpen holder(holdProfile ? ProfilePath() : CaptionPath());
            ASSERT_TRUE(holder.held());
            EXPECT_EQ(Edit(edit), StoredProfileEditResult::Failed);
        }
        EXPECT_EQ(ReadBinaryFile(ProfilePath()), profileBefore);
        EXPECT_EQ(ReadBinaryFile(CaptionPath()), captionsBefore);
        EXPECT_TRUE(Logged(L"cannot be written")) << (m_debug.empty() ? L"" : m_debug.back());
        EXPECT_TRUE(Logged(L"config2.bin"));
    }
}

}  // namespace
