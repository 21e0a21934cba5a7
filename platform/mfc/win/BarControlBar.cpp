#include "afxext.h"
#include "afxpriv.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar() : m_dwStyle(0), m_rcBorders(0, 0, 0, 0) {}

CControlBar::~CControlBar() {}

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!IsWindowVisible())
        return 0;
    // There are no frame windows here: any window stands in for one.
    if (CWnd* pTarget = GetOwner())
        OnUpdateCmdUI(reinterpret_cast<CFrameWnd*>(pTarget), static_cast<BOOL>(wParam));
    return 0;
}
