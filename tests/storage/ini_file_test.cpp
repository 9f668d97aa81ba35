#include "storage/ini_file.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, CreatedFilesAreUnicodeAndKeepNamesInAnyScript)
{
    TempFolder folder;
    const CString path = folder.file(L"names.ini").c_str();
    EXPECT_TRUE(WriteIniValue(path, L"宏_1", L"名前", L"Makro Größe"));
    WriteIniValue(path, L"MacroName", L"0", L"巨集_2");

    bool hasMark = false;
    ReadUtf16File(path.str(), &hasMark);
    EXPECT_TRUE(hasMark);
    EXPECT_EQ(ReadIniValue(path, L"宏_1", L"名前"), L"Makro Größe");
    EXPECT_EQ(ReadIniValue(path, L"MacroName", L"0"), L"巨集_2");
    EXPECT_EQ(ReadIniValue(path, L"MacroName", L"1"), L"");
    EXPECT_EQ(ReadIniNumber(path, L"MacroName", L"1"), 0);
}

TEST(IniNames, ListsKeysAndSectionsWithoutRegardToLetterCase)
{
    TempFolder folder;
    const std::wstring path = folder.file(L"names.ini");
    // Long enough that the list does not fit the first buffer.
    std::wstring text = L"[Macro]\r\nITEM0=x\r\n";
    for (int i = 1; i < 2000; ++i)
        text += L"Item" + std::to_wstring(i) + L"=x\r\n";
    text += L"[宏_1]\r\nk=v\r\n";
    WriteUtf16File(path, text);

    const IniNames keys = ReadIniKeyNames(path.c_str(), L"macro");
    EXPECT_TRUE(keys.Contains(L"Item0"));
    EXPECT_TRUE(keys.Contains(L"item1999"));
    EXPECT_FALSE(keys.Contains(L"Item2000"));
    const IniNames sections = ReadIniSectionNames(path.c_str());
    EXPECT_TRUE(sections.Contains(L"MACRO"));
    EXPECT_TRUE(sections.Contains(L"宏_1"));
    EXPECT_FALSE(sections.Contains(L""));
    EXPECT_FALSE(ReadIniKeyNames(folder.file(L"missing.ini").c_str(), L"Macro").Contains(L"Item0"));
}

TEST(IniSection, ReadsValuesAsTheProfileFunctionsHandThemOut)
{
    TempFolder folder;
    const std::wstring path = folder.file(L"section.ini");
    std::wstring text =
        L"[Other]\r\nItem0=elsewhere\r\n[宏_1]\r\n  Item0  =  A   Dn  \r\nITEM1=\"quoted\"\r\n"
        L"Item2='single'\r\nItem3=\"open\r\nItem1=second\r\nItem07=x\r\nItem+9=x\r\nItem12=\r\n"
        L"Long=" +
        std::wstring(2000, L'x') + L"\r\n";
    // Long enough that the section does not fit the first buffer.
    for (int i = 0; i < 400; ++i)
        text += L"Filler" + std::to_wstring(i) + L"=some text to fill the section\r\n";
    WriteUtf16File(path, text);

    const IniSection section = ReadIniSection(path.c_str(), L"宏_1");
    for (const wchar_t* key : {L"Item0", L"Item1", L"Item2", L"Item3", L"Long", L"Filler399"})
        EXPECT_EQ(section.Value(key), ReadIniValue(path.c_str(), L"宏_1", key)) << testing::PrintToString(key);
    EXPECT_EQ(section.Value(L"item0"), L"A   Dn");
    EXPECT_EQ(section.Value(L"Item1"), L"quoted") << "the first of a key listed twice";
    EXPECT_EQ(section.Value(L"Long").GetLength(), kIniValueChars - 1);
    EXPECT_TRUE(section.Contains(L"Item12"));
    EXPECT_FALSE(section.Contains(L"Item4"));
    EXPECT_EQ(section.Value(L"Item4"), L"");
    EXPECT_EQ(section.LastNumberedKey(L"Item"), 12) << "Item07 and Item+9 are other keys";
    EXPECT_EQ(section.LastNumberedKey(L"Filler"), 399);
    EXPECT_EQ(section.LastNumberedKey(L"Nothing"), -1);

    EXPECT_FALSE(ReadIniSection(path.c_str(), L"Missing").Contains(L"Item0"));
    EXPECT_EQ(ReadIniSection(folder.file(L"missing.ini").c_str(), L"宏_1").LastNumberedKey(L"Item"), -1);
}

}  // namespace
