// CMapPtrToPtr: a hash map from pointers to pointers. The table starts at 17
// buckets and doubles when the map holds twice as many entries as buckets.
#include <afxcoll.h>

#include "Plex.h"

IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)

namespace {

const UINT kInitialHashSize = 17;

} // namespace

CMapPtrToPtr::CMapPtrToPtr(INT_PTR nBlockSize)
    : m_pHashTable(NULL), m_nHashTableSize(kInitialHashSize), m_nCount(0), m_pFreeList(NULL),
      m_pBlocks(NULL), m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}

CMapPtrToPtr::~CMapPtrToPtr() {
    RemoveAll();
}

// Heap pointers are aligned, so their low bits carry no information.
UINT CMapPtrToPtr::Bucket(void* key) const {
    UINT_PTR k = reinterpret_cast<UINT_PTR>(key);
    return static_cast<UINT>((k >> 4) ^ (k >> 13)) % m_nHashTableSize;
}

CMapPtrToPtr::CAssoc* CMapPtrToPtr::Find(void* key) const {
    if (m_pHashTable == NULL)
        return NULL;
    CAssoc* pAssoc = m_pHashTable[Bucket(key)];
    while (pAssoc != NULL && pAssoc->key != key)
        pAssoc = pAssoc->pNext;
    return pAssoc;
}

void CMapPtrToPtr::Rehash(UINT nHashSize) {
    CAssoc** pTable = static_cast<CAssoc**>(calloc(nHashSize, sizeof(CAssoc*)));
    if (pTable == NULL)
        AfxThrowMemoryException();
    CAssoc** pOld = m_pHashTable;
    UINT nOldSize = m_nHashTableSize;
    m_pHashTable = pTable;
    m_nHashTableSize = nHashSize;
    for (UINT i = 0; pOld != NULL && i < nOldSize; ++i) {
        for (CAssoc* pAssoc = pOld[i]; pAssoc != NULL;) {
            CAssoc* pNext = pAssoc->pNext;
            CAssoc*& pHead = m_pHashTable[Bucket(pAssoc->key)];
            pAssoc->pNext = pHead;
            pHead = pAssoc;
            pAssoc = pNext;
        }
    }
    free(pOld);
}

BOOL CMapPtrToPtr::Lookup(void* key, void*& rValue) const {
    CAssoc* pAssoc = Find(key);
    if (pAssoc == NULL)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

void*& CMapPtrToPtr::operator[](void* key) {
    if (CAssoc* pAssoc = Find(key))
        return pAssoc->value;
    if (m_pHashTable == NULL)
        Rehash(m_nHashTableSize);
    else if (m_nCount >= 2 * static_cast<INT_PTR>(m_nHashTableSize) &&
             m_nHashTableSize < UINT_MAX / 4)
        Rehash(m_nHashTableSize * 2 + 1);
    CAssoc* pAssoc = PlexTakeNode(m_pFreeList, m_pBlocks, m_nBlockSize);
    CAssoc*& pHead = m_pHashTable[Bucket(key)];
    pAssoc->key = key;
    pAssoc->value = NULL;
    pAssoc->pNext = pHead;
    pHead = pAssoc;
    ++m_nCount;
    return pAssoc->value;
}

BOOL CMapPtrToPtr::RemoveKey(void* key) {
    if (m_pHashTable == NULL)
        return FALSE;
    for (CAssoc** ppLink = &m_pHashTable[Bucket(key)]; *ppLink != NULL;
         ppLink = &(*ppLink)->pNext) {
        CAssoc* pAssoc = *ppLink;
        if (pAssoc->key == key) {
            *ppLink = pAssoc->pNext;
            pAssoc->pNext = m_pFreeList;
            m_pFreeList = pAssoc;
            if (--m_nCount == 0)
                RemoveAll();
            return TRUE;
        }
    }
    return FALSE;
}

void CMapPtrToPtr::RemoveAll() {
    free(m_pHashTable);
    m_pHashTable = NULL;
    m_nHashTableSize = kInitialHashSize;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
    m_pFreeList = NULL;
    m_nCount = 0;
}

// A position is the entry to be returned next.
POSITION CMapPtrToPtr::GetStartPosition() const {
    for (UINT i = 0; m_nCount > 0 && i < m_nHashTableSize; ++i) {
        if (m_pHashTable[i] != NULL)
            return reinterpret_cast<POSITION>(m_pHashTable[i]);
    }
    return NULL;
}

void CMapPtrToPtr::GetNextAssoc(POSITION& rNextPosition, void*& rKey, void*& rValue) const {
    CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
    if (pAssoc == NULL)
        AfxThrowInvalidArgException();
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    CAssoc* pNext = pAssoc->pNext;
    for (UINT i = Bucket(pAssoc->key) + 1; pNext == NULL && i < m_nHashTableSize; ++i)
        pNext = m_pHashTable[i];
    rNextPosition = reinterpret_cast<POSITION>(pNext);
}
