// Files: CFileException, CFileStatus, CFile, CStdioFile and CFileFind.
// Included at the end of afx.h; include afx.h rather than this header.
//
// CFile is unbuffered binary I/O over the system's handle. CStdioFile adds a
// buffer and text mode, implemented here over binary I/O and identical on
// every target: a stored CR LF reads as LF, a bare LF also ends a line, a CR
// not followed by LF is data, and a written LF is stored as CR LF. Positions
// are always byte offsets into the stored file.
//
// Open reports failure through its result (and the CFileException passed in);
// every other operation throws a CFileException* on failure.
#pragma once

#ifndef _WIN32
// On native targets, the one Win32 file-system call the library makes outside
// these classes. A back-slash in the path is taken as a separator.
AFX_FW_API BOOL CreateDirectoryA(LPCSTR lpPathName, void* lpSecurityAttributes);
#define CreateDirectory CreateDirectoryA

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#endif

class AFX_FW_API CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)

public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    CFileException(int cause = CFileException::none, LONG lOsError = -1,
                   LPCTSTR lpszArchiveName = NULL);

    // The cause for a system error code (GetLastError's on Windows, errno
    // elsewhere); genericException for codes without a closer cause.
    static int PASCAL OsErrorToException(LONG lOsError);

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                         PUINT pnHelpContext = NULL) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] AFX_FW_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                                          LPCTSTR lpszFileName = NULL);

struct CFileStatus {
    ULONGLONG m_size; // 0 for a folder
    BYTE m_attribute; // CFile::Attribute bits
    TCHAR m_szFullName[_MAX_PATH];
};

class AFX_FW_API CFile : public CObject {
    DECLARE_DYNAMIC(CFile)

public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000, // taken as shareExclusive
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000, // used by derived classes only
        typeBinary = 0x8000
    };

    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

    CFile();
    // Opens the file; throws CFileException* on failure.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    // Closes the file if open, ignoring errors.
    ~CFile() override;

    // modeCreate without modeNoTruncate empties an existing file. Fails,
    // without throwing, when the file cannot be opened; pError then tells why.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    // Returns the count read: short only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    // Returns the new position. A position past the end is allowed; a
    // negative one throws badSeek.
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin();
    ULONGLONG SeekToEnd();
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    // Cuts or extends the file; the position stays where it was.
    virtual void SetLength(ULONGLONG dwNewLen);
    // Commits written data to the device.
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors.
    virtual void Abort();

    // The full path, the name part ("name.ext") and the title ("name").
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;

    // TRUE when a file or folder of that name exists; fills rStatus.
    static BOOL PASCAL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
    // Removes a file (not a folder).
    static void PASCAL Remove(LPCTSTR lpszFileName);
    // Renames or moves a file or folder; fails when the new name exists.
    static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);

    HANDLE m_hFile;

protected:
    // Called before every handle operation of CFile's own members, also when
    // a caller qualifies them (file.CFile::Read): a class that buffers writes
    // out pending bytes or drops read-ahead here, so that the handle stands
    // at the object's position. CFile buffers nothing.
    virtual void SyncHandle() const;

    // Throws for a failed system call on this file.
    [[noreturn]] void ThrowOsError(LONG lOsError) const;
    // Using a closed file throws; checked before every operation.
    void CheckOpen() const {
        if (m_hFile == hFileNull)
            ThrowNotOpen();
    }
    [[noreturn]] void ThrowNotOpen() const;

    CString m_strFileName; // the full path
};

class AFX_FW_API CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)

public:
    CStdioFile();
    // Opens the file; throws CFileException* on failure.
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    // Writes out pending bytes and closes, ignoring errors.
    ~CStdioFile() override;

    // Text mode unless typeBinary is given.
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;

    // Text is stored as 8-bit characters in both builds. A Unicode build
    // converts each line from the process's ANSI code page as it is read and
    // to it as it is written; a text with a character the code page lacks is
    // refused (CFileException, nothing of it written).

    // Reads the next line, without its line end, into rString. FALSE only at
    // the end of the file with nothing read; an empty line gives TRUE.
    virtual BOOL ReadString(CString& rString);
    // Reads up to nMax - 1 characters, stopping after a '\n', which is kept.
    // NULL at the end of the file with nothing read. In a Unicode build at
    // most nMax - 1 stored bytes make those characters, and a double-byte
    // character that would be cut is left for the next call.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    virtual void WriteString(LPCTSTR lpsz);

    // In text mode these translate line ends as described above.
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;

    // Seek drops the read buffer and writes out pending bytes.
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    // Writes out pending bytes (no commit to the device, unlike CFile's).
    void Flush() override;
    void Close() override;
    void Abort() override;

protected:
    void SyncHandle() const override;

private:
    enum BufferMode { idle, reading, writing };

    // Every line read or written asks for its mode; a change is rare.
    void SwitchTo(BufferMode mode) {
        if (m_mode != mode)
            ChangeMode(mode);
    }
    void ChangeMode(BufferMode mode);
    // ReadString and WriteString for 8-bit and for wide text.
    LPSTR ReadLine(LPSTR lpsz, UINT nMax);
    LPWSTR ReadLine(LPWSTR lpsz, UINT nMax);
    void WriteLine(LPCSTR lpsz);
    void WriteLine(LPCWSTR lpsz);
    bool FillBuffer();
    const char* FillToLineFeed();
    int NextChar();
    LONG WritePending() const;
    void WriteOutPending() const;
    void ResetBuffer();

    BOOL m_bText;
    char* m_pBuffer;
    size_t m_nCapacity;
    // reading: bytes [m_nNext, m_nEnd) are unread; writing: [0, m_nEnd) are
    // pending. m_nOrigin is the file offset of m_pBuffer[0].
    mutable BufferMode m_mode;
    mutable size_t m_nNext;
    mutable size_t m_nEnd;
    mutable ULONGLONG m_nOrigin;
    // A wide line's stored bytes, kept from line to line.
    CStringA m_strBytes;
};

class AFX_FW_API CFileFind : public CObject {
    DECLARE_DYNAMIC(CFileFind)

public:
    CFileFind();
    ~CFileFind() override;

    // Starts a search; NULL means "*.*" in the current folder. TRUE when an
    // entry matches; FindNextFile then makes it current.
    virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
    // Makes the next entry current. Nonzero while another entry follows it,
    // zero when the entry just made current is the last one.
    virtual BOOL FindNextFile();
    void Close();

    // About the current entry.
    BOOL IsDots() const;
    BOOL IsDirectory() const;
    // TRUE when the entry has any of the FILE_ATTRIBUTE_* bits of dwMask.
    BOOL MatchesMask(DWORD dwMask) const;
    ULONGLONG GetLength() const;
    CString GetFileName() const;
    // The root, one separator, then the entry's name.
    CString GetFilePath() const;
    // The name without its extension.
    CString GetFileTitle() const;
    // The folder of the pattern made absolute; it ends with a separator only
    // when it is a drive's or file system's root.
    CString GetRoot() const;

private:
    struct Entry {
        CString name;
        DWORD attributes = 0;
        ULONGLONG length = 0;
    };

    // The platform's side: start a directory scan for the pattern and load
    // m_next with its first match, load the following match, end the scan.
    BOOL BeginScan(LPCTSTR pstrName);
    BOOL LoadNext();
    void EndScan();
    void SetNext(LPCTSTR pszName, DWORD dwAttributes, ULONGLONG nLength);

    CString m_strRoot;
    CString m_strMask;
    void* m_pContext;
    Entry m_found;
    Entry m_next;
    BOOL m_bFound;
    BOOL m_bNext;
};
