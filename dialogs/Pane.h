// Pane: one collapsible, titled bar of a PropertyPanel, with its property
// page lying under it while it is expanded.
//
// A click toggles the pane: the page is created on first use as a child of
// the panel's form view, placed right under the pane and shown, and the panes
// below move down by the page's height; a second click hides the page and
// moves them back. The pane owns its page and deletes it.
//
// A host may put a control kSignId (the "+" or "-" sign) and a control
// kTitleId (the title) into a pane; the pane paints both itself otherwise.
#pragma once

#include <afxext.h>
#include <afxwin.h>

#include "RVPropertyPage.h"

class PropertyPanel;

class AFX_EXT_CLASS Pane : public CWnd {
public:
    enum {
        kPaneId = 1031,  // control id of every pane window
        kSignId = 1104,  // optional host control showing the expansion sign
        kTitleId = 1105, // optional host control showing the title
    };

    // The window is ignored: a pane gets its parent in Create.
    explicit Pane(CWnd* pWnd = NULL);
    // Deletes the page.
    virtual ~Pane();

    // True when the pane has a window, is visible and has a page.
    virtual bool CanExpand();

    // A new heap pane owning pPage.
    static Pane* Construct(CRVPropertyPage* pPage);

    // Creates the pane window, a bordered child of pView in rect with id
    // kPaneId; nIndex is its place in pPanel. Returns rect's height.
    using CWnd::Create;
    UINT Create(PropertyPanel* pPanel, CFormView* pView, CRect& rect, int nIndex);

    CRVPropertyPage* GetPage() const { return m_pPage; }
    int GetIndex() const { return m_nIndex; }
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle);
    // Puts the title into the host's title control, when there is one.
    void DisplayTitle();

    bool IsExpanded() const { return m_bExpanded; }
    // The pane window's visibility style bit (its own, not its parents').
    bool IsVisible() const;

    // Hides (0) or shows the pane, and with it the page of an expanded pane.
    void Show(int bShow);
    // Moves the pane, and its page when it has a window, down by nDelta.
    void Shift(int nDelta);
    // Expands a collapsed pane, collapses an expanded one, moving the panes
    // below. Nothing changes when the page's window cannot be created.
    void ChangeExpansionState();
    // Expands a visible, collapsed pane and repaints it with its page.
    void Expand();

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    CRVPropertyPage* m_pPage;
    CFormView* m_pView;
    bool m_bExpanded;
    int m_nIndex;
    PropertyPanel* m_pPanel;
    CString m_strTitle;

    DECLARE_MESSAGE_MAP()
};
