// PropertyPanel: a vertical stack of collapsible, titled panes in a form
// view, each with a property page that lies under its pane while expanded.
//
// Construct the panel, optionally SetPaneSize, AddPane for each page (titling
// the returned panes), then Create with the view and the first pane's corner.
// Panes added after Create get no window. The panel owns its panes, and each
// pane its page: pages handed to AddPane are heap objects nobody else deletes.
#pragma once

#include <afxext.h>
#include <afxtempl.h>

#include "Pane.h"

class AFX_EXT_CLASS PropertyPanel {
public:
    PropertyPanel();
    // Deletes every pane and with it every page.
    virtual ~PropertyPanel();

    // The size of every pane, used by Create.
    void SetPaneSize(int nWidth, int nHeight);
    // A new pane for pPage at the bottom of the stack.
    Pane* AddPane(CRVPropertyPage* pPage);
    // Creates the pane windows in pView, top to bottom from ptOrigin, without
    // gaps.
    void Create(CFormView* pView, CPoint ptOrigin);
    // Moves every pane below pane nIndex down by nDelta (up when negative).
    void OnExpand(int nIndex, int nDelta);
    // Shows (nonzero) or hides every pane.
    void Show(int bShow);
    // Expands, top to bottom, every pane that can expand.
    void ExpandAll();
    int IsInitExOK() const { return m_bInitOK; }

    int GetPaneCount() const { return static_cast<int>(m_panes.GetSize()); }
    Pane* GetPane(int nIndex) const { return m_panes.GetAt(nIndex); }

protected:
    CFormView* m_pView;
    CPoint m_ptOrigin;
    int m_bInitOK;
    CTypedPtrArray<CObArray, Pane*> m_panes;
    int m_nPaneWidth;
    int m_nPaneHeight;

private:
    PropertyPanel(const PropertyPanel&);
    PropertyPanel& operator=(const PropertyPanel&);
};
