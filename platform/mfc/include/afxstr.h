// CString: the framework's 8-bit character string with value semantics.
//
// The object is a single pointer to the characters; the length and the
// capacity sit in a small header just before them. Every empty string points
// at one shared, never written block, so constructing, clearing or copying an
// empty string allocates nothing. Assigning a text that fits keeps the
// buffer, appends grow the capacity geometrically, and blocks are allocated
// in whole steps of the allocator's granularity: a string reused line after
// line, or built up piece by piece, allocates rarely.
#pragma once

#include <string.h>

#include "afxver_.h"

class AFX_FW_API CString {
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(LPCTSTR lpsz);
    CString(LPCTSTR lpch, int nLength);
    explicit CString(TCHAR ch, int nRepeat = 1);
    // Moved-from and empty strings, the most common ones to end, own nothing.
    ~CString() {
        if (!IsShared())
            Release();
    }

    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCTSTR lpsz);
    CString& operator=(TCHAR ch);

    // Replaces the text with nLength characters from pszSrc (which may lie
    // in this string), keeping the buffer when it is large enough.
    void SetString(LPCTSTR pszSrc, int nLength) {
        if (nLength < 0 || (pszSrc == NULL && nLength > 0))
            AfxThrowInvalidArgException();
        Assign(pszSrc, nLength);
    }

    CString& operator+=(const CString& string);
    CString& operator+=(LPCTSTR lpsz);
    CString& operator+=(TCHAR ch);

    int GetLength() const { return GetData()->nDataLength; }
    bool IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    LPCTSTR GetString() const { return m_pszData; }
    operator LPCTSTR() const { return m_pszData; }

    // Character access; an index outside 0 .. GetLength()-1 throws
    // CInvalidArgException.
    TCHAR GetAt(int nIndex) const {
        if (static_cast<unsigned>(nIndex) >= static_cast<unsigned>(GetLength()))
            AfxThrowInvalidArgException();
        return m_pszData[nIndex];
    }
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TCHAR ch);

    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;

    // Extraction clamps its arguments to the string instead of failing.
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;
    CString Tokenize(LPCTSTR pszTokens, int& iStart) const;

    // Searches return a zero-based index or -1; a start at or past the end
    // finds nothing.
    int Find(TCHAR ch, int nStart = 0) const {
        if (nStart < 0 || nStart >= GetLength())
            return -1;
        const void* p = memchr(m_pszData + nStart, ch, GetLength() - nStart);
        return p != NULL ? static_cast<int>(static_cast<LPCTSTR>(p) - m_pszData) : -1;
    }
    int Find(LPCTSTR lpszSub, int nStart = 0) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR ch);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Case mapping follows the C locale: only A-Z and a-z change.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Whitespace is the C locale's: space, \t, \n, \v, \f and \r.
    CString& Trim();
    CString& Trim(TCHAR chTarget);
    CString& Trim(LPCTSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(TCHAR chTarget);
    CString& TrimLeft(LPCTSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(TCHAR chTarget);
    CString& TrimRight(LPCTSTR pszTargets);

    void Format(LPCTSTR lpszFormat, ...) AFX_PRINTF_FMT(2, 3);
    void FormatV(LPCTSTR lpszFormat, va_list argList);
    void AppendFormat(LPCTSTR lpszFormat, ...) AFX_PRINTF_FMT(2, 3);
    void AppendFormatV(LPCTSTR lpszFormat, va_list argList);

    // Direct access to the characters. The buffer holds at least the
    // requested count plus a terminator until the next change of the string.
    LPTSTR GetBuffer();
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);

    friend AFX_FW_API CString operator+(const CString& string1, const CString& string2);
    friend AFX_FW_API CString operator+(const CString& string, LPCTSTR lpsz);
    friend AFX_FW_API CString operator+(LPCTSTR lpsz, const CString& string);
    friend AFX_FW_API CString operator+(const CString& string, TCHAR ch);
    friend AFX_FW_API CString operator+(TCHAR ch, const CString& string);
    friend AFX_FW_API CString operator+(CString&& string1, const CString& string2);
    friend AFX_FW_API CString operator+(CString&& string, LPCTSTR lpsz);
    friend AFX_FW_API CString operator+(CString&& string, TCHAR ch);

private:
    struct Data {
        int nDataLength;
        int nAllocLength; // 0 only for the shared empty block
    };

    Data* GetData() const { return reinterpret_cast<Data*>(m_pszData) - 1; }
    bool IsShared() const { return GetData()->nAllocLength == 0; }
    bool Overlaps(LPCTSTR p) const;
    // p may point into this string. A text that fits keeps the buffer; the
    // rarer case is a function of its own. Inline: a line read into a string
    // goes through here.
    void Assign(LPCTSTR p, int n) {
        if (n > GetData()->nAllocLength) {
            AssignLarger(p, n);
            return;
        }
        if (n > 0)
            memmove(m_pszData, p, n);
        SetLength(n);
    }
    void AssignLarger(LPCTSTR p, int n);
    void Append(LPCTSTR p, int n);
    void Concat(LPCTSTR p1, int n1, LPCTSTR p2, int n2);
    void FormatAt(int nOffset, LPCTSTR lpszFormat, va_list argList);
    void Reserve(int nCapacity);
    void Grow(int nLength);
    void SetLength(int nLength) {
        if (IsShared())
            return;
        GetData()->nDataLength = nLength;
        m_pszData[nLength] = '\0';
    }
    CString& DropLeft(int nCount);
    CString& KeepLeft(int nCount);
    void Release();

    LPTSTR m_pszData;
};

inline bool operator==(const CString& s1, const CString& s2) {
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2) {
    return !(s1 == s2);
}
inline bool operator!=(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2) {
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) < 0;
}
inline bool operator<(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2) {
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) > 0;
}
inline bool operator>(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const CString& s1, LPCTSTR s2) {
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(LPCTSTR s1, const CString& s2) {
    return s2.Compare(s1) <= 0;
}
