// The framework's extensions (toolbars, form views, ...) over afxwin.h.
#pragma once

#include "afxwin.h"

#ifdef _WIN32

#include <commctrl.h>

class CFrameWnd;

/////////////////////////////////////////////////////////////////////////////
// Control bars

// The bar part of a control bar's style; the rest is its window's style.
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_ALL 0x0040FFFFL

#ifndef AFX_IDW_TOOLBAR
#define AFX_IDW_TOOLBAR 0xE800
#endif
#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif

// A bar of controls along an edge of its parent.
class AFX_FW_API CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    // The bar's size: along its edge the whole available length when
    // bStretch, else what its contents need; across it what they need.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) = 0;
    // Brings the state of the bar's commands up to date for pTarget, the
    // window whose handlers carry out the commands; with bDisableIfNoHndler
    // a command without a handler there is disabled.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }

protected:
    CControlBar();
    virtual ~CControlBar();

    DWORD m_dwStyle; // the CBRS_ part of the style
    CRect m_rcBorders;

    // While the bar is visible, brings its commands up to date for its owner
    // (the window that holds it, unless another owner was set).
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The common toolbar control as a control bar, its buttons loaded from a
// TOOLBAR resource and the bitmap of the same id.
class AFX_FW_API CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    virtual ~CToolBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    // Buttons and images from the resources of that name, found along the
    // resource chain; FALSE when either is missing.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    // Replaces the buttons: one per id, ID_SEPARATOR a separator, the others
    // taking the images in order. Without ids, nIDCount separators.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Without a handler of its command in pTarget, a button is disabled when
    // bDisableIfNoHndler asks for it, and enabled when there is one.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    HBITMAP m_hbmImageWell;
    CSize m_sizeImage;
};

/////////////////////////////////////////////////////////////////////////////
// Form views

// A view made from a dialog template: a child window with the template's
// controls, exchanging data with them as a dialog does.
class AFX_FW_API CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
public:
    // The template is looked up along the resource chain and created as a
    // child of pParentWnd in rect; lpszClassName and lpszWindowName are not
    // used (the template names both), nor is pContext, as there are no
    // documents. The window is shown only when dwStyle asks for WS_VISIBLE;
    // WS_BORDER comes from dwStyle too.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = NULL);
    // Fills the controls from the members (UpdateData(FALSE)), then updates
    // the view.
    void OnInitialUpdate() override;

protected:
    explicit CFormView(LPCTSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);
    virtual ~CFormView();

    // The controls paint themselves.
    void OnDraw(CDC* pDC) override;

    LPCTSTR m_lpszTemplateName;
};

#endif // _WIN32
