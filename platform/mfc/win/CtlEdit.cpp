#include <afxwin.h>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("EDIT"), NULL, dwStyle, rect, pParentWnd, nID);
}

DWORD CEdit::GetSel() const {
    return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETSEL, 0, 0));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    ::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&nStartChar),
                  reinterpret_cast<LPARAM>(&nEndChar));
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SetSel(LOWORD(dwSelection), HIWORD(dwSelection), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    ::SendMessage(m_hWnd, EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::Clear() {
    ::SendMessage(m_hWnd, WM_CLEAR, 0, 0);
}

void CEdit::Copy() {
    ::SendMessage(m_hWnd, WM_COPY, 0, 0);
}

void CEdit::Cut() {
    ::SendMessage(m_hWnd, WM_CUT, 0, 0);
}

void CEdit::Paste() {
    ::SendMessage(m_hWnd, WM_PASTE, 0, 0);
}

BOOL CEdit::Undo() {
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_UNDO, 0, 0));
}

BOOL CEdit::CanUndo() const {
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_CANUNDO, 0, 0));
}

void CEdit::EmptyUndoBuffer() {
    ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
}

void CEdit::LimitText(int nChars) {
    ::SendMessage(m_hWnd, EM_LIMITTEXT, nChars, 0);
}

void CEdit::SetLimitText(UINT nMax) {
    ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
}

UINT CEdit::GetLimitText() const {
    return static_cast<UINT>(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
}

BOOL CEdit::GetModify() const {
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0));
}

void CEdit::SetModify(BOOL bModified) {
    ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0);
}

void CEdit::SetPasswordChar(TCHAR ch) {
    ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, static_cast<TBYTE>(ch), 0);
}

TCHAR CEdit::GetPasswordChar() const {
    return static_cast<TCHAR>(::SendMessage(m_hWnd, EM_GETPASSWORDCHAR, 0, 0));
}

int CEdit::GetLineCount() const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    // EM_GETLINE reads the buffer size from the buffer's first word.
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
    return static_cast<int>(
        ::SendMessage(m_hWnd, EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
}

int CEdit::LineIndex(int nLine) const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0));
}

int CEdit::LineLength(int nLine) const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0));
}

int CEdit::LineFromChar(int nIndex) const {
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0));
}

void CEdit::GetRect(LPRECT lpRect) const {
    ::SendMessage(m_hWnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}
