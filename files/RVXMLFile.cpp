#include "RVXMLFile.h"

#include "RVTxtFileExcept.h"

#include <memory>

IMPLEMENT_DYNAMIC(RVXMLFile, RVTxtFile)

namespace {

// Line positions before any line was read.
const ULONGLONG kNoPosition = ~static_cast<ULONGLONG>(0);

bool IsClosing(const CString& strName) {
    return !strName.IsEmpty() && strName[0] == '/';
}

LPCTSTR WithoutSlash(LPCTSTR pszName) {
    return *pszName == '/' ? pszName + 1 : pszName;
}

// As CString::CompareNoCase, on texts that need not be strings of their own.
int CompareNoCase(LPCTSTR pszA, LPCTSTR pszB) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    const unsigned char* p1 = reinterpret_cast<const unsigned char*>(pszA);
    const unsigned char* p2 = reinterpret_cast<const unsigned char*>(pszB);
    for (;; ++p1, ++p2) {
        const int c1 = lower(*p1);
        const int c2 = lower(*p2);
        if (c1 != c2 || c1 == 0)
            return c1 - c2;
    }
}

CString Tabs(int nLevel) {
    return nLevel > 0 ? CString('\t', nLevel) : CString();
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

// The '>' is looked for on the line of the '<' only: a tag never spans lines,
// and the line counter then names the line that holds the broken tag.
int RVXMLFile::GetNextTag(CString& strName, bool bSkip, int* pLength) {
    int nOpen = -1;
    if (FindNext("<", &nOpen, false) < 0)
        return -1;
    const int nLineLength = m_strCurLine.GetLength();
    if (nOpen >= nLineLength - 1)
        throw new RVTxtFileExcept("Invalid format", "RVXMLFile::GetNextTag() @0", m_nLine);
    const int nClose = m_strCurLine.Find('>', nOpen + 1);
    if (nClose < 0)
        throw new RVTxtFileExcept("Missing closing tag", "RVXMLFile::GetNextTag() @1", m_nLine);

    strName.SetString(static_cast<LPCTSTR>(m_strCurLine) + nOpen + 1, nClose - nOpen - 1);
    if (pLength)
        *pLength = nClose - nOpen + 1;
    if (!bSkip) {
        m_nCol = nOpen;
    } else {
        m_nCol = nClose + 1;
        if (m_nCol >= nLineLength)
            ReadString();
    }
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

// The node tag is meant to be lower case; compared without regard to case,
// a host's "Item" still closes its nodes instead of running them together.
bool RVXMLFile::IsNodeClosingTag(const CString& strLowerName) const {
    return IsClosing(strLowerName) &&
           CompareNoCase(static_cast<LPCTSTR>(strLowerName) + 1, m_strNodeTag) == 0;
}

// The value ends at the first '<' on the line or at the line's end: a value
// never runs into a later line, whose tags stay for the next scan.
bool RVXMLFile::ReadTagContents(CString, CString& strValue) {
    return ReadValue(strValue);
}

bool RVXMLFile::ReadValue(CString& strValue) {
    const int nLineLength = m_strCurLine.GetLength();
    if (m_nCol >= 0 && m_nCol < nLineLength && m_strCurLine[m_nCol] == '<') {
        const int nClose = m_strCurLine.Find('>', m_nCol);
        if (nClose < 0)
            return false;
        if (nClose + 1 == nLineLength) {
            strValue.Empty();
            Move(nLineLength - m_nCol);
            return true;
        }
        m_nCol = nClose + 1;
    }
    const int nStart = m_nCol < 0 ? 0 : (m_nCol > nLineLength ? nLineLength : m_nCol);
    const int nNext = m_strCurLine.Find('<', nStart);
    const int nEnd = nNext < 0 ? nLineLength : nNext;
    strValue.SetString(static_cast<LPCTSTR>(m_strCurLine) + nStart, nEnd - nStart);
    m_nCol = nEnd;
    if (nNext >= 0)
        GetNextTag(m_strPassedTag, true, NULL);
    return true;
}

EIterResult RVXMLFile::ReadNodeComponent(XMLNode* pNode) {
    CString& strName = m_strCompName;
    int nTagLength = 0;
    if (GetNextTagLower(strName, false, &nTagLength) < 0)
        return eIterStop;
    if (IsClosing(strName)) {
        if (IsNodeClosingTag(strName))
            return eIterDone;
        return Move(nTagLength) ? eIterContinue : eIterStop;
    }
    if (!ReadValue(m_strCompValue) || pNode == NULL)
        return eIterStop;
    return pNode->ReadComponent(strName, m_strCompValue) ? eIterContinue : eIterStop;
}

// The node is held until it is complete, so that it is deleted on every
// other way out, a thrown format error included.
XMLNode* RVXMLFile::ReadNode() {
    std::unique_ptr<XMLNode> pNode(CreateNode());
    if (!pNode)
        return NULL;
    EIterResult result;
    do {
        result = ReadNodeComponent(pNode.get());
    } while (result == eIterContinue);
    return result == eIterDone ? pNode.release() : NULL;
}

// In both modes the level rises at every opening tag and falls at every
// closing tag passed; a folder passed over in nodes-only mode leaves it as
// it was. A closing tag never ends the walk, whatever its name.
bool RVXMLFile::GetNext(XMLNode*& pNode, bool bNodesOnly) {
    CString& strName = m_strTag;
    for (;;) {
        if (GetNextTag(strName, true, NULL) < 0)
            return false;
        if (IsClosing(strName)) {
            --m_nLevel;
            if (IsNodeTag(strName))
                m_bFolder = true;
        } else if (IsNodeTag(strName)) {
            ++m_nLevel;
            m_bFolder = false;
            pNode = ReadNode();
            return pNode != NULL;
        } else if (!bNodesOnly) {
            ++m_nLevel;
            m_bFolder = true;
            m_strCurNodeName = strName;
            return true;
        } else if (!SkipFolder(strName)) {
            return false;
        }
    }
}

// Passes everything up to the folder's own closing tag; folders of the same
// name inside it are counted, so that their closing tags do not end it early.
bool RVXMLFile::SkipFolder(const CString& strName) {
    CString strTag;
    for (int nDepth = 1; nDepth > 0;) {
        if (GetNextTag(strTag, true, NULL) < 0)
            return false;
        if (CompareTagNames(strTag, strName) == 0)
            nDepth += IsClosing(strTag) ? -1 : 1;
    }
    return true;
}

CString RVXMLFile::ConstrTag(LPCTSTR lpszName, int nLevel) {
    return Tabs(nLevel) + "<" + CString(lpszName ? lpszName : "") + ">\n";
}

CString RVXMLFile::ConstrTag(LPCTSTR lpszName, const CString& strValue, int nLevel) {
    const CString strName(lpszName ? lpszName : "");
    return Tabs(nLevel) + "<" + strName + ">" + strValue + "</" + strName + ">\n";
}

bool RVXMLFile::WriteTag(const CString& strName, bool bOpening, int nLevel) {
    WriteString(ConstrTag(bOpening ? strName : "/" + strName, nLevel));
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
