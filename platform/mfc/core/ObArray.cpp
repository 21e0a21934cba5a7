// CObArray: a growable array of CObject pointers.
#include <afxcoll.h>

#include "PtrArrayImpl.h"

IMPLEMENT_DYNAMIC(CObArray, CObject)

#define IMPL(a) (PtrArrayImpl<CObject*>{(a).m_pData, (a).m_nSize, (a).m_nMaxSize, (a).m_nGrowBy})

CObArray::CObArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}

CObArray::~CObArray() {
    free(m_pData);
}

void CObArray::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
    IMPL(*this).SetSize(nNewSize, nGrowBy);
}

void CObArray::RemoveAll() {
    IMPL(*this).SetSize(0, -1);
}

CObject* CObArray::GetAt(INT_PTR nIndex) const {
    CheckArrayIndex(nIndex, m_nSize);
    return m_pData[nIndex];
}

void CObArray::SetAt(INT_PTR nIndex, CObject* newElement) {
    ElementAt(nIndex) = newElement;
}

CObject*& CObArray::ElementAt(INT_PTR nIndex) {
    CheckArrayIndex(nIndex, m_nSize);
    return m_pData[nIndex];
}

void CObArray::SetAtGrow(INT_PTR nIndex, CObject* newElement) {
    IMPL(*this).SetAtGrow(nIndex, newElement);
}

INT_PTR CObArray::Add(CObject* newElement) {
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

INT_PTR CObArray::Append(const CObArray& src) {
    return IMPL(*this).Append(src.m_pData, src.m_nSize);
}

void CObArray::Copy(const CObArray& src) {
    IMPL(*this).Copy(src.m_pData, src.m_nSize);
}

void CObArray::InsertAt(INT_PTR nIndex, CObject* newElement, INT_PTR nCount) {
    IMPL(*this).InsertAt(nIndex, newElement, nCount);
}

void CObArray::InsertAt(INT_PTR nStartIndex, CObArray* pNewArray) {
    if (pNewArray == NULL)
        AfxThrowInvalidArgException();
    IMPL(*this).InsertAt(nStartIndex, pNewArray->m_pData, pNewArray->m_nSize);
}

void CObArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
    IMPL(*this).RemoveAt(nIndex, nCount);
}
