#include "text/function_catalogues.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <string>

TEST(FunctionCatalogues, OnlyTheThreeOtherCodesLeaveEnglish)
{
    EXPECT_EQ(CatalogueLanguageOf(L"CHS"), kCatalogueCHS);
    EXPECT_EQ(CatalogueLanguageOf(L"CHT"), kCatalogueCHT);
    EXPECT_EQ(CatalogueLanguageOf(L"DE"), kCatalogueDE);
    for (const wchar_t* code : {L"EN", L"", L"chs", L"De", L" CHT", L"DE ", L"XX"}) {
        EXPECT_EQ(CatalogueLanguageOf(code), kCatalogueEN) << '"' << code << '"';
        EXPECT_EQ(MediaNamesFor(code)[0].str(), L"Open Media Player") << code;
        EXPECT_EQ(ShortcutNamesFor(code)[9].str(), L"Select All") << code;
        EXPECT_EQ(WindowsFuncNamesFor(code)[6].str(), L"Run") << code;
    }
}

TEST(FunctionCatalogues, EveryNameOfEveryLanguageIsThere)
{
    for (int lang = 0; lang < kCatalogueLanguageCount; ++lang) {
        for (const CString& name : g_strMediaNames[lang])
            EXPECT_FALSE(name.IsEmpty()) << lang;
        for (const CString& name : g_strShortcutNames[lang])
            EXPECT_FALSE(name.IsEmpty()) << lang;
        for (const CString& name : g_strWindowsFuncNames[lang])
            EXPECT_FALSE(name.IsEmpty()) << lang;
    }
}

TEST(FunctionCatalogues, NamesOfEachLanguage)
{
    EXPECT_EQ(MediaNamesFor(L"DE")[4].str(), L"Play/Pause");
    EXPECT_EQ(MediaNamesFor(L"DE")[6].str(), L"Lautstärke +");
    EXPECT_EQ(MediaNamesFor(L"CHT")[7].str(), L"降低音量");
    EXPECT_EQ(MediaNamesFor(L"CHS")[4].str(), L"播放/暂停");
    EXPECT_EQ(ShortcutNamesFor(L"DE")[8].str(), L"Rückgängig machen");
    EXPECT_EQ(ShortcutNamesFor(L"CHS")[7].str(), L"重复");
    EXPECT_EQ(ShortcutNamesFor(L"CHT")[1].str(), L"剪下");
    EXPECT_EQ(WindowsFuncNamesFor(L"DE")[1].str(), L"Web: Startseite");
    EXPECT_EQ(WindowsFuncNamesFor(L"CHT")[2].str(), L"搜尋程式及檔案");
    EXPECT_EQ(WindowsFuncNamesFor(L"CHS")[1].str(), L"浏览器-主页");
    EXPECT_EQ(WindowsFuncNamesFor(L"EN")[0].str(), L"My computer");
}

// One sequence: the DPI actions and g_TextTable are globals of this process.
TEST(FunctionCatalogues, DpiActionsFollowTheTextTable)
{
    EXPECT_EQ(g_strDpiActions[0].str(), L"DPI +");
    EXPECT_EQ(g_strDpiActions[1].str(), L"DPI -");
    EXPECT_EQ(g_strDpiActions[2].str(), L"DPI Loop");

    // An unknown language leaves the table empty, and so the actions.
    g_TextTable.Load(L"en");
    CopyDpiActionsFromTextTable();
    for (const CString& name : g_strDpiActions)
        EXPECT_TRUE(name.IsEmpty());

    g_TextTable.Load(L"CHT");
    CopyDpiActionsFromTextTable();
    EXPECT_EQ(g_strDpiActions[0].str(), L"DPI +");
    EXPECT_EQ(g_strDpiActions[2].str(), L"DPI 循環檔");

    g_TextTable.Load(L"DE");
    CopyDpiActionsFromTextTable();
    EXPECT_EQ(g_strDpiActions[1].str(), L"DPI -");
    EXPECT_EQ(g_strDpiActions[2].str(), L"DPI Schleife");
}
