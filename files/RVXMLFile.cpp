#include "RVXMLFile.h"

#include "RVTxtFileExcept.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <memory>
#include <type_traits>

IMPLEMENT_DYNAMIC(RVXMLFile, RVTxtFile)

namespace {

bool IsClosing(const CString& strName) {
    return !strName.IsEmpty() && strName[0] == '/';
}

LPCTSTR WithoutSlash(LPCTSTR pszName) {
    return *pszName == '/' ? pszName + 1 : pszName;
}

TCHAR Lower(TCHAR c) {
    return c >= 'A' && c <= 'Z' ? static_cast<TCHAR>(c + ('a' - 'A')) : c;
}

// As CString::CompareNoCase, on texts that need not be strings of their own.
// Characters compare by their unsigned values, as bytes do.
int CompareNoCase(LPCTSTR pszA, LPCTSTR pszB) {
    using Unsigned = std::make_unsigned_t<TCHAR>;
    for (LPCTSTR p1 = pszA, p2 = pszB;; ++p1, ++p2) {
        const int c1 = static_cast<Unsigned>(Lower(*p1));
        const int c2 = static_cast<Unsigned>(Lower(*p2));
        if (c1 != c2 || c1 == 0)
            return c1 - c2;
    }
}

// The first '<' at or after psz up to its terminator, as strchr finds it. A
// line of the format begins with its indentation and a tag: the tabs are
// passed here, sooner than by a call of the C library.
LPCTSTR FindTagOpen(LPCTSTR psz) {
    while (*psz == '\t')
        ++psz;
    return *psz == '<' ? psz : _tcschr(psz, _T('<'));
}

// The first ch in the n characters from p, as memchr finds a byte.
LPCTSTR FindIn(LPCTSTR p, TCHAR ch, int n) {
#ifdef _UNICODE
    return std::wmemchr(p, ch, static_cast<size_t>(n));
#else
    return static_cast<LPCTSTR>(std::memchr(p, ch, static_cast<size_t>(n)));
#endif
}

// A tag's name where it stands in the line: nLength characters, of which,
// as of any name, only those before a terminator count.
struct NameInLine {
    LPCTSTR p;
    int nLength;

    bool IsClosing() const { return nLength > 0 && *p == '/'; }
    NameInLine WithoutSlash() const { return IsClosing() ? NameInLine{p + 1, nLength - 1} : *this; }
    // Whether it equals the text without regard to case, as CompareNoCase
    // would find it equal to a string holding the name.
    bool EqualsNoCase(LPCTSTR psz) const {
        for (int i = 0; i < nLength && p[i] != '\0'; ++i, ++psz) {
            if (p[i] != *psz && Lower(p[i]) != Lower(*psz))
                return false;
        }
        return *psz == '\0';
    }
};

// The name of the tag between the '<' at nOpen and the '>' at nClose.
NameInLine TagName(const CString& strLine, int nOpen, int nClose) {
    return NameInLine{static_cast<LPCTSTR>(strLine) + nOpen + 1, nClose - nOpen - 1};
}

// Tags are compared with the names as CompareTagNames compares them.
bool SameTagName(const NameInLine& name, LPCTSTR pszName) {
    return name.WithoutSlash().EqualsNoCase(WithoutSlash(pszName));
}

// Sets the string to the name put in lower case. Names are mostly written in
// lower case already, and are then only copied.
void SetLower(CString& str, const NameInLine& name) {
    str.SetString(name.p, name.nLength);
    for (int i = 0; i < name.nLength; ++i) {
        if (name.p[i] >= 'A' && name.p[i] <= 'Z') {
            str.MakeLower();
            return;
        }
    }
}

// Puts a tag line into str: level tabs, '<', the name (after a '/' for a
// closing tag), '>', then, with a value, the value and the closing tag, and
// a line feed. The length is known first, so the line is made in one
// buffer, str's own when it is large enough.
void MakeTagLine(CString& str, int nLevel, bool bClosing, LPCTSTR pszName, const CString* pValue) {
    if (pszName == NULL)
        pszName = _T("");
    const long long nTabs = nLevel > 0 ? nLevel : 0;
    const long long nName = static_cast<long long>(_tcslen(pszName));
    const long long nValue = pValue != NULL ? pValue->GetLength() : 0;
    const long long nTotal =
        nTabs + 1 + bClosing + nName + 2 + (pValue != NULL ? nValue + 3 + nName : 0);
    if (nTotal > INT_MAX - 64)
        AfxThrowMemoryException();
    LPTSTR p = str.GetBuffer(static_cast<int>(nTotal));
    p = std::fill_n(p, nTabs, _T('\t'));
    *p++ = '<';
    if (bClosing)
        *p++ = '/';
    p = std::copy(pszName, pszName + nName, p);
    *p++ = '>';
    if (pValue != NULL) {
        p = std::copy(static_cast<LPCTSTR>(*pValue), static_cast<LPCTSTR>(*pValue) + nValue, p);
        *p++ = '<';
        *p++ = '/';
        p = std::copy(pszName, pszName + nName, p);
        *p++ = '>';
    }
    *p = '\n';
    str.ReleaseBuffer(static_cast<int>(nTotal));
}

} // namespace

RVXMLFile::RVXMLFile() {
    Construct();
}

RVXMLFile::~RVXMLFile() {}

void RVXMLFile::Construct() {
    m_nLevel = 0;
    m_bFolder = true;
}

// A file without a first line is no tag file; it is not kept open, so that
// a failed Open leaves nothing for the caller to clean up.
bool RVXMLFile::Open(bool bReadOnly) {
    if (!Open2(bReadOnly))
        return false;
    try {
        if (ReadString())
            return true;
    } catch (CException* e) {
        e->Delete();
    }
    Abort();
    return false;
}

// A move before the line's start is refused without moving: a negative
// column would make the next scan pass over the whole line.
bool RVXMLFile::Move(int nCount) {
    const long long nCol = static_cast<long long>(m_nCol) + nCount;
    if (nCol < 0)
        return false;
    if (nCol < m_strCurLine.GetLength()) {
        m_nCol = static_cast<int>(nCol);
        return true;
    }
    m_nCol = m_strCurLine.GetLength();
    return ReadString() != 0;
}

// The '<' is searched as in a string (up to a terminator in the line), the
// '>' in the whole rest of the line.
inline int RVXMLFile::FindTagStart() {
    if (m_nCol >= 0 && m_nCol < m_strCurLine.GetLength()) {
        LPCTSTR pszLine = m_strCurLine;
        if (LPCTSTR p = FindTagOpen(pszLine + m_nCol))
            return m_nCol = static_cast<int>(p - pszLine);
    }
    for (;;) {
        if (!ReadString())
            return -1;
        LPCTSTR pszLine = m_strCurLine;
        if (LPCTSTR p = FindTagOpen(pszLine))
            return m_nCol = static_cast<int>(p - pszLine);
    }
}

// The '>' is looked for on the line of the '<' only: a tag never spans lines,
// and the line counter then names the line that holds the broken tag.
inline int RVXMLFile::FindTagEnd(int nOpen) const {
    const int nLineLength = m_strCurLine.GetLength();
    if (nOpen >= nLineLength - 1)
        throw new RVTxtFileExcept(_T("Invalid format"), _T("RVXMLFile::GetNextTag() @0"), m_nLine);
    LPCTSTR pszLine = m_strCurLine;
    LPCTSTR pClose = FindIn(pszLine + nOpen + 1, _T('>'), nLineLength - nOpen - 1);
    if (pClose == NULL)
        throw new RVTxtFileExcept(_T("Missing closing tag"), _T("RVXMLFile::GetNextTag() @1"),
                                  m_nLine);
    return static_cast<int>(pClose - pszLine);
}

inline void RVXMLFile::PassTag(int nClose) {
    m_nCol = nClose + 1;
    if (m_nCol >= m_strCurLine.GetLength())
        ReadString();
}

int RVXMLFile::GetNextTag(CString& strName, bool bSkip, int* pLength) {
    const int nOpen = FindTagStart();
    if (nOpen < 0)
        return -1;
    const int nClose = FindTagEnd(nOpen);
    strName.SetString(static_cast<LPCTSTR>(m_strCurLine) + nOpen + 1, nClose - nOpen - 1);
    if (pLength)
        *pLength = nClose - nOpen + 1;
    if (bSkip)
        PassTag(nClose);
    return nOpen;
}

int RVXMLFile::GetNextTagLower(CString& strName, bool bSkip, int* pLength) {
    const int nAt = GetNextTag(strName, bSkip, pLength);
    strName.MakeLower();
    return nAt;
}

// Every tag is looked at, also several on one line. The found tag's line
// stays current, so that the column always names a place in it.
int RVXMLFile::FindNextTag(LPCTSTR lpszName, bool bEither, bool bSkip) {
    if (lpszName == NULL)
        return -1;
    const CString strName(lpszName);
    CString strTag;
    int nTagLength = 0;
    for (;;) {
        const int nAt = GetNextTag(strTag, false, &nTagLength);
        if (nAt < 0)
            return -1;
        if (CompareTagNames(strTag, strName) == 0 && (bEither || IsClosing(strTag))) {
            if (bSkip) {
                m_nCol = nAt + nTagLength;
            } else if (m_posCurLine != kNoPosition && GetPosition() != m_posCurLine) {
                // The line's own start is exact whatever its line end; the
                // counter goes back with it, as the line will be counted
                // again. A line already put back stays as it is.
                Seek(static_cast<LONGLONG>(m_posCurLine), CFile::begin);
                --m_nLine;
            }
            return nAt;
        }
        m_nCol = nAt + nTagLength;
    }
}

int RVXMLFile::CompareTagNames(const CString& strA, const CString& strB) {
    return CompareNoCase(WithoutSlash(strA), WithoutSlash(strB));
}

bool RVXMLFile::IsNodeTag(const CString& strName) const {
    return CompareTagNames(strName, m_strNodeTag) == 0;
}

// The value ends at the first '<' on the line or at the line's end: a value
// never runs into a later line, whose tags stay for the next scan.
bool RVXMLFile::ReadTagContents(CString, CString& strValue) {
    const int nLineLength = m_strCurLine.GetLength();
    if (m_nCol >= 0 && m_nCol < nLineLength && m_strCurLine[m_nCol] == '<') {
        const int nClose = m_strCurLine.Find('>', m_nCol);
        if (nClose < 0)
            return false;
        ReadValueAfter(nClose, strValue);
        return true;
    }
    ReadValueFrom(m_nCol < 0 ? 0 : (m_nCol > nLineLength ? nLineLength : m_nCol), strValue);
    return true;
}

// The opening tag ends at nClose; a tag that ends its line has no value.
inline void RVXMLFile::ReadValueAfter(int nClose, CString& strValue) {
    const int nLineLength = m_strCurLine.GetLength();
    if (nClose + 1 < nLineLength) {
        ReadValueFrom(nClose + 1, strValue);
        return;
    }
    strValue.SetString(m_strCurLine, 0);
    m_nCol = nLineLength;
    ReadString();
}

// The tag after the value is passed where it stands; its name is not used.
inline void RVXMLFile::ReadValueFrom(int nStart, CString& strValue) {
    const int nLineLength = m_strCurLine.GetLength();
    LPCTSTR pszLine = m_strCurLine;
    LPCTSTR pNext = FindIn(pszLine + nStart, _T('<'), nLineLength - nStart);
    const int nEnd = pNext != NULL ? static_cast<int>(pNext - pszLine) : nLineLength;
    strValue.SetString(pszLine + nStart, nEnd - nStart);
    m_nCol = nEnd;
    if (pNext != NULL)
        PassTag(FindTagEnd(nEnd));
}

// The node tag is meant to be lower case; compared without regard to case,
// a host's "Item" still closes its nodes instead of running them together.
// Only a component's name is copied, in lower case, for the node; the tags
// around it are looked at where they stand in the line.
inline EIterResult RVXMLFile::ReadComponentOf(XMLNode* pNode) {
    const int nOpen = FindTagStart();
    if (nOpen < 0)
        return eIterStop;
    const int nClose = FindTagEnd(nOpen);
    const NameInLine name = TagName(m_strCurLine, nOpen, nClose);
    if (name.IsClosing()) {
        if (NameInLine{name.p + 1, name.nLength - 1}.EqualsNoCase(m_strNodeTag))
            return eIterDone;
        return Move(nClose - nOpen + 1) ? eIterContinue : eIterStop;
    }
    SetLower(m_strCompName, name);
    ReadValueAfter(nClose, m_strCompValue);
    if (pNode == NULL)
        return eIterStop;
    return pNode->ReadComponent(m_strCompName, m_strCompValue) ? eIterContinue : eIterStop;
}

EIterResult RVXMLFile::ReadNodeComponent(XMLNode* pNode) {
    return ReadComponentOf(pNode);
}

// The node is held until it is complete, so that it is deleted on every
// other way out, a thrown format error included.
XMLNode* RVXMLFile::ReadNode() {
    std::unique_ptr<XMLNode> pNode(CreateNode());
    if (!pNode)
        return NULL;
    EIterResult result;
    do {
        result = ReadComponentOf(pNode.get());
    } while (result == eIterContinue);
    return result == eIterDone ? pNode.release() : NULL;
}

// In both modes the level rises at every opening tag and falls at every
// closing tag passed; a folder passed over in nodes-only mode leaves it as
// it was. A closing tag never ends the walk, whatever its name. A tag is
// judged where it stands, before passing it reads the next line; only a
// folder's name is copied.
bool RVXMLFile::GetNext(XMLNode*& pNode, bool bNodesOnly) {
    for (;;) {
        const int nOpen = FindTagStart();
        if (nOpen < 0)
            return false;
        const int nClose = FindTagEnd(nOpen);
        const NameInLine name = TagName(m_strCurLine, nOpen, nClose);
        const bool bClosing = name.IsClosing();
        const bool bNodeTag = SameTagName(name, m_strNodeTag);
        if (!bClosing && !bNodeTag)
            m_strTag.SetString(name.p, name.nLength);
        PassTag(nClose);
        if (bClosing) {
            --m_nLevel;
            if (bNodeTag)
                m_bFolder = true;
        } else if (bNodeTag) {
            ++m_nLevel;
            m_bFolder = false;
            pNode = ReadNode();
            return pNode != NULL;
        } else if (!bNodesOnly) {
            ++m_nLevel;
            m_bFolder = true;
            m_strCurNodeName = m_strTag;
            return true;
        } else if (!SkipFolder(m_strTag)) {
            return false;
        }
    }
}

// Passes everything up to the folder's own closing tag; folders of the same
// name inside it are counted, so that their closing tags do not end it early.
bool RVXMLFile::SkipFolder(const CString& strName) {
    for (int nDepth = 1; nDepth > 0;) {
        const int nOpen = FindTagStart();
        if (nOpen < 0)
            return false;
        const int nClose = FindTagEnd(nOpen);
        const NameInLine name = TagName(m_strCurLine, nOpen, nClose);
        const bool bSame = SameTagName(name, strName);
        const bool bClosing = name.IsClosing();
        PassTag(nClose);
        if (bSame)
            nDepth += bClosing ? -1 : 1;
    }
    return true;
}

CString RVXMLFile::ConstrTag(LPCTSTR lpszName, int nLevel) {
    CString strLine;
    MakeTagLine(strLine, nLevel, false, lpszName, NULL);
    return strLine;
}

CString RVXMLFile::ConstrTag(LPCTSTR lpszName, const CString& strValue, int nLevel) {
    CString strLine;
    MakeTagLine(strLine, nLevel, false, lpszName, &strValue);
    return strLine;
}

// The line is made in a string kept for the purpose, so that writing a tree
// does not allocate for every folder.
bool RVXMLFile::WriteTag(const CString& strName, bool bOpening, int nLevel) {
    MakeTagLine(m_strLine, nLevel, !bOpening, strName, NULL);
    WriteString(m_strLine);
    return true;
}

bool RVXMLFile::WriteNode(XMLNode* pNode, int nLevel) {
    if (pNode == NULL)
        return false;
    WriteString(pNode->GetStoreString(nLevel));
    return true;
}

bool RVXMLFile::OnAddNode(XMLNode*) {
    return true;
}
