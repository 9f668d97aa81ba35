#include "text/text_table.h"
#include "text/text_table_rows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::wstring Text(const CTextTable& table, int id)
{
    return table.Get(id).str();
}

CTextTable Loaded(const wchar_t* code)
{
    CTextTable table;
    table.Load(code);
    return table;
}

bool AllEmpty(const CTextTable& table)
{
    for (int id = 0; id < CTextTable::kTextIdCount; ++id) {
        if (!table.Get(id).IsEmpty())
            return false;
    }
    return true;
}

const wchar_t* const kCodes[] = {L"EN", L"CHS", L"CHT", L"DE"};

}  // namespace

TEST(TextTable, EmptyUntilLoaded)
{
    EXPECT_TRUE(AllEmpty(g_TextTable));
    EXPECT_TRUE(AllEmpty(CTextTable()));
}

TEST(TextTable, CodesAreComparedWholeAndCaseSensitively)
{
    const CTextTable en = Loaded(L"EN");
    EXPECT_EQ(Text(en, 0), L"Setting-EN");
    EXPECT_EQ(Text(en, 11), L"Apply");

    for (const wchar_t* code :
         {L"", L"en", L"En", L" EN", L"EN ", L"E", L"ENG", L"chs", L"Cht", L"de", L"CH", L"CHSCHT"})
        EXPECT_TRUE(AllEmpty(Loaded(code))) << '"' << code << '"';
}

TEST(TextTable, LoadClearsNothingFirst)
{
    CTextTable table;
    table.Load(L"DE");
    table.Load(L"xx");
    table.Load(L"");
    EXPECT_EQ(Text(table, 0), L"Setting-DE");
    EXPECT_EQ(Text(table, 9), L"Zurücksetzen");

    table.Load(L"CHS");
    EXPECT_EQ(Text(table, 0), L"Setting-CHS");
    EXPECT_EQ(Text(table, 9), L"恢复");
}

TEST(TextTable, EveryTextIdHasATextInEveryLanguageAndNoOtherIdDoes)
{
    std::set<int> seen;
    for (const TextRow& row : TextRows()) {
        EXPECT_TRUE(row.id >= 0 && row.id < CTextTable::kTextIdCount) << row.id;
        EXPECT_TRUE(seen.insert(row.id).second) << "id given twice: " << row.id;
    }
    const auto ids = CTextTable::TextIds();
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), seen);

    for (const wchar_t* code : kCodes) {
        const CTextTable table = Loaded(code);
        for (int id = -1; id <= CTextTable::kTextIdCount; ++id)
            EXPECT_EQ(table.Get(id).IsEmpty(), !CTextTable::IsTextId(id)) << code << ' ' << id;
        EXPECT_EQ(Text(table, 0), std::wstring(L"Setting-") + code);
        EXPECT_TRUE(table[CTextTable::kTextIdCount].IsEmpty());
    }
}

TEST(TextTable, ButtonLabelsAreTheWordABlankAndTheNumber)
{
    const std::pair<const wchar_t*, const wchar_t*> words[] = {{L"EN", L"Button "},
                                                               {L"CHS", L"按钮 "},
                                                               {L"CHT", L"按鍵 "},
                                                               {L"DE", L"Taste "}};
    for (const auto& [code, word] : words) {
        const CTextTable table = Loaded(code);
        for (int n = 1; n <= 12; ++n)
            EXPECT_EQ(Text(table, 28 + n), word + std::to_wstring(n)) << code;
    }
}

TEST(TextTable, DpiBalloonsEndInABlankAndAreEnglishInGerman)
{
    const CTextTable en = Loaded(L"EN");
    const CTextTable de = Loaded(L"DE");
    for (int id = 534; id <= 540; ++id) {
        EXPECT_EQ(Text(de, id), Text(en, id)) << id;
        for (const wchar_t* code : kCodes)
            EXPECT_EQ(Text(Loaded(code), id).back(), L' ') << code << ' ' << id;
    }
    EXPECT_EQ(Text(en, 540), L"Switch DPI into the seven stage ");
}

TEST(TextTable, ProductTitleHasNoBlankInChinese)
{
    EXPECT_EQ(Text(Loaded(L"CHS"), 6), L"RV417NEMBRA版");
    EXPECT_EQ(Text(Loaded(L"CHT"), 6), L"RV417NEMBRA版");
    EXPECT_EQ(Text(Loaded(L"EN"), 6), L"RV417 TALVEN");
}

TEST(TextTable, HelpAddressIsTheSameInEveryLanguage)
{
    const std::wstring address = Text(Loaded(L"EN"), 524);
    EXPECT_EQ(address.rfind(L"https://", 0), 0u);
    for (const wchar_t* code : kCodes)
        EXPECT_EQ(Text(Loaded(code), 524), address) << code;
}

// The sources are UTF-8; a compiler reading them otherwise would garble
// every non-ASCII text while the other comparisons still agreed.
TEST(TextTable, NonAsciiTextsAreSingleUtf16Units)
{
    EXPECT_EQ(Text(Loaded(L"DE"), 499), (std::wstring{L'M', L'e', L'n', 0x00FC}));
    EXPECT_EQ(Text(Loaded(L"CHS"), 9), (std::wstring{0x6062, 0x590D}));
    EXPECT_EQ(Text(Loaded(L"CHT"), 587), (std::wstring{0x95DC, 0x9589}));
}

TEST(TextTable, EnglishSpotChecks)
{
    const CTextTable t = Loaded(L"EN");
    EXPECT_EQ(Text(t, 47), L"Scroll One screenn");
    EXPECT_EQ(Text(t, 500), L"Scroll ");
    EXPECT_EQ(Text(t, 523), L"At least one button must be set as the \"click\" function.");
    EXPECT_EQ(Text(t, 548), L"The system detect RV417 TALVEN.");
    EXPECT_EQ(Text(t, 587), L"OFF");
    EXPECT_EQ(Text(t, 600), L"M key");
}

TEST(TextTable, SimplifiedChineseSpotChecks)
{
    const CTextTable t = Loaded(L"CHS");
    EXPECT_EQ(Text(t, 20), L"DPI 设置");
    EXPECT_EQ(Text(t, 43), L"DPI loop");
    EXPECT_EQ(Text(t, 508), L"Windows +");
    EXPECT_EQ(Text(t, 547), L"系统没有检测到RV417NEMBRA版鼠标！");
    EXPECT_EQ(Text(t, 577), L"是否恢复到出厂默认值?");
    EXPECT_EQ(Text(t, 588), L"开启");
}

TEST(TextTable, TraditionalChineseSpotChecks)
{
    const CTextTable t = Loaded(L"CHT");
    EXPECT_EQ(Text(t, 18), L"xy 軸靈敏度");
    EXPECT_EQ(Text(t, 20), L"DPI  設定");
    EXPECT_EQ(Text(t, 43), L"DPI 循環檔");
    EXPECT_EQ(Text(t, 548), L"系統檢測到遊戲滑鼠RV417NEMBRA版。");
    EXPECT_EQ(Text(t, 597), L"Finger tapping");
    EXPECT_EQ(Text(t, 587), L"關閉");
    EXPECT_EQ(Text(t, 588), L"開啟");
}

TEST(TextTable, GermanSpotChecks)
{
    const CTextTable t = Loaded(L"DE");
    EXPECT_EQ(Text(t, 13), L"Top view");
    EXPECT_EQ(Text(t, 499), L"Menü");
    EXPECT_EQ(Text(t, 512), L"Keyboard-Taste zuweisen +");
    EXPECT_EQ(Text(t, 523), L"Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein.");
    EXPECT_EQ(Text(t, 546), L"Exit");
    EXPECT_EQ(Text(t, 587), L"AUS");
    EXPECT_EQ(Text(t, 588), L"AN");
}
