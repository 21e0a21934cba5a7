// CStdioFile: one buffer over CFile's handle, used either for read-ahead or
// for pending writes, and text mode done here over binary I/O so that both
// targets store and read exactly the same bytes.
//
// The buffer keeps the file offset of its first byte (m_nOrigin), so the
// position is known without asking the system while a buffer is in use. Every
// handle operation of CFile first calls SyncHandle, which writes out pending
// bytes or puts the handle back at the first unread byte; that keeps raw
// CFile::Read/Write calls made on this object in step with buffered ones.
#include "afx.h"
#include "CodePage.h"
#include "FileOs.h"

#include <string.h>

#include <vector>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

// Writes out end where a call's text ends, rarely on a page boundary, and a
// file system takes twice as long over a file written in pieces of 32 KiB
// that straddle pages as in aligned ones; in pieces of 256 KiB the straddled
// pages hardly count.
const size_t nInitialBufferSize = 256 * 1024;

// Text goes a machine word at a time: eight bytes on 64-bit targets, four on
// 32-bit ones, where a wider word costs several instructions for each step.
typedef size_t Word;
const int kWordBytes = static_cast<int>(sizeof(Word));
const Word kOnes = ~static_cast<Word>(0) / 0xFF;
const Word kLow7 = kOnes * 0x7F;

int LowestBit(Word x) {
    return sizeof(Word) > sizeof(unsigned int) ? __builtin_ctzll(x)
                                               : __builtin_ctz(static_cast<unsigned int>(x));
}

int LeadingZeros(Word x) {
    return sizeof(Word) > sizeof(unsigned int) ? __builtin_clzll(x)
                                               : __builtin_clz(static_cast<unsigned int>(x));
}

// The index of the first line feed among the word's bytes at p, or
// kWordBytes. A byte that is zero after the exclusive or is the only one
// whose high bit the mask keeps; the first byte in memory is the word's
// lowest where the machine is little-endian, its highest otherwise.
int FirstLineFeed(const char* p) {
    Word w;
    memcpy(&w, p, sizeof w);
    w ^= kOnes * '\n';
    const Word mask = ~(((w & kLow7) + kLow7) | w | kLow7);
    if (mask == 0)
        return kWordBytes;
    const Word kOne = 1;
    const bool bLittleEndian = *reinterpret_cast<const unsigned char*>(&kOne) == 1;
    return (bLittleEndian ? LowestBit(mask) : LeadingZeros(mask)) / 8;
}

// The first line feed in [p, pEnd), or null. Lines are short: their first
// words are looked through here, for less than a call of the C library
// costs (some runtimes' memchr goes byte by byte); memchr searches the rest
// of a long one.
const char* FindLineFeed(const char* p, const char* pEnd) {
    for (int i = 0; i < 8 && pEnd - p >= kWordBytes; ++i, p += kWordBytes) {
        const int n = FirstLineFeed(p);
        if (n < kWordBytes)
            return p + n;
    }
    return p < pEnd ? static_cast<const char*>(memchr(p, '\n', pEnd - p)) : NULL;
}

// Copies [p, pEnd) to pOut with every '\n' stored as CR LF and returns the
// end of what was stored; pOut has room for all of it. Text lines are
// short, so the bytes go a word at a time rather than through a search per
// line. While a word's bytes are left to read, at least as many are left to
// store, so a whole word always fits where the next bytes go.
char* StoreText(const char* p, const char* pEnd, char* pOut) {
    for (; pEnd - p >= kWordBytes;) {
        memcpy(pOut, p, kWordBytes);
        const int nPlain = FirstLineFeed(p);
        pOut += nPlain;
        p += nPlain;
        if (nPlain < kWordBytes) {
            *pOut++ = '\r';
            *pOut++ = '\n';
            ++p;
        }
    }
    for (; p < pEnd; ++p) {
        if (*p == '\n')
            *pOut++ = '\r';
        *pOut++ = *p;
    }
    return pOut;
}

// A line's stored bytes as the string of the build's characters. A wide
// one is converted in the string's own buffer (no text makes more wide
// characters than it has bytes); an empty line keeps the buffer as it is.
template <class XCHAR> void SetLine(CStringT<XCHAR>& rString, const char* p, int n) {
    if constexpr (sizeof(XCHAR) == 1)
        rString.SetString(p, n);
    else if (n == 0)
        rString.SetString(L"", 0);
    else
        rString.ReleaseBuffer(codepage::ToWide(p, n, rString.GetBuffer(n), n));
}

} // namespace

CStdioFile::CStdioFile()
    : m_bText(TRUE), m_pBuffer(NULL), m_nCapacity(0), m_mode(idle), m_nNext(0), m_nEnd(0),
      m_nOrigin(0) {}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CStdioFile() {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
    if (m_hFile != hFileNull)
        WritePending();
    delete[] m_pBuffer;
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_hFile != hFileNull)
        Abort();
    ResetBuffer();
    m_bText = (nOpenFlags & typeBinary) == 0;
    return CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError);
}

// A line that lies whole in the buffer, the usual case, is found with one
// search; one that runs past it goes through refills.
BOOL CStdioFile::ReadString(CString& rString) {
    SwitchTo(reading);
    const char* pLf = FindLineFeed(m_pBuffer + m_nNext, m_pBuffer + m_nEnd);
    if (pLf == NULL)
        pLf = FillToLineFeed();
    size_t nLineEnd = pLf ? static_cast<size_t>(pLf - m_pBuffer) : m_nEnd;
    if (!pLf && nLineEnd == m_nNext) {
        rString.Empty();
        return FALSE;
    }
    size_t nLength = nLineEnd - m_nNext;
    if (pLf && m_bText && nLength > 0 && m_pBuffer[nLineEnd - 1] == '\r')
        --nLength;
    // The string keeps its buffer when the line fits: a string read into
    // line after line stops allocating once it has held the longest.
    SetLine(rString, m_pBuffer + m_nNext, static_cast<int>(nLength));
    m_nNext = pLf ? nLineEnd + 1 : nLineEnd;
    return TRUE;
}

// Refills until the unread bytes hold a line feed, which it returns, or the
// file ends (null). The unread bytes are known to hold none yet; a refill
// moves them to the front of the buffer, hence the relative count.
const char* CStdioFile::FillToLineFeed() {
    for (;;) {
        const size_t nScanned = m_nEnd - m_nNext;
        if (!FillBuffer())
            return NULL;
        const size_t nScan = m_nNext + nScanned;
        if (const void* pLf = memchr(m_pBuffer + nScan, '\n', m_nEnd - nScan))
            return static_cast<const char*>(pLf);
    }
}

// Copies runs up to the next line feed, or in text mode the next CR, where
// NextChar decides whether the CR starts a line end.
LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax) {
    if (lpsz == NULL || nMax == 0)
        AfxThrowInvalidArgException();
    return ReadLine(lpsz, nMax);
}

LPSTR CStdioFile::ReadLine(LPSTR lpsz, UINT nMax) {
    SwitchTo(reading);
    UINT n = 0;
    bool bEndOfFile = false;
    while (n + 1 < nMax) {
        if (m_nNext == m_nEnd && !FillBuffer()) {
            bEndOfFile = true;
            break;
        }
        size_t nAvail = m_nEnd - m_nNext;
        if (nAvail > nMax - 1 - n)
            nAvail = nMax - 1 - n;
        const char* pRun = m_pBuffer + m_nNext;
        const char* pLf = static_cast<const char*>(memchr(pRun, '\n', nAvail));
        size_t nRun = pLf ? static_cast<size_t>(pLf - pRun) + 1 : nAvail;
        const char* pCr = m_bText ? static_cast<const char*>(memchr(pRun, '\r', nRun)) : NULL;
        if (pCr)
            nRun = static_cast<size_t>(pCr - pRun);
        memcpy(lpsz + n, pRun, nRun);
        n += static_cast<UINT>(nRun);
        m_nNext += nRun;
        if (pCr) {
            const int ch = NextChar();
            lpsz[n++] = static_cast<char>(ch);
            if (ch == '\n')
                break;
        } else if (pLf) {
            break;
        }
    }
    lpsz[n] = '\0';
    return n == 0 && bEndOfFile ? NULL : lpsz;
}

// The bytes of a line cut at the limit end on a character: a double-byte
// character's lead byte goes back to the buffer, where the run that ended
// the line has just been copied from (a line feed or a CR, read separately,
// is never a lead byte).
LPWSTR CStdioFile::ReadLine(LPWSTR lpsz, UINT nMax) {
    std::vector<char> bytes(nMax);
    if (ReadLine(bytes.data(), nMax) == NULL)
        return NULL;
    int nBytes = static_cast<int>(strlen(bytes.data()));
    if (nBytes > 0 && static_cast<UINT>(nBytes) + 1 == nMax && bytes[nBytes - 1] != '\n') {
        const int nWhole = codepage::WholeCharacters(bytes.data(), nBytes);
        m_nNext -= nBytes - nWhole;
        nBytes = nWhole;
    }
    lpsz[codepage::ToWide(bytes.data(), nBytes, lpsz, nBytes)] = L'\0';
    return lpsz;
}

void CStdioFile::WriteString(LPCTSTR lpsz) {
    if (lpsz == NULL)
        AfxThrowInvalidArgException();
    WriteLine(lpsz);
}

void CStdioFile::WriteLine(LPCSTR lpsz) {
    CStdioFile::Write(lpsz, static_cast<UINT>(strlen(lpsz)));
}

// The whole text is converted before any of it is written.
void CStdioFile::WriteLine(LPCWSTR lpsz) {
    const int nLength = static_cast<int>(wcslen(lpsz));
    const int nBytes = codepage::ToAnsiExactly(lpsz, nLength, NULL, 0);
    if (nBytes < 0)
        AfxThrowFileException(CFileException::OsErrorToException(codepage::lNoTranslation),
                              codepage::lNoTranslation, m_strFileName);
    codepage::ToAnsiExactly(lpsz, nLength, m_strBytes.GetBuffer(nBytes), nBytes);
    m_strBytes.ReleaseBuffer(nBytes);
    CStdioFile::Write(m_strBytes.GetString(), static_cast<UINT>(nBytes));
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    SwitchTo(reading);
    char* pOut = static_cast<char*>(lpBuf);
    UINT n = 0;
    while (n < nCount) {
        if (m_nNext == m_nEnd && !FillBuffer())
            break;
        // Copy the run up to the next CR (text mode), then let NextChar
        // decide whether that CR starts a line end.
        size_t nAvail = m_nEnd - m_nNext;
        if (nAvail > nCount - n)
            nAvail = nCount - n;
        const char* pRun = m_pBuffer + m_nNext;
        const char* pCr = m_bText ? static_cast<const char*>(memchr(pRun, '\r', nAvail)) : NULL;
        size_t nRun = pCr ? static_cast<size_t>(pCr - pRun) : nAvail;
        memcpy(pOut + n, pRun, nRun);
        n += static_cast<UINT>(nRun);
        m_nNext += nRun;
        if (pCr)
            pOut[n++] = static_cast<char>(NextChar());
    }
    return n;
}

// Each call's bytes go to the system in one write, never split between two:
// pending bytes are written out first when the call's bytes would not fit,
// and the buffer grows for a call larger than it. A failed write then never
// leaves part of a call in the file (see WritePending). The line feeds are
// counted only when the call might not fit, twice its size (every byte a
// line feed) being more than the room left; otherwise the bytes go in at
// once.
void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    SwitchTo(writing);
    if (nCount == 0)
        return;
    const char* p = static_cast<const char*>(lpBuf);
    const char* pEnd = p + nCount;
    const size_t nMost = m_bText ? 2 * static_cast<size_t>(nCount) : nCount;
    if (nMost > m_nCapacity - m_nEnd) {
        size_t nStored = nCount;
        for (const char* q = p;
             m_bText && (q = static_cast<const char*>(memchr(q, '\n', pEnd - q))) != NULL; ++q)
            ++nStored;
        if (nStored > m_nCapacity - m_nEnd) {
            WriteOutPending();
            if (nStored > m_nCapacity) {
                char* pLarger = new char[nStored];
                delete[] m_pBuffer;
                m_pBuffer = pLarger;
                m_nCapacity = nStored;
            }
        }
    }
    if (m_bText) {
        m_nEnd = static_cast<size_t>(StoreText(p, pEnd, m_pBuffer + m_nEnd) - m_pBuffer);
    } else {
        memcpy(m_pBuffer + m_nEnd, p, nCount);
        m_nEnd += nCount;
    }
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
    CheckOpen();
    SyncHandle();
    ULONGLONG nNewPos = 0;
    if (LONG lOsError = fileos::Seek(m_hFile, lOff, nFrom, nNewPos))
        ThrowOsError(lOsError);
    return nNewPos;
}

ULONGLONG CStdioFile::GetPosition() const {
    CheckOpen();
    if (m_mode == reading)
        return m_nOrigin + m_nNext;
    if (m_mode == writing)
        return m_nOrigin + m_nEnd;
    ULONGLONG nPos = 0;
    if (LONG lOsError = fileos::Seek(m_hFile, 0, current, nPos))
        ThrowOsError(lOsError);
    return nPos;
}

ULONGLONG CStdioFile::GetLength() const {
    CheckOpen();
    WriteOutPending();
    ULONGLONG nLength = 0;
    if (LONG lOsError = fileos::Length(m_hFile, nLength))
        ThrowOsError(lOsError);
    return nLength;
}

void CStdioFile::Flush() {
    if (m_hFile != hFileNull)
        WriteOutPending();
}

// The handle is closed even when pending bytes cannot be written; that
// failure is reported afterwards.
void CStdioFile::Close() {
    if (m_hFile == hFileNull)
        return;
    LONG lOsError = WritePending();
    CString strFileName = m_strFileName;
    ResetBuffer();
    CFile::Close();
    if (lOsError)
        AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, strFileName);
}

void CStdioFile::Abort() {
    if (m_hFile != hFileNull)
        WritePending();
    ResetBuffer();
    CFile::Abort();
}

void CStdioFile::SyncHandle() const {
    if (m_mode == reading && m_nNext < m_nEnd) {
        ULONGLONG nPos = 0;
        if (LONG lOsError =
                fileos::Seek(m_hFile, static_cast<LONGLONG>(m_nOrigin + m_nNext), begin, nPos))
            ThrowOsError(lOsError);
    }
    WriteOutPending();
    m_mode = idle;
    m_nNext = m_nEnd = 0;
}

// Switching between reading and writing goes through the handle's position:
// the system is asked once per switch, never per call.
void CStdioFile::ChangeMode(BufferMode mode) {
    CheckOpen();
    SyncHandle();
    if (LONG lOsError = fileos::Seek(m_hFile, 0, current, m_nOrigin))
        ThrowOsError(lOsError);
    if (m_pBuffer == NULL) {
        m_pBuffer = new char[nInitialBufferSize];
        m_nCapacity = nInitialBufferSize;
    }
    m_mode = mode;
}

// Keeps the unread bytes, moved to the front, and reads more after them.
// False at the end of the file. The buffer doubles when one line fills it.
bool CStdioFile::FillBuffer() {
    size_t nKeep = m_nEnd - m_nNext;
    if (m_nNext > 0) {
        memmove(m_pBuffer, m_pBuffer + m_nNext, nKeep);
        m_nOrigin += m_nNext;
        m_nNext = 0;
        m_nEnd = nKeep;
    }
    if (m_nEnd == m_nCapacity) {
        char* pLarger = new char[2 * m_nCapacity];
        memcpy(pLarger, m_pBuffer, m_nEnd);
        delete[] m_pBuffer;
        m_pBuffer = pLarger;
        m_nCapacity *= 2;
    }
    UINT nRead = 0;
    if (LONG lOsError = fileos::Read(m_hFile, m_pBuffer + m_nEnd,
                                     static_cast<UINT>(m_nCapacity - m_nEnd), nRead))
        ThrowOsError(lOsError);
    m_nEnd += nRead;
    return nRead > 0;
}

// The next character read, with CR LF taken as one '\n' in text mode; -1 at
// the end of the file.
int CStdioFile::NextChar() {
    if (m_nNext == m_nEnd && !FillBuffer())
        return -1;
    char ch = m_pBuffer[m_nNext++];
    if (ch == '\r' && m_bText && (m_nNext < m_nEnd || FillBuffer()) && m_pBuffer[m_nNext] == '\n') {
        ++m_nNext;
        ch = '\n';
    }
    return static_cast<unsigned char>(ch);
}

// Pending bytes are dropped when they cannot be written: reporting the
// failure once is enough, and the position is unknown afterwards. What a
// failed write added to the file's length (a write cut short by a full disk
// or a size limit) is cut off again, so that the file ends where it ended
// before.
LONG CStdioFile::WritePending() const {
    if (m_mode != writing || m_nEnd == 0)
        return 0;
    ULONGLONG nLength = 0;
    LONG lOsError = fileos::Length(m_hFile, nLength);
    if (lOsError == 0)
        lOsError = fileos::Write(m_hFile, m_pBuffer, static_cast<UINT>(m_nEnd));
    m_nOrigin += m_nEnd;
    m_nEnd = 0;
    if (lOsError) {
        m_mode = idle;
        ULONGLONG nNow = 0;
        if (fileos::Length(m_hFile, nNow) == 0 && nNow > nLength)
            fileos::SetLength(m_hFile, nLength);
    }
    return lOsError;
}

void CStdioFile::WriteOutPending() const {
    if (LONG lOsError = WritePending())
        ThrowOsError(lOsError);
}

void CStdioFile::ResetBuffer() {
    m_mode = idle;
    m_nNext = m_nEnd = 0;
    m_nOrigin = 0;
}
