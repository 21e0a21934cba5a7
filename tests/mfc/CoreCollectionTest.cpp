// CObList, CObArray, CPtrArray, CTypedPtrArray and CMapPtrToPtr.
#include <afxtempl.h>

#include <gtest/gtest.h>

#include "Checks.h"

#include <set>
#include <string>

namespace {

class CItem : public CObject {};

// Items named by their place: a to e; '-' stands for NULL.
CItem g_items[5];
CItem *const a = &g_items[0], *const b = &g_items[1], *const c = &g_items[2];
CItem *const d = &g_items[3], *const e = &g_items[4];

char Name(const CObject* p) {
    return p != NULL ? static_cast<char>('a' + (static_cast<const CItem*>(p) - g_items)) : '-';
}

// The list walked forward, then backward: both links must agree.
std::string Walk(const CObList& list) {
    std::string s;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        s += Name(list.GetNext(pos));
    s += '/';
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        s += Name(list.GetPrev(pos));
    return s;
}

std::string Contents(const CObArray& array) {
    std::string s;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        s += Name(array[i]);
    return s;
}

} // namespace

TEST(CoreObList, KeepsOrderThroughInsertsAndRemovals) {
    CObList list(2); // small blocks, so nodes come from several of them
    list.AddTail(b);
    list.AddHead(a);
    POSITION posD = list.AddTail(d);
    list.InsertBefore(posD, c);
    list.InsertAfter(posD, e);
    EXPECT_EQ("abcde/edcba", Walk(list));

    EXPECT_EQ(list.FindIndex(3), list.Find(d));
    EXPECT_EQ(nullptr, list.Find(d, posD)); // the search starts after posD
    EXPECT_EQ(nullptr, list.FindIndex(5));
    list.SetAt(list.FindIndex(1), e);
    EXPECT_EQ(list.FindIndex(4), list.Find(e, list.FindIndex(1)));

    list.RemoveAt(list.Find(c));
    EXPECT_EQ(a, list.RemoveHead());
    EXPECT_EQ(e, list.RemoveTail());
    EXPECT_EQ("ed/de", Walk(list));
    list.InsertBefore(NULL, a);
    list.InsertAfter(NULL, b);
    list.AddTail(&list);
    list.AddHead(&list);
    EXPECT_EQ(16, list.GetCount());
    EXPECT_EQ("aedbaedbaedbaedb/bdeabdeabdeabdea", Walk(list));

    list.RemoveAll();
    list.AddTail(c);
    EXPECT_EQ("c/c", Walk(list));
}

TEST(CoreObArray, GrowsInsertsAndRemoves) {
    CObArray array;
    EXPECT_EQ(0, array.Add(a));
    array.SetAtGrow(3, d);
    array.InsertAt(1, b, 2);
    EXPECT_EQ("abb--d", Contents(array));
    array.InsertAt(9, e); // past the end: the gap is filled with NULL
    EXPECT_EQ("abb--d---e", Contents(array));
    array.RemoveAt(3, 7);
    array.RemoveAt(1);
    array[1] = c;
    EXPECT_EQ("ac", Contents(array));

    EXPECT_EQ(2, array.Append(array));
    CObArray other;
    other.Copy(array);
    other.SetSize(2);
    array.InsertAt(1, &other);
    EXPECT_EQ("aaccac", Contents(array));

    for (int i = 0; i < 10000; ++i)
        array.Add(e);
    EXPECT_EQ(10006, array.GetSize());
    EXPECT_EQ(e, array.GetData()[10005]);
}

TEST(CoreCollections, MisuseThrowsInsteadOfCorrupting) {
    CObList list;
    POSITION pos = NULL;
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetNext(pos); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(NULL); }));
    list.AddTail(a);
    EXPECT_EQ("a/a", Walk(list));

    CObArray array;
    array.Add(a);
    array.Add(b);
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAt(-1, c); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.ElementAt(2) = c; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(1, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(-1, c); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(0, &array); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetSize(-1); }));
    EXPECT_EQ("ab", Contents(array));

    CMapPtrToPtr map;
    void *pKey, *pValue;
    EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(pos, pKey, pValue); }));
}

// The typed array only casts; what it adds is a reference into the array.
TEST(CoreTypedPtrArray, GivesTypedAccessOverBothBases) {
    CTypedPtrArray<CObArray, CItem*> items;
    items.SetAtGrow(1, c);
    items[0] = b;
    items.ElementAt(1) = d;
    EXPECT_EQ("bd", Contents(items));
    int value = 10;
    CTypedPtrArray<CPtrArray, int*> ptrs;
    ptrs.Add(&value);
    *ptrs[0] += 1;
    EXPECT_EQ(11, value);
}

TEST(CoreMapPtrToPtr, StoresLooksUpRemovesAndIterates) {
    CMapPtrToPtr map(3);
    EXPECT_EQ(nullptr, map.GetStartPosition());
    const int n = 1000; // far past the initial table: the map rehashes
    static char keys[n];
    for (char& k : keys)
        map[&k] = &k;
    map.SetAt(&keys[7], &keys[0]);
    EXPECT_EQ(n, map.GetCount());
    void* pValue = NULL;
    ASSERT_TRUE(map.Lookup(&keys[7], pValue));
    EXPECT_EQ(&keys[0], pValue);
    EXPECT_FALSE(map.Lookup(&keys[n], pValue)); // one past the array: never stored

    for (int i = 0; i < n; i += 2)
        EXPECT_TRUE(map.RemoveKey(&keys[i]));
    EXPECT_FALSE(map.RemoveKey(&keys[0]));
    EXPECT_EQ(nullptr, map[&keys[0]]); // added, with no value yet
    map[&keys[0]] = &keys[0];
    EXPECT_EQ(n / 2 + 1, map.GetCount());

    // Every entry once; removing the entry just returned is allowed.
    std::set<void*> seen;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;) {
        void* pKey;
        map.GetNextAssoc(pos, pKey, pValue);
        EXPECT_EQ(pKey == &keys[7] ? &keys[0] : pKey, pValue);
        EXPECT_TRUE(seen.insert(pKey).second);
        if (seen.size() % 3 == 0)
            map.RemoveKey(pKey);
    }
    EXPECT_EQ(501u, seen.size());
    EXPECT_EQ(334, map.GetCount()); // every third one gone
    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());
}
