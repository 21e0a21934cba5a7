#include "RVEditTransient.h"

IMPLEMENT_DYNAMIC(CRVEditTransient, CRVEdit)

BEGIN_MESSAGE_MAP(CRVEditTransient, CRVEdit)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CRVEditTransient::Init() {
    m_val = 0.0;
}

void CRVEditTransient::OnEndModify() {
    CRVEdit::OnEndModify();
    m_val = 0.0;
    UpdateData(FALSE);
}

void CRVEditTransient::OnKillFocus(CWnd*) {
    // The control reports its focus loss from here, which commits the text.
    Default();
    m_val = 0.0;
    UpdateData(FALSE);
}
