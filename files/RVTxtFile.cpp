#include "RVTxtFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

IMPLEMENT_DYNAMIC(RVTxtFile, CStdioFile)

namespace {

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

// Appends CR LF unless the stored bytes already end with it, and leaves the
// position at the end of the file, where a caller goes on writing (appended
// or not, failed or not). The raw reads and writes see the bytes as stored,
// whatever mode the file was opened in. A failed append is cut off again.
bool AppendMissingLineEnd(CFile& file) {
    static const char kLineEnd[2] = {'\r', '\n'};
    ULONGLONG nLength = 0;
    try {
        nLength = file.GetLength();
    } catch (CException* e) {
        e->Delete();
        try {
            file.SeekToEnd();
        } catch (CException* e2) {
            e2->Delete();
        }
        return false;
    }
    try {
        if (nLength >= 2) {
            char tail[2];
            SeekTo(file, nLength - 2);
            if (file.CFile::Read(tail, 2) < 2 || std::memcmp(tail, kLineEnd, 2) == 0) {
                SeekTo(file, nLength);
                return false;
            }
        }
        SeekTo(file, nLength);
        file.CFile::Write(kLineEnd, 2);
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
    SeekQuietly(file, nLength);
    return false;
}

// The bytes that the text-mode file stores for a text it writes: a line
// feed becomes CR LF. A CR LF in the text is a line end already and stays as
// it is (it is not doubled to CR CR LF); a CR alone is data, as it is when
// read, and is stored alone. False when memory runs out.
bool StoreLineEnds(const BYTE* pData, int nLength, std::vector<BYTE>& stored) {
    try {
        stored.clear();
        stored.reserve(static_cast<size_t>(nLength));
        for (int i = 0; i < nLength; ++i) {
            if (pData[i] == '\n' && (i == 0 || pData[i - 1] != '\r'))
                stored.push_back('\r');
            stored.push_back(pData[i]);
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The bytes of a text as the file stores it (before text mode adds its
// CRs): an 8-bit string's own bytes; a wide string's characters in the ANSI
// code page, as the text file converts a line it writes. A text the code
// page cannot hold has no such bytes (Held false): the file would refuse to
// write it, and no line read from a file can hold it. Converting back must
// give the text again, so that a look-alike the conversion chose for a
// character ('1' for a fullwidth one) does not count as the character.
class StoredText {
public:
    explicit StoredText(const CString& strText) {
#ifdef _UNICODE
        m_strBytes = strText;
        m_bHeld = CString(m_strBytes) == strText;
        m_p = m_strBytes;
        m_nLength = m_strBytes.GetLength();
#else
        m_p = strText;
        m_nLength = strText.GetLength();
#endif
    }

    bool Held() const {
        return m_bHeld;
    }
    const char* Bytes() const {
        return m_p;
    }
    int Length() const {
        return m_nLength;
    }

private:
#ifdef _UNICODE
    CStringA m_strBytes;
#endif
    const char* m_p;
    int m_nLength;
    bool m_bHeld = true;
};

// Where the byte at nIndex of a text's stored bytes lies once text mode has
// written them.
ULONGLONG StoredOffset(const StoredText& text, int nIndex) {
    const char* p = text.Bytes();
    ULONGLONG nOffset = static_cast<ULONGLONG>(nIndex);
    for (int i = 0; i < nIndex; ++i)
        nOffset += p[i] == '\n' && (i == 0 || p[i - 1] != '\r');
    return nOffset;
}

// The rest of the file moves in blocks of this size.
const ULONGLONG kMoveBlock = 1 << 20;

// Makes the file nNewLength long by writing (not just by setting the
// length, which may leave the space unallocated); a failure cuts it back.
void Grow(CFile& file, ULONGLONG nLength, ULONGLONG nNewLength) {
    static const BYTE kZeros[4096] = {};
    try {
        SeekTo(file, nLength);
        for (ULONGLONG n = nLength; n < nNewLength;) {
            const UINT nChunk =
                static_cast<UINT>(std::min<ULONGLONG>(sizeof kZeros, nNewLength - n));
            file.CFile::Write(kZeros, nChunk);
            n += nChunk;
        }
    } catch (CException*) {
        try {
            file.SetLength(nLength);
        } catch (CException* e) {
            e->Delete();
        }
        throw;
    }
}

// Moves nCount stored bytes from nFrom to nTo through a buffer, block by
// block, in the direction that never overwrites a byte not yet moved: moving
// up from the end backwards, moving down from the start on. Undo puts back
// every byte moved, and the block being written when a write failed.
class RestMove {
public:
    RestMove(CFile& file, ULONGLONG nFrom, ULONGLONG nTo, ULONGLONG nCount, std::vector<BYTE>& buf)
        : m_file(file), m_nFrom(nFrom), m_nTo(nTo), m_nCount(nCount), m_buf(buf) {}

    void Run() {
        while (m_nFrom != m_nTo && m_nDone < m_nCount) {
            m_nBlock = std::min<ULONGLONG>(m_buf.size(), m_nCount - m_nDone);
            const UINT nBlock = static_cast<UINT>(m_nBlock);
            SeekTo(m_file, m_nFrom + BlockOffset());
            if (m_file.CFile::Read(m_buf.data(), nBlock) != nBlock)
                AfxThrowFileException(CFileException::endOfFile, -1, m_file.GetFilePath());
            m_bWriting = true;
            SeekTo(m_file, m_nTo + BlockOffset());
            m_file.CFile::Write(m_buf.data(), nBlock);
            m_bWriting = false;
            m_nDone += m_nBlock;
        }
    }

    void Undo() {
        if (m_bWriting) {
            SeekTo(m_file, m_nFrom + BlockOffset());
            m_file.CFile::Write(m_buf.data(), static_cast<UINT>(m_nBlock));
            m_bWriting = false;
        }
        const ULONGLONG nDoneAt = m_nTo > m_nFrom ? m_nCount - m_nDone : 0;
        RestMove back(m_file, m_nTo + nDoneAt, m_nFrom + nDoneAt, m_nDone, m_buf);
        back.Run();
        m_nDone = 0;
    }

private:
    ULONGLONG BlockOffset() const {
        return m_nTo > m_nFrom ? m_nCount - m_nDone - m_nBlock : m_nDone;
    }

    CFile& m_file;
    const ULONGLONG m_nFrom, m_nTo, m_nCount;
    std::vector<BYTE>& m_buf;
    ULONGLONG m_nDone = 0;  // bytes moved
    ULONGLONG m_nBlock = 0; // the size of the block in hand
    bool m_bWriting = false;
};

// Line counting reads the file in blocks of this size: small enough to stay
// in the processor's cache between the copy and the count.
const UINT kCountBlock = 128 * 1024;

// The number of '\n' bytes in [p, p + n). Each round compares a row of
// bytes and adds the results into byte-wide lanes, a loop that compilers
// turn into vector instructions; the lanes are added up before they can
// overflow.
ULONGLONG CountLineFeeds(const char* p, size_t n) {
    const size_t kLanes = 32;
    const size_t kMaxRounds = 255;
    ULONGLONG nCount = 0;
    while (n >= kLanes) {
        unsigned char lanes[kLanes] = {};
        const size_t nRounds = std::min(n / kLanes, kMaxRounds);
        for (size_t r = 0; r < nRounds; ++r, p += kLanes) {
            for (size_t i = 0; i < kLanes; ++i)
                lanes[i] += p[i] == '\n';
        }
        n -= nRounds * kLanes;
        for (size_t i = 0; i < kLanes; ++i)
            nCount += lanes[i];
    }
    for (; n > 0; --n)
        nCount += *p++ == '\n';
    return nCount;
}

// Searches skip lines in raw blocks of this size.
const UINT kSkipBlock = 256 * 1024;

// Text whose bytes, found in the stored file, lie inside one line and match
// there: no line end and no terminator in it.
bool IsPlainText(const StoredText& text) {
    const int nLength = text.Length();
    return text.Held() && nLength > 0 &&
           std::strlen(text.Bytes()) == static_cast<size_t>(nLength) &&
           std::strpbrk(text.Bytes(), "\r\n") == NULL;
}

// How often a byte turns up in text, roughly: the lower, the rarer. Blanks
// and lower-case letters (by their frequency in English) come most often,
// then capitals, digits, punctuation, and control and non-ASCII bytes least.
int Commonness(unsigned char c) {
    static const char kLetters[] = "zqjxkvbpygfwmucldrhsnioate";
    if (c == ' ' || c == '\t')
        return 40;
    if (c >= 'a' && c <= 'z')
        return 10 + static_cast<int>(std::strchr(kLetters, c) - kLetters);
    if (c >= 'A' && c <= 'Z')
        return 6;
    if (c >= '0' && c <= '9')
        return 4;
    return c > ' ' && c < 0x7F ? 2 : 0;
}

// The text's byte that memchr looks for, its rarest.
size_t RareByteIndex(const char* pszText, size_t nLength) {
    size_t nRare = 0;
    for (size_t i = 1; i < nLength; ++i) {
        if (Commonness(static_cast<unsigned char>(pszText[i])) <
            Commonness(static_cast<unsigned char>(pszText[nRare])))
            nRare = i;
    }
    return nRare;
}

// The first place in [p, pEnd) where the nLength bytes of pszText stand,
// or pEnd: memchr finds each place of its rare byte, memcmp checks it.
const char* FindBytes(const char* p, const char* pEnd, const char* pszText, size_t nLength,
                      size_t nRare) {
    if (static_cast<size_t>(pEnd - p) < nLength)
        return pEnd;
    const char chRare = pszText[nRare];
    const char* const pRareEnd = pEnd - nLength + nRare + 1;
    for (const char* q = p + nRare; q < pRareEnd; ++q) {
        q = static_cast<const char*>(std::memchr(q, chRare, pRareEnd - q));
        if (q == NULL)
            break;
        if (std::memcmp(q - nRare, pszText, nLength) == 0)
            return q - nRare;
    }
    return pEnd;
}

// The last '\n' in [pBegin, pEnd), or null.
const char* FindLastLineFeed(const char* pBegin, const char* pEnd) {
    while (pEnd > pBegin) {
        if (*--pEnd == '\n')
            return pEnd;
    }
    return NULL;
}

// The start of the line that holds p, when pBegin starts a line.
const char* LineStart(const char* pBegin, const char* p) {
    const char* pLf = FindLastLineFeed(pBegin, p);
    return pLf != NULL ? pLf + 1 : pBegin;
}

// Reads on in raw blocks of whole lines up to the first line in which the
// text's bytes occur, and counts the lines before it as read: the line
// counter, the column and the current line's position (the file's, passed
// in) end as ReadString would have left them. A line that does not end
// inside a block (the last one, or a very long one) is left to ReadString.
void SkipLinesWithout(CStdioFile& file, char* pBlock, UINT nBlock, const StoredText& text,
                      size_t nRare, ULONGLONG& posCurLine, int& nLine, int& nCol) {
    const size_t nText = static_cast<size_t>(text.Length());
    ULONGLONG nPos = file.GetPosition();
    for (;;) {
        SeekTo(file, nPos);
        const UINT nRead = file.CFile::Read(pBlock, nBlock);
        const char* const pBegin = pBlock;
        const char* const pLastLf = FindLastLineFeed(pBegin, pBegin + nRead);
        if (pLastLf == NULL)
            break;
        const char* const pEnd = pLastLf + 1;
        const char* pHit = FindBytes(pBegin, pEnd, text.Bytes(), nText, nRare);
        const char* const pStop = pHit == pEnd ? pEnd : LineStart(pBegin, pHit);
        if (pStop > pBegin) {
            const char* const pLastLine = LineStart(pBegin, pStop - 1);
            posCurLine = nPos + (pLastLine - pBegin);
            nLine += static_cast<int>(CountLineFeeds(pBegin, pStop - pBegin));
            nCol = 0;
            nPos += pStop - pBegin;
        }
        if (pHit != pEnd)
            break;
    }
    SeekTo(file, nPos);
}

// The text's index in the line from nFrom on; -1 also for a start outside
// the line.
int FindFrom(const CString& strLine, LPCTSTR lpszText, int nFrom) {
    if (nFrom < 0 || nFrom > strLine.GetLength())
        return -1;
    return strLine.Find(lpszText, nFrom);
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

void RVTxtFile::WriteString(LPCTSTR lpsz) {
    CStdioFile::WriteString(lpsz);
    ++m_nLine;
    m_nCol = 0;
}

int RVTxtFile::Find(CString strText, int* pCol) {
    return Find2(strText, true, pCol, NULL);
}

int RVTxtFile::Find2(const CString& strText, bool bContains, int* pCol, int* pLine) {
    // Lines that cannot hold plain text are skipped in raw blocks; the line
    // that may hold it is then read and tested like every other line.
    // The block is no larger than what is left of the file.
    const StoredText text(strText);
    std::unique_ptr<char[]> block;
    UINT nBlock = 0;
    if (bContains && IsPlainText(text)) {
        const ULONGLONG nLength = GetLength();
        const ULONGLONG nPos = GetPosition();
        nBlock =
            static_cast<UINT>(std::min<ULONGLONG>(kSkipBlock, nLength - std::min(nLength, nPos)));
        if (nBlock > 0)
            block.reset(new char[nBlock]);
    }
    const size_t nRare = nBlock > 0 ? RareByteIndex(text.Bytes(), text.Length()) : 0;
    for (;;) {
        if (nBlock > 0)
            SkipLinesWithout(*this, block.get(), nBlock, text, nRare, m_posCurLine, m_nLine,
                             m_nCol);
        if (!ReadString())
            return -1;
        const int nAt = m_strCurLine.Find(strText);
        if ((nAt >= 0) != bContains)
            continue;
        if (pCol)
            *pCol = bContains ? nAt : -1;
        if (pLine)
            *pLine = m_nLine - 1;
        return ToResult(m_posCurLine);
    }
}

int RVTxtFile::FindNext(LPCTSTR lpszText, int* pCol, bool bSkip) {
    if (lpszText == NULL)
        return -1;
    bool bMovedOn = false;
    int nAt = FindFrom(m_strCurLine, lpszText, m_nCol);
    while (nAt < 0) {
        if (!ReadString())
            return -1;
        bMovedOn = true;
        nAt = m_strCurLine.Find(lpszText);
    }
    // Nothing moved the position since the line holding the match was read.
    const int nResult = bMovedOn ? ToResult(GetPosition()) : 0;
    if (pCol)
        *pCol = nAt;
    m_nCol = bSkip ? nAt + static_cast<int>(_tcslen(lpszText)) : nAt;
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
    const StoredText text(strText);
    return text.Held() &&
           Replace(nCount, reinterpret_cast<const BYTE*>(text.Bytes()), text.Length());
}

// A text with line feeds stores several lines where the current one stood.
// The reader then stands as if it had read them: the current line is the
// text's last line, at the place where it is stored, so that a second
// replacement replaces exactly that line, and the counter has counted the
// lines before it.
bool RVTxtFile::ReplaceCurrentLine(const CString& strText) {
    const StoredText text(strText);
    Place place;
    if (m_posCurLine == kNoPosition || !text.Held() || !GetPlace(place))
        return false;
    const ULONGLONG nEnd = m_posCurLine + StoredText(m_strCurLine).Length();
    if (nEnd > place.nLength)
        return false;
    if (!ReplaceBytes(place, m_posCurLine, nEnd, reinterpret_cast<const BYTE*>(text.Bytes()),
                      text.Length(), true))
        return false;
    // A line feed is one byte in every code page, never part of another
    // character: the text's lines are the stored bytes' lines.
    const char* pBytes = text.Bytes();
    int nLineFeeds = 0;
    int nLastLf = -1;
    int nPrevLf = -1;
    for (int i = 0; i < text.Length(); ++i) {
        if (pBytes[i] == '\n') {
            ++nLineFeeds;
            nPrevLf = nLastLf;
            nLastLf = i;
        }
    }
    if (nLineFeeds == 0) {
        m_strCurLine = strText;
        return true;
    }
    const ULONGLONG nLineStart = m_posCurLine;
    m_posPrevLine = nLineStart + StoredOffset(text, nPrevLf + 1);
    m_posCurLine = nLineStart + StoredOffset(text, nLastLf + 1);
    m_nLine += nLineFeeds;
    m_nCol = 0;
    int nLastLfChar = strText.GetLength() - 1;
    while (strText[nLastLfChar] != '\n')
        --nLastLfChar;
    m_strCurLine = strText.Mid(nLastLfChar + 1);
    return true;
}

// The replacement in place, in three steps that each can be undone: the file
// grows first (so that a lack of space fails before a stored byte has
// changed), the rest of the file moves to its new place block by block, and
// the new bytes go in, stored as the text-mode file stores a text; a
// shrinking file is cut last. The replaced bytes are kept in memory; a step
// that fails undoes the ones before it, so that every stored byte, the
// length and the position are as they were.
bool RVTxtFile::ReplaceBytes(const Place& place, ULONGLONG nStart, ULONGLONG nEnd,
                             const BYTE* pData, int nLength, bool bKeepPlace) {
    std::vector<BYTE> stored;
    if (nLength < 0 || (nLength > 0 && pData == NULL) || !StoreLineEnds(pData, nLength, stored))
        return false;
    const ULONGLONG nOld = nEnd - nStart;
    const ULONGLONG nNew = stored.size();
    const ULONGLONG nRest = place.nLength - nEnd;
    const ULONGLONG nNewEnd = nStart + nNew + nRest;
    if (nOld > UINT_MAX || nNew > UINT_MAX)
        return false;

    std::vector<BYTE> old;
    std::vector<BYTE> block;
    try {
        old.resize(static_cast<size_t>(nOld));
        block.resize(static_cast<size_t>(std::min<ULONGLONG>(nRest, kMoveBlock)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    try {
        SeekTo(*this, nStart);
        if (CFile::Read(old.data(), static_cast<UINT>(nOld)) != nOld) {
            SeekTo(*this, place.nPos);
            return false;
        }
    } catch (CException* e) {
        e->Delete();
        SeekQuietly(*this, place.nPos);
        return false;
    }

    RestMove move(*this, nEnd, nStart + nNew, nRest, block);
    try {
        if (nNewEnd > place.nLength)
            Grow(*this, place.nLength, nNewEnd);
        move.Run();
        if (nNew > 0) {
            SeekTo(*this, nStart);
            CFile::Write(stored.data(), static_cast<UINT>(nNew));
        }
        if (nNewEnd < place.nLength)
            SetLength(nNewEnd);
        SeekTo(*this, bKeepPlace ? Follow(place.nPos, nStart, nEnd, nNew) : nNewEnd);
        return true;
    } catch (CException* e) {
        e->Delete();
    }
    try {
        move.Undo();
        SeekTo(*this, nStart);
        CFile::Write(old.data(), static_cast<UINT>(nOld));
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

// Counts the line feeds of the stored bytes in large raw blocks: a line feed
// ends every line, whether a CR precedes it or not, and a last line without
// one counts too. This is what reading line by line would count.
int RVTxtFile::GetLineCount(const CString& strFile) {
    CFile file;
    if (!file.Open(strFile, CFile::modeRead))
        return -1;
    ULONGLONG nLines = 0;
    bool bOpenLine = false;
    try {
        const UINT nBlock = static_cast<UINT>(std::min<ULONGLONG>(kCountBlock, file.GetLength()));
        const std::unique_ptr<char[]> block(new char[nBlock]);
        for (UINT nRead; nBlock > 0 && (nRead = file.Read(block.get(), nBlock)) > 0;) {
            nLines += CountLineFeeds(block.get(), nRead);
            bOpenLine = block[nRead - 1] != '\n';
        }
    } catch (CException* e) {
        e->Delete();
        return -1;
    } catch (const std::bad_alloc&) {
        return -1;
    }
    nLines += bOpenLine;
    return nLines > static_cast<ULONGLONG>(INT_MAX) ? INT_MAX : static_cast<int>(nLines);
}
