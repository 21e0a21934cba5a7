// CPtrArray: a growable array of untyped pointers.
#include <afxcoll.h>

#include "PtrArrayImpl.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

#define IMPL(a) (PtrArrayImpl<void*>{(a).m_pData, (a).m_nSize, (a).m_nMaxSize, (a).m_nGrowBy})

CPtrArray::CPtrArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}

CPtrArray::~CPtrArray() {
    free(m_pData);
}

void CPtrArray::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
    IMPL(*this).SetSize(nNewSize, nGrowBy);
}

void CPtrArray::RemoveAll() {
    IMPL(*this).SetSize(0, -1);
}

void* CPtrArray::GetAt(INT_PTR nIndex) const {
    CheckArrayIndex(nIndex, m_nSize);
    return m_pData[nIndex];
}

void CPtrArray::SetAt(INT_PTR nIndex, void* newElement) {
    ElementAt(nIndex) = newElement;
}

void*& CPtrArray::ElementAt(INT_PTR nIndex) {
    CheckArrayIndex(nIndex, m_nSize);
    return m_pData[nIndex];
}

void CPtrArray::SetAtGrow(INT_PTR nIndex, void* newElement) {
    IMPL(*this).SetAtGrow(nIndex, newElement);
}

INT_PTR CPtrArray::Add(void* newElement) {
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

INT_PTR CPtrArray::Append(const CPtrArray& src) {
    return IMPL(*this).Append(src.m_pData, src.m_nSize);
}

void CPtrArray::Copy(const CPtrArray& src) {
    IMPL(*this).Copy(src.m_pData, src.m_nSize);
}

void CPtrArray::InsertAt(INT_PTR nIndex, void* newElement, INT_PTR nCount) {
    IMPL(*this).InsertAt(nIndex, newElement, nCount);
}

void CPtrArray::InsertAt(INT_PTR nStartIndex, CPtrArray* pNewArray) {
    if (pNewArray == NULL)
        AfxThrowInvalidArgException();
    IMPL(*this).InsertAt(nStartIndex, pNewArray->m_pData, pNewArray->m_nSize);
}

void CPtrArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
    IMPL(*this).RemoveAt(nIndex, nCount);
}
