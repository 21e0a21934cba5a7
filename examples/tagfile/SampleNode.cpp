#include "SampleNode.h"

#include "rvNumeric.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Whole-text parses: "12abc" or an empty text is no number. Sizes as this
// class writes them, at most nine digits after an optional minus, are read
// here as strtol reads them; strtol reads every other text.
bool ParseInt(const CString& strText, int& nValue) {
    LPCTSTR p = strText;
    const bool bMinus = *p == '-';
    const int nDigits = strText.GetLength() - (bMinus ? 1 : 0);
    int n = 0;
    int i = 0;
    for (p += bMinus ? 1 : 0; i < nDigits && i < 9 && p[i] >= '0' && p[i] <= '9'; ++i)
        n = n * 10 + (p[i] - '0');
    if (i > 0 && i == nDigits) {
        nValue = bMinus ? -n : n;
        return true;
    }
    // The 8-bit rules in both builds: no other script's digits.
    const CStringA strNumber = rvNumberText(strText);
    char* pEnd = NULL;
    errno = 0;
    const long nLong = std::strtol(strNumber, &pEnd, 10);
    if (strText.IsEmpty() || *pEnd != '\0' || errno != 0 || nLong != static_cast<int>(nLong))
        return false;
    nValue = static_cast<int>(nLong);
    return true;
}

// Decimals of at most 15 digits, with a point between digits, are read here
// as their digits divided by a power of ten: both are exact doubles, so the
// division rounds the decimal's value correctly, as strtod does; strtod
// reads every other text.
bool ParseDouble(const CString& strText, double& dValue) {
    static const double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    LPCTSTR p = strText;
    const LPCTSTR pEnd = p + strText.GetLength();
    const bool bMinus = *p == '-';
    p += bMinus ? 1 : 0;
    long long nDigits = 0;
    int nCount = 0;
    int nFraction = -1;
    for (; p < pEnd && nCount <= 15; ++p) {
        if (*p >= '0' && *p <= '9') {
            nDigits = nDigits * 10 + (*p - '0');
            ++nCount;
            nFraction += nFraction >= 0 ? 1 : 0;
        } else if (*p == '.' && nFraction < 0 && nCount > 0) {
            nFraction = 0;
        } else {
            break;
        }
    }
    if (p == pEnd && nCount > 0 && nCount <= 15 && nFraction != 0) {
        const double d = static_cast<double>(nDigits) / kPowersOfTen[nFraction < 0 ? 0 : nFraction];
        dValue = bMinus ? -d : d;
        return true;
    }
    const CStringA strNumber = rvNumberText(strText);
    char* pStop = NULL;
    const double d = std::strtod(strNumber, &pStop);
    if (strText.IsEmpty() || *pStop != '\0')
        return false;
    dValue = d;
    return true;
}

// The text "%d" makes of n; returns its length.
int IntText(int n, LPTSTR pText) {
    char digits[12];
    int nDigits = 0;
    unsigned int u = n < 0 ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
    do {
        digits[nDigits++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    int nLength = 0;
    if (n < 0)
        pText[nLength++] = '-';
    while (nDigits > 0)
        pText[nLength++] = digits[--nDigits];
    pText[nLength] = '\0';
    return nLength;
}

// The text "%.15g" makes of d; returns its length. A weight is mostly a
// number of quarters or eighths: d times 2^n, n at most 8, is a whole number,
// and d is then exactly a decimal with n places. When that decimal has at
// most 15 digits, "%.15g" writes exactly its digits, less trailing zeros,
// and no exponent (the value lies between 2^-8 and 1e15); they are written
// here. Other values are formatted.
int DoubleText(double d, LPTSTR pText, size_t nRoom) {
    static const long long kPowersOfFive[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625};
    const long long kLimit = 1000000000000000LL; // 15 digits
    for (int nPlaces = 0; d != 0.0 && nPlaces <= 8; ++nPlaces) {
        // Past 2^53 every double is whole, with more than 15 digits; NaN and
        // the infinities fail this test too.
        const double dWhole = std::fabs(d * static_cast<double>(1 << nPlaces));
        if (!(dWhole < 9007199254740992.0))
            break;
        const long long nWhole = static_cast<long long>(dWhole);
        if (static_cast<double>(nWhole) != dWhole)
            continue;
        if (nWhole > (kLimit - 1) / kPowersOfFive[nPlaces])
            break;
        // d = nDigits / 10^nPlaces
        long long nDigits = nWhole * kPowersOfFive[nPlaces];
        while (nPlaces > 0 && nDigits % 10 == 0) {
            nDigits /= 10;
            --nPlaces;
        }
        char digits[20];
        int nCount = 0;
        for (; nDigits != 0 || nCount <= nPlaces; nDigits /= 10)
            digits[nCount++] = static_cast<char>('0' + nDigits % 10);
        int nLength = 0;
        if (d < 0)
            pText[nLength++] = '-';
        while (nCount > 0) {
            if (nCount == nPlaces)
                pText[nLength++] = '.';
            pText[nLength++] = digits[--nCount];
        }
        pText[nLength] = '\0';
        return nLength;
    }
    CString strNumber;
    strNumber.Format(_T("%.15g"), d);
    const size_t nLength = static_cast<size_t>(strNumber.GetLength());
    const LPCTSTR pNumber = strNumber;
    std::copy(pNumber, pNumber + (nLength < nRoom ? nLength + 1 : nRoom), pText);
    return static_cast<int>(nLength < nRoom ? nLength : nRoom - 1);
}

} // namespace

void SampleNode::SetName(LPCTSTR lpszName) {
    m_strName = lpszName ? lpszName : _T("");
}

namespace {

// Copies n characters to p, returning the end: the record's hot copy.
LPTSTR CopyText(LPTSTR p, LPCTSTR pFrom, size_t n) {
    std::memcpy(p, pFrom, n * sizeof(TCHAR));
    return p + n;
}

// One line of a record, as RVXMLFile::ConstrTag makes it: level tabs, the
// tag, and for a field its value and closing tag.
struct TagLine {
    LPCTSTR pszName;
    LPCTSTR pValue; // null for a tag alone
    int nValue;
    int nLevel;

    long long Length() const {
        const long long nName = static_cast<long long>(_tcslen(pszName));
        return (nLevel > 0 ? nLevel : 0) + nName + 3 + (pValue ? nValue + nName + 3 : 0);
    }
    LPTSTR Put(LPTSTR p) const {
        const size_t nName = _tcslen(pszName);
        for (int i = 0; i < nLevel; ++i)
            *p++ = '\t';
        *p++ = '<';
        p = CopyText(p, pszName, nName);
        *p++ = '>';
        if (pValue) {
            p = CopyText(p, pValue, static_cast<size_t>(nValue));
            *p++ = '<';
            *p++ = '/';
            p = CopyText(p, pszName, nName);
            *p++ = '>';
        }
        *p++ = '\n';
        return p;
    }
};

} // namespace

// The record is made in one string of the length its lines add up to.
CString SampleNode::GetStoreString(int nLevel) {
    TCHAR szSize[16];
    TCHAR szWeight[64];
    TagLine lines[6];
    int nLines = 0;
    lines[nLines++] = TagLine{_T("item"), NULL, 0, nLevel};
    lines[nLines++] = TagLine{_T("name"), m_strName, m_strName.GetLength(), nLevel + 1};
    if (m_nSize != 0)
        lines[nLines++] = TagLine{_T("size"), szSize, IntText(m_nSize, szSize), nLevel + 1};
    if (m_dWeight != 0.0)
        lines[nLines++] = TagLine{
            _T("weight"), szWeight,
            DoubleText(m_dWeight, szWeight, sizeof szWeight / sizeof szWeight[0]), nLevel + 1};
    if (!m_strNote.IsEmpty())
        lines[nLines++] = TagLine{_T("note"), m_strNote, m_strNote.GetLength(), nLevel + 1};
    lines[nLines++] = TagLine{_T("/item"), NULL, 0, nLevel};

    long long nLength = 0;
    for (int i = 0; i < nLines; ++i)
        nLength += lines[i].Length();
    if (nLength > INT_MAX - 64)
        AfxThrowMemoryException();
    CString strRecord;
    LPTSTR p = strRecord.GetBuffer(static_cast<int>(nLength));
    for (int i = 0; i < nLines; ++i)
        p = lines[i].Put(p);
    strRecord.ReleaseBuffer(static_cast<int>(nLength));
    return strRecord;
}

bool SampleNode::TransferData(bool bToOther, XMLNode* pOther) {
    SampleNode* pSample = dynamic_cast<SampleNode*>(pOther);
    if (pSample == NULL)
        return false;
    if (bToOther)
        *pSample = *this;
    else
        *this = *pSample;
    return true;
}

// One comparison per component: the first letter picks the name to compare.
bool SampleNode::ReadComponent(CString& strName, CString& strValue) {
    LPCTSTR pszName = strName;
    switch (pszName[0]) {
    case 'n':
        if (_tcscmp(pszName, _T("name")) == 0)
            m_strName = strValue;
        else if (_tcscmp(pszName, _T("note")) == 0)
            m_strNote = strValue;
        break;
    case 's':
        if (_tcscmp(pszName, _T("size")) == 0)
            return ParseInt(strValue, m_nSize);
        break;
    case 'w':
        if (_tcscmp(pszName, _T("weight")) == 0)
            return ParseDouble(strValue, m_dWeight);
        break;
    }
    return true;
}
