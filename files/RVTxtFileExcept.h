// RVTxtFileExcept: a format error found while reading a text or tag file.
//
// Thrown as a pointer to a heap object (throw new RVTxtFileExcept(...)); the
// catcher owns it, reads the members and releases it with Delete().
#pragma once

#include <afx.h>

class AFX_EXT_CLASS RVTxtFileExcept : public CException {
    DECLARE_DYNAMIC(RVTxtFileExcept)

public:
    // No line given (-1), empty message and place.
    RVTxtFileExcept();
    // What went wrong, the operation and site that found it, and the line
    // counter of the file at that moment. Null texts are taken as empty.
    RVTxtFileExcept(LPCTSTR lpszMessage, LPCTSTR lpszWhere, int nLine);
    ~RVTxtFileExcept() override;

    int m_nLine;
    CString m_strMessage;
    CString m_strWhere;
};
