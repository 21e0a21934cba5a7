// CString: storage management, searching, editing and formatting.
#include <afx.h>

namespace {

// The block every empty string points at: a zero header followed by the
// terminator. Nothing ever writes to it: it is const, so that the compiler
// knows its zero allocation length and sees that it is never freed.
const int s_emptyBlock[3] = {0, 0, 0};

LPTSTR EmptyData() {
    return reinterpret_cast<LPTSTR>(const_cast<int*>(s_emptyBlock + 2));
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

bool IsSpace(TCHAR c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsUpper(TCHAR c) {
    return static_cast<unsigned>(c - 'A') <= 'Z' - 'A';
}

bool IsLower(TCHAR c) {
    return static_cast<unsigned>(c - 'a') <= 'z' - 'a';
}

TCHAR ToLower(TCHAR c) {
    return IsUpper(c) ? TCHAR(c - 'A' + 'a') : c;
}

TCHAR ToUpper(TCHAR c) {
    return IsLower(c) ? TCHAR(c - 'a' + 'A') : c;
}

struct IsChar {
    TCHAR ch;
    bool operator()(TCHAR c) const { return c == ch; }
};

struct IsOneOf {
    LPCTSTR set;
    bool operator()(TCHAR c) const { return c != '\0' && strchr(set, c) != NULL; }
};

struct IsWhite {
    bool operator()(TCHAR c) const { return IsSpace(c); }
};

template <class Pred> int CountLeading(LPCTSTR p, int n, Pred pred) {
    int i = 0;
    while (i < n && pred(p[i]))
        ++i;
    return i;
}

template <class Pred> int LengthWithoutTrailing(LPCTSTR p, int n, Pred pred) {
    while (n > 0 && pred(p[n - 1]))
        --n;
    return n;
}

} // namespace

// Storage

CString::CString() : m_pszData(EmptyData()) {}

CString::CString(const CString& stringSrc) : m_pszData(EmptyData()) {
    Assign(stringSrc.m_pszData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData) {
    stringSrc.m_pszData = EmptyData();
}

CString::CString(LPCTSTR lpsz) : m_pszData(EmptyData()) {
    if (lpsz != NULL)
        Assign(lpsz, CheckedLength(strlen(lpsz)));
}

CString::CString(LPCTSTR lpch, int nLength) : m_pszData(EmptyData()) {
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    Assign(lpch, nLength);
}

CString::CString(TCHAR ch, int nRepeat) : m_pszData(EmptyData()) {
    if (nRepeat > 0) {
        Reserve(nRepeat);
        memset(m_pszData, ch, nRepeat);
        SetLength(nRepeat);
    }
}

void CString::Release() {
    if (!IsShared())
        free(GetData());
    m_pszData = EmptyData();
}

bool CString::Overlaps(LPCTSTR p) const {
    if (IsShared())
        return false;
    UINT_PTR pos = reinterpret_cast<UINT_PTR>(p);
    UINT_PTR start = reinterpret_cast<UINT_PTR>(m_pszData);
    return pos >= start && pos <= start + GetData()->nAllocLength;
}

// Makes the buffer our own with room for nCapacity characters, keeping the
// current contents. The block takes whole steps of the allocator's
// granularity, which it would round to anyway: the rest is capacity.
void CString::Reserve(int nCapacity) {
    if (!IsShared() && nCapacity <= GetData()->nAllocLength)
        return;
    const size_t nStep = 16;
    const size_t nBytes =
        (sizeof(Data) + static_cast<size_t>(nCapacity < 1 ? 1 : nCapacity) + 1 + nStep - 1) &
        ~(nStep - 1);
    const size_t nRoom = nBytes - sizeof(Data) - 1;
    nCapacity = nRoom < static_cast<size_t>(INT_MAX) ? static_cast<int>(nRoom) : INT_MAX;
    Data* pOld = IsShared() ? NULL : GetData();
    Data* pData = static_cast<Data*>(realloc(pOld, nBytes));
    if (pData == NULL)
        AfxThrowMemoryException();
    if (pOld == NULL) {
        pData->nDataLength = 0;
        reinterpret_cast<LPTSTR>(pData + 1)[0] = '\0';
    }
    pData->nAllocLength = nCapacity;
    m_pszData = reinterpret_cast<LPTSTR>(pData + 1);
}

// Room for nLength characters; repeated appends grow the buffer by half.
void CString::Grow(int nLength) {
    int nAlloc = GetData()->nAllocLength;
    if (nLength > nAlloc)
        Reserve(nLength < INT_MAX / 3 ? Clamp(nAlloc + nAlloc / 2, nLength, INT_MAX) : nLength);
}

void CString::AssignLarger(LPCTSTR p, int n) {
    CString fresh;
    fresh.Reserve(n);
    memcpy(fresh.m_pszData, p, n);
    fresh.SetLength(n);
    *this = static_cast<CString&&>(fresh);
}

// p may point into this string.
void CString::Append(LPCTSTR p, int n) {
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
    memmove(m_pszData + nOld, p, n);
    SetLength(nNew);
}

void CString::Concat(LPCTSTR p1, int n1, LPCTSTR p2, int n2) {
    int n = CheckedLength(static_cast<long long>(n1) + n2);
    Reserve(n);
    memcpy(m_pszData, p1, n1);
    memcpy(m_pszData + n1, p2, n2);
    SetLength(n);
}

void CString::Empty() {
    Release();
}

CString& CString::operator=(const CString& stringSrc) {
    if (this != &stringSrc)
        Assign(stringSrc.m_pszData, stringSrc.GetLength());
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept {
    if (this != &stringSrc) {
        Release();
        m_pszData = stringSrc.m_pszData;
        stringSrc.m_pszData = EmptyData();
    }
    return *this;
}

CString& CString::operator=(LPCTSTR lpsz) {
    Assign(lpsz, lpsz != NULL ? CheckedLength(strlen(lpsz)) : 0);
    return *this;
}

CString& CString::operator=(TCHAR ch) {
    Assign(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& string) {
    Append(string.m_pszData, string.GetLength());
    return *this;
}

CString& CString::operator+=(LPCTSTR lpsz) {
    if (lpsz != NULL)
        Append(lpsz, CheckedLength(strlen(lpsz)));
    return *this;
}

CString& CString::operator+=(TCHAR ch) {
    Append(&ch, 1);
    return *this;
}

CString operator+(const CString& string1, const CString& string2) {
    CString s;
    s.Concat(string1.m_pszData, string1.GetLength(), string2.m_pszData, string2.GetLength());
    return s;
}

CString operator+(const CString& string, LPCTSTR lpsz) {
    CString s;
    lpsz = lpsz != NULL ? lpsz : "";
    s.Concat(string.m_pszData, string.GetLength(), lpsz, CheckedLength(strlen(lpsz)));
    return s;
}

CString operator+(LPCTSTR lpsz, const CString& string) {
    CString s;
    lpsz = lpsz != NULL ? lpsz : "";
    s.Concat(lpsz, CheckedLength(strlen(lpsz)), string.m_pszData, string.GetLength());
    return s;
}

CString operator+(const CString& string, TCHAR ch) {
    CString s;
    s.Concat(string.m_pszData, string.GetLength(), &ch, 1);
    return s;
}

CString operator+(TCHAR ch, const CString& string) {
    CString s;
    s.Concat(&ch, 1, string.m_pszData, string.GetLength());
    return s;
}

// A temporary on the left is extended in place, so a chain a + b + c makes
// one string, not one per step.
CString operator+(CString&& string1, const CString& string2) {
    string1 += string2;
    return static_cast<CString&&>(string1);
}

CString operator+(CString&& string, LPCTSTR lpsz) {
    string += lpsz;
    return static_cast<CString&&>(string);
}

CString operator+(CString&& string, TCHAR ch) {
    string += ch;
    return static_cast<CString&&>(string);
}

// Characters and comparison

void CString::SetAt(int nIndex, TCHAR ch) {
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_pszData[nIndex] = ch;
}

int CString::Compare(LPCTSTR lpsz) const {
    return strcmp(m_pszData, lpsz != NULL ? lpsz : "");
}

int CString::CompareNoCase(LPCTSTR lpsz) const {
    const unsigned char* p1 = reinterpret_cast<const unsigned char*>(m_pszData);
    const unsigned char* p2 = reinterpret_cast<const unsigned char*>(lpsz != NULL ? lpsz : "");
    for (;; ++p1, ++p2) {
        int c1 = static_cast<unsigned char>(ToLower(*p1));
        int c2 = static_cast<unsigned char>(ToLower(*p2));
        if (c1 != c2 || c1 == 0)
            return c1 - c2;
    }
}

// Extraction

CString CString::Left(int nCount) const {
    return CString(m_pszData, Clamp(nCount, 0, GetLength()));
}

CString CString::Right(int nCount) const {
    nCount = Clamp(nCount, 0, GetLength());
    return CString(m_pszData + GetLength() - nCount, nCount);
}

CString CString::Mid(int nFirst) const {
    nFirst = Clamp(nFirst, 0, GetLength());
    return CString(m_pszData + nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const {
    nFirst = Clamp(nFirst, 0, GetLength());
    nCount = Clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_pszData + nFirst, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const {
    if (lpszCharSet == NULL)
        return CString();
    return CString(m_pszData, static_cast<int>(strspn(m_pszData, lpszCharSet)));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const {
    if (lpszCharSet == NULL)
        return *this;
    return CString(m_pszData, static_cast<int>(strcspn(m_pszData, lpszCharSet)));
}

// Returns the next token at or after iStart and moves iStart past its
// delimiter; at the end it returns an empty string and sets iStart to -1.
// Without delimiters the rest of the string is one token.
CString CString::Tokenize(LPCTSTR pszTokens, int& iStart) const {
    if (iStart < 0)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    if (iStart < nLength) {
        if (pszTokens == NULL || *pszTokens == '\0') {
            int iFrom = iStart;
            iStart = nLength + 1;
            return Mid(iFrom);
        }
        LPCTSTR pPlace = m_pszData + iStart;
        int nSkip = static_cast<int>(strspn(pPlace, pszTokens));
        if (iStart + nSkip < nLength) {
            int iFrom = iStart + nSkip;
            int nToken = static_cast<int>(strcspn(m_pszData + iFrom, pszTokens));
            iStart = iFrom + nToken + 1;
            return CString(m_pszData + iFrom, nToken);
        }
    }
    iStart = -1;
    return CString();
}

// Searching

int CString::Find(LPCTSTR lpszSub, int nStart) const {
    if (lpszSub == NULL || nStart < 0 || nStart >= GetLength())
        return -1;
    // One character, the usual case, without strstr's setting up.
    LPCTSTR p = lpszSub[0] != '\0' && lpszSub[1] == '\0' ? strchr(m_pszData + nStart, lpszSub[0])
                                                         : strstr(m_pszData + nStart, lpszSub);
    return p != NULL ? static_cast<int>(p - m_pszData) : -1;
}

int CString::ReverseFind(TCHAR ch) const {
    for (int i = GetLength() - 1; i >= 0; --i) {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const {
    if (lpszCharSet == NULL)
        return -1;
    LPCTSTR p = strpbrk(m_pszData, lpszCharSet);
    return p != NULL ? static_cast<int>(p - m_pszData) : -1;
}

// Editing

int CString::Replace(TCHAR chOld, TCHAR chNew) {
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (LPTSTR p = m_pszData, pEnd = m_pszData + GetLength(); p < pEnd; ++p) {
        if (*p == chOld) {
            *p = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew) {
    if (lpszOld == NULL || *lpszOld == '\0')
        return 0;
    if (lpszNew == NULL)
        lpszNew = "";
    if (Overlaps(lpszOld) || Overlaps(lpszNew)) {
        CString sOld(lpszOld), sNew(lpszNew);
        return Replace(sOld.GetString(), sNew.GetString());
    }

    int nOld = CheckedLength(strlen(lpszOld));
    int nNew = CheckedLength(strlen(lpszNew));
    int nCount = 0;
    for (LPCTSTR p = strstr(m_pszData, lpszOld); p != NULL; p = strstr(p + nOld, lpszOld))
        ++nCount;
    if (nCount == 0)
        return 0;

    int nLength = GetLength();
    int nResult = CheckedLength(nLength + static_cast<long long>(nCount) * (nNew - nOld));
    // Shrinking or same-size replacements work in place: the write position
    // never passes the read position. Growth builds a new buffer.
    CString grown;
    LPTSTR pDest = m_pszData;
    if (nNew > nOld) {
        grown.Reserve(nResult);
        pDest = grown.m_pszData;
    }
    LPCTSTR pSrc = m_pszData;
    for (LPCTSTR pHit = strstr(pSrc, lpszOld); pHit != NULL; pHit = strstr(pSrc, lpszOld)) {
        size_t nKeep = pHit - pSrc;
        memmove(pDest, pSrc, nKeep);
        pDest += nKeep;
        memcpy(pDest, lpszNew, nNew);
        pDest += nNew;
        pSrc = pHit + nOld;
    }
    memmove(pDest, pSrc, m_pszData + nLength - pSrc);
    if (nNew > nOld)
        *this = static_cast<CString&&>(grown);
    SetLength(nResult);
    return nCount;
}

int CString::Remove(TCHAR ch) {
    LPTSTR pEnd = m_pszData + GetLength();
    LPTSTR pDest = m_pszData;
    for (LPCTSTR pSrc = m_pszData; pSrc < pEnd; ++pSrc) {
        if (*pSrc != ch)
            *pDest++ = *pSrc;
    }
    int nCount = static_cast<int>(pEnd - pDest);
    if (nCount > 0)
        SetLength(GetLength() - nCount);
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch) {
    TCHAR sz[2] = {ch, '\0'};
    return Insert(nIndex, sz);
}

int CString::Insert(int nIndex, LPCTSTR psz) {
    if (psz == NULL || *psz == '\0')
        return GetLength();
    if (Overlaps(psz)) {
        CString s(psz);
        return Insert(nIndex, s.GetString());
    }
    int nLength = GetLength();
    int n = CheckedLength(strlen(psz));
    int nNew = CheckedLength(static_cast<long long>(nLength) + n);
    nIndex = Clamp(nIndex, 0, nLength);
    Grow(nNew);
    memmove(m_pszData + nIndex + n, m_pszData + nIndex, nLength - nIndex);
    memcpy(m_pszData + nIndex, psz, n);
    SetLength(nNew);
    return nNew;
}

int CString::Delete(int nIndex, int nCount) {
    int nLength = GetLength();
    nIndex = Clamp(nIndex, 0, nLength);
    nCount = Clamp(nCount, 0, nLength - nIndex);
    if (nCount > 0) {
        memmove(m_pszData + nIndex, m_pszData + nIndex + nCount, nLength - nIndex - nCount);
        SetLength(nLength - nCount);
    }
    return GetLength();
}

// Only the letters that change are written: names are mostly in the case
// asked for already.
CString& CString::MakeUpper() {
    for (LPTSTR p = m_pszData, pEnd = m_pszData + GetLength(); p < pEnd; ++p) {
        if (IsLower(*p))
            *p = ToUpper(*p);
    }
    return *this;
}

CString& CString::MakeLower() {
    for (LPTSTR p = m_pszData, pEnd = m_pszData + GetLength(); p < pEnd; ++p) {
        if (IsUpper(*p))
            *p = ToLower(*p);
    }
    return *this;
}

CString& CString::MakeReverse() {
    for (LPTSTR p = m_pszData, q = m_pszData + GetLength() - 1; p < q; ++p, --q) {
        TCHAR c = *p;
        *p = *q;
        *q = c;
    }
    return *this;
}

CString& CString::DropLeft(int nCount) {
    if (nCount > 0) {
        int nLength = GetLength() - nCount;
        memmove(m_pszData, m_pszData + nCount, nLength);
        SetLength(nLength);
    }
    return *this;
}

CString& CString::KeepLeft(int nCount) {
    if (nCount < GetLength())
        SetLength(nCount);
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::Trim(TCHAR chTarget) {
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCTSTR pszTargets) {
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft() {
    return DropLeft(CountLeading(m_pszData, GetLength(), IsWhite()));
}

CString& CString::TrimLeft(TCHAR chTarget) {
    return DropLeft(CountLeading(m_pszData, GetLength(), IsChar{chTarget}));
}

CString& CString::TrimLeft(LPCTSTR pszTargets) {
    if (pszTargets == NULL)
        return *this;
    return DropLeft(CountLeading(m_pszData, GetLength(), IsOneOf{pszTargets}));
}

CString& CString::TrimRight() {
    return KeepLeft(LengthWithoutTrailing(m_pszData, GetLength(), IsWhite()));
}

CString& CString::TrimRight(TCHAR chTarget) {
    return KeepLeft(LengthWithoutTrailing(m_pszData, GetLength(), IsChar{chTarget}));
}

CString& CString::TrimRight(LPCTSTR pszTargets) {
    if (pszTargets == NULL)
        return *this;
    return KeepLeft(LengthWithoutTrailing(m_pszData, GetLength(), IsOneOf{pszTargets}));
}

// Formatting

// Formats after the first nOffset characters. The arguments may point into
// this string, so the old characters stay in place until the text is made.
void CString::FormatAt(int nOffset, LPCTSTR lpszFormat, va_list argList) {
    if (lpszFormat == NULL)
        AfxThrowInvalidArgException();
    TCHAR szShort[256];
    va_list argCopy;
    va_copy(argCopy, argList);
    int n = vsnprintf(szShort, sizeof szShort, lpszFormat, argCopy);
    va_end(argCopy);
    if (n < 0)
        AfxThrowInvalidArgException();
    int nTotal = CheckedLength(static_cast<long long>(nOffset) + n);
    if (n < static_cast<int>(sizeof szShort)) {
        if (nOffset == 0)
            Reserve(nTotal);
        else
            Grow(nTotal);
        memcpy(m_pszData + nOffset, szShort, n);
    } else {
        CString fresh;
        fresh.Reserve(nOffset == 0 ? nTotal : Clamp(nOffset + nOffset / 2, nTotal, INT_MAX));
        memcpy(fresh.m_pszData, m_pszData, nOffset);
        vsnprintf(fresh.m_pszData + nOffset, n + 1, lpszFormat, argList);
        *this = static_cast<CString&&>(fresh);
    }
    SetLength(nTotal);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList) {
    FormatAt(0, lpszFormat, argList);
}

void CString::Format(LPCTSTR lpszFormat, ...) {
    va_list argList;
    va_start(argList, lpszFormat);
    FormatAt(0, lpszFormat, argList);
    va_end(argList);
}

void CString::AppendFormatV(LPCTSTR lpszFormat, va_list argList) {
    FormatAt(GetLength(), lpszFormat, argList);
}

void CString::AppendFormat(LPCTSTR lpszFormat, ...) {
    va_list argList;
    va_start(argList, lpszFormat);
    FormatAt(GetLength(), lpszFormat, argList);
    va_end(argList);
}

// Direct buffer access

LPTSTR CString::GetBuffer() {
    return GetBuffer(GetLength());
}

// The buffer may be larger than asked for: a terminator after the count
// asked for ends the text there when the caller fills all of it.
LPTSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    const int nLength = GetLength();
    Reserve(nMinBufLength > nLength ? nMinBufLength : nLength);
    if (nMinBufLength > nLength)
        m_pszData[nMinBufLength] = '\0';
    return m_pszData;
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
    if (nNewLength < 0)
        AfxThrowInvalidArgException();
    Reserve(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

// Without a length, the text ends at the first terminator within the buffer.
void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength == -1) {
        const void* pEnd = memchr(m_pszData, '\0', GetData()->nAllocLength);
        nNewLength = pEnd != NULL ? static_cast<int>(static_cast<LPCTSTR>(pEnd) - m_pszData)
                                  : GetData()->nAllocLength;
    }
    ReleaseBufferSetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength) {
    if (nNewLength < 0 || nNewLength > GetData()->nAllocLength)
        AfxThrowInvalidArgException();
    SetLength(nNewLength);
}
