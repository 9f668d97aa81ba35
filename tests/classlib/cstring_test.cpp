#include "classlib/cstring.h"

#include <gtest/gtest.h>

TEST(CString, LengthEmptinessAndComparison)
{
    CString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.GetLength(), 0);
    CString fromNull(static_cast<const wchar_t*>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty());

    CString name(L"Profile 1");
    EXPECT_EQ(name.GetLength(), 9);
    EXPECT_TRUE(name == L"Profile 1");
    EXPECT_FALSE(name == L"profile 1");
    EXPECT_EQ(name.CompareNoCase(L"PROFILE 1"), 0);
    EXPECT_NE(name.CompareNoCase(L"Profile 2"), 0);
}

TEST(CString, FindReturnsIndexOrMinusOne)
{
    CString path(L"C:\\Tools\\RV417 TALVEN.exe");
    EXPECT_EQ(path.Find(L"RV417"), 9);
    EXPECT_EQ(path.Find(L"missing"), -1);
    EXPECT_EQ(path.Find(L'\\'), 2);
    EXPECT_EQ(path.Find(L'\\', 3), 8);
    EXPECT_EQ(path.Find(L"C:", 1), -1);
    EXPECT_EQ(path.Find(L"x", 100), -1);
    EXPECT_EQ(path.ReverseFind(L'\\'), 8);
    EXPECT_EQ(CString().Find(L"a"), -1);
}

TEST(CString, ReplaceChangesEveryOccurrence)
{
    CString text(L"a.bin\\b.bin\\c.bin");
    EXPECT_EQ(text.Replace(L".bin", L".ini"), 3);
    EXPECT_EQ(text, CString(L"a.ini\\b.ini\\c.ini"));

    CString grow(L"aaa");
    EXPECT_EQ(grow.Replace(L"a", L"aa"), 3);  // replacement text is not rescanned
    EXPECT_EQ(grow, CString(L"aaaaaa"));

    CString none(L"abc");
    EXPECT_EQ(none.Replace(L"x", L"y"), 0);
    EXPECT_EQ(none.Replace(L"", L"y"), 0);
    EXPECT_EQ(none, CString(L"abc"));

    CString chars(L"a/b/c");
    EXPECT_EQ(chars.Replace(L'/', L'\\'), 2);
    EXPECT_EQ(chars, CString(L"a\\b\\c"));
}

TEST(CString, LeftMidRightClampTheirCounts)
{
    CString text(L"abcdef");
    EXPECT_EQ(text.Left(2), CString(L"ab"));
    EXPECT_EQ(text.Left(99), text);
    EXPECT_EQ(text.Left(-1), CString());
    EXPECT_EQ(text.Mid(2), CString(L"cdef"));
    EXPECT_EQ(text.Mid(2, 3), CString(L"cde"));
    EXPECT_EQ(text.Mid(5, 9), CString(L"f"));
    EXPECT_EQ(text.Mid(9), CString());
    EXPECT_EQ(text.Right(2), CString(L"ef"));
}

TEST(CString, FormatUsesWideStringArguments)
{
    CString text;
    text.Format(L"config%d.bin", 3);
    EXPECT_EQ(text, CString(L"config3.bin"));
    text.Format(L"%s=%s|%c", L"Item0", L"默认", L'x');
    EXPECT_EQ(text, CString(L"Item0=默认|x"));
    text.Format(L"%02X %u", 0xAB, 4000000000u);
    EXPECT_EQ(text, CString(L"AB 4000000000"));
    text.AppendFormat(L"-%d", -7);
    EXPECT_EQ(text, CString(L"AB 4000000000--7"));

    CString longText;
    longText.Format(L"%s", std::wstring(5000, L'z').c_str());
    EXPECT_EQ(longText.GetLength(), 5000);
}

TEST(CString, ConcatenationAndBuffer)
{
    CString dir(L"C:\\app\\");
    CString path = dir + L"skins\\" + CString(L"main.png");
    EXPECT_EQ(path, CString(L"C:\\app\\skins\\main.png"));
    path += L'!';
    EXPECT_EQ(path.Right(1), CString(L"!"));

    CString buffer;
    wchar_t* raw = buffer.GetBuffer(16);
    wcscpy(raw, L"filled");
    buffer.ReleaseBuffer();
    EXPECT_EQ(buffer, CString(L"filled"));
    EXPECT_EQ(buffer.GetLength(), 6);
}

TEST(CString, CaseAndTrim)
{
    CString text(L"  Mixed Case\t");
    text.Trim();
    EXPECT_EQ(text, CString(L"Mixed Case"));
    CString upper(text);
    upper.MakeUpper();
    EXPECT_EQ(upper, CString(L"MIXED CASE"));
    text.MakeLower();
    EXPECT_EQ(text, CString(L"mixed case"));
}
