// Block allocation for list and map nodes: a chain of blocks, each holding a
// fixed number of nodes, released all at once.
#pragma once

#include <afx.h>

struct CPlex {
    CPlex* pNext;

    void* data() { return this + 1; }

    // Links a new block of nMax elements of cbElement bytes in front of pHead.
    static CPlex* Create(CPlex*& pHead, size_t nMax, size_t cbElement);
    // Frees this block and every block after it.
    void FreeDataChain();
};

// Takes nodes from a free list, filling it a block at a time. NODE's first
// member is its link in the free list.
template <class NODE> NODE* PlexTakeNode(NODE*& pFree, CPlex*& pBlocks, INT_PTR nBlockSize) {
    if (pFree == NULL) {
        NODE* pNode = static_cast<NODE*>(CPlex::Create(pBlocks, nBlockSize, sizeof(NODE))->data());
        for (INT_PTR i = nBlockSize - 1; i >= 0; --i) {
            pNode[i].pNext = pFree;
            pFree = &pNode[i];
        }
    }
    NODE* pNode = pFree;
    pFree = pFree->pNext;
    return pNode;
}
