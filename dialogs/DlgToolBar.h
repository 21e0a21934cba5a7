// CDlgToolBar: a toolbar for a dialog. A dialog is no frame window, so the
// toolbar's command states are brought up to date for the window that holds
// it, its parent.
//
// The class's own message map is empty: WM_IDLEUPDATECMDUI (afxpriv.h)
// reaches OnIdleUpdateCmdUI only where a derived class maps it there, e.g.
//     ON_MESSAGE(WM_IDLEUPDATECMDUI, &CDlgToolBar::OnIdleUpdateCmdUI)
// and otherwise gets the base control bar's handling (for the owner).
#pragma once

#include <afxext.h>

class AFX_EXT_CLASS CDlgToolBar : public CToolBar {
public:
    CDlgToolBar();
    virtual ~CDlgToolBar();

protected:
    // While the toolbar can be seen, OnUpdateCmdUI for the parent window;
    // wParam nonzero disables the commands the parent has no handler for.
    // Always 0.
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
