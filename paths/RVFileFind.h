// A file finder that can enumerate a stretch of one folder: FindFile on a
// file name (no wildcard) positions the finder so that the next FindNextFile
// makes that file current, and SetLastFile names the file at which the
// enumeration ends. Sub-folders are not entered.
#pragma once

#include <afx.h>

// FindFile deliberately hides the base's two-argument form rather than
// overriding it: positioning on a start file is not what callers of a plain
// CFileFind expect.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Woverloaded-virtual"
#endif

class AFX_EXT_CLASS RVFileFind : public CFileFind {
public:
    RVFileFind();
    virtual ~RVFileFind();

    // A null name enumerates the current folder and a name holding '*' is an
    // ordinary wildcard search. Any other name is a file to start at: nonzero
    // when it exists and is not a folder (names compare case-sensitively).
    BOOL FindFile(LPCTSTR pstrName = NULL);

    // As FindFile, but every non-null name is a file to start at, wildcards
    // included (compared literally). The flag has no effect.
    BOOL FindFile2(LPCTSTR pstrName, bool bFlag);

    // Steps as the base finder does, but answers 0 when the entry made
    // current is the last file, so that a caller's loop handles it and ends.
    BOOL FindNextFile() override;

    void SetLastFile(const CString& strName);

protected:
    CString m_strLastFile;

private:
    BOOL StartAt(LPCTSTR pstrName);
};

#if defined(__clang__)
#pragma clang diagnostic pop
#endif
