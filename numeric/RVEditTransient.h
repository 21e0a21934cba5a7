// CRVEditTransient: a numeric edit whose value falls back to zero after
// every end of a modification and every loss of focus, for entering
// increments rather than values. With eRangeExtend, a committed value
// outside the range makes the range symmetric about zero.
#pragma once

#include "RVEdit.h"

class AFX_EXT_CLASS CRVEditTransient : public CRVEdit {
    DECLARE_DYNAMIC(CRVEditTransient)
public:
    // The value starts at zero; the precision stays the edit's own.
    void Init() override;
    // WM_RV_END_MODIFY to the notify window, then back to zero.
    void OnEndModify() override;

protected:
    // The commit of the focus loss runs first, then the value returns to
    // zero.
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    DECLARE_MESSAGE_MAP()
};
