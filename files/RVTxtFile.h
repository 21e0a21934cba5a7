// RVTxtFile: a line-oriented text file with search and in-place replacement.
//
// The file is read line by line in text mode (a stored CR LF reads as a line
// feed, a bare LF also ends a line, lines come without their line end). The
// object keeps the current line in memory with a line counter, a column into
// that line and the file positions (stored byte offsets) at which the current
// and the previous line began. Searches walk that model; replacements work on
// the stored bytes and move the rest of the file up or down.
//
// Operations that report success through their result (opening, Replace,
// ReplaceCurrentLine, CheckAddNewLineEndFile, Empty, GetLineCount) turn the
// framework's file exceptions raised by their own work into a failure result;
// line reading and searching let them pass.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS RVTxtFile : public CStdioFile {
    DECLARE_DYNAMIC(RVTxtFile)

public:
    RVTxtFile();
    explicit RVTxtFile(CString strFile);
    ~RVTxtFile() override;

    // Line counter and column to 0, both line positions to "none".
    void Construct();
    // Construct, and forget the current line.
    void Reset();
    // Back to the start of the file with the counters at 0; the line
    // positions and the current line stay.
    void ResetPosn();

    void SetFileName(CString strFile) { m_strFile = strFile; }
    CString GetFileName() { return m_strFile; }
    // The framework's const GetFileName (the open file's name) stays
    // available beside the name set above.
    using CStdioFile::GetFileName;
    // The current line from the column on; empty when the column lies at or
    // past the end of the line, the whole line when it is negative.
    CString GetCurString() const;

    // Opens the file named by SetFileName (or the constructor) for reading
    // and writing, text mode, denying others write access.
    bool Open();
    // As Open; read-only opens for reading only, without a sharing flag.
    bool Open2(bool bReadOnly);
    // The framework's Open(name, flags[, error]) stays available unchanged;
    // it does not touch the name set with SetFileName.
    using CStdioFile::Open;

    // Reads the next line into the current line: 1, or 0 at the end of the
    // file. The start of the line just read becomes the current line's
    // position and the former one the previous line's, even at the end.
    // Inline: the tag reader reads every line through it.
    int ReadString() {
        m_posPrevLine = m_posCurLine;
        m_posCurLine = GetPosition();
        if (!CStdioFile::ReadString(m_strCurLine))
            return 0;
        ++m_nLine;
        m_nCol = 0;
        return 1;
    }
    // Writes the text; the line counter grows by one whatever the text holds.
    void WriteString(LPCTSTR lpsz) override;

    // Find2 with bContains true and no line out.
    int Find(CString strText, int* pCol);
    // Reads on from the line after the current one to the first line that
    // holds the text (bContains true) or that does not (false). Returns the
    // position at which that line begins, or -1 when the file ends first.
    // pCol receives the text's index in it (-1 when bContains is false),
    // pLine the zero-based line index counted from the last reset.
    int Find2(const CString& strText, bool bContains, int* pCol, int* pLine);
    // Searches from the column of the current line on, reading further lines
    // as needed. pCol receives the index of the match in its line; the column
    // is left on the match, or just past it with bSkip (on the next line when
    // the match ends its line). Returns -1 when not found, 0 when the match
    // lies in the line current at the call, otherwise the position just after
    // the line that holds it.
    int FindNext(LPCTSTR lpszText, int* pCol, bool bSkip);

    // Replaces the stored bytes [nStart, nEnd) by nLength bytes of pData; the
    // rest of the file moves up or down, byte for byte. nEnd must lie before
    // the end of the file. Afterwards the position stands at the new end.
    // The new bytes are stored as text mode writes them: a line feed as CR
    // LF; a CR LF given stays one line end, a lone CR stays a lone CR. A
    // failed replacement leaves every byte and the position as they were.
    bool Replace(int nStart, int nEnd, const BYTE* pData, int nLength);
    // Replaces nCount stored bytes from the current position by nLength bytes
    // of pData, stored as above; the nCount bytes must all lie in the file
    // (0 inserts). Afterwards the position stands at the new end of the file.
    bool Replace(int nCount, const BYTE* pData, int nLength);
    bool Replace(int nCount, const CString& strText);
    // Replaces the current line's text in the file, stored as above; its line
    // end and what follows stay. The position keeps pointing at the same byte
    // (so, after ReadString, at the start of the following line). The current
    // line becomes the new text; a text with line feeds leaves the reader as
    // if it had read its lines: the current line is the text after its last
    // line feed, where it is stored, the counter grows by the line feeds, the
    // column is 0 and the previous line is the text's line before the last.
    bool ReplaceCurrentLine(const CString& strText);
    // Appends CR LF unless the file already ends with it: true when appended.
    // With a name, works on that file (opened and closed here); with null, on
    // this object's open file, which is left positioned at its end, so that
    // the next write appends.
    bool CheckAddNewLineEndFile(LPCTSTR lpszFile);
    // Cuts the open file to length 0.
    bool Empty();
    // Lines in the named file (a last line without line end counts), or -1
    // when it cannot be read.
    static int GetLineCount(const CString& strFile);

protected:
    // The framework's line readers, kept for derived classes; hosts read
    // through ReadString() so that the line model stays right.
    using CStdioFile::ReadString;

    // The line positions before any line was read.
    static constexpr ULONGLONG kNoPosition = ~static_cast<ULONGLONG>(0);

    CString m_strFile;
    int m_nLine;
    int m_nCol;
    ULONGLONG m_posPrevLine;
    ULONGLONG m_posCurLine;
    CString m_strCurLine;

private:
    // The position and length of the open file when a replacement begins.
    struct Place {
        ULONGLONG nPos;
        ULONGLONG nLength;
    };

    bool IsOpen() const;
    bool GetPlace(Place& place);
    bool ReplaceBytes(const Place& place, ULONGLONG nStart, ULONGLONG nEnd, const BYTE* pData,
                      int nLength, bool bKeepPlace);
};
