#pragma once
// CStringArray, a growable array of strings, and CMap, a hash map with the
// lookup style the windows use (Lookup into an out parameter).

#include "classlib/cstring.h"

#include <windows.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

class CStringArray {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }

    // Element access checks the index (std::out_of_range).
    const CString& GetAt(INT_PTR index) const { return m_items.at(Index(index)); }
    void SetAt(INT_PTR index, const CString& text) { m_items.at(Index(index)) = text; }
    CString& operator[](INT_PTR index) { return m_items.at(Index(index)); }
    const CString& operator[](INT_PTR index) const { return GetAt(index); }

    // Returns the new element's index.
    INT_PTR Add(const CString& text)
    {
        m_items.push_back(text);
        return GetSize() - 1;
    }

    // Inserts `count` copies before `index`; an index past the end first
    // pads the array with empty strings up to it.
    void InsertAt(INT_PTR index, const CString& text, INT_PTR count = 1)
    {
        const size_t at = Index(std::max<INT_PTR>(index, 0));
        if (at > m_items.size())
            m_items.resize(at);
        m_items.insert(m_items.begin() + static_cast<ptrdiff_t>(at), Index(std::max<INT_PTR>(count, 0)), text);
    }

    // Removes up to `count` elements from `index`; the part beyond the end
    // is ignored.
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || index >= GetSize() || count <= 0)
            return;
        const INT_PTR last = std::min(index + count, GetSize());
        m_items.erase(m_items.begin() + index, m_items.begin() + last);
    }

    void RemoveAll() { m_items.clear(); }

private:
    static size_t Index(INT_PTR index) { return static_cast<size_t>(index); }

    std::vector<CString> m_items;
};

// Keys need std::hash (window handles and other pointers have it). ArgKey and
// ArgValue are the parameter types of the members, as the declarations in
// the program spell them.
template <class Key, class ArgKey, class Value, class ArgValue> class CMap {
public:
    // Sizes the table for about `buckets` entries before it is filled.
    void InitHashTable(UINT buckets) { m_map.rehash(buckets); }

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
    bool IsEmpty() const { return m_map.empty(); }

    // Copies the value into `value` and returns TRUE when the key is there.
    BOOL Lookup(ArgKey key, Value& value) const
    {
        auto found = m_map.find(key);
        if (found == m_map.end())
            return FALSE;
        value = found->second;
        return TRUE;
    }

    void SetAt(ArgKey key, ArgValue value) { m_map[key] = value; }
    // The value of `key`, default-constructed when it was not there.
    Value& operator[](ArgKey key) { return m_map[key]; }

    BOOL RemoveKey(ArgKey key) { return m_map.erase(key) ? TRUE : FALSE; }
    void RemoveAll() { m_map.clear(); }

private:
    std::unordered_map<Key, Value> m_map;
};
