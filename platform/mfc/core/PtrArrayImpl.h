// The storage of CObArray and CPtrArray, which differ only in their element
// type: a view over the array's members that does the work.
#pragma once

#include <afx.h>

#include <stdint.h>

inline void CheckArrayIndex(INT_PTR nIndex, INT_PTR nSize) {
    if (nIndex < 0 || nIndex >= nSize)
        AfxThrowInvalidArgException();
}

template <class T> struct PtrArrayImpl {
    T*& pData;
    INT_PTR& nSize;
    INT_PTR& nMaxSize;
    INT_PTR& nGrowBy;

    void SetSize(INT_PTR nNewSize, INT_PTR nNewGrowBy) {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (nNewGrowBy >= 0)
            nGrowBy = nNewGrowBy;
        if (nNewSize == 0) {
            free(pData);
            pData = NULL;
            nSize = nMaxSize = 0;
            return;
        }
        if (nNewSize > nMaxSize) {
            INT_PTR nStep = nGrowBy > 0 ? nGrowBy : (nSize / 2 > 4 ? nSize / 2 : 4);
            INT_PTR nLimit = static_cast<INT_PTR>(SIZE_MAX / 2 / sizeof(T));
            if (nNewSize > nLimit)
                AfxThrowMemoryException();
            INT_PTR nNewMax = nMaxSize < nLimit - nStep ? nMaxSize + nStep : nLimit;
            if (nNewMax < nNewSize)
                nNewMax = nNewSize;
            T* pNew = static_cast<T*>(realloc(pData, nNewMax * sizeof(T)));
            if (pNew == NULL)
                AfxThrowMemoryException();
            pData = pNew;
            nMaxSize = nNewMax;
        }
        if (nNewSize > nSize)
            memset(static_cast<void*>(pData + nSize), 0, (nNewSize - nSize) * sizeof(T));
        nSize = nNewSize;
    }

    void SetAtGrow(INT_PTR nIndex, T newElement) {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        if (nIndex >= nSize)
            SetSize(nIndex + 1, -1);
        pData[nIndex] = newElement;
    }

    // pSrc may be this array's own data.
    INT_PTR Append(const T* pSrc, INT_PTR nCount) {
        bool bSelf = pSrc != NULL && pSrc == pData;
        INT_PTR nOldSize = nSize;
        SetSize(nOldSize + nCount, -1);
        if (nCount > 0)
            memcpy(static_cast<void*>(pData + nOldSize), bSelf ? pData : pSrc, nCount * sizeof(T));
        return nOldSize;
    }

    void Copy(const T* pSrc, INT_PTR nCount) {
        if (pSrc == pData)
            return;
        SetSize(nCount, -1);
        if (nCount > 0)
            memcpy(static_cast<void*>(pData), pSrc, nCount * sizeof(T));
    }

    void InsertAt(INT_PTR nIndex, T newElement, INT_PTR nCount) {
        if (nIndex < 0 || nCount < 0)
            AfxThrowInvalidArgException();
        if (nCount == 0)
            return;
        INT_PTR nOldSize = nSize;
        SetSize((nIndex > nOldSize ? nIndex : nOldSize) + nCount, -1);
        if (nIndex < nOldSize)
            memmove(static_cast<void*>(pData + nIndex + nCount), pData + nIndex,
                    (nOldSize - nIndex) * sizeof(T));
        for (INT_PTR i = 0; i < nCount; ++i)
            pData[nIndex + i] = newElement;
    }

    // Inserting an array into itself is refused.
    void InsertAt(INT_PTR nStartIndex, const T* pSrc, INT_PTR nCount) {
        if (nStartIndex < 0 || (pSrc != NULL && pSrc == pData))
            AfxThrowInvalidArgException();
        if (nCount == 0)
            return;
        InsertAt(nStartIndex, pSrc[0], nCount);
        memcpy(static_cast<void*>(pData + nStartIndex), pSrc, nCount * sizeof(T));
    }

    void RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
        if (nIndex < 0 || nCount < 0 || nIndex > nSize || nCount > nSize - nIndex)
            AfxThrowInvalidArgException();
        memmove(static_cast<void*>(pData + nIndex), pData + nIndex + nCount,
                (nSize - nIndex - nCount) * sizeof(T));
        nSize -= nCount;
    }
};
