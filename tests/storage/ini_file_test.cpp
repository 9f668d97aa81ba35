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

}  // namespace
