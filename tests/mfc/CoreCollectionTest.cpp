// CObList, CObArray, CPtrArray, CTypedPtrArray and CMapPtrToPtr.
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class CItem : public CObject {
public:
    explicit CItem(char c) : m_c(c) {}
    char m_c;
};

CItem g_items[] = {CItem('a'), CItem('b'), CItem('c'), CItem('d'), CItem('e')};
CItem* const a = &g_items[0];
CItem* const b = &g_items[1];
CItem* const c = &g_items[2];
CItem* const d = &g_items[3];
CItem* const e = &g_items[4];

std::string Forward(const CObList& list) {
    std::string s;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        s += static_cast<const CItem*>(list.GetNext(pos))->m_c;
    return s;
}

std::string Backward(const CObList& list) {
    std::string s;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        s += static_cast<const CItem*>(list.GetPrev(pos))->m_c;
    return s;
}

std::string Contents(const CObArray& array) {
    std::string s;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        s += array[i] != NULL ? static_cast<CItem*>(array[i])->m_c : '-';
    return s;
}

template <class F> bool ThrowsInvalidArg(F f) {
    try {
        f();
    } catch (CInvalidArgException* pe) {
        pe->Delete();
        return true;
    }
    return false;
}

} // namespace

TEST(CoreObList, KeepsOrderThroughInsertsAndRemovals) {
    CObList list(2); // small blocks, so nodes come from several of them
    list.AddTail(b);
    list.AddHead(a);
    POSITION posD = list.AddTail(d);
    list.InsertBefore(posD, c);
    list.InsertAfter(posD, e);
    EXPECT_EQ("abcde", Forward(list));
    EXPECT_EQ("edcba", Backward(list));
    EXPECT_EQ(5, list.GetCount());

    EXPECT_EQ(list.FindIndex(3), list.Find(d));
    EXPECT_EQ(nullptr, list.Find(d, posD));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    list.SetAt(list.FindIndex(1), e);
    EXPECT_EQ(list.FindIndex(4), list.Find(e, list.FindIndex(1)));

    list.RemoveAt(list.Find(c));
    EXPECT_EQ(a, list.RemoveHead());
    EXPECT_EQ(e, list.RemoveTail());
    EXPECT_EQ("ed", Forward(list));
    EXPECT_EQ("de", Backward(list));
    list.InsertBefore(NULL, a);
    list.InsertAfter(NULL, b);
    EXPECT_EQ("aedb", Forward(list));

    list.AddTail(&list);
    EXPECT_EQ("aedbaedb", Forward(list));
    list.AddHead(&list);
    EXPECT_EQ(16, list.GetCount());
    EXPECT_EQ("aedbaedbaedbaedb", Forward(list));
    EXPECT_EQ("bdeabdeabdeabdea", Backward(list));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(c);
    EXPECT_EQ("c", Forward(list));
}

TEST(CoreObList, MisuseThrowsInsteadOfCorrupting) {
    CObList list;
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    POSITION pos = NULL;
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetNext(pos); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(NULL); }));
    list.AddTail(a);
    EXPECT_EQ(a, list.GetHead());
    EXPECT_EQ(a, list.GetTail());
}

TEST(CoreObArray, GrowsInsertsAndRemoves) {
    CObArray array;
    EXPECT_EQ(0, array.Add(a));
    array.SetAtGrow(3, d);
    EXPECT_EQ("a--d", Contents(array));
    EXPECT_EQ(3, array.GetUpperBound());

    array.InsertAt(1, b, 2);
    EXPECT_EQ("abb--d", Contents(array));
    array.InsertAt(9, e);
    EXPECT_EQ(10, array.GetSize());
    EXPECT_EQ(e, array.GetAt(9));
    array.RemoveAt(3, 7);
    EXPECT_EQ("abb", Contents(array));
    array.RemoveAt(1);
    array[1] = c;
    EXPECT_EQ("ac", Contents(array));

    EXPECT_EQ(2, array.Append(array));
    EXPECT_EQ("acac", Contents(array));
    CObArray other;
    other.Copy(array);
    other.SetSize(2);
    array.InsertAt(1, &other);
    EXPECT_EQ("aaccac", Contents(array));
    EXPECT_EQ(a, array.GetData()[0]);

    for (int i = 0; i < 10000; ++i)
        array.Add(e);
    EXPECT_EQ(10006, array.GetSize());
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}

TEST(CoreObArray, OutOfRangeIndexThrows) {
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
}

TEST(CoreTypedPtrArray, GivesTypedAccessOverBothBases) {
    CTypedPtrArray<CObArray, CItem*> items;
    items.Add(a);
    items.SetAtGrow(2, c);
    items.ElementAt(1) = b;
    items[0] = d;
    EXPECT_EQ('d', items[0]->m_c);
    EXPECT_EQ('b', items.GetAt(1)->m_c);
    EXPECT_EQ('c', items.GetData()[2]->m_c);

    int values[3] = {10, 20, 30};
    CTypedPtrArray<CPtrArray, int*> ptrs;
    for (int& v : values)
        ptrs.Add(&v);
    CTypedPtrArray<CPtrArray, int*> copy;
    copy.Copy(ptrs);
    copy.InsertAt(0, &ptrs);
    *copy[4] += 1;
    EXPECT_EQ(6, copy.GetSize());
    EXPECT_EQ(21, values[1]);
    EXPECT_EQ(&values[2], copy.GetAt(5));
    EXPECT_TRUE(ThrowsInvalidArg([&] { copy.GetAt(6); }));
}

TEST(CoreMapPtrToPtr, StoresLooksUpAndRemoves) {
    CMapPtrToPtr map(3);
    const int n = 1000; // far past the initial table: the map rehashes
    static char keys[n];
    for (int i = 0; i < n; ++i)
        map.SetAt(&keys[i], reinterpret_cast<void*>(static_cast<INT_PTR>(i)));
    map.SetAt(&keys[7], &keys[0]);
    EXPECT_EQ(n, map.GetCount());

    void* pValue = NULL;
    ASSERT_TRUE(map.Lookup(&keys[999], pValue));
    EXPECT_EQ(999, reinterpret_cast<INT_PTR>(pValue));
    ASSERT_TRUE(map.Lookup(&keys[7], pValue));
    EXPECT_EQ(&keys[0], pValue);
    static char missing;
    EXPECT_FALSE(map.Lookup(&missing, pValue));

    for (int i = 0; i < n; i += 2)
        EXPECT_TRUE(map.RemoveKey(&keys[i]));
    EXPECT_FALSE(map.RemoveKey(&keys[0]));
    EXPECT_EQ(n / 2, map.GetCount());

    EXPECT_EQ(nullptr, map[&keys[0]]);
    map[&keys[0]] = &keys[1];
    EXPECT_EQ(n / 2 + 1, map.GetCount());
    EXPECT_EQ(&keys[1], map[&keys[0]]);
}

TEST(CoreMapPtrToPtr, IteratesEveryEntryOnce) {
    CMapPtrToPtr map;
    EXPECT_EQ(nullptr, map.GetStartPosition());
    static char keys[100];
    for (char& k : keys)
        map[&k] = &k;

    // Removing the entry just returned is allowed during the walk.
    std::set<void*> seen;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;) {
        void *pKey, *pValue;
        map.GetNextAssoc(pos, pKey, pValue);
        EXPECT_EQ(pKey, pValue);
        EXPECT_TRUE(seen.insert(pKey).second);
        if (seen.size() % 3 == 0)
            map.RemoveKey(pKey);
    }
    EXPECT_EQ(100u, seen.size());
    EXPECT_EQ(67, map.GetCount());

    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    POSITION pos = NULL;
    void *pKey, *pValue;
    EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(pos, pKey, pValue); }));
}
