// CStringT: the framework's character string with value semantics, one
// template for both character types. CStringA holds 8-bit characters of the
// ANSI code page, CStringW wide characters (UTF-16 on Windows, wchar_t's 32
// bits elsewhere), and CString is the one of the build's TCHAR. The framework
// exports both.
//
// The object is a single pointer to the characters; the length and the
// capacity sit in a small header just before them. Every empty string points
// at one shared, never written block, so constructing, clearing or copying an
// empty string allocates nothing. Assigning a text that fits keeps the
// buffer, appends grow the capacity geometrically, and blocks are allocated
// in whole steps of the allocator's granularity: a string reused line after
// line, or built up piece by piece, allocates rarely.
//
// A string takes the other type's characters too (constructing, assigning),
// converted through the process's ANSI code page as the system converts by
// default: on Windows a character the code page lacks becomes its closest
// form there or '?'. Elsewhere the code page is ISO 8859-1, whose characters
// are the first 256 code points; any other becomes '?'.
#pragma once

#include <stdarg.h>
#include <string.h>
#include <wchar.h>

#include "afxver_.h"

// The C runtime's string functions for one character type.
template <class BaseType> struct ChTraitsCRT;

template <> struct ChTraitsCRT<char> {
    typedef wchar_t YCHAR; // the other character type
    static size_t Length(const char* p) { return strlen(p); }
    static const char* Find(const char* p, char ch, size_t n) {
        return static_cast<const char*>(memchr(p, ch, n));
    }
    static const char* FindInString(const char* p, char ch) { return strchr(p, ch); }
    static const char* FindString(const char* p, const char* pSub) { return strstr(p, pSub); }
    static size_t Span(const char* p, const char* pSet) { return strspn(p, pSet); }
    static size_t SpanExcluding(const char* p, const char* pSet) { return strcspn(p, pSet); }
    static const char* FindOneOf(const char* p, const char* pSet) { return strpbrk(p, pSet); }
    static int Compare(const char* p1, const char* p2) { return strcmp(p1, p2); }
    static void Fill(char* p, char ch, size_t n) { memset(p, ch, n); }
    static unsigned Code(char ch) { return static_cast<unsigned char>(ch); }
};

template <> struct ChTraitsCRT<wchar_t> {
    typedef char YCHAR;
    static size_t Length(const wchar_t* p) { return wcslen(p); }
    static const wchar_t* Find(const wchar_t* p, wchar_t ch, size_t n) { return wmemchr(p, ch, n); }
    static const wchar_t* FindInString(const wchar_t* p, wchar_t ch) { return wcschr(p, ch); }
    static const wchar_t* FindString(const wchar_t* p, const wchar_t* pSub) {
        return wcsstr(p, pSub);
    }
    static size_t Span(const wchar_t* p, const wchar_t* pSet) { return wcsspn(p, pSet); }
    static size_t SpanExcluding(const wchar_t* p, const wchar_t* pSet) { return wcscspn(p, pSet); }
    static const wchar_t* FindOneOf(const wchar_t* p, const wchar_t* pSet) {
        return wcspbrk(p, pSet);
    }
    static int Compare(const wchar_t* p1, const wchar_t* p2) { return wcscmp(p1, p2); }
    static void Fill(wchar_t* p, wchar_t ch, size_t n) { wmemset(p, ch, n); }
    static unsigned Code(wchar_t ch) { return static_cast<unsigned>(ch); }
};

// Format and AppendFormat of the string TString, which implements FormatV
// and AppendFormatV. The 8-bit forms have their arguments checked against
// the format by the compiler; the compiler checks no wide formats.
//
// A wide format reads %s and %c as wide and %S and %C as 8-bit arguments,
// an 8-bit one the other way round; %hs and %hc always name 8-bit, %ls and
// %lc wide arguments. An argument of the other width is converted as the C
// runtime converts it (byte by byte in the C locale), not through the ANSI
// code page.
template <class TString, class BaseType> class CStringFormatting;

template <class TString> class CStringFormatting<TString, char> {
public:
    void Format(const char* pszFormat, ...) AFX_PRINTF_FMT(2, 3) {
        va_list argList;
        va_start(argList, pszFormat);
        static_cast<TString*>(this)->FormatV(pszFormat, argList);
        va_end(argList);
    }
    void AppendFormat(const char* pszFormat, ...) AFX_PRINTF_FMT(2, 3) {
        va_list argList;
        va_start(argList, pszFormat);
        static_cast<TString*>(this)->AppendFormatV(pszFormat, argList);
        va_end(argList);
    }
};

template <class TString> class CStringFormatting<TString, wchar_t> {
public:
    void Format(const wchar_t* pszFormat, ...) {
        va_list argList;
        va_start(argList, pszFormat);
        static_cast<TString*>(this)->FormatV(pszFormat, argList);
        va_end(argList);
    }
    void AppendFormat(const wchar_t* pszFormat, ...) {
        va_list argList;
        va_start(argList, pszFormat);
        static_cast<TString*>(this)->AppendFormatV(pszFormat, argList);
        va_end(argList);
    }
};

// The framework's library holds the members of both instances that are not
// defined here, built once from its own explicit instantiations.
template <class BaseType>
class AFX_FW_API CStringT : public CStringFormatting<CStringT<BaseType>, BaseType> {
    typedef ChTraitsCRT<BaseType> Traits;

public:
    typedef BaseType XCHAR;
    typedef BaseType* PXSTR;
    typedef const BaseType* PCXSTR;
    typedef typename Traits::YCHAR YCHAR;
    typedef YCHAR* PYSTR;
    typedef const YCHAR* PCYSTR;

    CStringT();
    CStringT(const CStringT& stringSrc);
    CStringT(CStringT&& stringSrc) noexcept;
    CStringT(PCXSTR lpsz);
    CStringT(PCXSTR lpch, int nLength);
    explicit CStringT(XCHAR ch, int nRepeat = 1);
    // The other character type's text, converted (see above).
    CStringT(const CStringT<YCHAR>& stringSrc);
    CStringT(PCYSTR lpsz);
    CStringT(PCYSTR lpch, int nLength);
    // Moved-from and empty strings, the most common ones to end, own nothing.
    ~CStringT() {
        if (!IsShared())
            Release();
    }

    CStringT& operator=(const CStringT& stringSrc);
    CStringT& operator=(CStringT&& stringSrc) noexcept;
    CStringT& operator=(PCXSTR lpsz);
    CStringT& operator=(XCHAR ch);
    CStringT& operator=(const CStringT<YCHAR>& stringSrc);
    CStringT& operator=(PCYSTR lpsz);

    // Replaces the text with nLength characters from pszSrc (which may lie
    // in this string), keeping the buffer when it is large enough.
    void SetString(PCXSTR pszSrc, int nLength) {
        if (nLength < 0 || (pszSrc == NULL && nLength > 0))
            AfxThrowInvalidArgException();
        Assign(pszSrc, nLength);
    }

    CStringT& operator+=(const CStringT& string);
    CStringT& operator+=(PCXSTR lpsz);
    CStringT& operator+=(XCHAR ch);
    CStringT& operator+=(PCYSTR lpsz);

    int GetLength() const { return GetData()->nDataLength; }
    bool IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    PCXSTR GetString() const { return m_pszData; }
    operator PCXSTR() const { return m_pszData; }

    // Character access; an index outside 0 .. GetLength()-1 throws
    // CInvalidArgException.
    XCHAR GetAt(int nIndex) const {
        if (static_cast<unsigned>(nIndex) >= static_cast<unsigned>(GetLength()))
            AfxThrowInvalidArgException();
        return m_pszData[nIndex];
    }
    XCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, XCHAR ch);

    int Compare(PCXSTR lpsz) const;
    int CompareNoCase(PCXSTR lpsz) const;

    // Extraction clamps its arguments to the string instead of failing.
    CStringT Left(int nCount) const;
    CStringT Right(int nCount) const;
    CStringT Mid(int nFirst) const;
    CStringT Mid(int nFirst, int nCount) const;
    CStringT SpanIncluding(PCXSTR lpszCharSet) const;
    CStringT SpanExcluding(PCXSTR lpszCharSet) const;
    CStringT Tokenize(PCXSTR pszTokens, int& iStart) const;

    // Searches return a zero-based index or -1; a start at or past the end
    // finds nothing.
    int Find(XCHAR ch, int nStart = 0) const {
        if (nStart < 0 || nStart >= GetLength())
            return -1;
        PCXSTR p = Traits::Find(m_pszData + nStart, ch, GetLength() - nStart);
        return p != NULL ? static_cast<int>(p - m_pszData) : -1;
    }
    int Find(PCXSTR lpszSub, int nStart = 0) const;
    int ReverseFind(XCHAR ch) const;
    int FindOneOf(PCXSTR lpszCharSet) const;

    int Replace(XCHAR chOld, XCHAR chNew);
    int Replace(PCXSTR lpszOld, PCXSTR lpszNew);
    int Remove(XCHAR ch);
    int Insert(int nIndex, XCHAR ch);
    int Insert(int nIndex, PCXSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Case mapping follows the C locale: only A-Z and a-z change.
    CStringT& MakeUpper();
    CStringT& MakeLower();
    CStringT& MakeReverse();

    // Whitespace is the C locale's: space, \t, \n, \v, \f and \r.
    CStringT& Trim();
    CStringT& Trim(XCHAR chTarget);
    CStringT& Trim(PCXSTR pszTargets);
    CStringT& TrimLeft();
    CStringT& TrimLeft(XCHAR chTarget);
    CStringT& TrimLeft(PCXSTR pszTargets);
    CStringT& TrimRight();
    CStringT& TrimRight(XCHAR chTarget);
    CStringT& TrimRight(PCXSTR pszTargets);

    // Format and AppendFormat come from CStringFormatting.
    void FormatV(PCXSTR lpszFormat, va_list argList);
    void AppendFormatV(PCXSTR lpszFormat, va_list argList);

#ifdef _WIN32
    // String nID of the resource search chain (the host's module first);
    // FALSE, and an empty string, when no module has it.
    BOOL LoadString(UINT nID);
#endif

    // Direct access to the characters. The buffer holds at least the
    // requested count plus a terminator until the next change of the string.
    PXSTR GetBuffer();
    PXSTR GetBuffer(int nMinBufLength);
    PXSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);

    // Concatenation: a temporary on the left is extended in place, so a
    // chain a + b + c makes one string, not one per step.
    friend CStringT operator+(const CStringT& string1, const CStringT& string2) {
        CStringT s;
        s.Concat(string1.m_pszData, string1.GetLength(), string2.m_pszData, string2.GetLength());
        return s;
    }
    friend CStringT operator+(const CStringT& string, PCXSTR lpsz) {
        CStringT s;
        s.ConcatRight(string, lpsz);
        return s;
    }
    friend CStringT operator+(PCXSTR lpsz, const CStringT& string) {
        CStringT s;
        s.ConcatLeft(lpsz, string);
        return s;
    }
    friend CStringT operator+(const CStringT& string, XCHAR ch) {
        CStringT s;
        s.Concat(string.m_pszData, string.GetLength(), &ch, 1);
        return s;
    }
    friend CStringT operator+(XCHAR ch, const CStringT& string) {
        CStringT s;
        s.Concat(&ch, 1, string.m_pszData, string.GetLength());
        return s;
    }
    friend CStringT operator+(CStringT&& string1, const CStringT& string2) {
        string1 += string2;
        return static_cast<CStringT&&>(string1);
    }
    friend CStringT operator+(CStringT&& string, PCXSTR lpsz) {
        string += lpsz;
        return static_cast<CStringT&&>(string);
    }
    friend CStringT operator+(CStringT&& string, XCHAR ch) {
        string += ch;
        return static_cast<CStringT&&>(string);
    }

    friend bool operator==(const CStringT& s1, const CStringT& s2) {
        return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
    }
    friend bool operator==(const CStringT& s1, PCXSTR s2) {
        return s1.Compare(s2) == 0;
    }
    friend bool operator==(PCXSTR s1, const CStringT& s2) {
        return s2.Compare(s1) == 0;
    }
    friend bool operator!=(const CStringT& s1, const CStringT& s2) {
        return !(s1 == s2);
    }
    friend bool operator!=(const CStringT& s1, PCXSTR s2) {
        return s1.Compare(s2) != 0;
    }
    friend bool operator!=(PCXSTR s1, const CStringT& s2) {
        return s2.Compare(s1) != 0;
    }
    friend bool operator<(const CStringT& s1, const CStringT& s2) {
        return s1.Compare(s2) < 0;
    }
    friend bool operator<(const CStringT& s1, PCXSTR s2) {
        return s1.Compare(s2) < 0;
    }
    friend bool operator<(PCXSTR s1, const CStringT& s2) {
        return s2.Compare(s1) > 0;
    }
    friend bool operator>(const CStringT& s1, const CStringT& s2) {
        return s1.Compare(s2) > 0;
    }
    friend bool operator>(const CStringT& s1, PCXSTR s2) {
        return s1.Compare(s2) > 0;
    }
    friend bool operator>(PCXSTR s1, const CStringT& s2) {
        return s2.Compare(s1) < 0;
    }
    friend bool operator<=(const CStringT& s1, const CStringT& s2) {
        return s1.Compare(s2) <= 0;
    }
    friend bool operator<=(const CStringT& s1, PCXSTR s2) {
        return s1.Compare(s2) <= 0;
    }
    friend bool operator<=(PCXSTR s1, const CStringT& s2) {
        return s2.Compare(s1) >= 0;
    }
    friend bool operator>=(const CStringT& s1, const CStringT& s2) {
        return s1.Compare(s2) >= 0;
    }
    friend bool operator>=(const CStringT& s1, PCXSTR s2) {
        return s1.Compare(s2) >= 0;
    }
    friend bool operator>=(PCXSTR s1, const CStringT& s2) {
        return s2.Compare(s1) <= 0;
    }

private:
    struct Data {
        int nDataLength;
        int nAllocLength; // 0 only for the shared empty block
    };

    Data* GetData() const {
        return reinterpret_cast<Data*>(m_pszData) - 1;
    }
    bool IsShared() const {
        return GetData()->nAllocLength == 0;
    }
    bool Overlaps(PCXSTR p) const;
    // p may point into this string. A text that fits keeps the buffer; the
    // rarer case is a function of its own. Inline: a line read into a string
    // goes through here.
    void Assign(PCXSTR p, int n) {
        if (n > GetData()->nAllocLength) {
            AssignLarger(p, n);
            return;
        }
        if (n > 0)
            memmove(m_pszData, p, n * sizeof(XCHAR));
        SetLength(n);
    }
    void AssignLarger(PCXSTR p, int n);
    void AssignConverted(PCYSTR p, int n);
    void Append(PCXSTR p, int n);
    void Concat(PCXSTR p1, int n1, PCXSTR p2, int n2);
    void ConcatRight(const CStringT& string, PCXSTR lpsz);
    void ConcatLeft(PCXSTR lpsz, const CStringT& string);
    void FormatAt(int nOffset, PCXSTR lpszFormat, va_list argList);
    void FormatText(int nOffset, PCXSTR lpszFormat, va_list argList);
    void Reserve(int nCapacity);
    void Grow(int nLength);
    void SetLength(int nLength) {
        if (IsShared())
            return;
        GetData()->nDataLength = nLength;
        m_pszData[nLength] = '\0';
    }
    CStringT& DropLeft(int nCount);
    CStringT& KeepLeft(int nCount);
    void Release();

    PXSTR m_pszData;
};

typedef CStringT<char> CStringA;
typedef CStringT<wchar_t> CStringW;
typedef CStringT<TCHAR> CString;
