#include "RVTxtFile.h"

#include <climits>
#include <cstring>
#include <new>
#include <vector>

IMPLEMENT_DYNAMIC(RVTxtFile, CStdioFile)

namespace {

// Line positions before any line was read.
const ULONGLONG kNoPosition = ~static_cast<ULONGLONG>(0);

// Searches report positions as int. A position beyond its range is reported
// as the largest int, so that it still reads as "found" rather than wrapping
// into a negative "not found".
int ToResult(ULONGLONG nPos) {
    return nPos > static_cast<ULONGLONG>(INT_MAX) ? INT_MAX : static_cast<int>(nPos);
}

void SeekTo(CFile& file, ULONGLONG nPos) {
    file.Seek(static_cast<LONGLONG>(nPos), CFile::begin);
}

// Puts the position back after a failure; a failure to do so adds nothing
// to report.
void SeekQuietly(CFile& file, ULONGLONG nPos) {
    try {
        SeekTo(file, nPos);
    } catch (CException* e) {
        e->Delete();
    }
}

// Where a position lands once the bytes [nStart, nEnd) have been replaced by
// nLength bytes: behind the range it moves with the bytes it pointed at,
// inside the range it stays, held within the new bytes.
ULONGLONG Follow(ULONGLONG nPos, ULONGLONG nStart, ULONGLONG nEnd, ULONGLONG nLength) {
    if (nPos >= nEnd)
        return nPos - (nEnd - nStart) + nLength;
    if (nPos > nStart + nLength)
        return nStart + nLength;
    return nPos;
}

// Appends CR LF unless the stored bytes already end with it. The raw reads
// and writes see the bytes as stored, whatever mode the file was opened in.
// The position is kept; a failed append is cut off again.
bool AppendMissingLineEnd(CFile& file) {
    static const char kLineEnd[2] = {'\r', '\n'};
    ULONGLONG nPos = 0;
    ULONGLONG nLength = 0;
    try {
        nPos = file.GetPosition();
        nLength = file.GetLength();
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    try {
        if (nLength >= 2) {
            char tail[2];
            SeekTo(file, nLength - 2);
            if (file.CFile::Read(tail, 2) < 2 || std::memcmp(tail, kLineEnd, 2) == 0) {
                SeekTo(file, nPos);
                return false;
            }
        }
        SeekTo(file, nLength);
        file.CFile::Write(kLineEnd, 2);
        SeekTo(file, nPos);
        return true;
    } catch (CException* e) {
        e->Delete();
    }
    try {
        if (file.GetLength() != nLength)
            file.SetLength(nLength);
    } catch (CException* e) {
        e->Delete();
    }
    SeekQuietly(file, nPos);
    return false;
}

} // namespace

RVTxtFile::RVTxtFile() {
    Construct();
}

RVTxtFile::RVTxtFile(CString strFile) : m_strFile(strFile) {
    Construct();
}

RVTxtFile::~RVTxtFile() {}

void RVTxtFile::Construct() {
    m_nLine = 0;
    m_nCol = 0;
    m_posPrevLine = kNoPosition;
    m_posCurLine = kNoPosition;
}

void RVTxtFile::Reset() {
    Construct();
    m_strCurLine.Empty();
}

void RVTxtFile::ResetPosn() {
    SeekToBegin();
    m_nLine = 0;
    m_nCol = 0;
}

CString RVTxtFile::GetCurString() const {
    if (m_nCol <= 0)
        return m_strCurLine;
    if (m_nCol >= m_strCurLine.GetLength())
        return CString();
    return m_strCurLine.Mid(m_nCol);
}

bool RVTxtFile::Open() {
    return Open2(false);
}

bool RVTxtFile::Open2(bool bReadOnly) {
    if (m_strFile.IsEmpty())
        return false;
    const UINT nFlags = bReadOnly ? typeText | modeRead : typeText | shareDenyWrite | modeReadWrite;
    return CStdioFile::Open(m_strFile, nFlags) != FALSE;
}

int RVTxtFile::ReadString() {
    m_posPrevLine = m_posCurLine;
    m_posCurLine = GetPosition();
    if (!CStdioFile::ReadString(m_strCurLine))
        return 0;
    ++m_nLine;
    m_nCol = 0;
    return 1;
}

void RVTxtFile::WriteString(LPCTSTR lpsz) {
    CStdioFile::WriteString(lpsz);
    ++m_nLine;
    m_nCol = 0;
}

int RVTxtFile::Find(CString strText, int* pCol) {
    return Find2(strText, true, pCol, NULL);
}

int RVTxtFile::Find2(const CString& strText, bool bContains, int* pCol, int* pLine) {
    while (ReadString()) {
        const int nAt = m_strCurLine.Find(strText);
        if ((nAt >= 0) != bContains)
            continue;
        if (pCol)
            *pCol = bContains ? nAt : -1;
        if (pLine)
            *pLine = m_nLine - 1;
        return ToResult(m_posCurLine);
    }
    return -1;
}

int RVTxtFile::FindInCurLine(const CString& strText, int nFrom) const {
    if (nFrom < 0 || nFrom > m_strCurLine.GetLength())
        return -1;
    return m_strCurLine.Find(strText, nFrom);
}

int RVTxtFile::FindNext(LPCTSTR lpszText, int* pCol, bool bSkip) {
    if (lpszText == NULL)
        return -1;
    const CString strText(lpszText);
    bool bMovedOn = false;
    int nAt = FindInCurLine(strText, m_nCol);
    while (nAt < 0) {
        if (!ReadString())
            return -1;
        bMovedOn = true;
        nAt = m_strCurLine.Find(strText);
    }
    // Nothing moved the position since the line holding the match was read.
    const int nResult = bMovedOn ? ToResult(GetPosition()) : 0;
    if (pCol)
        *pCol = nAt;
    m_nCol = bSkip ? nAt + strText.GetLength() : nAt;
    if (bSkip && m_nCol >= m_strCurLine.GetLength())
        ReadString();
    return nResult;
}

bool RVTxtFile::IsOpen() const {
    return m_hFile != CFile::hFileNull;
}

bool RVTxtFile::GetPlace(Place& place) {
    if (!IsOpen())
        return false;
    try {
        place.nPos = GetPosition();
        place.nLength = GetLength();
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

bool RVTxtFile::Replace(int nStart, int nEnd, const BYTE* pData, int nLength) {
    Place place;
    if (nStart < 0 || nEnd < nStart || !GetPlace(place))
        return false;
    if (static_cast<ULONGLONG>(nEnd) >= place.nLength)
        return false;
    return ReplaceBytes(place, nStart, nEnd, pData, nLength, false);
}

bool RVTxtFile::Replace(int nCount, const BYTE* pData, int nLength) {
    Place place;
    if (nCount < 0 || !GetPlace(place))
        return false;
    if (place.nPos > place.nLength || static_cast<ULONGLONG>(nCount) > place.nLength - place.nPos)
        return false;
    return ReplaceBytes(place, place.nPos, place.nPos + nCount, pData, nLength, false);
}

bool RVTxtFile::Replace(int nCount, const CString& strText) {
    return Replace(nCount, reinterpret_cast<const BYTE*>(static_cast<LPCTSTR>(strText)),
                   strText.GetLength());
}

bool RVTxtFile::ReplaceCurrentLine(const CString& strText) {
    Place place;
    if (m_posCurLine == kNoPosition || !GetPlace(place))
        return false;
    const ULONGLONG nEnd = m_posCurLine + m_strCurLine.GetLength();
    if (nEnd > place.nLength)
        return false;
    if (!ReplaceBytes(place, m_posCurLine, nEnd,
                      reinterpret_cast<const BYTE*>(static_cast<LPCTSTR>(strText)),
                      strText.GetLength(), true))
        return false;
    m_strCurLine = strText;
    return true;
}

// The new bytes and the rest of the file are written in one go from one
// buffer; the replaced bytes are kept beside them, so that a write or cut
// that fails can put every stored byte back. On failure the position is
// restored too.
bool RVTxtFile::ReplaceBytes(const Place& place, ULONGLONG nStart, ULONGLONG nEnd,
                             const BYTE* pData, int nLength, bool bKeepPlace) {
    if (nLength < 0 || (nLength > 0 && pData == NULL))
        return false;
    const ULONGLONG nOld = nEnd - nStart;
    const ULONGLONG nRest = place.nLength - nEnd;
    const ULONGLONG nNewEnd = nStart + nLength + nRest;
    if (nOld + nLength + nRest > UINT_MAX)
        return false;

    std::vector<BYTE> buffer;
    try {
        buffer.resize(static_cast<size_t>(nOld + nLength + nRest));
    } catch (const std::bad_alloc&) {
        return false;
    }
    BYTE* const pOld = buffer.data();
    BYTE* const pNew = pOld + nOld;
    BYTE* const pRest = pNew + nLength;

    try {
        SeekTo(*this, nStart);
        if (CFile::Read(pOld, static_cast<UINT>(nOld)) != nOld ||
            CFile::Read(pRest, static_cast<UINT>(nRest)) != nRest) {
            SeekTo(*this, place.nPos);
            return false;
        }
    } catch (CException* e) {
        e->Delete();
        SeekQuietly(*this, place.nPos);
        return false;
    }
    if (nLength > 0)
        std::memcpy(pNew, pData, static_cast<size_t>(nLength));

    try {
        SeekTo(*this, nStart);
        CFile::Write(pNew, static_cast<UINT>(nLength + nRest));
        if (nNewEnd != place.nLength)
            SetLength(nNewEnd);
        SeekTo(*this, bKeepPlace ? Follow(place.nPos, nStart, nEnd, nLength) : nNewEnd);
        return true;
    } catch (CException* e) {
        e->Delete();
    }
    try {
        SeekTo(*this, nStart);
        CFile::Write(pOld, static_cast<UINT>(nOld));
        CFile::Write(pRest, static_cast<UINT>(nRest));
        if (GetLength() != place.nLength)
            SetLength(place.nLength);
    } catch (CException* e) {
        e->Delete();
    }
    SeekQuietly(*this, place.nPos);
    return false;
}

bool RVTxtFile::CheckAddNewLineEndFile(LPCTSTR lpszFile) {
    if (lpszFile == NULL)
        return IsOpen() && AppendMissingLineEnd(*this);
    // A file of its own: closed by its destructor on every way out.
    CFile file;
    if (!file.Open(lpszFile, CFile::modeReadWrite))
        return false;
    return AppendMissingLineEnd(file);
}

bool RVTxtFile::Empty() {
    Place place;
    if (!GetPlace(place))
        return false;
    try {
        SeekToBegin();
        SetLength(0);
        SeekToBegin();
        return true;
    } catch (CException* e) {
        e->Delete();
    }
    SeekQuietly(*this, place.nPos);
    return false;
}

int RVTxtFile::GetLineCount(const CString& strFile) {
    RVTxtFile file(strFile);
    if (!file.Open2(true))
        return -1;
    int nLines = 0;
    CString strLine;
    try {
        while (file.CStdioFile::ReadString(strLine))
            ++nLines;
    } catch (CException* e) {
        e->Delete();
        return -1;
    }
    return nLines;
}
