// CPlex: the block allocator behind CObList and CMapPtrToPtr.
#include "Plex.h"

#include <stdint.h>

CPlex* CPlex::Create(CPlex*& pHead, size_t nMax, size_t cbElement) {
    if (nMax == 0 || cbElement == 0 || nMax > (SIZE_MAX - sizeof(CPlex)) / cbElement)
        AfxThrowInvalidArgException();
    CPlex* p = static_cast<CPlex*>(malloc(sizeof(CPlex) + nMax * cbElement));
    if (p == NULL)
        AfxThrowMemoryException();
    p->pNext = pHead;
    pHead = p;
    return p;
}

void CPlex::FreeDataChain() {
    for (CPlex* p = this; p != NULL;) {
        CPlex* pNext = p->pNext;
        free(p);
        p = pNext;
    }
}
