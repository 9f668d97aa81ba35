#include "storage/new_profile.h"

#include "classlib/debug_output.h"
#include "model/device_records.h"
#include "profile_folder.h"
#include "storage/ini_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool SameBytes(const SettingsRecord& a, const SettingsRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class NewProfileTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_previousSink = SetDebugSink([this](const std::wstring& text) { debug.push_back(text); });
    }
    void TearDown() override { SetDebugSink(m_previousSink); }

    static SettingsRecord Filled(uint8_t fill)
    {
        SettingsRecord record{};
        auto bytes = RecordBytes(record);
        std::fill(bytes.begin(), bytes.end(), fill);
        return record;
    }

    // A caption file's bytes as a file of their own, for the profile
    // functions to read back.
    CString Kept(const std::vector<uint8_t>& file, const wchar_t* name) const
    {
        const std::wstring path = data.Path(name);
        WriteBinaryFile(path, file.data(), file.size());
        return path.c_str();
    }

    ProfileFolder data;
    std::vector<std::wstring> debug;
    DebugSink m_previousSink;
};

TEST_F(NewProfileTest, TheRecordIsTheFactoryFileWithTheDefaultsAndTheMacroStore)
{
    data.WriteProfile(data.Path(L"config.bin"), Filled(0x5A), 0);
    WriteUtf16File(data.Path(L"record.ini"),
                   L"[MacroName]\r\nMacroCount=1\r\n0=m\r\n"
                   L"[m]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=A   Dn\r\n");
    g_Settings = Filled(0x33);

    const SettingsRecord record = NewProfileRecord(TestModulePath());

    // What a restore makes of config.bin, but for the macros.
    g_Settings = Filled(0x5A);
    SetDefaultSettings();
    SettingsRecord expected = g_Settings;
    expected.MacroSlot = record.MacroSlot;
    EXPECT_TRUE(SameBytes(record, expected));
    EXPECT_EQ(record.LiftOffDistance, 0x5A);
    EXPECT_EQ(record.ExtraColor[0], 0x5A);
    EXPECT_EQ(record.DpiStage[0], 12);
    EXPECT_EQ(record.ButtonFunction[3], 17);

    EXPECT_EQ((std::vector<uint8_t>(record.MacroSlot[0].begin(), record.MacroSlot[0].begin() + 4)),
              (std::vector<uint8_t>{0x00, 0x02, 0x01, 0x04}))
        << "the macro store's macros, as a load of the current profile encodes them";
    EXPECT_EQ(record.MacroSlot[1][2], 0x5A) << "slots past the macro list keep the factory file's bytes";

    g_Settings = Filled(0x33);
    NewProfileRecord(TestModulePath());
    EXPECT_TRUE(SameBytes(g_Settings, Filled(0x33))) << "the record the program shows is left alone";
}

TEST_F(NewProfileTest, WithoutTheFactoryFileTheRecordIsTheDefaultsAlone)
{
    g_Settings = Filled(0x33);
    const SettingsRecord record = NewProfileRecord(TestModulePath());
    EXPECT_EQ(record.LiftOffDistance, 0) << "nothing of the record shown";
    EXPECT_EQ(record.ExtraColor[2], 0);
    EXPECT_EQ(record.MacroSlot[0][0], 0);
    EXPECT_EQ(record.PointerSpeed, 6);
    EXPECT_EQ(record.SensitivityX, 5);
    EXPECT_TRUE(std::any_of(debug.begin(), debug.end(), [](const std::wstring& text) {
        return text.find(L"cannot be read") != std::wstring::npos;
    }));
}

TEST_F(NewProfileTest, TheCaptionsAreStrIniWithoutTheListInTheProgramsLanguage)
{
    const std::wstring strIni = data.Path(L"str.ini");
    WriteUtf16File(strIni, L"[Skins]\r\nLan=EN\r\nRColor=12\r\n" + ProfileFolder::CaptionSection(L"F-") +
                               L"[Setting-DE]\r\nItem1=Klick\r\n[Point]\r\nMouseSpeed_Y=4\r\n"
                               L"[Profile]\r\nCurProfileName=A\r\nItemCount=1\r\nItem0=A\r\n");
    const std::vector<unsigned char> before = ReadBinaryFile(strIni);

    const auto captions = NewProfileCaptions(TestModulePath(), L"DE");
    ASSERT_TRUE(captions.has_value());
    ASSERT_GE(captions->size(), 2u);
    EXPECT_EQ((*captions)[0], 0xFF) << "UTF-16LE with its byte-order mark, as every caption file";
    EXPECT_EQ((*captions)[1], 0xFE);
    const CString made = Kept(*captions, L"made.ini");
    EXPECT_EQ(ReadIniValue(made, L"Setting-EN", L"Item1"), L"F-1");
    EXPECT_EQ(ReadIniValue(made, L"Setting-EN", L"Item12"), L"F-12");
    EXPECT_EQ(ReadIniValue(made, L"Setting-DE", L"Item1"), L"Klick");
    EXPECT_EQ(ReadIniValue(made, L"Skins", L"RColor"), L"12");
    EXPECT_EQ(ReadIniValue(made, L"Point", L"MouseSpeed_Y"), L"4");
    EXPECT_EQ(ReadIniValue(made, L"Skins", L"Lan"), L"DE");
    EXPECT_TRUE(ReadIniValue(made, L"Profile", L"ItemCount").IsEmpty()) << "the list stays in str.ini alone";
    EXPECT_TRUE(ReadIniValue(made, L"Profile", L"Item0").IsEmpty());

    EXPECT_EQ(ReadBinaryFile(strIni), before) << "str.ini is only read";
    EXPECT_EQ(GetFileAttributesW(data.Path(L"str.ini.new").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the scratch copy is gone";

    const auto withoutLanguage = NewProfileCaptions(TestModulePath(), L"");
    ASSERT_TRUE(withoutLanguage.has_value());
    EXPECT_EQ(ReadIniValue(Kept(*withoutLanguage, L"without-language.ini"), L"Skins", L"Lan"), L"EN");

    DeleteFileW(strIni.c_str());
    EXPECT_FALSE(NewProfileCaptions(TestModulePath(), L"DE").has_value());
}

}  // namespace
