// Collections of object and untyped pointers: CObList, CObArray, CPtrArray,
// CMapPtrToPtr. The collections own the pointers, never the objects.
//
// Where the framework only asserts in debug builds (an index outside an array,
// a NULL position, the head of an empty list), these classes throw
// CInvalidArgException in every build, so a bad argument cannot corrupt
// memory.
#pragma once

#include "afx.h"

// A chain of fixed-size blocks from which lists and maps take their nodes.
struct CPlex;

class AFX_FW_API CObList : public CObject {
    DECLARE_DYNAMIC(CObList)
protected:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        CObject* data;
    };

public:
    // nBlockSize: the number of nodes allocated at a time.
    explicit CObList(INT_PTR nBlockSize = 10);
    virtual ~CObList();

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    CObject*& GetHead();
    const CObject* GetHead() const;
    CObject*& GetTail();
    const CObject* GetTail() const;

    CObject* RemoveHead();
    CObject* RemoveTail();
    POSITION AddHead(CObject* newElement);
    POSITION AddTail(CObject* newElement);
    void AddHead(CObList* pNewList);
    void AddTail(CObList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    CObject*& GetNext(POSITION& rPosition);
    const CObject* GetNext(POSITION& rPosition) const;
    CObject*& GetPrev(POSITION& rPosition);
    const CObject* GetPrev(POSITION& rPosition) const;

    CObject*& GetAt(POSITION position);
    const CObject* GetAt(POSITION position) const;
    void SetAt(POSITION pos, CObject* newElement);
    void RemoveAt(POSITION position);

    // A NULL position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, CObject* newElement);
    POSITION InsertAfter(POSITION position, CObject* newElement);

    POSITION Find(CObject* searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    CNode* m_pNodeFree;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;
};

class AFX_FW_API CObArray : public CObject {
    DECLARE_DYNAMIC(CObArray)
public:
    CObArray();
    virtual ~CObArray();

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // New elements are NULL. nGrowBy: elements added per reallocation;
    // -1 keeps the current setting, whose default grows by half the size.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void RemoveAll();

    CObject* GetAt(INT_PTR nIndex) const;
    void SetAt(INT_PTR nIndex, CObject* newElement);
    CObject*& ElementAt(INT_PTR nIndex);
    const CObject** GetData() const { return const_cast<const CObject**>(m_pData); }
    CObject** GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, CObject* newElement);
    INT_PTR Add(CObject* newElement);
    INT_PTR Append(const CObArray& src);
    void Copy(const CObArray& src);

    CObject* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    CObject*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // An index past the end grows the array.
    void InsertAt(INT_PTR nIndex, CObject* newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CObArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    CObject** m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;
};

class AFX_FW_API CPtrArray : public CObject {
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray();
    virtual ~CPtrArray();

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void RemoveAll();

    void* GetAt(INT_PTR nIndex) const;
    void SetAt(INT_PTR nIndex, void* newElement);
    void*& ElementAt(INT_PTR nIndex);
    const void** GetData() const { return const_cast<const void**>(m_pData); }
    void** GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, void* newElement);
    INT_PTR Add(void* newElement);
    INT_PTR Append(const CPtrArray& src);
    void Copy(const CPtrArray& src);

    void* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    void*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    void InsertAt(INT_PTR nIndex, void* newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CPtrArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    void** m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;
};

class AFX_FW_API CMapPtrToPtr : public CObject {
    DECLARE_DYNAMIC(CMapPtrToPtr)
protected:
    struct CAssoc {
        CAssoc* pNext;
        void* key;
        void* value;
    };

public:
    // nBlockSize: the number of entries allocated at a time.
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapPtrToPtr();

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(void* key, void*& rValue) const;
    // The value for key, added as NULL when key is new.
    void*& operator[](void* key);
    void SetAt(void* key, void* newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(void* key);
    void RemoveAll();

    // Iteration in no particular order. Removing the entry just returned is
    // allowed; adding entries during an iteration is not.
    POSITION GetStartPosition() const;
    void GetNextAssoc(POSITION& rNextPosition, void*& rKey, void*& rValue) const;

protected:
    UINT Bucket(void* key) const;
    CAssoc* Find(void* key) const;
    void Rehash(UINT nHashSize);

    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    CAssoc* m_pFreeList;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;
};
