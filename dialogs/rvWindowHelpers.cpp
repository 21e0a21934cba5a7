#include "rvWindowHelpers.h"

void rvMoveWindow(CWnd* pWnd, CWnd* pParent, int dx, int dy) {
    // A CWnd without a window would give an unread rectangle.
    if (pWnd == NULL || pParent == NULL || !::IsWindow(pWnd->GetSafeHwnd()) ||
        !::IsWindow(pParent->GetSafeHwnd()))
        return;
    CRect rect;
    pWnd->GetWindowRect(rect);
    rect.OffsetRect(dx, dy);
    pParent->ScreenToClient(rect);
    pWnd->MoveWindow(rect, TRUE);
}

int rvFindMenuItem(CMenu* pMenu, LPCTSTR lpszText) {
    if (pMenu == NULL || lpszText == NULL || !::IsMenu(pMenu->GetSafeHmenu()))
        return -1;
    const int nCount = static_cast<int>(pMenu->GetMenuItemCount());
    for (int i = 0; i < nCount; ++i) {
        CString text;
        if (pMenu->GetMenuString(i, text, MF_BYPOSITION) > 0 && _tcscmp(text, lpszText) == 0)
            return i;
    }
    return -1;
}
