// Small free functions over windows and menus.
#pragma once

#include <afxwin.h>

// Moves pWnd by (dx, dy) within pParent's client area, keeping its size, and
// repaints it. Nothing happens unless both have a window.
AFX_EXT_API void rvMoveWindow(CWnd* pWnd, CWnd* pParent, int dx, int dy);

// The position of the first top-level item of pMenu whose text is exactly
// lpszText (case and mnemonic '&' included), or -1. Submenus are not searched
// and an item without text never matches.
AFX_EXT_API int rvFindMenuItem(CMenu* pMenu, LPCTSTR lpszText);
