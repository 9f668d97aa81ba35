#include "default_data.h"

#include "storage/profile_file.h"
#include "storage/profile_store.h"
#include "support/test_support.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::wstring g_modulePath;

CString TestModulePath()
{
    return g_modulePath.c_str();
}

const wchar_t* const kDataFiles[] = {L"config0.bin", L"config1.bin", L"config2.bin", L"config3.bin", L"config4.bin",
                                     L"config5.bin", L"config.bin",  L"str.ini",     L"str0.ini",    L"str1.ini",
                                     L"str2.ini",    L"str3.ini",    L"str4.ini",    L"str5.ini",    L"record.ini"};

class DefaultDataTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_modulePath = m_folder.file(L"RV417 TALVEN.exe");
        g_Settings = SettingsRecord{};
        g_nCurProfile = 5;
        g_bRestoreDefaults = 0;
    }

    // The files the build left beside the program, copied so that nothing
    // here can change them.
    void CopyBuiltData()
    {
        for (const wchar_t* name : kDataFiles) {
            const std::wstring from = std::wstring(RV417_BIN_DIR_W) + L"\\" + name;
            ASSERT_TRUE(CopyFileW(from.c_str(), m_folder.file(name).c_str(), FALSE)) << testing::PrintToString(from);
        }
    }

    TempFolder m_folder;
    CProfileStore m_store{&TestModulePath};
};

TEST_F(DefaultDataTest, TheBuiltFilesLoadAsTheFactoryProfile)
{
    CopyBuiltData();
    g_Settings.MacroSlot[3].fill(0x5A);
    m_store.LoadCurrentProfile();

    EXPECT_EQ(g_nCurProfile, 0);
    EXPECT_EQ(m_store.m_strConfigPath, m_folder.file(L"config0.bin").c_str());
    EXPECT_EQ(g_FirstRunFlag, 1);
    const SettingsRecord shipped = ShippedSettings();
    EXPECT_EQ(std::memcmp(&g_Settings, &shipped, kSettingsRecordSize), 0);
    EXPECT_EQ(g_Settings.LiftOffDistance, kShippedLiftOffDistance);
    EXPECT_EQ(g_Settings.ExtraColor, kShippedExtraColor);

    // The factory settings are the defaults: resetting changes nothing.
    SetDefaultSettings();
    EXPECT_EQ(std::memcmp(&g_Settings, &shipped, kSettingsRecordSize), 0);
    EXPECT_EQ(g_Settings.PointerSpeed, 6);
    EXPECT_EQ(g_Settings.MacroSlot[3][0], 0) << "the macro slots are empty";

    g_bRestoreDefaults = 1;
    g_Settings = SettingsRecord{};
    m_store.LoadCurrentProfile();
    g_bRestoreDefaults = 0;
    EXPECT_EQ(std::memcmp(&g_Settings, &shipped, kSettingsRecordSize), 0) << "config.bin";

    for (const wchar_t* name : kDataFiles) {
        if (std::wstring(name).ends_with(L".ini")) {
            bool hasMark = false;
            ReadUtf16File(m_folder.file(name), &hasMark);
            EXPECT_TRUE(hasMark) << testing::PrintToString(std::wstring(name));
        }
    }
}

TEST_F(DefaultDataTest, EveryCaptionFileHoldsTheDefaultCaptionsOfEveryLanguage)
{
    CopyBuiltData();
    m_store.LoadCurrentProfile();
    EXPECT_EQ(IniFileLines(m_folder.file(L"str.ini")).at(1),
              L"CurProfileName=" + ShippedProfileName(RV417_LANGUAGE_W).str());
    for (const wchar_t* file : {L"str.ini", L"str0.ini", L"str5.ini"}) {
        for (const wchar_t* code : {L"EN", L"CHS", L"CHT", L"DE"}) {
            g_TextTable.Load(code);
            m_store.ReadStrIniFrom(m_folder.file(file).c_str());
            EXPECT_EQ(m_store.m_strItem[0], g_TextTable[498]) << testing::PrintToString(std::wstring(file));
            EXPECT_EQ(m_store.m_strItem[3], L"Fn");
            EXPECT_EQ(m_store.m_strItem[4], g_TextTable[514]);
            EXPECT_EQ(m_store.m_strItem[6], L"DPI -");
        }
        CString language;
        GetPrivateProfileStringW(L"Skins", L"Lan", L"", language.GetBuffer(16), 16, m_folder.file(file).c_str());
        language.ReleaseBuffer();
        EXPECT_EQ(language, RV417_LANGUAGE_W);
    }
}

TEST_F(DefaultDataTest, AProfileNameInAnyScriptIsFoundAsCurrent)
{
    ASSERT_TRUE(WriteDefaultData(m_folder.path().c_str(), L"CHT"));
    const std::wstring list = ReadUtf16File(m_folder.file(L"str.ini"));
    EXPECT_NE(list.find(L"CurProfileName=設定檔 1"), std::wstring::npos);
    g_nCurProfile = 3;
    m_store.LoadCurrentProfile();
    EXPECT_EQ(g_nCurProfile, 0) << "found by its name";

    // Written again over an existing set, the files come out the same.
    ASSERT_TRUE(WriteDefaultData(m_folder.path().c_str(), L"CHT"));
    EXPECT_EQ(ReadUtf16File(m_folder.file(L"str.ini")), list);
}

}  // namespace
