// CStringT: storage management, searching, editing and formatting, for both
// character types; both are built here.
#include <afx.h>

#include "CodePage.h"
#include "StringOs.h"

namespace {

// The block every empty string points at: a zero header followed by the
// terminator. Nothing ever writes to it: it is const, so that the compiler
// knows its zero allocation length and sees that it is never freed.
const int s_emptyBlock[3] = {0, 0, 0};

// Its terminator is an int, wide enough for either character type.
template <class XCHAR> XCHAR* EmptyData() {
    return reinterpret_cast<XCHAR*>(const_cast<int*>(s_emptyBlock + 2));
}

// Lengths are ints; a result that would not fit is treated as exhausted memory.
int CheckedLength(long long n) {
    if (n > INT_MAX - 64)
        AfxThrowMemoryException();
    return static_cast<int>(n);
}

int Clamp(int n, int lo, int hi) {
    return n < lo ? lo : (n > hi ? hi : n);
}

template <class XCHAR> bool IsSpace(XCHAR c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

template <class XCHAR> bool IsUpper(XCHAR c) {
    return static_cast<unsigned>(c - 'A') <= 'Z' - 'A';
}

template <class XCHAR> bool IsLower(XCHAR c) {
    return static_cast<unsigned>(c - 'a') <= 'z' - 'a';
}

template <class XCHAR> XCHAR ToLower(XCHAR c) {
    return IsUpper(c) ? XCHAR(c - 'A' + 'a') : c;
}

template <class XCHAR> XCHAR ToUpper(XCHAR c) {
    return IsLower(c) ? XCHAR(c - 'a' + 'A') : c;
}

template <class XCHAR> struct IsChar {
    XCHAR ch;
    bool operator()(XCHAR c) const { return c == ch; }
};

template <class XCHAR> struct IsOneOf {
    const XCHAR* set;
    bool operator()(XCHAR c) const {
        return c != '\0' && ChTraitsCRT<XCHAR>::FindInString(set, c) != NULL;
    }
};

struct IsWhite {
    template <class XCHAR> bool operator()(XCHAR c) const { return IsSpace(c); }
};

// The empty text of each character type.
template <class XCHAR> const XCHAR* Nil() {
    static const XCHAR chNil = '\0';
    return &chNil;
}

template <class XCHAR, class Pred> int CountLeading(const XCHAR* p, int n, Pred pred) {
    int i = 0;
    while (i < n && pred(p[i]))
        ++i;
    return i;
}

template <class XCHAR, class Pred> int LengthWithoutTrailing(const XCHAR* p, int n, Pred pred) {
    while (n > 0 && pred(p[n - 1]))
        --n;
    return n;
}

} // namespace

// Storage

template <class BaseType> CStringT<BaseType>::CStringT() : m_pszData(EmptyData<XCHAR>()) {}

template <class BaseType>
CStringT<BaseType>::CStringT(const CStringT& stringSrc) : m_pszData(EmptyData<XCHAR>()) {
    Assign(stringSrc.m_pszData, stringSrc.GetLength());
}

template <class BaseType>
CStringT<BaseType>::CStringT(CStringT&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData) {
    stringSrc.m_pszData = EmptyData<XCHAR>();
}

template <class BaseType>
CStringT<BaseType>::CStringT(PCXSTR lpsz) : m_pszData(EmptyData<XCHAR>()) {
    if (lpsz != NULL)
        Assign(lpsz, CheckedLength(Traits::Length(lpsz)));
}

template <class BaseType>
CStringT<BaseType>::CStringT(PCXSTR lpch, int nLength) : m_pszData(EmptyData<XCHAR>()) {
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    Assign(lpch, nLength);
}

template <class BaseType>
CStringT<BaseType>::CStringT(XCHAR ch, int nRepeat) : m_pszData(EmptyData<XCHAR>()) {
    if (nRepeat > 0) {
        Reserve(nRepeat);
        Traits::Fill(m_pszData, ch, nRepeat);
        SetLength(nRepeat);
    }
}

template <class BaseType>
CStringT<BaseType>::CStringT(const CStringT<YCHAR>& stringSrc) : m_pszData(EmptyData<XCHAR>()) {
    AssignConverted(stringSrc.GetString(), stringSrc.GetLength());
}

template <class BaseType>
CStringT<BaseType>::CStringT(PCYSTR lpsz) : m_pszData(EmptyData<XCHAR>()) {
    if (lpsz != NULL)
        AssignConverted(lpsz, CheckedLength(ChTraitsCRT<YCHAR>::Length(lpsz)));
}

template <class BaseType>
CStringT<BaseType>::CStringT(PCYSTR lpch, int nLength) : m_pszData(EmptyData<XCHAR>()) {
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    AssignConverted(lpch, nLength);
}

template <class BaseType> void CStringT<BaseType>::Release() {
    if (!IsShared())
        free(GetData());
    m_pszData = EmptyData<XCHAR>();
}

template <class BaseType> bool CStringT<BaseType>::Overlaps(PCXSTR p) const {
    if (IsShared())
        return false;
    UINT_PTR pos = reinterpret_cast<UINT_PTR>(p);
    UINT_PTR start = reinterpret_cast<UINT_PTR>(m_pszData);
    return pos >= start && pos <= start + GetData()->nAllocLength * sizeof(XCHAR);
}

// Makes the buffer our own with room for nCapacity characters, keeping the
// current contents. The block takes whole steps of the allocator's
// granularity, which it would round to anyway: the rest is capacity.
template <class BaseType> void CStringT<BaseType>::Reserve(int nCapacity) {
    if (!IsShared() && nCapacity <= GetData()->nAllocLength)
        return;
    const size_t nStep = 16;
    const size_t nChars = static_cast<size_t>(nCapacity < 1 ? 1 : nCapacity) + 1;
    // Only wide characters can take a size_t of 32 bits past its end.
    if (sizeof(XCHAR) > 1 &&
        nChars > (static_cast<size_t>(-1) - sizeof(Data) - nStep) / sizeof(XCHAR))
        AfxThrowMemoryException();
    const size_t nBytes = (sizeof(Data) + nChars * sizeof(XCHAR) + nStep - 1) & ~(nStep - 1);
    const size_t nRoom = (nBytes - sizeof(Data)) / sizeof(XCHAR) - 1;
    nCapacity = nRoom < static_cast<size_t>(INT_MAX) ? static_cast<int>(nRoom) : INT_MAX;
    Data* pOld = IsShared() ? NULL : GetData();
    Data* pData = static_cast<Data*>(realloc(pOld, nBytes));
    if (pData == NULL)
        AfxThrowMemoryException();
    if (pOld == NULL) {
        pData->nDataLength = 0;
        reinterpret_cast<PXSTR>(pData + 1)[0] = '\0';
    }
    pData->nAllocLength = nCapacity;
    m_pszData = reinterpret_cast<PXSTR>(pData + 1);
}

// Room for nLength characters; repeated appends grow the buffer by half.
template <class BaseType> void CStringT<BaseType>::Grow(int nLength) {
    int nAlloc = GetData()->nAllocLength;
    if (nLength > nAlloc)
        Reserve(nLength < INT_MAX / 3 ? Clamp(nAlloc + nAlloc / 2, nLength, INT_MAX) : nLength);
}

template <class BaseType> void CStringT<BaseType>::AssignLarger(PCXSTR p, int n) {
    CStringT fresh;
    fresh.Reserve(n);
    memcpy(fresh.m_pszData, p, n * sizeof(XCHAR));
    fresh.SetLength(n);
    *this = static_cast<CStringT&&>(fresh);
}

// The other type's text converted; the buffer is kept when the result fits.
template <class BaseType> void CStringT<BaseType>::AssignConverted(PCYSTR p, int n) {
    const int nLength = n > 0 ? codepage::Convert(p, n, static_cast<PXSTR>(NULL), 0) : 0;
    if (nLength == 0) {
        SetLength(0);
        return;
    }
    Reserve(nLength);
    SetLength(codepage::Convert(p, n, m_pszData, nLength));
}

// p may point into this string.
template <class BaseType> void CStringT<BaseType>::Append(PCXSTR p, int n) {
    if (n <= 0)
        return;
    int nOld = GetLength();
    int nNew = CheckedLength(static_cast<long long>(nOld) + n);
    if (nNew > GetData()->nAllocLength) {
        bool bInside = Overlaps(p);
        ptrdiff_t offset = p - m_pszData;
        Grow(nNew);
        if (bInside)
            p = m_pszData + offset;
    }
    memmove(m_pszData + nOld, p, n * sizeof(XCHAR));
    SetLength(nNew);
}

template <class BaseType> void CStringT<BaseType>::Concat(PCXSTR p1, int n1, PCXSTR p2, int n2) {
    int n = CheckedLength(static_cast<long long>(n1) + n2);
    Reserve(n);
    memcpy(m_pszData, p1, n1 * sizeof(XCHAR));
    memcpy(m_pszData + n1, p2, n2 * sizeof(XCHAR));
    SetLength(n);
}

template <class BaseType>
void CStringT<BaseType>::ConcatRight(const CStringT& string, PCXSTR lpsz) {
    lpsz = lpsz != NULL ? lpsz : Nil<XCHAR>();
    Concat(string.m_pszData, string.GetLength(), lpsz, CheckedLength(Traits::Length(lpsz)));
}

template <class BaseType> void CStringT<BaseType>::ConcatLeft(PCXSTR lpsz, const CStringT& string) {
    lpsz = lpsz != NULL ? lpsz : Nil<XCHAR>();
    Concat(lpsz, CheckedLength(Traits::Length(lpsz)), string.m_pszData, string.GetLength());
}

template <class BaseType> void CStringT<BaseType>::Empty() {
    Release();
}

template <class BaseType>
CStringT<BaseType>& CStringT<BaseType>::operator=(const CStringT& stringSrc) {
    if (this != &stringSrc)
        Assign(stringSrc.m_pszData, stringSrc.GetLength());
    return *this;
}

template <class BaseType>
CStringT<BaseType>& CStringT<BaseType>::operator=(CStringT&& stringSrc) noexcept {
    if (this != &stringSrc) {
        Release();
        m_pszData = stringSrc.m_pszData;
        stringSrc.m_pszData = EmptyData<XCHAR>();
    }
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::operator=(PCXSTR lpsz) {
    Assign(lpsz, lpsz != NULL ? CheckedLength(Traits::Length(lpsz)) : 0);
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::operator=(XCHAR ch) {
    Assign(&ch, 1);
    return *this;
}

template <class BaseType>
CStringT<BaseType>& CStringT<BaseType>::operator=(const CStringT<YCHAR>& stringSrc) {
    AssignConverted(stringSrc.GetString(), stringSrc.GetLength());
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::operator=(PCYSTR lpsz) {
    AssignConverted(lpsz, lpsz != NULL ? CheckedLength(ChTraitsCRT<YCHAR>::Length(lpsz)) : 0);
    return *this;
}

template <class BaseType>
CStringT<BaseType>& CStringT<BaseType>::operator+=(const CStringT& string) {
    Append(string.m_pszData, string.GetLength());
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::operator+=(PCXSTR lpsz) {
    if (lpsz != NULL)
        Append(lpsz, CheckedLength(Traits::Length(lpsz)));
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::operator+=(XCHAR ch) {
    Append(&ch, 1);
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::operator+=(PCYSTR lpsz) {
    const CStringT converted(lpsz);
    return *this += converted;
}

// Characters and comparison

template <class BaseType> void CStringT<BaseType>::SetAt(int nIndex, XCHAR ch) {
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_pszData[nIndex] = ch;
}

template <class BaseType> int CStringT<BaseType>::Compare(PCXSTR lpsz) const {
    return Traits::Compare(m_pszData, lpsz != NULL ? lpsz : Nil<XCHAR>());
}

template <class BaseType> int CStringT<BaseType>::CompareNoCase(PCXSTR lpsz) const {
    PCXSTR p1 = m_pszData;
    PCXSTR p2 = lpsz != NULL ? lpsz : Nil<XCHAR>();
    for (;; ++p1, ++p2) {
        const unsigned c1 = Traits::Code(ToLower(*p1));
        const unsigned c2 = Traits::Code(ToLower(*p2));
        if (c1 != c2 || c1 == 0)
            return static_cast<int>(c1) - static_cast<int>(c2);
    }
}

// Extraction

template <class BaseType> CStringT<BaseType> CStringT<BaseType>::Left(int nCount) const {
    return CStringT(m_pszData, Clamp(nCount, 0, GetLength()));
}

template <class BaseType> CStringT<BaseType> CStringT<BaseType>::Right(int nCount) const {
    nCount = Clamp(nCount, 0, GetLength());
    return CStringT(m_pszData + GetLength() - nCount, nCount);
}

template <class BaseType> CStringT<BaseType> CStringT<BaseType>::Mid(int nFirst) const {
    nFirst = Clamp(nFirst, 0, GetLength());
    return CStringT(m_pszData + nFirst, GetLength() - nFirst);
}

template <class BaseType> CStringT<BaseType> CStringT<BaseType>::Mid(int nFirst, int nCount) const {
    nFirst = Clamp(nFirst, 0, GetLength());
    nCount = Clamp(nCount, 0, GetLength() - nFirst);
    return CStringT(m_pszData + nFirst, nCount);
}

template <class BaseType>
CStringT<BaseType> CStringT<BaseType>::SpanIncluding(PCXSTR lpszCharSet) const {
    if (lpszCharSet == NULL)
        return CStringT();
    return CStringT(m_pszData, static_cast<int>(Traits::Span(m_pszData, lpszCharSet)));
}

template <class BaseType>
CStringT<BaseType> CStringT<BaseType>::SpanExcluding(PCXSTR lpszCharSet) const {
    if (lpszCharSet == NULL)
        return *this;
    return CStringT(m_pszData, static_cast<int>(Traits::SpanExcluding(m_pszData, lpszCharSet)));
}

// Returns the next token at or after iStart and moves iStart past its
// delimiter; at the end it returns an empty string and sets iStart to -1.
// Without delimiters the rest of the string is one token.
template <class BaseType>
CStringT<BaseType> CStringT<BaseType>::Tokenize(PCXSTR pszTokens, int& iStart) const {
    if (iStart < 0)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    if (iStart < nLength) {
        if (pszTokens == NULL || *pszTokens == '\0') {
            int iFrom = iStart;
            iStart = nLength + 1;
            return Mid(iFrom);
        }
        PCXSTR pPlace = m_pszData + iStart;
        int nSkip = static_cast<int>(Traits::Span(pPlace, pszTokens));
        if (iStart + nSkip < nLength) {
            int iFrom = iStart + nSkip;
            int nToken = static_cast<int>(Traits::SpanExcluding(m_pszData + iFrom, pszTokens));
            iStart = iFrom + nToken + 1;
            return CStringT(m_pszData + iFrom, nToken);
        }
    }
    iStart = -1;
    return CStringT();
}

// Searching

template <class BaseType> int CStringT<BaseType>::Find(PCXSTR lpszSub, int nStart) const {
    if (lpszSub == NULL || nStart < 0 || nStart >= GetLength())
        return -1;
    // One character, the usual case, without strstr's setting up.
    PCXSTR p = lpszSub[0] != '\0' && lpszSub[1] == '\0'
                   ? Traits::FindInString(m_pszData + nStart, lpszSub[0])
                   : Traits::FindString(m_pszData + nStart, lpszSub);
    return p != NULL ? static_cast<int>(p - m_pszData) : -1;
}

template <class BaseType> int CStringT<BaseType>::ReverseFind(XCHAR ch) const {
    for (int i = GetLength() - 1; i >= 0; --i) {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

template <class BaseType> int CStringT<BaseType>::FindOneOf(PCXSTR lpszCharSet) const {
    if (lpszCharSet == NULL)
        return -1;
    PCXSTR p = Traits::FindOneOf(m_pszData, lpszCharSet);
    return p != NULL ? static_cast<int>(p - m_pszData) : -1;
}

// Editing

template <class BaseType> int CStringT<BaseType>::Replace(XCHAR chOld, XCHAR chNew) {
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (PXSTR p = m_pszData, pEnd = m_pszData + GetLength(); p < pEnd; ++p) {
        if (*p == chOld) {
            *p = chNew;
            ++nCount;
        }
    }
    return nCount;
}

template <class BaseType> int CStringT<BaseType>::Replace(PCXSTR lpszOld, PCXSTR lpszNew) {
    if (lpszOld == NULL || *lpszOld == '\0')
        return 0;
    if (lpszNew == NULL)
        lpszNew = Nil<XCHAR>();
    if (Overlaps(lpszOld) || Overlaps(lpszNew)) {
        CStringT sOld(lpszOld), sNew(lpszNew);
        return Replace(sOld.GetString(), sNew.GetString());
    }

    int nOld = CheckedLength(Traits::Length(lpszOld));
    int nNew = CheckedLength(Traits::Length(lpszNew));
    int nCount = 0;
    for (PCXSTR p = Traits::FindString(m_pszData, lpszOld); p != NULL;
         p = Traits::FindString(p + nOld, lpszOld))
        ++nCount;
    if (nCount == 0)
        return 0;

    int nLength = GetLength();
    int nResult = CheckedLength(nLength + static_cast<long long>(nCount) * (nNew - nOld));
    // Shrinking or same-size replacements work in place: the write position
    // never passes the read position. Growth builds a new buffer.
    CStringT grown;
    PXSTR pDest = m_pszData;
    if (nNew > nOld) {
        grown.Reserve(nResult);
        pDest = grown.m_pszData;
    }
    PCXSTR pSrc = m_pszData;
    for (PCXSTR pHit = Traits::FindString(pSrc, lpszOld); pHit != NULL;
         pHit = Traits::FindString(pSrc, lpszOld)) {
        size_t nKeep = pHit - pSrc;
        memmove(pDest, pSrc, nKeep * sizeof(XCHAR));
        pDest += nKeep;
        memcpy(pDest, lpszNew, nNew * sizeof(XCHAR));
        pDest += nNew;
        pSrc = pHit + nOld;
    }
    memmove(pDest, pSrc, (m_pszData + nLength - pSrc) * sizeof(XCHAR));
    if (nNew > nOld)
        *this = static_cast<CStringT&&>(grown);
    SetLength(nResult);
    return nCount;
}

template <class BaseType> int CStringT<BaseType>::Remove(XCHAR ch) {
    PXSTR pEnd = m_pszData + GetLength();
    PXSTR pDest = m_pszData;
    for (PCXSTR pSrc = m_pszData; pSrc < pEnd; ++pSrc) {
        if (*pSrc != ch)
            *pDest++ = *pSrc;
    }
    int nCount = static_cast<int>(pEnd - pDest);
    if (nCount > 0)
        SetLength(GetLength() - nCount);
    return nCount;
}

template <class BaseType> int CStringT<BaseType>::Insert(int nIndex, XCHAR ch) {
    XCHAR sz[2] = {ch, '\0'};
    return Insert(nIndex, sz);
}

template <class BaseType> int CStringT<BaseType>::Insert(int nIndex, PCXSTR psz) {
    if (psz == NULL || *psz == '\0')
        return GetLength();
    if (Overlaps(psz)) {
        CStringT s(psz);
        return Insert(nIndex, s.GetString());
    }
    int nLength = GetLength();
    int n = CheckedLength(Traits::Length(psz));
    int nNew = CheckedLength(static_cast<long long>(nLength) + n);
    nIndex = Clamp(nIndex, 0, nLength);
    Grow(nNew);
    memmove(m_pszData + nIndex + n, m_pszData + nIndex, (nLength - nIndex) * sizeof(XCHAR));
    memcpy(m_pszData + nIndex, psz, n * sizeof(XCHAR));
    SetLength(nNew);
    return nNew;
}

template <class BaseType> int CStringT<BaseType>::Delete(int nIndex, int nCount) {
    int nLength = GetLength();
    nIndex = Clamp(nIndex, 0, nLength);
    nCount = Clamp(nCount, 0, nLength - nIndex);
    if (nCount > 0) {
        memmove(m_pszData + nIndex, m_pszData + nIndex + nCount,
                (nLength - nIndex - nCount) * sizeof(XCHAR));
        SetLength(nLength - nCount);
    }
    return GetLength();
}

// Only the letters that change are written: names are mostly in the case
// asked for already.
template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::MakeUpper() {
    for (PXSTR p = m_pszData, pEnd = m_pszData + GetLength(); p < pEnd; ++p) {
        if (IsLower(*p))
            *p = ToUpper(*p);
    }
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::MakeLower() {
    for (PXSTR p = m_pszData, pEnd = m_pszData + GetLength(); p < pEnd; ++p) {
        if (IsUpper(*p))
            *p = ToLower(*p);
    }
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::MakeReverse() {
    for (PXSTR p = m_pszData, q = m_pszData + GetLength() - 1; p < q; ++p, --q) {
        XCHAR c = *p;
        *p = *q;
        *q = c;
    }
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::DropLeft(int nCount) {
    if (nCount > 0) {
        int nLength = GetLength() - nCount;
        memmove(m_pszData, m_pszData + nCount, nLength * sizeof(XCHAR));
        SetLength(nLength);
    }
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::KeepLeft(int nCount) {
    if (nCount < GetLength())
        SetLength(nCount);
    return *this;
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::Trim() {
    return TrimRight().TrimLeft();
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::Trim(XCHAR chTarget) {
    return TrimRight(chTarget).TrimLeft(chTarget);
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::Trim(PCXSTR pszTargets) {
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::TrimLeft() {
    return DropLeft(CountLeading(m_pszData, GetLength(), IsWhite()));
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::TrimLeft(XCHAR chTarget) {
    return DropLeft(CountLeading(m_pszData, GetLength(), IsChar<XCHAR>{chTarget}));
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::TrimLeft(PCXSTR pszTargets) {
    if (pszTargets == NULL)
        return *this;
    return DropLeft(CountLeading(m_pszData, GetLength(), IsOneOf<XCHAR>{pszTargets}));
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::TrimRight() {
    return KeepLeft(LengthWithoutTrailing(m_pszData, GetLength(), IsWhite()));
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::TrimRight(XCHAR chTarget) {
    return KeepLeft(LengthWithoutTrailing(m_pszData, GetLength(), IsChar<XCHAR>{chTarget}));
}

template <class BaseType> CStringT<BaseType>& CStringT<BaseType>::TrimRight(PCXSTR pszTargets) {
    if (pszTargets == NULL)
        return *this;
    return KeepLeft(LengthWithoutTrailing(m_pszData, GetLength(), IsOneOf<XCHAR>{pszTargets}));
}

// Formatting

namespace {

// The C library's formatting of either character type: the length of the
// whole text, also when it did not fit into the nBuf characters at pBuf, or
// -1 for a bad format.
int FormatInto(char* pBuf, size_t nBuf, const char* pszFormat, va_list argList) {
    return vsnprintf(pBuf, nBuf, pszFormat, argList);
}

int FormatInto(wchar_t* pBuf, size_t nBuf, const wchar_t* pszFormat, va_list argList) {
    return stringos::FormatWide(pBuf, nBuf, pszFormat, argList);
}

// A wide format rewritten for the C library, which reads %s and %c in a
// wide format as 8-bit arguments where the framework reads wide ones (see
// afxstr.h): every string and character conversion gets its width written
// out. An 8-bit format means the same to both.
const wchar_t* CFormat(const wchar_t* pszFormat, CStringW& strRewritten) {
    const wchar_t* p = pszFormat;
    while ((p = wcschr(p, L'%')) != NULL) {
        ++p;
        p += wcsspn(p, L"-+ #0123456789.*");
        const size_t nLength = wcsspn(p, L"hlLjztqIw");
        const wchar_t chConv = p[nLength];
        if (chConv == L's' || chConv == L'c' || chConv == L'S' || chConv == L'C')
            break;
        if (chConv != L'\0')
            ++p;
        p += nLength;
    }
    if (p == NULL)
        return pszFormat;

    strRewritten.Empty();
    for (p = pszFormat; *p != L'\0';) {
        const wchar_t* pPercent = wcschr(p, L'%');
        if (pPercent == NULL) {
            strRewritten += p;
            break;
        }
        const size_t nSpec = 1 + wcsspn(pPercent + 1, L"-+ #0123456789.*");
        const size_t nLength = wcsspn(pPercent + nSpec, L"hlLjztqIw");
        const wchar_t chConv = pPercent[nSpec + nLength];
        strRewritten += CStringW(p, static_cast<int>(pPercent - p + nSpec));
        p = pPercent + nSpec;
        if (chConv == L's' || chConv == L'c' || chConv == L'S' || chConv == L'C') {
            const bool bUpper = chConv == L'S' || chConv == L'C';
            const wchar_t chSize = nLength > 0 ? p[0] : L'\0';
            const bool bWide = chSize == L'l' || chSize == L'w' || (chSize == L'\0' && !bUpper);
            if (bWide)
                strRewritten += L'l';
            strRewritten += bUpper ? wchar_t(chConv - L'S' + L's') : chConv;
            p += nLength + 1;
        } else {
            const size_t nTaken = nLength + (chConv != L'\0' ? 1 : 0);
            strRewritten += CStringW(p, static_cast<int>(nTaken));
            p += nTaken;
        }
    }
    return strRewritten;
}

} // namespace

// A wide format has its string and character widths written out first.
template <class BaseType>
void CStringT<BaseType>::FormatAt(int nOffset, PCXSTR lpszFormat, va_list argList) {
    if (lpszFormat == NULL)
        AfxThrowInvalidArgException();
    if constexpr (sizeof(XCHAR) == 1) {
        FormatText(nOffset, lpszFormat, argList);
    } else {
        CStringT strFormat;
        FormatText(nOffset, CFormat(lpszFormat, strFormat), argList);
    }
}

// Formats after the first nOffset characters. The arguments may point into
// this string, so the old characters stay in place until the text is made.
template <class BaseType>
void CStringT<BaseType>::FormatText(int nOffset, PCXSTR lpszFormat, va_list argList) {
    XCHAR szShort[256];
    const int nShort = static_cast<int>(sizeof szShort / sizeof szShort[0]);
    va_list argCopy;
    va_copy(argCopy, argList);
    int n = FormatInto(szShort, nShort, lpszFormat, argCopy);
    va_end(argCopy);
    if (n < 0)
        AfxThrowInvalidArgException();
    int nTotal = CheckedLength(static_cast<long long>(nOffset) + n);
    if (n < nShort) {
        if (nOffset == 0)
            Reserve(nTotal);
        else
            Grow(nTotal);
        memcpy(m_pszData + nOffset, szShort, n * sizeof(XCHAR));
    } else {
        CStringT fresh;
        fresh.Reserve(nOffset == 0 ? nTotal : Clamp(nOffset + nOffset / 2, nTotal, INT_MAX));
        memcpy(fresh.m_pszData, m_pszData, nOffset * sizeof(XCHAR));
        FormatInto(fresh.m_pszData + nOffset, n + 1, lpszFormat, argList);
        *this = static_cast<CStringT&&>(fresh);
    }
    SetLength(nTotal);
}

template <class BaseType> void CStringT<BaseType>::FormatV(PCXSTR lpszFormat, va_list argList) {
    FormatAt(0, lpszFormat, argList);
}

template <class BaseType>
void CStringT<BaseType>::AppendFormatV(PCXSTR lpszFormat, va_list argList) {
    FormatAt(GetLength(), lpszFormat, argList);
}

// Direct buffer access

template <class BaseType> typename CStringT<BaseType>::PXSTR CStringT<BaseType>::GetBuffer() {
    return GetBuffer(GetLength());
}

// The buffer may be larger than asked for: a terminator after the count
// asked for ends the text there when the caller fills all of it.
template <class BaseType>
typename CStringT<BaseType>::PXSTR CStringT<BaseType>::GetBuffer(int nMinBufLength) {
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    const int nLength = GetLength();
    Reserve(nMinBufLength > nLength ? nMinBufLength : nLength);
    if (nMinBufLength > nLength)
        m_pszData[nMinBufLength] = '\0';
    return m_pszData;
}

template <class BaseType>
typename CStringT<BaseType>::PXSTR CStringT<BaseType>::GetBufferSetLength(int nNewLength) {
    if (nNewLength < 0)
        AfxThrowInvalidArgException();
    Reserve(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

// Without a length, the text ends at the first terminator within the buffer.
template <class BaseType> void CStringT<BaseType>::ReleaseBuffer(int nNewLength) {
    if (nNewLength == -1) {
        PCXSTR pEnd = Traits::Find(m_pszData, '\0', GetData()->nAllocLength);
        nNewLength = pEnd != NULL ? static_cast<int>(pEnd - m_pszData) : GetData()->nAllocLength;
    }
    ReleaseBufferSetLength(nNewLength);
}

template <class BaseType> void CStringT<BaseType>::ReleaseBufferSetLength(int nNewLength) {
    if (nNewLength < 0 || nNewLength > GetData()->nAllocLength)
        AfxThrowInvalidArgException();
    SetLength(nNewLength);
}

template class CStringT<char>;
template class CStringT<wchar_t>;
