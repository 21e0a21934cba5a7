#include "afxext.h"

#include "CmnInit.h"

#include <vector>

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

namespace {

// A TOOLBAR resource: version 1, the image size, then the command ids.
struct ToolBarData {
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* Items() const { return reinterpret_cast<const WORD*>(this + 1); }
};

// Both dimensions of a size in one message parameter.
LPARAM SizeParam(SIZE size) {
    return MAKELONG(size.cx, size.cy);
}

// The extent along a stretched bar: as long as any parent can be.
const int nStretchedExtent = 32767;

} // namespace

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar() : m_hbmImageWell(NULL), m_sizeImage(16, 15) {}

CToolBar::~CToolBar() {
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

// The parent lays the bar out (CalcFixedLayout), so the control neither
// places nor sizes itself.
BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    m_rcBorders = rcBorders;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY |
                       CCS_NODIVIDER | CCS_NORESIZE;
    if (dwStyle & CBRS_TOOLTIPS)
        dwWndStyle |= TBSTYLE_TOOLTIPS;
    AfxInitCommonControls(ICC_BAR_CLASSES);
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAME, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(CSize(23, 22), CSize(16, 15));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hResource = ::FindResource(hInst, lpszResourceName, RT_TOOLBAR);
    HGLOBAL hData = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    const ToolBarData* pData =
        hData != NULL ? static_cast<const ToolBarData*>(::LockResource(hData)) : NULL;
    if (pData == NULL || pData->wVersion != 1)
        return FALSE;

    const std::vector<UINT> ids(pData->Items(), pData->Items() + pData->wItemCount);
    if (!SetButtons(ids.data(), static_cast<int>(ids.size())))
        return FALSE;
    SetSizes(CSize(pData->wWidth + 7, pData->wHeight + 7), CSize(pData->wWidth, pData->wHeight));
    return LoadBitmap(lpszResourceName);
}

// The images are cut from one bitmap, m_sizeImage each, left to right.
BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HBITMAP hbmNew = static_cast<HBITMAP>(
        ::LoadImage(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (hbmNew == NULL)
        return FALSE;
    BITMAP bm;
    ::GetObject(hbmNew, sizeof bm, &bm);
    const int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;

    BOOL bResult;
    if (m_hbmImageWell == NULL) {
        TBADDBITMAP add = {NULL, reinterpret_cast<UINT_PTR>(hbmNew)};
        bResult = SendMessage(TB_ADDBITMAP, nImages, reinterpret_cast<LPARAM>(&add)) != -1;
    } else {
        TBREPLACEBITMAP replace = {NULL, reinterpret_cast<UINT_PTR>(m_hbmImageWell), NULL,
                                   reinterpret_cast<UINT_PTR>(hbmNew), nImages};
        bResult = SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)) != 0;
    }
    if (!bResult) {
        ::DeleteObject(hbmNew);
        return FALSE;
    }
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmNew;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    while (SendMessage(TB_DELETEBUTTON, 0))
        ;
    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount > 0 ? nIDCount : 0));
    int iImage = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        TBBUTTON& button = buttons[i];
        button = TBBUTTON();
        if (lpIDArray != NULL && lpIDArray[i] != ID_SEPARATOR) {
            button.idCommand = static_cast<int>(lpIDArray[i]);
            button.iBitmap = iImage++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        } else {
            button.iBitmap = 8; // a separator's width
            button.fsStyle = TBSTYLE_SEP;
        }
    }
    return buttons.empty() ||
           SendMessage(TB_ADDBUTTONS, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    m_sizeImage = sizeImage;
    SendMessage(TB_SETBITMAPSIZE, 0, SizeParam(sizeImage));
    SendMessage(TB_SETBUTTONSIZE, 0, SizeParam(sizeButton));
}

int CToolBar::GetCount() const {
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind));
}

UINT CToolBar::GetItemID(int nIndex) const {
    TBBUTTON button = TBBUTTON();
    SendMessage(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&button));
    return (button.fsStyle & TBSTYLE_SEP) ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (!SendMessage(TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

// The buttons lie in one row; the bar holds them and its borders.
CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CRect rcButtons(0, 0, 0, 0);
    for (int i = 0, n = GetCount(); i < n; ++i) {
        CRect rcItem;
        GetItemRect(i, rcItem);
        rcButtons.UnionRect(rcButtons, rcItem);
    }
    CSize size(rcButtons.right + m_rcBorders.left + m_rcBorders.right,
               rcButtons.bottom + m_rcBorders.top + m_rcBorders.bottom);
    if (bStretch && bHorz)
        size.cx = nStretchedExtent;
    else if (bStretch)
        size.cy = nStretchedExtent;
    return size;
}

// Only handlers of the commands themselves count, so a button changes only
// when bDisableIfNoHndler asks for that.
void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    // A frame window is a CWnd; any window may stand in for one here.
    CWnd* pTargetWnd = reinterpret_cast<CWnd*>(pTarget);
    if (pTargetWnd == NULL || !bDisableIfNoHndler)
        return;
    for (int i = 0, n = GetCount(); i < n; ++i) {
        const UINT nID = GetItemID(i);
        if (nID == ID_SEPARATOR)
            continue;
        AFX_CMDHANDLERINFO info = {NULL};
        const BOOL bHandled = pTargetWnd->OnCmdMsg(nID, CN_COMMAND, NULL, &info);
        SendMessage(TB_ENABLEBUTTON, nID, MAKELONG(bHandled, 0));
    }
}
