#include "DlgToolBar.h"

CDlgToolBar::CDlgToolBar() {}

CDlgToolBar::~CDlgToolBar() {}

BEGIN_MESSAGE_MAP(CDlgToolBar, CToolBar)
END_MESSAGE_MAP()

LRESULT CDlgToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!IsWindowVisible())
        return 0;
    if (CWnd* pParent = CWnd::FromHandle(::GetParent(m_hWnd)))
        // Any window with command handlers may stand in for a frame here.
        OnUpdateCmdUI(reinterpret_cast<CFrameWnd*>(pParent), static_cast<BOOL>(wParam));
    return 0;
}
