#include "classlib/collections.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::wstring Joined(const CStringArray& array)
{
    std::wstring all;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        all += (i ? L"," : L"") + array[i].str();
    return all;
}

}  // namespace

TEST(StringArray, InsertAndRemoveKeepOrderAtTheEdges)
{
    CStringArray array;
    EXPECT_EQ(array.Add(L"b"), 0);
    EXPECT_EQ(array.Add(L"d"), 1);
    array.InsertAt(0, L"a");
    array.InsertAt(2, L"c");
    array.InsertAt(4, L"e");  // at the end: an append
    EXPECT_EQ(Joined(array), L"a,b,c,d,e");

    array.InsertAt(7, L"h");  // past the end: padded with empty strings
    EXPECT_EQ(Joined(array), L"a,b,c,d,e,,,h");
    array.InsertAt(1, L"x", 2);
    EXPECT_EQ(Joined(array), L"a,x,x,b,c,d,e,,,h");

    array.RemoveAt(1, 2);
    array.RemoveAt(5, 100);  // more than there is: up to the end
    EXPECT_EQ(Joined(array), L"a,b,c,d,e");
    array.RemoveAt(5);  // out of range: nothing
    array.RemoveAt(-1);
    EXPECT_EQ(array.GetSize(), 5);

    array.SetAt(0, L"A");
    array[4] = L"E";
    EXPECT_EQ(Joined(array), L"A,b,c,d,E");
    EXPECT_THROW(array.GetAt(5), std::out_of_range);
    EXPECT_THROW(array.SetAt(-1, L"z"), std::out_of_range);

    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}

TEST(KeyedMap, WindowHandlesMapToObjects)
{
    struct Hook {
        int id;
    };
    Hook first{1}, second{2};
    CMap<HWND, HWND, Hook*, Hook*> map;
    map.InitHashTable(1000);

    const HWND a = reinterpret_cast<HWND>(0x1234);
    const HWND b = reinterpret_cast<HWND>(0x5678);
    Hook* found = &second;
    EXPECT_FALSE(map.Lookup(a, found));
    EXPECT_EQ(found, &second);  // untouched when missing

    map.SetAt(a, &first);
    map[b] = &second;
    ASSERT_TRUE(map.Lookup(a, found));
    EXPECT_EQ(found->id, 1);
    map.SetAt(a, &second);  // replaces
    ASSERT_TRUE(map.Lookup(a, found));
    EXPECT_EQ(found->id, 2);
    EXPECT_EQ(map.GetCount(), 2);

    EXPECT_TRUE(map.RemoveKey(a));
    EXPECT_FALSE(map.RemoveKey(a));
    EXPECT_FALSE(map.Lookup(a, found));
    map.InitHashTable(17);  // resizing keeps what is there
    EXPECT_TRUE(map.Lookup(b, found));
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
}
