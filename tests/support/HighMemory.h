// Objects above 4 GiB, for the tests of everything that carries a pointer
// through an integer: message parameters, item data, window longs. A pointer
// cut to 32 bits on the way still works while its upper half is zero, and
// under Wine the heap hands out low addresses; so such objects come from the
// top of the address space instead. On 32-bit Windows the same memory is
// merely high in the process's 2 GiB, and the tests run as ordinary ones.
#pragma once

#include <windows.h>

#include <cstddef>
#include <new>

// Whether the address needs more than 32 bits.
inline bool AboveFourGiB(const void* p) {
    return (static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(p)) >> 32) != 0;
}

// Memory from the top of the address space, taken once per process and
// never given back: the tests place few and small objects there.
inline void* HighAlloc(std::size_t nSize) {
    static const std::size_t nArena = 8 << 20;
    static BYTE* const pArena = static_cast<BYTE*>(
        ::VirtualAlloc(NULL, nArena, MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN, PAGE_READWRITE));
    static std::size_t nUsed = 0;
    nSize = (nSize + 15) & ~std::size_t(15);
    if (pArena == NULL || nArena - nUsed < nSize)
        throw std::bad_alloc();
    void* p = pArena + nUsed;
    nUsed += nSize;
    return p;
}

// A T that new places in that memory; delete runs the destructors only.
template <class T> class High : public T {
public:
    using T::T;
    static void* operator new(std::size_t nSize) { return HighAlloc(nSize); }
    static void operator delete(void*) {}
};
