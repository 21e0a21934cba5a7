#include "RVTxtFileExcept.h"

IMPLEMENT_DYNAMIC(RVTxtFileExcept, CException)

RVTxtFileExcept::RVTxtFileExcept() : m_nLine(-1) {}

RVTxtFileExcept::RVTxtFileExcept(LPCTSTR lpszMessage, LPCTSTR lpszWhere, int nLine)
    : m_nLine(nLine), m_strMessage(lpszMessage ? lpszMessage : _T("")),
      m_strWhere(lpszWhere ? lpszWhere : _T("")) {}

RVTxtFileExcept::~RVTxtFileExcept() {}
