// CObList: a doubly linked list of CObject pointers.
#include <afxcoll.h>

#include "Plex.h"

IMPLEMENT_DYNAMIC(CObList, CObject)

namespace {

// A position handed in by the caller; NULL is an invalid argument.
template <class NODE> NODE* NodeAt(POSITION position) {
    if (position == NULL)
        AfxThrowInvalidArgException();
    return reinterpret_cast<NODE*>(position);
}

template <class NODE> POSITION PositionOf(NODE* pNode) {
    return reinterpret_cast<POSITION>(pNode);
}

} // namespace

CObList::CObList(INT_PTR nBlockSize)
    : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_pNodeFree(NULL), m_pBlocks(NULL),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}

CObList::~CObList() {
    RemoveAll();
}

CObList::CNode* CObList::NewNode(CNode* pPrev, CNode* pNext) {
    CNode* pNode = PlexTakeNode(m_pNodeFree, m_pBlocks, m_nBlockSize);
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    pNode->data = NULL;
    ++m_nCount;
    return pNode;
}

void CObList::FreeNode(CNode* pNode) {
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    if (--m_nCount == 0)
        RemoveAll();
}

void CObList::RemoveAll() {
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL;
    m_nCount = 0;
}

CObject*& CObList::GetHead() {
    if (m_pNodeHead == NULL)
        AfxThrowInvalidArgException();
    return m_pNodeHead->data;
}

const CObject* CObList::GetHead() const {
    return const_cast<CObList*>(this)->GetHead();
}

CObject*& CObList::GetTail() {
    if (m_pNodeTail == NULL)
        AfxThrowInvalidArgException();
    return m_pNodeTail->data;
}

const CObject* CObList::GetTail() const {
    return const_cast<CObList*>(this)->GetTail();
}

POSITION CObList::AddHead(CObject* newElement) {
    CNode* pNode = NewNode(NULL, m_pNodeHead);
    pNode->data = newElement;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    m_pNodeHead = pNode;
    return PositionOf(pNode);
}

POSITION CObList::AddTail(CObject* newElement) {
    CNode* pNode = NewNode(m_pNodeTail, NULL);
    pNode->data = newElement;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = pNode;
    else
        m_pNodeHead = pNode;
    m_pNodeTail = pNode;
    return PositionOf(pNode);
}

// Adding a list to itself doubles it: the count is taken before the loop.
void CObList::AddHead(CObList* pNewList) {
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    POSITION pos = pNewList->GetTailPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0; --n)
        AddHead(pNewList->GetPrev(pos));
}

void CObList::AddTail(CObList* pNewList) {
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0; --n)
        AddTail(pNewList->GetNext(pos));
}

CObject* CObList::RemoveHead() {
    if (m_pNodeHead == NULL)
        AfxThrowInvalidArgException();
    CObject* pObject = m_pNodeHead->data;
    RemoveAt(GetHeadPosition());
    return pObject;
}

CObject* CObList::RemoveTail() {
    if (m_pNodeTail == NULL)
        AfxThrowInvalidArgException();
    CObject* pObject = m_pNodeTail->data;
    RemoveAt(GetTailPosition());
    return pObject;
}

CObject*& CObList::GetNext(POSITION& rPosition) {
    CNode* pNode = NodeAt<CNode>(rPosition);
    rPosition = PositionOf(pNode->pNext);
    return pNode->data;
}

const CObject* CObList::GetNext(POSITION& rPosition) const {
    return const_cast<CObList*>(this)->GetNext(rPosition);
}

CObject*& CObList::GetPrev(POSITION& rPosition) {
    CNode* pNode = NodeAt<CNode>(rPosition);
    rPosition = PositionOf(pNode->pPrev);
    return pNode->data;
}

const CObject* CObList::GetPrev(POSITION& rPosition) const {
    return const_cast<CObList*>(this)->GetPrev(rPosition);
}

CObject*& CObList::GetAt(POSITION position) {
    return NodeAt<CNode>(position)->data;
}

const CObject* CObList::GetAt(POSITION position) const {
    return NodeAt<CNode>(position)->data;
}

void CObList::SetAt(POSITION pos, CObject* newElement) {
    NodeAt<CNode>(pos)->data = newElement;
}

void CObList::RemoveAt(POSITION position) {
    CNode* pNode = NodeAt<CNode>(position);
    if (pNode->pPrev != NULL)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pNodeHead = pNode->pNext;
    if (pNode->pNext != NULL)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pNodeTail = pNode->pPrev;
    FreeNode(pNode);
}

POSITION CObList::InsertBefore(POSITION position, CObject* newElement) {
    if (position == NULL)
        return AddHead(newElement);
    CNode* pOld = NodeAt<CNode>(position);
    CNode* pNode = NewNode(pOld->pPrev, pOld);
    pNode->data = newElement;
    if (pOld->pPrev != NULL)
        pOld->pPrev->pNext = pNode;
    else
        m_pNodeHead = pNode;
    pOld->pPrev = pNode;
    return PositionOf(pNode);
}

POSITION CObList::InsertAfter(POSITION position, CObject* newElement) {
    if (position == NULL)
        return AddTail(newElement);
    CNode* pOld = NodeAt<CNode>(position);
    CNode* pNode = NewNode(pOld, pOld->pNext);
    pNode->data = newElement;
    if (pOld->pNext != NULL)
        pOld->pNext->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    pOld->pNext = pNode;
    return PositionOf(pNode);
}

POSITION CObList::Find(CObject* searchValue, POSITION startAfter) const {
    CNode* pNode = startAfter != NULL ? NodeAt<CNode>(startAfter)->pNext : m_pNodeHead;
    while (pNode != NULL && pNode->data != searchValue)
        pNode = pNode->pNext;
    return PositionOf(pNode);
}

// NULL for an index outside the list.
POSITION CObList::FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return PositionOf(pNode);
}
